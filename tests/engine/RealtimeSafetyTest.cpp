// processBlock runs on the host's audio thread: it must not allocate, free or
// take a lock, whatever the block size, channel layout, parameter changes or
// sample-rate changes (the filter redesign happens inside the block).

#include "ParameterTable.h"
#include "PluginProcessor.h"
#include "RealtimeGuard.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace
{
juce::AudioProcessor::BusesLayout layoutWithInputs (int numInputs)
{
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (numInputs));
    layout.outputBuses.add (juce::AudioChannelSet::stereo());
    return layout;
}

struct Counts
{
    int allocations = 0, frees = 0, locks = 0;
};

// One block as the wrapper runs it: the callback lock is the wrapper's and is
// taken before the guard starts counting.
Counts processGuarded (VeltoAudioProcessor& processor, juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi)
{
    const juce::ScopedLock callbackLock (processor.getCallbackLock());
    const RealtimeGuard guard;
    processor.processBlock (buffer, midi);
    return { guard.allocations(), guard.frees(), guard.locks() };
}

void fillWithNoise (juce::AudioBuffer<float>& buffer, juce::Random& random)
{
    for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
        for (int n = 0; n < buffer.getNumSamples(); ++n)
            buffer.setSample (ch, n, random.nextFloat() * 2.0f - 1.0f);
}
} // namespace

TEST (RealtimeGuard, SeesAllocationsFreesAndLocksOfItsThreadOnly)
{
    std::mutex mutex;
    int allocations = 0, frees = 0, locks = 0;

    {
        const RealtimeGuard guard;
        auto block = std::make_unique<std::vector<float>> (1000);
        block.reset();
        mutex.lock();
        mutex.unlock();
        allocations = guard.allocations();
        frees = guard.frees();
        locks = guard.locks();
    }

    EXPECT_GE (allocations, 2);
    EXPECT_GE (frees, 2);

    if (RealtimeGuard::canCountLocks())
    {
        EXPECT_EQ (locks, 1);
    }

    // Another thread's allocations are not this guard's.
    std::atomic<bool> go { false }, done { false };
    std::thread other ([&]
    {
        while (! go)
            std::this_thread::yield();

        std::vector<float> v (100);
        done = true;
    });

    int counted = 0;

    {
        const RealtimeGuard guard;
        go = true;

        while (! done)
            std::this_thread::yield();

        counted = guard.allocations();
    }

    other.join();
    EXPECT_EQ (counted, 0) << "another thread's allocation counted";
}

TEST (RealtimeSafety, ProcessBlockNeitherAllocatesNorLocks)
{
    if (! RealtimeGuard::canCountLocks())
        std::cout << "[ NOTE     ] locks are counted only in the build without sanitizers\n";

    VeltoAudioProcessor processor;
    juce::MidiBuffer midi;
    juce::Random random (7);

    const int blockSizes[] = { 1, 64, 333, 512, 4096 };
    const double rates[] = { 44100.0, 48000.0, 96000.0, 44100.0, 22050.0 };

    std::vector<std::unique_ptr<juce::AudioBuffer<float>>> buffers;

    for (auto size : blockSizes)
        buffers.push_back (std::make_unique<juce::AudioBuffer<float>> (2, size));

    juce::AudioBuffer<float> empty (2, 0);
    int step = 0;

    for (int numInputs : { 2, 1 })
    {
        ASSERT_TRUE (processor.setBusesLayout (layoutWithInputs (numInputs)));

        for (auto rate : rates)
        {
            // What the wrapper does when the host initialises it at a new rate;
            // the engine notices the rate in the next block and redesigns there.
            processor.setRateAndBufferSizeDetails (rate, 4096);
            processor.prepareToPlay (rate, 4096);

            for (auto& buffer : buffers)
            {
                // Host automation between blocks, through both of its paths.
                auto& params = processor.getParameters();
                params[step % 16]->setValueNotifyingHost (random.nextFloat());
                params[ParamSpreadLow + step % 3]->setValue (random.nextFloat());
                params[ParamMix]->setValue (random.nextFloat());
                ++step;

                fillWithNoise (*buffer, random);
                const auto counts = processGuarded (processor, *buffer, midi);

                SCOPED_TRACE (testing::Message() << numInputs << " input(s), " << rate << " Hz, "
                                                 << buffer->getNumSamples() << " samples");
                EXPECT_EQ (counts.allocations, 0);
                EXPECT_EQ (counts.frees, 0);
                EXPECT_EQ (counts.locks, 0);
            }

            const auto counts = processGuarded (processor, empty, midi);
            EXPECT_EQ (counts.allocations + counts.frees + counts.locks, 0) << "empty block at " << rate << " Hz";
        }

        // A state restored between blocks leaves nothing for the next block to allocate.
        juce::MemoryBlock state;
        processor.getStateInformation (state);
        processor.setStateInformation (state.getData(), (int) state.getSize());

        const auto counts = processGuarded (processor, *buffers.back(), midi);
        EXPECT_EQ (counts.allocations + counts.frees + counts.locks, 0) << "block after a state restore";
    }
}
