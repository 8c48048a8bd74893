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
