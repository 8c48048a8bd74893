#include "EngineTestHelpers.h"
#include "ReferenceEngine.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{
// Drives the processor and the plain model with the same parameters, blocks
// and rates and demands identical output bits.
void compareRun (bool stereoIn, unsigned seed, bool hostile = false)
{
    const float hostileValues[] = { std::numeric_limits<float>::lowest(), std::numeric_limits<float>::max(), -1.0e30f,
                                    1000.5f, -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN() };

    auto p = makeProcessor();

    if (! stereoIn)
    {
        juce::AudioProcessor::BusesLayout mono;
        mono.inputBuses.add (juce::AudioChannelSet::mono());
        mono.outputBuses.add (juce::AudioChannelSet::stereo());
        ASSERT_TRUE (p->setBusesLayout (mono));
    }

    ReferenceEngine ref;
    juce::Random r ((juce::int64) seed);
    const int sizes[] = { 1, 7, 64, 333, 512, 1024 };

    for (int block = 0; block < 60; ++block)
    {
        if (block % 6 == 0)
        {
            for (int i = 0; i < NumParams; ++i)
            {
                // Mostly in range, sometimes outside it as a restored state may be.
                float v = r.nextFloat();
                if (r.nextInt (10) == 0)
                    v = v * 3.0f - 1.0f;
                if (hostile && r.nextInt (4) == 0)
                    v = hostileValues[r.nextInt (juce::numElementsInArray (hostileValues))];
                setParam (*p, i, v);
                ref.params[(size_t) i] = v;
            }
        }

        if (block == 20 || block == 40)
        {
            const double rate = block == 20 ? 48000.0 : 96000.0;
            p->setRateAndBufferSizeDetails (rate, 1024);
            ref.setRate (rate);
        }

        if (block == 30)
        {
            juce::MemoryBlock chunk;
            p->getStateInformation (chunk);
            p->setStateInformation (chunk.getData(), (int) chunk.getSize());
            ref.restore (currentParams (*p));
        }

        const int n = sizes[r.nextInt (6)];
        juce::AudioBuffer<float> b (2, n);
        fillNoise (b, r);
        if (! stereoIn)
            b.clear (1, 0, n);

        std::vector<float> left (b.getReadPointer (0), b.getReadPointer (0) + n);
        std::vector<float> right (b.getReadPointer (1), b.getReadPointer (1) + n);

        runBlock (*p, b);
        ref.process (left.data(), right.data(), n, stereoIn);

        for (int i = 0; i < n; ++i)
        {
            ASSERT_TRUE (sameBits (b.getSample (0, i), left[(size_t) i])) << "block " << block << " sample " << i;
            ASSERT_TRUE (sameBits (b.getSample (1, i), right[(size_t) i])) << "block " << block << " sample " << i;
        }
    }
}
} // namespace

TEST (EngineMatchesReference, StereoInputBitForBit)
{
    compareRun (true, 1234);
}

TEST (EngineMatchesReference, MonoInputFeedsBothSidesBitForBit)
{
    compareRun (false, 4321);
}

TEST (EngineMatchesReference, HostileValuesBitForBit)
{
    compareRun (true, 9876, true);
}
