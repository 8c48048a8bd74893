#include "EngineTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace
{
std::vector<float> floatsIn (const juce::MemoryBlock& b, size_t offset = 0)
{
    std::vector<float> v;
    juce::MemoryInputStream in (static_cast<const char*> (b.getData()) + offset, b.getSize() - offset, false);
    while (in.getNumBytesRemaining() >= 4)
        v.push_back (in.readFloat());
    return v;
}
} // namespace

TEST (ParametersAndState, HostSeesTwentyParametersWithIdsRangesAndDefaults)
{
    VeltoAudioProcessor p;
    const auto& params = p.getParameters();
    ASSERT_EQ (params.size(), 20);

    const char* names[] = { "Haas 0", "Haas 1", "Haas 2", "Haas 3", "Haas 4", "Haas 5", "Haas 6",
                            "Haas 7", "Haas 8", "Haas 9", "Haas 10", "Haas 11", "Haas 12", "Haas 13",
                            "Haas 14", "Haas 15", "Spread Low", "Spread Mid", "Spread High", "Mix" };
    const float defaults[] = { 0, 0, 0, 0, 0, 0.05f, 0.1f, 0.15f, 0.2f, 0.25f, 0.2f, 0.1f, 0, 0, 0, 0, 0, 0, 0, 1 };

    for (int i = 0; i < 20; ++i)
    {
        auto* ranged = dynamic_cast<juce::RangedAudioParameter*> (params[i]);
        ASSERT_NE (ranged, nullptr);
        EXPECT_EQ (ranged->getParameterID(), names[i]);
        EXPECT_EQ (ranged->getName (100), names[i]);
        EXPECT_EQ (ranged->getNormalisableRange().start, 0.0f);
        EXPECT_EQ (ranged->getNormalisableRange().end, 1.0f);
        EXPECT_EQ (ranged->getNormalisableRange().interval, 0.0f);
        EXPECT_EQ (ranged->getDefaultValue(), defaults[i]);
        EXPECT_EQ (ranged->getValue(), defaults[i]);
        EXPECT_EQ (ranged->getParameterIndex(), i);
    }

    EXPECT_EQ (juce::String ("Mix").hashCode(), 77372);
    EXPECT_EQ (params[5]->getText (0.25f, 100), "0.25");
    EXPECT_EQ (params[19]->getText (1.0f, 100), "1.00");
}

TEST (ParametersAndState, ValuesAreStoredExactlyWithoutClampOrSteps)
{
    VeltoAudioProcessor p;
    auto* mix = p.getParameters()[19];

    mix->setValueNotifyingHost (0.720324516f);
    EXPECT_TRUE (sameBits (mix->getValue(), 0.720324516f));

    mix->setValue (1.5f);
    EXPECT_EQ (mix->getValue(), 1.5f);

    mix->setValue (-0.25f);
    EXPECT_EQ (mix->getValue(), -0.25f);
}

TEST (ParametersAndState, NewInstanceChunkHoldsTheDefaults)
{
    VeltoAudioProcessor p;
    juce::MemoryBlock chunk;
    p.getStateInformation (chunk);

    ASSERT_EQ (chunk.getSize(), 80u);
    const std::vector<float> expected { 0, 0, 0, 0, 0, 0.05f, 0.1f, 0.15f, 0.2f, 0.25f,
                                        0.2f, 0.1f, 0, 0, 0, 0, 0, 0, 0, 1 };
    EXPECT_EQ (floatsIn (chunk), expected);

    // Little-endian IEEE single precision: 1.0 is 00 00 80 3F.
    const auto* bytes = static_cast<const uint8_t*> (chunk.getData());
    EXPECT_EQ (bytes[76], 0x00);
    EXPECT_EQ (bytes[78], 0x80);
    EXPECT_EQ (bytes[79], 0x3F);
}

TEST (ParametersAndState, RoundTripGivesTheSameBytesExceptNegativeZero)
{
    std::vector<float> values;
    for (int i = 0; i < 20; ++i)
        values.push_back (0.037f * (float) i);
    values[3] = -0.0f;
    values[4] = 1.5f;

    VeltoAudioProcessor p;
    const auto in = chunkOf (values);
    p.setStateInformation (in.getData(), (int) in.getSize());

    juce::MemoryBlock out;
    p.getStateInformation (out);
    ASSERT_EQ (out.getSize(), 80u);

    values[3] = 0.0f;
    const auto again = floatsIn (out);
    for (size_t i = 0; i < 20; ++i)
        EXPECT_TRUE (sameBits (again[i], values[i])) << i;

    EXPECT_EQ (getParam (p, 4), 1.5f);
}

TEST (ParametersAndState, ShortChunkRestoresMissingValuesAsZero)
{
    VeltoAudioProcessor p;
    auto six = chunkOf ({ 0.75f, 0.5f });
    p.setStateInformation (six.getData(), 6);

    EXPECT_EQ (getParam (p, 0), 0.75f);
    for (int i = 1; i < 20; ++i)
        EXPECT_EQ (getParam (p, i), 0.0f) << i;

    // The mix follows at once: the engine starts the next block fully dry.
    EXPECT_EQ (p.getCurrentMix(), 0.0f);

    VeltoAudioProcessor q;
    q.setStateInformation (nullptr, 0);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ (getParam (q, i), 0.0f) << i;
}

TEST (ParametersAndState, LongChunkUsesOnlyItsFirstEightyBytes)
{
    std::vector<float> values (25, 0.5f);
    for (size_t i = 20; i < 25; ++i)
        values[i] = 0.9f;

    VeltoAudioProcessor p;
    const auto chunk = chunkOf (values);
    p.setStateInformation (chunk.getData(), (int) chunk.getSize());

    for (int i = 0; i < 20; ++i)
        EXPECT_EQ (getParam (p, i), 0.5f);
}

TEST (ParametersAndState, NonFiniteValuesInAChunkAreTakenAsZero)
{
    std::vector<float> values (20, 0.5f);
    values[0] = std::numeric_limits<float>::quiet_NaN();
    values[7] = std::numeric_limits<float>::infinity();
    values[19] = -std::numeric_limits<float>::infinity();

    VeltoAudioProcessor p;
    const auto chunk = chunkOf (values);
    p.setStateInformation (chunk.getData(), (int) chunk.getSize());

    EXPECT_EQ (getParam (p, 0), 0.0f);
    EXPECT_EQ (getParam (p, 7), 0.0f);
    EXPECT_EQ (getParam (p, 19), 0.0f);
    EXPECT_EQ (getParam (p, 1), 0.5f);
    EXPECT_EQ (p.getCurrentMix(), 0.0f);
}

TEST (ParametersAndState, ChunkIsAppendedAfterExistingData)
{
    VeltoAudioProcessor p;
    juce::MemoryBlock block ("abc", 3);
    p.getStateInformation (block);

    ASSERT_EQ (block.getSize(), 83u);
    EXPECT_EQ (std::memcmp (block.getData(), "abc", 3), 0);
    EXPECT_EQ (floatsIn (block, 3).back(), 1.0f);
}

TEST (ParametersAndState, RestoreRecomputesBandValuesAndSetsMixWithoutRamp)
{
    auto p = makeProcessor();
    std::vector<float> values (20, 0.0f);
    values[0] = 1.0f;      // band 0, delayed on the right
    values[16] = 1.0f;     // Spread Low
    values[19] = 0.25f;

    const auto chunk = chunkOf (values);
    p->setStateInformation (chunk.getData(), (int) chunk.getSize());

    EXPECT_EQ (p->getTargetDelayR (0), 1764);
    EXPECT_EQ (p->getTargetDelayL (0), 1);
    EXPECT_EQ (p->getCurrentDelayR (0), 1);   // glides during the following blocks
    EXPECT_FLOAT_EQ (p->getGainL (3), 2.707f);
    EXPECT_EQ (p->getCurrentMix(), 0.25f);
}

TEST (ParametersAndState, OneUnnamedProgramWhoseSelectionChangesNothing)
{
    VeltoAudioProcessor p;
    EXPECT_EQ (p.getNumPrograms(), 1);
    EXPECT_EQ (p.getCurrentProgram(), 0);
    EXPECT_TRUE (p.getProgramName (0).isEmpty());
    EXPECT_TRUE (p.getProgramName (3).isEmpty());

    setParam (p, 9, 0.6f);
    const auto before = currentParams (p);
    p.setCurrentProgram (0);
    p.setCurrentProgram (5);
    p.changeProgramName (0, "Renamed");
    EXPECT_EQ (currentParams (p), before);
    EXPECT_TRUE (p.getProgramName (0).isEmpty());
}

TEST (ParametersAndState, ProcessorIdentity)
{
    VeltoAudioProcessor p;
    EXPECT_EQ (p.getName(), "Velto");
    EXPECT_EQ (p.getLatencySamples(), 1);
    EXPECT_EQ (p.getTailLengthSeconds(), 0.0);
    EXPECT_FALSE (p.acceptsMidi());
    EXPECT_FALSE (p.producesMidi());
    EXPECT_TRUE (p.hasEditor());

    juce::AudioProcessor::BusesLayout mono, stereo, monoOut;
    mono.inputBuses.add (juce::AudioChannelSet::mono());
    mono.outputBuses.add (juce::AudioChannelSet::stereo());
    stereo.inputBuses.add (juce::AudioChannelSet::stereo());
    stereo.outputBuses.add (juce::AudioChannelSet::stereo());
    monoOut.inputBuses.add (juce::AudioChannelSet::mono());
    monoOut.outputBuses.add (juce::AudioChannelSet::mono());
    EXPECT_TRUE (p.checkBusesLayoutSupported (mono));
    EXPECT_TRUE (p.checkBusesLayoutSupported (stereo));
    EXPECT_FALSE (p.checkBusesLayoutSupported (monoOut));
}
