// Whatever a damaged project file or a hostile host hands the processor as
// parameter values, audio within +-1 must come out finite, without a crash.
// Input layout: one byte that picks the sample rate and how the values
// arrive, then the bytes as a state chunk or as raw host writes; bytes beyond
// the first 80 arrive a second time, as a later change, after the first block.
// One processor per rate lives through the whole run, as in a long host
// session (constructing one per input would cost most of the time): each
// input is one more restore into it, after whatever the inputs before left.

#include "PluginProcessor.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
constexpr double rates[] = { 8000.0, 44100.0, 384000.0 };

// One short block, one that spans the engine's internal stretches, one sample.
constexpr int blockSizes[] = { 64, 300, 1 };
constexpr int chunkBytes = 4 * NumParams;

void deliver (VeltoAudioProcessor& processor, bool asHostWrites, const uint8_t* bytes, size_t size)
{
    if (! asHostWrites)
    {
        processor.setStateInformation (bytes, (int) size);
        return;
    }

    // Unlike a restore, a host's write can carry infinities and NaN.
    auto& params = processor.getParameters();

    for (int i = 0; i < NumParams && (size_t) (4 * i + 4) <= size; ++i)
    {
        float v = 0.0f;
        std::memcpy (&v, bytes + 4 * i, 4);
        params[i]->setValue (v);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;

    const int mode = data[0];
    const uint8_t* const bytes = data + 1;
    const size_t numBytes = size - 1;

    static VeltoAudioProcessor processors[3];
    auto& processor = processors[mode % 3];
    processor.setRateAndBufferSizeDetails (rates[mode % 3], 300);
    deliver (processor, (mode & 4) != 0, bytes, numBytes);

    juce::AudioBuffer<float> buffer (2, 300);
    juce::MidiBuffer midi;
    juce::Random noise (mode);

    for (int block = 0; block < 3; ++block)
    {
        if (block == 1 && numBytes > (size_t) chunkBytes)
            deliver (processor, (mode & 8) != 0, bytes + chunkBytes, numBytes - (size_t) chunkBytes);

        const int n = blockSizes[block];
        buffer.setSize (2, n, false, false, true);

        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < n; ++i)
                buffer.setSample (ch, i, noise.nextFloat() * 2.0f - 1.0f);

        {
            const juce::ScopedLock lock (processor.getCallbackLock());
            processor.processBlock (buffer, midi);
        }

        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < n; ++i)
                if (! std::isfinite (buffer.getSample (ch, i)))
                {
                    std::fprintf (stderr, "non-finite output: block %d, channel %d, sample %d\n", block, ch, i);
                    std::abort();
                }
    }

    return 0;
}
