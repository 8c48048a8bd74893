#pragma once

#include "PluginProcessor.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <array>
#include <cstring>
#include <memory>
#include <vector>

inline std::unique_ptr<VeltoAudioProcessor> makeProcessor (double rate = 44100.0, int block = 512)
{
    auto p = std::make_unique<VeltoAudioProcessor>();
    p->setRateAndBufferSizeDetails (rate, block);
    return p;
}

inline juce::AudioProcessorParameter& paramAt (VeltoAudioProcessor& p, int index)
{
    return *p.getParameters().getUnchecked (index);
}

inline void setParam (VeltoAudioProcessor& p, int index, float value)
{
    paramAt (p, index).setValue (value);
}

inline float getParam (VeltoAudioProcessor& p, int index)
{
    return paramAt (p, index).getValue();
}

inline void runBlock (VeltoAudioProcessor& p, juce::AudioBuffer<float>& buffer)
{
    juce::MidiBuffer midi;
    const juce::ScopedLock lock (p.getCallbackLock());
    p.processBlock (buffer, midi);
}

inline std::array<float, NumParams> currentParams (VeltoAudioProcessor& p)
{
    std::array<float, NumParams> v {};
    for (int i = 0; i < NumParams; ++i)
        v[(size_t) i] = getParam (p, i);
    return v;
}

// An 80-byte state chunk (or any other length) holding the given values.
inline juce::MemoryBlock chunkOf (const std::vector<float>& values)
{
    juce::MemoryBlock chunk;
    {
        juce::MemoryOutputStream out (chunk, false);
        for (float v : values)
            out.writeFloat (v);
    }
    return chunk;
}

inline bool sameBits (float a, float b)
{
    return std::memcmp (&a, &b, sizeof a) == 0;
}

inline void fillNoise (juce::AudioBuffer<float>& b, juce::Random& r, float level = 0.5f)
{
    for (int ch = 0; ch < b.getNumChannels(); ++ch)
        for (int n = 0; n < b.getNumSamples(); ++n)
            b.setSample (ch, n, (r.nextFloat() * 2.0f - 1.0f) * level);
}
