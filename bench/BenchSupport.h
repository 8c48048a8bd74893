#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <benchmark/benchmark.h>

// Shared set-up of the benchmarks: the rate they run at, their input, and
// the counters every one of them reports.
namespace bench
{
constexpr double sampleRate = 44100.0;

// Two channels of uniform noise at about -6 dBFS, long enough that the
// blocks taken from it do not repeat within a filter's memory.
juce::AudioBuffer<float> makeNoise (int numSamples, juce::int64 seed);

// Copies the next numSamples of source, wrapping around, into buffer.
void copyNextBlock (const juce::AudioBuffer<float>& source, int& readPos, juce::AudioBuffer<float>& buffer);

// Nanoseconds per stereo frame and the realtime factor (seconds of audio
// per second of one core), from the frames processed in the timed loop.
void setFrameCounters (benchmark::State& state, double frames);

// True when there is an X display for the window benchmarks; otherwise
// marks the benchmark as skipped with the reason.
bool haveDisplay (benchmark::State& state);

void registerEngineBenchmarks();
void registerHostedVst3Benchmarks();
void registerEditorBenchmarks();
void registerWindowBenchmarks();
} // namespace bench
