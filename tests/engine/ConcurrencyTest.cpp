// The host restores states and writes parameters from its own threads while
// the audio thread runs blocks under the callback lock, as JUCE's wrappers do.
// The engine must stay consistent and produce finite audio throughout; the
// ThreadSanitizer build of this test checks that nothing races.

#include "EngineTestHelpers.h"
#include "ParameterTable.h"
#include "PluginProcessor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

namespace
{
// Stands in for the wrapper, which listens to every parameter change.
struct CountingListener : juce::AudioProcessorListener
{
    void audioProcessorParameterChanged (juce::AudioProcessor*, int, float) override { ++changes; }
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

    std::atomic<int> changes { 0 };
};
} // namespace

TEST (Concurrency, StateRestoresAndParameterWritesDuringAudioKeepTheEngineSound)
{
    VeltoAudioProcessor processor;
    CountingListener listener;
    processor.addListener (&listener);
    processor.setRateAndBufferSizeDetails (48000.0, 256);
    processor.prepareToPlay (48000.0, 256);

    // Chunks of every length the restore handles: full, short, empty and long.
    std::vector<juce::MemoryBlock> chunks;

    for (int k = 0; k < 4; ++k)
    {
        std::vector<float> values (NumParams + (k == 3 ? 5 : 0));

        for (size_t i = 0; i < values.size(); ++i)
            values[i] = (float) ((i * 7 + (size_t) k * 3) % 11) / 10.0f;

        chunks.push_back (chunkOf (values));
    }

    chunks[1].setSize (6);
    chunks[2].setSize (0);

    constexpr int numBlocks = 2000;
    std::atomic<bool> audioDone { false };
    std::atomic<int> restores { 0 }, automationWrites { 0 }, plainWriteCount { 0 }, nonFinite { 0 };

    // However the scheduler orders the threads, the audio runs until every
    // other thread has done a share of its work beside it.
    const auto othersHaveRun = [&] { return restores >= 50 && automationWrites >= 50 && plainWriteCount >= 50; };

    std::thread audio ([&]
    {
        juce::AudioBuffer<float> buffer (2, 256);
        juce::MidiBuffer midi;
        juce::Random random (1);

        for (int b = 0; b < numBlocks || ! othersHaveRun(); ++b)
        {
            for (int ch = 0; ch < 2; ++ch)
                for (int n = 0; n < buffer.getNumSamples(); ++n)
                    buffer.setSample (ch, n, random.nextFloat() - 0.5f);

            {
                const juce::ScopedLock lock (processor.getCallbackLock());
                processor.processBlock (buffer, midi);
            }

            for (int ch = 0; ch < 2; ++ch)
                for (int n = 0; n < buffer.getNumSamples(); ++n)
                    if (! std::isfinite (buffer.getSample (ch, n)))
                        ++nonFinite;
        }

        audioDone = true;
    });

    std::thread host ([&]
    {
        for (size_t k = 0; ! audioDone; ++k)
        {
            const auto& chunk = chunks[k % chunks.size()];
            processor.setStateInformation (chunk.getData(), (int) chunk.getSize());

            juce::MemoryBlock saved;
            processor.getStateInformation (saved);
            EXPECT_EQ (saved.getSize(), 80u);
            ++restores;
            std::this_thread::yield();
        }
    });

    std::thread automation ([&]
    {
        juce::Random random (2);

        for (int i = 0; ! audioDone; ++i)
        {
            processor.getParameters().getUnchecked (i % NumParams)->setValueNotifyingHost (random.nextFloat());
            ++automationWrites;
        }
    });

    std::thread plainWrites ([&]
    {
        juce::Random random (3);

        for (int i = 0; ! audioDone; ++i)
        {
            processor.getParameters().getUnchecked ((i * 7) % NumParams)->setValue (random.nextFloat());
            ++plainWriteCount;
        }
    });

    audio.join();
    host.join();
    automation.join();
    plainWrites.join();

    EXPECT_EQ (nonFinite.load(), 0);
    EXPECT_GT (restores.load(), 0);
    EXPECT_GT (listener.changes.load(), 0);

    // Once the threads are gone, a restore still takes effect in full: the
    // chunk reads back unchanged and the next block starts at its mix.
    processor.setStateInformation (chunks[0].getData(), (int) chunks[0].getSize());
    juce::MemoryBlock saved;
    processor.getStateInformation (saved);
    EXPECT_EQ (saved, chunks[0]);
    auto* mix = processor.getParameters()[ParamMix];
    ASSERT_NE (mix, nullptr);
    EXPECT_EQ (processor.getCurrentMix(), mix->getValue());

    processor.removeListener (&listener);
}
