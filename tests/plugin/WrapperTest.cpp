// The built VST3 and LV2 bundles, loaded through JUCE's hosting as a host
// loads them, must present the processor faithfully and produce exactly the
// samples that the engine produces when it is driven directly.

#include "../engine/EngineTestHelpers.h"
#include "HostedPlugin.h"
#include "ParameterTable.h"
#include "PluginProcessor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace
{
using Format = HostedPlugin::Format;

// A value with all 24 bits of the mantissa in use: any rounding on the way
// from host to engine changes it.
constexpr float oddValue = 0.720324516f;

juce::AudioProcessor::BusesLayout layoutWithInputs (int numInputs)
{
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (numInputs));
    layout.outputBuses.add (juce::AudioChannelSet::stereo());
    return layout;
}

float chunkValue (const juce::MemoryBlock& chunk, int index)
{
    float v = 0.0f;
    std::memcpy (&v, static_cast<const char*> (chunk.getData()) + 4 * index, 4);
    return v;
}

uint32_t bitsOf (float v)
{
    uint32_t b = 0;
    std::memcpy (&b, &v, 4);
    return b;
}

// Lists the parameters in which two chunks differ; empty when they agree.
std::string chunkDifferences (const juce::MemoryBlock& actual, const juce::MemoryBlock& expected)
{
    if (actual.getSize() < 80 || expected.getSize() < 80)
        return "chunks of " + std::to_string (actual.getSize()) + " and " + std::to_string (expected.getSize()) + " bytes";

    std::string result;

    for (int i = 0; i < NumParams; ++i)
        if (bitsOf (chunkValue (actual, i)) != bitsOf (chunkValue (expected, i)))
            result += std::string (ParamNames[i]) + ": " + std::to_string (chunkValue (actual, i))
                    + " instead of " + std::to_string (chunkValue (expected, i)) + "; ";

    return result;
}

// Noise on the left, a different noise on the right, at about -6 dBFS.
juce::AudioBuffer<float> makeInput (int numSamples, juce::int64 seed)
{
    juce::AudioBuffer<float> buffer (2, numSamples);
    juce::Random random (seed);
    fillNoise (buffer, random);
    return buffer;
}

// Returns the index of the first sample whose bits differ, or -1.
int firstDifference (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b, int& channel)
{
    for (channel = 0; channel < 2; ++channel)
        for (int n = 0; n < a.getNumSamples(); ++n)
            if (bitsOf (a.getSample (channel, n)) != bitsOf (b.getSample (channel, n)))
                return n;

    return -1;
}

// The same processor type, created in this process from the engine library,
// driven as JUCE's wrappers drive it.
struct DirectEngine
{
    DirectEngine (int numInputs, double sampleRate, int blockSize)
    {
        engine.setBusesLayout (layoutWithInputs (numInputs));
        engine.setRateAndBufferSizeDetails (sampleRate, blockSize);
        engine.prepareToPlay (sampleRate, blockSize);
    }

    void setParameter (int index, float value) { engine.getParameters()[index]->setValueNotifyingHost (value); }

    void process (juce::AudioBuffer<float>& buffer)
    {
        const juce::ScopedLock lock (engine.getCallbackLock());
        engine.processBlock (buffer, midi);
    }

    VeltoAudioProcessor engine;
    juce::MidiBuffer midi;
};

class Wrapper : public ::testing::TestWithParam<Format>
{
protected:
    std::unique_ptr<HostedPlugin> load (double sampleRate = 44100.0, int blockSize = 512)
    {
        return HostedPlugin::load (GetParam(), sampleRate, blockSize);
    }

    static void processHosted (HostedPlugin& hosted, juce::AudioBuffer<float>& buffer)
    {
        juce::MidiBuffer midi;
        hosted.instance().processBlock (buffer, midi);
    }

    // Drives the hosted plug-in and the engine through the same host session
    // (parameter writes, a state restore, blocks of several sizes) and
    // requires every output block to match bit for bit.
    void expectHostedMatchesEngine (int numInputs, double sampleRate)
    {
        constexpr int maxBlock = 512;
        auto hosted = load (sampleRate, maxBlock);
        ASSERT_NE (hosted, nullptr);

        auto& plugin = hosted->instance();
        ASSERT_TRUE (plugin.setBusesLayout (layoutWithInputs (numInputs)));
        plugin.prepareToPlay (sampleRate, maxBlock);

        DirectEngine direct (numInputs, sampleRate, maxBlock);

        const auto setBoth = [&] (int index, float value)
        {
            auto* p = hosted->findParameter (ParamNames[index]);
            ASSERT_NE (p, nullptr) << ParamNames[index];
            p->setValueNotifyingHost (value);
            direct.setParameter (index, value);
        };

        int blockNumber = 0;
        const auto runBlock = [&] (int numSamples)
        {
            auto input = makeInput (numSamples, 1000 + blockNumber);
            auto viaHost = input;
            auto viaEngine = input;

            processHosted (*hosted, viaHost);
            direct.process (viaEngine);

            int channel = 0;
            const int n = firstDifference (viaHost, viaEngine, channel);
            EXPECT_EQ (n, -1) << "block " << blockNumber << " of " << numSamples << " samples, channel " << channel
                              << ": host " << viaHost.getSample (channel, n) << ", engine " << viaEngine.getSample (channel, n);
            ++blockNumber;
        };

        runBlock (maxBlock);
        runBlock (100);

        setBoth (3, oddValue);
        setBoth (ParamSpreadMid, 0.3f);
        setBoth (ParamMix, oddValue);
        runBlock (maxBlock);
        runBlock (37);

        // A stored state with odd values, one outside 0..1 as old states may hold.
        std::vector<float> state (NumParams, 0.0f);

        for (int i = 0; i < 16; ++i)
            state[(size_t) i] = (float) i * 0.04f;

        state[ParamSpreadLow] = 0.4f;
        state[ParamSpreadMid] = 0.6f;
        state[ParamSpreadHigh] = 0.3f;
        state[ParamMix] = 0.8f;

        const auto chunk = chunkOf (state);
        hosted->restoreChunk (chunk);
        direct.engine.setStateInformation (chunk.getData(), (int) chunk.getSize());

        for (int i = 0; i < 6; ++i)
            runBlock (i % 2 == 0 ? maxBlock : 1 + 61 * i);

        setBoth (ParamMix, 0.0f);
        setBoth (0, 1.0f);
        runBlock (maxBlock);
        runBlock (maxBlock);

        juce::MemoryBlock engineChunk;
        direct.engine.getStateInformation (engineChunk);
        EXPECT_EQ (chunkDifferences (hosted->readChunk(), engineChunk), "");
    }
};

std::string formatName (const ::testing::TestParamInfo<Format>& info)
{
    return HostedPlugin::formatName (info.param);
}
} // namespace

void PrintTo (HostedPlugin::Format format, std::ostream* os)
{
    *os << HostedPlugin::formatName (format);
}

TEST_P (Wrapper, ListsTwentyParametersWithNamesDefaultsAndRanges)
{
    auto hosted = load();
    ASSERT_NE (hosted, nullptr);
    auto& plugin = hosted->instance();

    // A host-made bypass parameter, if the format adds one, is not the plug-in's.
    int ownParameters = 0;

    for (auto* p : plugin.getParameters())
        if (p != plugin.getBypassParameter())
            ++ownParameters;

    EXPECT_EQ (ownParameters, NumParams);

    for (int i = 0; i < NumParams; ++i)
    {
        SCOPED_TRACE (ParamNames[i]);
        auto* p = hosted->findParameter (ParamNames[i]);
        ASSERT_NE (p, nullptr);

        EXPECT_EQ (p->getDefaultValue(), DefalutParams[i]);
        EXPECT_EQ (p->getValue(), DefalutParams[i]);
        EXPECT_TRUE (p->isAutomatable());
        EXPECT_FALSE (p->isDiscrete());

        // Both ends of the host's normalised range are the plug-in's 0 and 1.
        EXPECT_EQ (p->getText (0.0f, 1024).getFloatValue(), 0.0f);
        EXPECT_EQ (p->getText (1.0f, 1024).getFloatValue(), 1.0f);

        // VST3 keeps the plug-in's order. JUCE's LV2 host sorts parameters by
        // URI, so there only the names are checked.
        if (GetParam() == Format::vst3)
        {
            EXPECT_EQ (p->getParameterIndex(), i);
        }
    }
}

TEST_P (Wrapper, ReportsOneSampleOfLatencyNoTailAndNoMidi)
{
    auto hosted = load();
    ASSERT_NE (hosted, nullptr);
    auto& plugin = hosted->instance();

    // LV2 reports latency through an output port, known after a block.
    plugin.prepareToPlay (44100.0, 512);
    auto buffer = makeInput (512, 1);
    processHosted (*hosted, buffer);

    EXPECT_EQ (plugin.getLatencySamples(), 1);
    EXPECT_FALSE (plugin.acceptsMidi());
    EXPECT_FALSE (plugin.producesMidi());
    EXPECT_EQ (plugin.getTailLengthSeconds(), 0.0);
    EXPECT_EQ (plugin.getName(), "Velto");
}

TEST_P (Wrapper, HostWriteReachesTheEngineAsTheSameFloat)
{
    auto hosted = load();
    ASSERT_NE (hosted, nullptr);
    auto& plugin = hosted->instance();
    plugin.prepareToPlay (44100.0, 512);

    // Automation lands through plain setValue, a host's own edits through
    // setValueNotifyingHost; both must arrive unchanged.
    hosted->findParameter ("Mix")->setValueNotifyingHost (oddValue);
    hosted->findParameter ("Haas 9")->setValue (oddValue);

    auto buffer = makeInput (64, 2);
    processHosted (*hosted, buffer);

    const auto chunk = hosted->readChunk();
    ASSERT_GE (chunk.getSize(), 80u);
    EXPECT_EQ (bitsOf (chunkValue (chunk, ParamMix)), bitsOf (oddValue));
    EXPECT_EQ (bitsOf (chunkValue (chunk, 9)), bitsOf (oddValue));
    EXPECT_EQ (hosted->findParameter ("Mix")->getValue(), oddValue);
}

TEST_P (Wrapper, RestoredStateReadsBackUnchanged)
{
    auto hosted = load();
    ASSERT_NE (hosted, nullptr);
    hosted->instance().prepareToPlay (44100.0, 512);

    std::vector<float> values (NumParams);

    for (int i = 0; i < NumParams; ++i)
        values[(size_t) i] = (float) (i + 1) * 0.0431f;

    const auto chunk = chunkOf (values);
    hosted->restoreChunk (chunk);

    auto buffer = makeInput (64, 3);
    processHosted (*hosted, buffer);

    EXPECT_EQ (chunkDifferences (hosted->readChunk(), chunk), "") << hosted->describeStoredState();
    EXPECT_EQ (hosted->findParameter ("Haas 7")->getValue(), values[7]);
}

TEST_P (Wrapper, StereoInputProcessesBitIdenticalToTheEngine)
{
    expectHostedMatchesEngine (2, 44100.0);
}

TEST_P (Wrapper, StereoInputAtAnotherRateProcessesBitIdenticalToTheEngine)
{
    expectHostedMatchesEngine (2, 48000.0);
}

INSTANTIATE_TEST_SUITE_P (Bundles, Wrapper, ::testing::Values (Format::vst3, Format::lv2), formatName);

// ---------------------------------------------------------------------------
// What differs between the formats.

namespace
{
// The host's 32-bit number of a parameter id: h = 31 h + code point, mod 2^32.
uint32_t idNumber (const juce::String& id)
{
    uint32_t h = 0;

    for (auto p = id.getCharPointer(); ! p.isEmpty();)
        h = 31u * h + (uint32_t) p.getAndAdvance();

    return h;
}

class Vst3Wrapper : public Wrapper {};
class Lv2Wrapper : public Wrapper {};
} // namespace

TEST_P (Vst3Wrapper, ParameterNumbersComeFromTheIdWithTheTopBitCleared)
{
    EXPECT_EQ (idNumber ("Mix"), 77372u);

    auto hosted = load();
    ASSERT_NE (hosted, nullptr);

    EXPECT_EQ (hosted->findParameter ("Mix")->getParameterID(), "77372");

    // JUCE's VST3 wrapper clears bit 31 so that every host accepts the number;
    // ids whose number has that bit set are exposed without it.
    for (int i = 0; i < NumParams; ++i)
        EXPECT_EQ (hosted->findParameter (ParamNames[i])->getParameterID(),
                   juce::String (idNumber (ParamNames[i]) & 0x7fffffffu))
            << ParamNames[i];
}

TEST_P (Vst3Wrapper, ValueTextHasTwoDecimals)
{
    auto hosted = load();
    ASSERT_NE (hosted, nullptr);
    auto* mix = hosted->findParameter ("Mix");

    EXPECT_EQ (mix->getText (oddValue, 1024), "0.72");
    EXPECT_EQ (mix->getText (0.0f, 1024), "0.00");
    EXPECT_EQ (mix->getText (1.0f, 1024), "1.00");
    EXPECT_EQ (mix->getCurrentValueAsText(), "1.00");
}

// Older states may hold values outside 0..1. The engine keeps them, and so
// does the LV2 wrapper, but JUCE's VST3 wrapper passes every restored value
// through its edit controller, which limits it to 0..1 and writes it back.
TEST_P (Vst3Wrapper, RestoredValueAboveOneIsLimitedToOne)
{
    auto hosted = load();
    ASSERT_NE (hosted, nullptr);
    hosted->instance().prepareToPlay (44100.0, 512);

    std::vector<float> values (DefalutParams, DefalutParams + NumParams);
    values[3] = 1.5f;
    hosted->restoreChunk (chunkOf (values));

    values[3] = 1.0f;
    EXPECT_EQ (chunkDifferences (hosted->readChunk(), chunkOf (values)), "");
}

TEST_P (Lv2Wrapper, RestoredValueAboveOneIsKept)
{
    auto hosted = load();
    ASSERT_NE (hosted, nullptr);
    hosted->instance().prepareToPlay (44100.0, 512);

    std::vector<float> values (DefalutParams, DefalutParams + NumParams);
    values[3] = 1.5f;
    hosted->restoreChunk (chunkOf (values));

    EXPECT_EQ (chunkDifferences (hosted->readChunk(), chunkOf (values)), "");
}

// Through LV2 a restored state keeps any finite float, and a NaN written by
// the host reaches the plug-in unchanged: the output must stay finite.
TEST_P (Lv2Wrapper, LowestFloatOrNaNParameterStillGivesFiniteOutput)
{
    auto hosted = load();
    ASSERT_NE (hosted, nullptr);
    hosted->instance().prepareToPlay (44100.0, 512);

    std::vector<float> values (DefalutParams, DefalutParams + NumParams);
    values[ParamSpreadLow] = values[ParamSpreadMid] = values[ParamSpreadHigh] = values[ParamMix] = std::numeric_limits<float>::lowest();
    hosted->restoreChunk (chunkOf (values));
    EXPECT_EQ (chunkDifferences (hosted->readChunk(), chunkOf (values)), "");

    for (int block = 0; block < 4; ++block)
    {
        if (block == 2)
            hosted->findParameter ("Mix")->setValue (std::numeric_limits<float>::quiet_NaN());

        auto buffer = makeInput (512, 10 + block);
        processHosted (*hosted, buffer);

        for (int ch = 0; ch < 2; ++ch)
            for (int n = 0; n < 512; ++n)
                ASSERT_TRUE (std::isfinite (buffer.getSample (ch, n))) << "block " << block << ", channel " << ch << ", sample " << n;
    }

    EXPECT_TRUE (std::isnan (chunkValue (hosted->readChunk(), ParamMix)));
}

TEST_P (Vst3Wrapper, OffersOneAndTwoInputsToTwoOutputs)
{
    auto hosted = load();
    ASSERT_NE (hosted, nullptr);
    auto& plugin = hosted->instance();

    EXPECT_TRUE (plugin.checkBusesLayoutSupported (layoutWithInputs (1)));
    EXPECT_TRUE (plugin.checkBusesLayoutSupported (layoutWithInputs (2)));

    juce::AudioProcessor::BusesLayout monoOut;
    monoOut.inputBuses.add (juce::AudioChannelSet::mono());
    monoOut.outputBuses.add (juce::AudioChannelSet::mono());
    EXPECT_FALSE (plugin.checkBusesLayoutSupported (monoOut));
}

TEST_P (Vst3Wrapper, MonoInputProcessesBitIdenticalToTheEngine)
{
    expectHostedMatchesEngine (1, 44100.0);
}

TEST_P (Lv2Wrapper, PortsAreFixedAtTwoInputsAndTwoOutputs)
{
    // The LV2 bundle declares its ports once, for the default layout; a
    // mono source reaches it through the host's own channel mapping.
    auto hosted = load();
    ASSERT_NE (hosted, nullptr);
    auto& plugin = hosted->instance();

    EXPECT_TRUE (plugin.checkBusesLayoutSupported (layoutWithInputs (2)));
    EXPECT_FALSE (plugin.checkBusesLayoutSupported (layoutWithInputs (1)));
}

// The wrapper declares its one program as one preset in the bundle's
// manifest. (JUCE 7.0.5's own LV2 host does not list it as a program, so it
// is checked where every LV2 host reads it.)
TEST_P (Lv2Wrapper, ManifestDeclaresOneUnnamedPreset)
{
    const auto manifest = juce::File (VELTO_LV2_BUNDLE).getChildFile ("manifest.ttl").loadFileAsString();

    ASSERT_TRUE (manifest.contains ("a pset:Preset")) << manifest;
    EXPECT_EQ (manifest.indexOf ("a pset:Preset"), manifest.lastIndexOf ("a pset:Preset"));
    EXPECT_TRUE (manifest.contains ("rdfs:label \"\" ;"));
}

TEST_P (Lv2Wrapper, ParametersAreNamedByTheirEscapedIdUnderThePluginUri)
{
    auto hosted = load();
    ASSERT_NE (hosted, nullptr);

    // JUCE's LV2 host marks a parameter's URI with "des:".
    EXPECT_EQ (hosted->findParameter ("Mix")->getParameterID(), "des:" VELTO_LV2_URI ":Mix");
    EXPECT_EQ (hosted->findParameter ("Haas 0")->getParameterID(), "des:" VELTO_LV2_URI ":Haas_200");
}

INSTANTIATE_TEST_SUITE_P (Bundle, Vst3Wrapper, ::testing::Values (Format::vst3), formatName);
INSTANTIATE_TEST_SUITE_P (Bundle, Lv2Wrapper, ::testing::Values (Format::lv2), formatName);
