#include "EngineTestHelpers.h"
#include "ReferenceEngine.h"

#include <gtest/gtest.h>

#include <cmath>

TEST (BandEngine, BandEdgesFollowTheSquareLaw)
{
    const float expected[] = { 20.0f, 73.2444f, 232.9778f, 499.2f, 871.9112f, 1351.1112f, 1936.8002f,
                               2628.9778f, 3427.6448f, 4332.8003f, 5344.4448f, 6462.5776f, 7687.2007f,
                               9018.3115f, 10455.9111f, 12000.0f };
    for (int k = 0; k < 16; ++k)
        EXPECT_NEAR (bandEdge (k), expected[k], 1e-3) << k;

    auto p = makeProcessor();
    for (int i = 0; i < 15; ++i)
    {
        EXPECT_EQ (p->getBandLowerEdge (i), (double) bandEdge (i));
        EXPECT_EQ (p->getBandUpperEdge (i), (double) bandEdge (i + 1));
    }
    EXPECT_EQ (p->getBandUpperEdge (15), 20000.0);
    EXPECT_EQ (p->getFilterL (7).n, 2);
}

TEST (BandEngine, DefaultDelayTargetsAt44100And48000)
{
    const int at44[] = { 1, 1, 1, 1, 1, 89, 177, 265, 353, 441, 353, 177, 1, 1, 1, 1 };
    const int at48[] = { 1, 1, 1, 1, 1, 97, 193, 289, 385, 480, 385, 193, 1, 1, 1, 1 };

    for (auto [rate, expected] : { std::pair { 44100.0, at44 }, std::pair { 48000.0, at48 } })
    {
        auto p = makeProcessor (rate);
        juce::AudioBuffer<float> b (2, 16);
        b.clear();
        runBlock (*p, b);

        for (int i = 0; i < 16; ++i)
        {
            const bool odd = (i & 1) != 0;
            EXPECT_EQ (odd ? p->getTargetDelayL (i) : p->getTargetDelayR (i), expected[i]) << rate << " band " << i;
            EXPECT_EQ (odd ? p->getTargetDelayR (i) : p->getTargetDelayL (i), 1) << rate << " band " << i;
            EXPECT_EQ (p->getGainL (i), 1.0f);
            EXPECT_EQ (p->getGainR (i), 1.0f);
        }
    }
}

TEST (BandEngine, LargeHaasValuesStayInsideTheRingAtAnyRate)
{
    auto p = makeProcessor();
    setParam (*p, 0, 1.0f);
    setParam (*p, 1, 1.5f);
    p->updateBandParameters();
    EXPECT_EQ (p->getTargetDelayR (0), 1764);
    EXPECT_EQ (p->getTargetDelayL (1), 2646);

    auto fast = makeProcessor (384000.0);
    setParam (*fast, 0, 1.0f);
    setParam (*fast, 1, 1.5f);
    setParam (*fast, 2, 1.0e30f);
    setParam (*fast, 3, -4.0f);
    juce::AudioBuffer<float> b (2, 8);
    b.clear();
    runBlock (*fast, b);
    EXPECT_EQ (fast->getTargetDelayR (0), 15360);
    EXPECT_EQ (fast->getTargetDelayL (1), 15999);
    EXPECT_EQ (fast->getTargetDelayR (2), 15999);
    EXPECT_EQ (fast->getTargetDelayL (3), 1);
}

TEST (BandEngine, SpreadsSetPansAndGains)
{
    auto p = makeProcessor();

    setParam (*p, ParamSpreadLow, 1.0f);
    p->updateBandParameters();
    EXPECT_EQ (p->getPan (3), 0.0f);
    EXPECT_FLOAT_EQ (p->getGainL (3), 2.707f);
    EXPECT_EQ (p->getGainR (3), 0.0f);
    EXPECT_EQ (p->getPan (0), 0.75f);
    EXPECT_EQ (p->getGainL (0), 0.5f);
    EXPECT_FLOAT_EQ (p->getGainR (0), 1.3535f);

    setParam (*p, ParamSpreadLow, 0.0f);
    setParam (*p, ParamSpreadHigh, 0.125f);
    p->updateBandParameters();
    // Band 8 weighs "Spread High" by 8: full spread already at 0.125.
    EXPECT_EQ (p->getPan (8), 1.0f);
    EXPECT_EQ (p->getGainL (8), 0.0f);
    EXPECT_FLOAT_EQ (p->getGainR (8), 1.707f);
    EXPECT_EQ (p->getGainL (10), 0.875f);
    EXPECT_FLOAT_EQ (p->getGainR (10), 1.088375f);

    for (int i : { ParamSpreadLow, ParamSpreadMid, ParamSpreadHigh })
        setParam (*p, i, 0.5f);
    p->updateBandParameters();
    EXPECT_FLOAT_EQ (p->getPan (4), 0.85f);
    EXPECT_FLOAT_EQ (p->getGainL (4), 0.3f);
    EXPECT_FLOAT_EQ (p->getGainR (4), 1.4949f);

    // No lower bound on the spread: a negative one swaps the louder side.
    setParam (*p, ParamSpreadLow, -1.0f);
    setParam (*p, ParamSpreadMid, 0.0f);
    setParam (*p, ParamSpreadHigh, 0.0f);
    p->updateBandParameters();
    EXPECT_EQ (p->getPan (3), 1.0f);
    EXPECT_EQ (p->getGainL (3), 0.0f);
    EXPECT_FLOAT_EQ (p->getGainR (3), 1.707f);
}

TEST (BandEngine, FullyDryOutputIsTheInputDelayedByOneSampleBitForBit)
{
    auto p = makeProcessor();
    setParam (*p, ParamMix, 0.0f);
    const float silence[] = { 0.0f };
    p->setStateInformation (silence, 0);   // every value 0, mix 0 without a ramp

    juce::Random r (3);
    juce::AudioBuffer<float> b (2, 300);
    fillNoise (b, r);
    juce::AudioBuffer<float> in (b);
    runBlock (*p, b);

    for (int ch = 0; ch < 2; ++ch)
    {
        EXPECT_EQ (b.getSample (ch, 0), 0.0f);
        for (int n = 1; n < 300; ++n)
            ASSERT_TRUE (sameBits (b.getSample (ch, n), in.getSample (ch, n - 1))) << ch << " " << n;
    }
}

TEST (BandEngine, MixRampsLinearlyAcrossOneBlockAndStops)
{
    auto p = makeProcessor();
    setParam (*p, ParamMix, 0.0f);

    juce::AudioBuffer<float> b (2, 512);
    b.clear();
    runBlock (*p, b);
    EXPECT_NEAR (p->getCurrentMix(), 0.0f, 1e-6f);

    // Whatever is left of the difference starts the next ramp; then it rests.
    runBlock (*p, b);
    const float settled = p->getCurrentMix();
    EXPECT_EQ (settled, 0.0f);
    runBlock (*p, b);
    EXPECT_EQ (p->getCurrentMix(), settled);
}

TEST (BandEngine, EmptyBlockRecomputesBandValuesButKeepsTheMix)
{
    auto p = makeProcessor();
    setParam (*p, 4, 1.0f);
    setParam (*p, ParamMix, 0.3f);

    juce::AudioBuffer<float> b (2, 0);
    runBlock (*p, b);
    EXPECT_EQ (p->getTargetDelayR (4), 1764);
    EXPECT_EQ (p->getCurrentMix(), 1.0f);
}

TEST (BandEngine, DelayGlidesOneSamplePerSampleAcrossBlocks)
{
    auto p = makeProcessor();
    setParam (*p, 0, 1.0f);

    juce::AudioBuffer<float> b (2, 1000);
    b.clear();
    runBlock (*p, b);
    EXPECT_EQ (p->getCurrentDelayR (0), 1001);
    runBlock (*p, b);
    EXPECT_EQ (p->getCurrentDelayR (0), 1764);

    setParam (*p, 0, 0.0f);
    runBlock (*p, b);
    EXPECT_EQ (p->getCurrentDelayR (0), 764);
}

TEST (BandEngine, RateChangeRedesignsForTheWiderTopBandAndKeepsIt)
{
    auto p = makeProcessor();
    juce::Random r (11);
    juce::AudioBuffer<float> b (2, 256);
    fillNoise (b, r);
    runBlock (*p, b);
    EXPECT_EQ (p->getBandUpperEdge (15), 20000.0);
    EXPECT_NE (p->getFilterL (3).w1[0], 0.0);

    p->setRateAndBufferSizeDetails (48000.0, 256);
    juce::AudioBuffer<float> empty (2, 0);
    runBlock (*p, empty);
    EXPECT_EQ (p->getStoredSampleRate(), 48000.0);
    EXPECT_EQ (p->getBandLowerEdge (15), 12000.0);
    EXPECT_EQ (p->getBandUpperEdge (15), 22000.0);
    EXPECT_EQ (p->getFilterL (3).s, 48000.0);

    p->setRateAndBufferSizeDetails (44100.0, 256);
    runBlock (*p, empty);
    EXPECT_EQ (p->getBandUpperEdge (15), 22000.0);
}

TEST (BandEngine, OutputStaysFiniteAndBoundedFrom8kHzTo384kHz)
{
    for (double rate : { 8000.0, 11025.0, 16000.0, 22050.0, 32000.0, 44000.0, 44100.0, 88200.0, 192000.0, 384000.0 })
    {
        auto p = makeProcessor (rate);
        for (int i = 0; i < 16; ++i)
            setParam (*p, i, 0.5f);

        juce::Random r (5);
        juce::AudioBuffer<float> b (2, 4096);
        float peak = 0.0f;

        for (int block = 0; block < 30; ++block)
        {
            fillNoise (b, r, 1.0f);
            runBlock (*p, b);
            for (int ch = 0; ch < 2; ++ch)
                for (int n = 0; n < b.getNumSamples(); ++n)
                {
                    const float y = b.getSample (ch, n);
                    ASSERT_TRUE (std::isfinite (y)) << rate;
                    peak = std::max (peak, std::abs (y));
                }
        }

        EXPECT_LT (peak, 20.0f) << rate;

        for (int i = 0; i < 16; ++i)
        {
            EXPECT_LT (p->getBandLowerEdge (i), p->getBandUpperEdge (i)) << rate;
            EXPECT_LT (p->getBandUpperEdge (i), rate * 0.5) << rate;
        }
    }
}

TEST (BandEngine, EdgesAt44100AndAboveAreThePlainOnes)
{
    for (double rate : { 44100.0, 48000.0, 96000.0 })
    {
        const auto e = bandEdgesFor (rate, TopBandUpperEdgeRedesign);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ (e.lower[i], (double) bandEdge (i));
        EXPECT_EQ (e.upper[15], 22000.0);
    }
}

TEST (BandEngine, UnusableSampleRatesKeepTheCurrentDesign)
{
    for (double rate : { 0.0, -48000.0, 1.0e-300, std::nan (""), HUGE_VAL })
    {
        auto p = makeProcessor (rate);
        juce::AudioBuffer<float> b (2, 64);
        juce::Random r (1);
        fillNoise (b, r);
        runBlock (*p, b);

        EXPECT_EQ (p->getStoredSampleRate(), 44100.0) << rate;
        EXPECT_EQ (p->getBandUpperEdge (15), 20000.0) << rate;
        for (int n = 0; n < 64; ++n)
            ASSERT_TRUE (std::isfinite (b.getSample (0, n))) << rate;
    }
}

TEST (BandEngine, BufferWithFewerThanTwoChannelsIsLeftAlone)
{
    auto p = makeProcessor();
    juce::AudioProcessor::BusesLayout mono;
    mono.inputBuses.add (juce::AudioChannelSet::mono());
    mono.outputBuses.add (juce::AudioChannelSet::stereo());
    ASSERT_TRUE (p->setBusesLayout (mono));

    juce::AudioBuffer<float> one (1, 32);
    one.clear();
    one.setSample (0, 3, 0.5f);
    runBlock (*p, one);
    EXPECT_EQ (one.getSample (0, 3), 0.5f);
}

TEST (BandEngine, SilenceAfterNoiseLeavesNoDenormals)
{
    auto p = makeProcessor();
    juce::Random r (9);
    juce::AudioBuffer<float> b (2, 4096);
    fillNoise (b, r);
    runBlock (*p, b);

    for (int block = 0; block < 400; ++block)
    {
        b.clear();
        runBlock (*p, b);
    }

    for (int i = 0; i < 16; ++i)
        for (double w : { p->getFilterL (i).w1[0], p->getFilterL (i).w1[1], p->getFilterR (i).w4[1] })
            EXPECT_NE (std::fpclassify (w), FP_SUBNORMAL) << i;
}

namespace
{
// Runs one block of the given input at a steady mix (set through a restore,
// so there is no ramp) and returns the output.
juce::AudioBuffer<float> runAtSteadyMix (float mix, const juce::AudioBuffer<float>& input, bool monoIn = false)
{
    auto p = makeProcessor();

    if (monoIn)
    {
        juce::AudioProcessor::BusesLayout mono;
        mono.inputBuses.add (juce::AudioChannelSet::mono());
        mono.outputBuses.add (juce::AudioChannelSet::stereo());
        p->setBusesLayout (mono);
    }

    juce::MemoryBlock chunk;
    p->getStateInformation (chunk);
    static_cast<float*> (chunk.getData())[ParamMix] = mix;   // little-endian host
    p->setStateInformation (chunk.getData(), (int) chunk.getSize());

    juce::AudioBuffer<float> b (input);
    runBlock (*p, b);
    return b;
}
} // namespace

TEST (BandEngine, HalfMixIsAnEqualPowerBlendOfWetAndDry)
{
    juce::Random r (21);
    juce::AudioBuffer<float> in (2, 700);
    fillNoise (in, r);

    const auto wet = runAtSteadyMix (1.0f, in);
    const auto dry = runAtSteadyMix (0.0f, in);
    const auto half = runAtSteadyMix (0.5f, in);
    const float g = 0.70710677f;

    for (int n = 0; n < 700; ++n)
    {
        ASSERT_TRUE (sameBits (half.getSample (0, n), wet.getSample (0, n) * g + g * dry.getSample (0, n))) << n;
        ASSERT_TRUE (sameBits (half.getSample (1, n), g * wet.getSample (1, n) + dry.getSample (1, n) * g)) << n;
    }
}

TEST (BandEngine, OneInputFeedsBothSides)
{
    juce::Random r (8);
    juce::AudioBuffer<float> in (2, 500);
    fillNoise (in, r);

    const auto dry = runAtSteadyMix (0.0f, in, true);
    for (int n = 1; n < 500; ++n)
    {
        ASSERT_EQ (dry.getSample (0, n), in.getSample (0, n - 1));
        ASSERT_EQ (dry.getSample (1, n), in.getSample (0, n - 1));   // channel 1's content is ignored
    }

    // Both banks hear channel 0: with every band undelayed and unspread the
    // wet sides are the same.
    juce::AudioBuffer<float> flat (in);
    auto p = makeProcessor();
    juce::AudioProcessor::BusesLayout mono;
    mono.inputBuses.add (juce::AudioChannelSet::mono());
    mono.outputBuses.add (juce::AudioChannelSet::stereo());
    p->setBusesLayout (mono);
    for (int i = 0; i < 16; ++i)
        setParam (*p, i, 0.0f);
    runBlock (*p, flat);
    for (int n = 0; n < 500; ++n)
        ASSERT_EQ (flat.getSample (0, n), flat.getSample (1, n)) << n;
}
