// processBlock of the engine itself at 44.1 kHz, stereo, on noise and on the
// silence that follows a burst of noise, with default parameters and with a
// setting like the factory presets.

#include "BenchSupport.h"
#include "ParameterTable.h"
#include "PluginProcessor.h"

#include <string>

namespace
{
enum class Setting { defaults, factoryLike };
enum class Signal { noise, silenceAfterBurst };

void applySetting (VeltoAudioProcessor& processor, Setting setting)
{
    if (setting == Setting::defaults)
        return;

    auto& params = processor.getParameters();

    // Band delays spread from 0 to 0.6 over the bands, all three spreads in
    // use and a partly dry mix, so every gain and delay is active.
    for (int i = 0; i < 16; ++i)
        params[i]->setValueNotifyingHost (0.6f * (float) i / 15.0f);

    params[ParamSpreadLow]->setValueNotifyingHost (0.4f);
    params[ParamSpreadMid]->setValueNotifyingHost (0.6f);
    params[ParamSpreadHigh]->setValueNotifyingHost (0.3f);
    params[ParamMix]->setValueNotifyingHost (0.8f);
}

void processBlockBench (benchmark::State& state, Setting setting, Signal signal, int blockSize)
{
    VeltoAudioProcessor processor;
    processor.setRateAndBufferSizeDetails (bench::sampleRate, blockSize);
    processor.prepareToPlay (bench::sampleRate, blockSize);
    applySetting (processor, setting);

    const auto noise = bench::makeNoise (1 << 16, 42);
    const juce::AudioBuffer<float> silence (2, 1 << 16);
    juce::AudioBuffer<float> buffer (2, blockSize);
    juce::MidiBuffer midi;
    int readPos = 0;

    const auto run = [&] (const juce::AudioBuffer<float>& source, int numSamples)
    {
        for (int done = 0; done < numSamples; done += blockSize)
        {
            bench::copyNextBlock (source, readPos, buffer);
            const juce::ScopedLock lock (processor.getCallbackLock());
            processor.processBlock (buffer, midi);
        }
    };

    // A burst fills every filter and delay line; the decay that follows runs
    // through the smallest numbers a float or double can hold, where
    // unprotected arithmetic slows down many times on some processors. The
    // narrowest band (20 to 73 Hz) takes about 11 s at 44.1 kHz to decay into
    // the double range of such numbers, so each silent stretch lasts 16 s.
    const int burstSamples = (int) bench::sampleRate / 4;
    const int silentStretch = (int) bench::sampleRate * 16;
    const auto& source = signal == Signal::noise ? noise : silence;

    run (noise, burstSamples);
    juce::int64 sinceBurst = 0;
    double frames = 0.0;

    for (auto _ : state)
    {
        if (signal == Signal::silenceAfterBurst && sinceBurst >= silentStretch)
        {
            state.PauseTiming();
            run (noise, burstSamples);
            sinceBurst = 0;
            state.ResumeTiming();
        }

        bench::copyNextBlock (source, readPos, buffer);
        const juce::ScopedLock lock (processor.getCallbackLock());
        processor.processBlock (buffer, midi);
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
        benchmark::ClobberMemory();

        sinceBurst += blockSize;
        frames += blockSize;
    }

    bench::setFrameCounters (state, frames);
}
} // namespace

namespace bench
{
void registerEngineBenchmarks()
{
    for (auto setting : { Setting::defaults, Setting::factoryLike })
        for (auto signal : { Signal::noise, Signal::silenceAfterBurst })
            for (int blockSize : { 64, 512, 4096 })
            {
                const std::string name = std::string ("engine/")
                                       + (setting == Setting::defaults ? "default" : "factory_like") + "/"
                                       + (signal == Signal::noise ? "noise" : "silence_after_burst") + "/"
                                       + std::to_string (blockSize);

                benchmark::RegisterBenchmark (name.c_str(), processBlockBench, setting, signal, blockSize);
            }
}
} // namespace bench
