#include "BenchSupport.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace bench
{
juce::AudioBuffer<float> makeNoise (int numSamples, juce::int64 seed)
{
    juce::AudioBuffer<float> noise (2, numSamples);
    juce::Random random (seed);

    for (int ch = 0; ch < 2; ++ch)
        for (int n = 0; n < numSamples; ++n)
            noise.setSample (ch, n, random.nextFloat() - 0.5f);

    return noise;
}

void copyNextBlock (const juce::AudioBuffer<float>& source, int& readPos, juce::AudioBuffer<float>& buffer)
{
    const int total = source.getNumSamples();

    for (int done = 0; done < buffer.getNumSamples();)
    {
        const int n = juce::jmin (buffer.getNumSamples() - done, total - readPos);

        for (int ch = 0; ch < 2; ++ch)
            buffer.copyFrom (ch, done, source, ch, readPos, n);

        done += n;
        readPos = (readPos + n) % total;
    }
}

void setFrameCounters (benchmark::State& state, double frames)
{
    // A rate counter divides by the CPU time of the timed loop; inverted, a
    // count of frames times 1e-9 gives nanoseconds per frame.
    state.counters["ns_per_frame"] = benchmark::Counter (frames * 1e-9, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["realtime_x"] = benchmark::Counter (frames / sampleRate, benchmark::Counter::kIsRate);
}

bool haveDisplay (benchmark::State& state)
{
    if (juce::Desktop::getInstance().getDisplays().getPrimaryDisplay() != nullptr)
        return true;

    state.SkipWithError ("no X display (run through scripts/bench.sh)");
    return false;
}
} // namespace bench
