#include "DelayLine.h"
#include "ReferenceEngine.h"

#include <gtest/gtest.h>

TEST (DelayLine, DelayOfOneReturnsThePreviousInput)
{
    DelayLine d;
    EXPECT_EQ (d.processSample (1.0f), 0.0f);
    EXPECT_EQ (d.processSample (2.0f), 1.0f);
    EXPECT_EQ (d.processSample (3.0f), 2.0f);
}

TEST (DelayLine, GrowingDelayRepeatsOneValueShrinkingDelaySkips)
{
    DelayLine d;
    float n = 0.0f;

    for (int i = 0; i < 10; ++i)
        d.processSample (n += 1.0f);   // ring holds 1..10, delay 1

    d.setTargetDelay (5);
    // While growing one sample per sample, the read slot stands still.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ (d.processSample (n += 1.0f), 9.0f);

    EXPECT_EQ (d.currentDelay, 5);
    EXPECT_EQ (d.processSample (n += 1.0f), 10.0f);   // 15 written, delay 5

    d.setTargetDelay (1);
    // While shrinking, the read slot moves two per sample.
    EXPECT_EQ (d.processSample (n += 1.0f), 12.0f);
    EXPECT_EQ (d.processSample (n += 1.0f), 14.0f);
    EXPECT_EQ (d.processSample (n += 1.0f), 16.0f);
    EXPECT_EQ (d.processSample (n += 1.0f), 18.0f);   // delay 1 reached
    EXPECT_EQ (d.processSample (n += 1.0f), 19.0f);
}

TEST (DelayLine, TargetsAreKeptInsideTheRing)
{
    DelayLine d;
    d.setTargetDelay (0);
    EXPECT_EQ (d.targetDelay, 1);
    d.setTargetDelay (-5);
    EXPECT_EQ (d.targetDelay, 1);
    d.setTargetDelay (16000);
    EXPECT_EQ (d.targetDelay, 15999);
    d.setTargetDelay (1 << 30);
    EXPECT_EQ (d.targetDelay, 15999);
}

TEST (DelayLine, MatchesARunningCountModuloTheRingOverManyWraps)
{
    DelayLine d;
    ReferenceDelay r;
    juce::Random rnd (7);

    for (int i = 0; i < 16000 * 5; ++i)
    {
        if (i % 997 == 0)
        {
            const int t = 1 + rnd.nextInt (15999);
            d.setTargetDelay (t);
            r.target = t;
        }

        const float x = rnd.nextFloat();
        ASSERT_EQ (d.processSample (x), r.process (x)) << i;
    }
}

TEST (DelayLine, BlockProcessingMatchesSampleBySample)
{
    DelayLine block, single;
    juce::Random rnd (99);
    std::vector<float> in (2048), out (2048);

    for (int round = 0; round < 400; ++round)
    {
        if (round % 3 == 0)
        {
            // Long delays too, where a stretch wraps round onto its own reads.
            const int t = rnd.nextBool() ? 15999 - rnd.nextInt (1500) : 1 + rnd.nextInt (3000);
            block.setTargetDelay (t);
            single.setTargetDelay (t);
        }

        const int n = 1 + rnd.nextInt (2048);
        for (int k = 0; k < n; ++k)
            in[(size_t) k] = rnd.nextFloat();

        block.processBlock (in.data(), out.data(), n);

        for (int k = 0; k < n; ++k)
            ASSERT_EQ (out[(size_t) k], single.processSample (in[(size_t) k])) << round << " " << k;

        ASSERT_EQ (block.currentDelay, single.currentDelay);
        ASSERT_EQ (block.writePos, single.writePos);
    }
}
