// processBlock as a host runs it: the built VST3 bundle loaded through JUCE's
// hosting, 512-frame stereo blocks, default parameters.

#include "BenchSupport.h"

#include <juce_audio_processors/juce_audio_processors.h>

namespace
{
void hostedVst3Bench (benchmark::State& state)
{
    constexpr int blockSize = 512;

    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> found;
    format.findAllTypesForFile (found, VELTO_VST3_BUNDLE);

    if (found.isEmpty())
    {
        state.SkipWithError ("the VST3 bundle " VELTO_VST3_BUNDLE " was not found");
        return;
    }

    juce::String error;
    auto plugin = format.createInstanceFromDescription (*found[0], bench::sampleRate, blockSize, error);

    if (plugin == nullptr)
    {
        state.SkipWithError (("could not load the VST3 bundle: " + error).toRawUTF8());
        return;
    }

    plugin->prepareToPlay (bench::sampleRate, blockSize);

    const auto noise = bench::makeNoise (1 << 16, 42);
    juce::AudioBuffer<float> buffer (2, blockSize);
    juce::MidiBuffer midi;
    int readPos = 0;
    double frames = 0.0;

    for (auto _ : state)
    {
        bench::copyNextBlock (noise, readPos, buffer);
        plugin->processBlock (buffer, midi);
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
        benchmark::ClobberMemory();
        frames += blockSize;
    }

    bench::setFrameCounters (state, frames);
    plugin->releaseResources();
}
} // namespace

namespace bench
{
void registerHostedVst3Benchmarks()
{
    benchmark::RegisterBenchmark ("host_vst3/default/noise/512", hostedVst3Bench);
}
} // namespace bench
