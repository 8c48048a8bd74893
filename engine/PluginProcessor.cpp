#include "PluginProcessor.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace
{
constexpr double pi = 3.141592653589793;
constexpr int filterOrder = 8;

// Factor 0.04 s per unit of a band's "Haas" value, in single precision.
constexpr float maxDelaySeconds = 0.04f;

// Boost of the louder side: 0.707 when the right side is louder, 1.707 when
// the left side is.
constexpr float boostRight = 0.707f;
constexpr float boostLeft = 1.707f;

int delayTargetFor (double seconds, double sampleRate) noexcept
{
    const double samples = seconds * sampleRate + 1.0;

    // Keeps the conversion defined and the delay inside the ring for any
    // parameter value and sample rate.
    if (! (samples >= (double) DelayLine::minDelay))
        return DelayLine::minDelay;

    if (samples > (double) DelayLine::maxDelay)
        return DelayLine::maxDelay;

    return (int) samples;
}

float mixGain (float factor) noexcept
{
    return std::sin ((float) ((double) factor * pi * 0.5));
}
} // namespace

VeltoAudioProcessor::VeltoAudioProcessor()
    : juce::AudioProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput ("Output", juce::AudioChannelSet::stereo(), true))
{
    storedSampleRate = 44100.0;
    currentMix = 1.0f;

    setLatencySamples (1);

    params.reserve (NumParams);

    for (int i = 0; i < NumParams; ++i)
    {
        auto* p = new PlainFloatParameter (ParamNames[i], DefalutParams[i]);
        params.push_back (p);
        addParameter (p);
    }

    try
    {
        initDSP();
    }
    catch (const std::bad_alloc&)
    {
        // The destructor will not run: release the filters designed so far.
        freeFilters();
        throw;
    }
}

VeltoAudioProcessor::~VeltoAudioProcessor()
{
    freeFilters();
}

void VeltoAudioProcessor::freeFilters() noexcept
{
    for (int i = 0; i < NumBands; ++i)
    {
        BWB_Free (filtersL[i]);
        BWB_Free (filtersR[i]);
    }
}

const juce::String VeltoAudioProcessor::getName() const
{
    return "Velto";
}

void VeltoAudioProcessor::prepareToPlay (double, int)
{
    // A new sample rate is picked up at the start of the next block.
}

void VeltoAudioProcessor::releaseResources()
{
}

bool VeltoAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto in = layouts.getMainInputChannelSet();
    const auto out = layouts.getMainOutputChannelSet();

    return out == juce::AudioChannelSet::stereo()
        && (in == juce::AudioChannelSet::mono() || in == juce::AudioChannelSet::stereo());
}

double VeltoAudioProcessor::getTailLengthSeconds() const { return 0.0; }
bool VeltoAudioProcessor::acceptsMidi() const { return false; }
bool VeltoAudioProcessor::producesMidi() const { return false; }

bool VeltoAudioProcessor::hasEditor() const { return true; }

int VeltoAudioProcessor::getNumPrograms() { return 1; }
int VeltoAudioProcessor::getCurrentProgram() { return 0; }
void VeltoAudioProcessor::setCurrentProgram (int) {}
const juce::String VeltoAudioProcessor::getProgramName (int) { return {}; }
void VeltoAudioProcessor::changeProgramName (int, const juce::String&) {}

void VeltoAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    juce::MemoryOutputStream out (destData, true);

    for (auto* p : params)
        out.writeFloat (p->get());
}

void VeltoAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    juce::MemoryInputStream in (data, (size_t) juce::jmax (0, sizeInBytes), false);

    for (auto* p : params)
    {
        // readFloat gives 0 once fewer than four bytes remain. A value that is
        // not a finite number is taken as 0 as well.
        float v = in.readFloat();

        if (! std::isfinite (v))
            v = 0.0f;

        p->setValueNotifyingHost (v);
    }

    // The restored values replace the engine's per-band state under the
    // callback lock, so a block in progress never sees half of them.
    const juce::ScopedLock lock (getCallbackLock());
    currentMix = param (ParamMix);
    updateBandParameters();
}

void VeltoAudioProcessor::initDSP()
{
    dryDelayL.setTargetDelay (1);
    dryDelayR.setTargetDelay (1);

    const auto edges = bandEdgesFor (storedSampleRate, TopBandUpperEdgeInitial);

    for (int i = 0; i < NumBands; ++i)
    {
        pan[i] = 0.5f;
        gainL[i] = gainR[i] = 1.0f;
        delaySecondsL[i] = delaySecondsR[i] = 0.0;
        bandLower[i] = edges.lower[i];
        bandUpper[i] = edges.upper[i];
        // Without its filters the processor cannot work at all: fail its
        // construction rather than run with half a filter bank.
        if (! BWB_Init (filtersL[i], filterOrder, bandLower[i], bandUpper[i], storedSampleRate)
            || ! BWB_Init (filtersR[i], filterOrder, bandLower[i], bandUpper[i], storedSampleRate))
            throw std::bad_alloc();
        delaysL[i].setTargetDelay (1);
        delaysR[i].setTargetDelay (1);
    }
}

void VeltoAudioProcessor::handleNewSamplerate (float newRate)
{
    const auto rate = (double) newRate;
    const auto edges = bandEdgesFor (rate, TopBandUpperEdgeRedesign);

    for (int i = 0; i < NumBands; ++i)
    {
        bandLower[i] = edges.lower[i];
        bandUpper[i] = edges.upper[i];
        BWB_Set_Band_And_Samplerate (filtersL[i], bandLower[i], bandUpper[i], rate);
        BWB_Set_Band_And_Samplerate (filtersR[i], bandLower[i], bandUpper[i], rate);
    }
}

void VeltoAudioProcessor::updateBandParameters()
{
    // One reading of the spreads serves every band of the block.
    const float sL = param (ParamSpreadLow);
    const float sM = param (ParamSpreadMid);
    const float sH = param (ParamSpreadHigh);

    for (int i = 0; i < NumBands; ++i)
    {
        const float v = param (i);
        const double d = (double) (v * maxDelaySeconds);
        const bool odd = (i & 1) != 0;

        delaySecondsL[i] = odd ? d : 0.0;
        delaySecondsR[i] = odd ? 0.0 : d;

        float spread = (sM * FactorMapMid[i] + sL * FactorMapLow[i]) + sH * FactorMapHigh[i];

        if (spread > 1.0f)
            spread = 1.0f;

        pan[i] = odd ? (1.0f - spread) * 0.5f : spread * 0.5f + 0.5f;
    }

    for (int i = 0; i < NumBands; ++i)
    {
        delaysL[i].setTargetDelay (delayTargetFor (delaySecondsL[i], storedSampleRate));
        delaysR[i].setTargetDelay (delayTargetFor (delaySecondsR[i], storedSampleRate));
    }

    for (int i = 0; i < NumBands; ++i)
    {
        const float x = (pan[i] + pan[i]) - 1.0f;

        if (x > 0.0f)
        {
            gainL[i] = 1.0f - x;
            gainR[i] = (1.0f - gainL[i]) * boostRight + 1.0f;
        }
        else if (x < 0.0f)
        {
            gainR[i] = 1.0f - std::abs (x);
            gainL[i] = (1.0f - gainR[i]) * boostLeft + 1.0f;
        }
        else
        {
            gainL[i] = gainR[i] = 1.0f;
        }
    }
}

void VeltoAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    // Decaying filter states must not fall into denormals after the input stops.
    const juce::ScopedNoDenormals noDenormals;

    const double rate = getSampleRate();

    // A rate that is not a positive number (also once it is narrowed to the
    // float the filters are designed with) is not a rate: the engine keeps
    // its rate and design until a real one arrives.
    const bool rateIsUsable = rate > 0.0 && rate < 1.0e38 && (float) rate > 0.0f;

    if (rate != storedSampleRate && rateIsUsable)
    {
        storedSampleRate = rate;
        handleNewSamplerate ((float) rate);
    }

    updateBandParameters();

    const int numIn = getTotalNumInputChannels();
    const int numOut = getTotalNumOutputChannels();
    const int numSamples = buffer.getNumSamples();

    for (int ch = numIn; ch < juce::jmin (numOut, buffer.getNumChannels()); ++ch)
        buffer.clear (ch, 0, numSamples);

    // The output is always stereo; a host that hands over fewer channels
    // gets its buffer back untouched.
    if (buffer.getNumChannels() < 2)
        return;

    float* outL = buffer.getWritePointer (0);
    float* outR = buffer.getWritePointer (1);

    if (numSamples < 1)
        return;

    const float m0 = currentMix;
    const float target = param (ParamMix);
    const float step = target == m0 ? 0.0f : (target - m0) / (float) numSamples;

    bank.load (filtersL, filtersR);

    for (int start = 0; start < numSamples; start += chunkSize)
    {
        const int count = juce::jmin (chunkSize, numSamples - start);
        float* const oL = outL + start;
        float* const oR = outR + start;

        // The input is copied out first: the buffer is processed in place.
        std::copy (oL, oL + count, inputL);
        std::copy (numIn == 2 ? oR : oL, (numIn == 2 ? oR : oL) + count, inputR);

        // Every band of each side filters the raw input of that side.
        bank.process (inputL, inputR, count, filtered, chunkSize);

        for (int lane = 0; lane < BandFilterBank::numLanes; ++lane)
        {
            auto& line = lane < NumBands ? delaysL[lane] : delaysR[lane - NumBands];
            line.processBlock (filtered + lane * chunkSize, delayed + lane * chunkSize, count);
        }

        // Wet sum, accumulated in single precision from band 0 upwards.
        std::fill (wetL, wetL + count, 0.0f);
        std::fill (wetR, wetR + count, 0.0f);

        for (int i = 0; i < NumBands; ++i)
        {
            const float* const rL = delayed + i * chunkSize;
            const float* const rR = delayed + (i + NumBands) * chunkSize;
            const float gL = gainL[i], gR = gainR[i];

            for (int n = 0; n < count; ++n)
            {
                wetL[n] = rL[n] * gL + wetL[n];
                wetR[n] = rR[n] * gR + wetR[n];
            }
        }

        dryDelayL.processBlock (inputL, dryL, count);
        dryDelayR.processBlock (inputR, dryR, count);

        // Equal-power crossfade; the mix moves before each sample is mixed.
        if (step == 0.0f)
        {
            currentMix = currentMix + step;
            const float m = currentMix;
            const float dryGain = mixGain (1.0f - m);
            const float wetGain = mixGain (m);

            for (int n = 0; n < count; ++n)
            {
                oL[n] = wetL[n] * wetGain + dryGain * dryL[n];
                oR[n] = wetGain * wetR[n] + dryR[n] * dryGain;
            }
        }
        else
        {
            for (int n = 0; n < count; ++n)
            {
                currentMix = currentMix + step;
                const float m = currentMix;
                const float dryGain = mixGain (1.0f - m);
                const float wetGain = mixGain (m);

                oL[n] = wetL[n] * wetGain + dryGain * dryL[n];
                oR[n] = wetGain * wetR[n] + dryR[n] * dryGain;
            }
        }
    }

    bank.store (filtersL, filtersR);
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new VeltoAudioProcessor();
}
