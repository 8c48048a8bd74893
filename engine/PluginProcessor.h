#pragma once

#include "BWB_Filter.h"
#include "BandFilterBank.h"
#include "BandLayout.h"
#include "DelayLine.h"
#include "ParameterTable.h"
#include "PlainFloatParameter.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <vector>

// The processor the host talks to: 20 parameters, the 16-band Haas engine,
// one unnamed program and an 80-byte state chunk.
class VeltoAudioProcessor : public juce::AudioProcessor
{
public:
    VeltoAudioProcessor();
    ~VeltoAudioProcessor() override;

    const juce::String getName() const override;

    void prepareToPlay (double sampleRate, int maximumExpectedSamplesPerBlock) override;
    void releaseResources() override;
    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    using juce::AudioProcessor::processBlock;

    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;

    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override;
    void changeProgramName (int index, const juce::String& newName) override;

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    // Engine steps, public so that tests can drive them one at a time.
    void handleNewSamplerate (float newRate);
    void updateBandParameters();

    // Read-only views of the engine's per-band state.
    float getPan (int band) const noexcept { return pan[band]; }
    float getGainL (int band) const noexcept { return gainL[band]; }
    float getGainR (int band) const noexcept { return gainR[band]; }
    int getTargetDelayL (int band) const noexcept { return delaysL[band].targetDelay; }
    int getTargetDelayR (int band) const noexcept { return delaysR[band].targetDelay; }
    int getCurrentDelayL (int band) const noexcept { return delaysL[band].currentDelay; }
    int getCurrentDelayR (int band) const noexcept { return delaysR[band].currentDelay; }
    double getBandLowerEdge (int band) const noexcept { return bandLower[band]; }
    double getBandUpperEdge (int band) const noexcept { return bandUpper[band]; }
    const BWB_Filter& getFilterL (int band) const noexcept { return filtersL[band]; }
    const BWB_Filter& getFilterR (int band) const noexcept { return filtersR[band]; }
    float getCurrentMix() const noexcept { return currentMix; }
    double getStoredSampleRate() const noexcept { return storedSampleRate; }

private:
    float param (int index) const noexcept { return params[(size_t) index]->get(); }
    // Initial per-band values and the first filter design; once, from the constructor.
    void initDSP();
    void freeFilters() noexcept;

    std::vector<PlainFloatParameter*> params;

    BWB_Filter filtersL[NumBands] {};
    DelayLine delaysL[NumBands];
    BWB_Filter filtersR[NumBands] {};
    DelayLine delaysR[NumBands];
    DelayLine dryDelayL, dryDelayR;

    float pan[NumBands];
    float gainL[NumBands];
    float gainR[NumBands];
    double delaySecondsL[NumBands];
    double delaySecondsR[NumBands];

    float currentMix = 1.0f;
    double storedSampleRate = 44100.0;

    // Edges the filters are designed for.
    double bandLower[NumBands];
    double bandUpper[NumBands];

    // Working memory of processBlock, which runs a block in stretches of at
    // most chunkSize frames: each stage handles a whole stretch at a time.
    static constexpr int chunkSize = 256;
    BandFilterBank bank;
    float filtered[BandFilterBank::numLanes * chunkSize];
    float delayed[BandFilterBank::numLanes * chunkSize];
    float inputL[chunkSize], inputR[chunkSize];
    float wetL[chunkSize], wetR[chunkSize];
    float dryL[chunkSize], dryR[chunkSize];

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VeltoAudioProcessor)
};
