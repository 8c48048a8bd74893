// Values that no person, preset or ordinary host produces (a damaged chunk,
// a host writing raw floats) must neither crash the engine nor make finite
// input give infinite or NaN output; they still read back exactly as stored.

#include "EngineTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace
{
using limits = std::numeric_limits<float>;

const float specials[] = { 0.0f, -0.0f, limits::denorm_min(), -limits::denorm_min(), 1.0e30f, -1.0e30f,
                           limits::max(), limits::lowest(), limits::infinity(), -limits::infinity(),
                           limits::quiet_NaN() };

bool allFinite (const juce::AudioBuffer<float>& b)
{
    for (int ch = 0; ch < b.getNumChannels(); ++ch)
        for (int n = 0; n < b.getNumSamples(); ++n)
            if (! std::isfinite (b.getSample (ch, n)))
                return false;

    return true;
}
} // namespace

TEST (HostileValues, SpreadOrMixBeyondAThousandSoundsAsAThousandAndNonNumbersAsZero)
{
    const float cases[][2] = { { limits::lowest(), -1000.0f }, { -1.0e30f, -1000.0f }, { limits::max(), 1000.0f },
                               { -limits::infinity(), 0.0f }, { limits::quiet_NaN(), 0.0f } };

    for (int index : { ParamSpreadLow, ParamSpreadMid, ParamSpreadHigh, ParamMix })
        for (const auto& c : cases)
            for (bool restore : { false, true })
            {
                SCOPED_TRACE (std::string (ParamNames[index]) + " at " + std::to_string (c[0]) + (restore ? ", restored" : ""));
                auto hostile = makeProcessor();
                auto bounded = makeProcessor();

                const auto give = [&] (VeltoAudioProcessor& p, float v)
                {
                    std::vector<float> values (DefalutParams, DefalutParams + NumParams);
                    values[(size_t) index] = v;
                    const auto chunk = chunkOf (values);
                    restore ? p.setStateInformation (chunk.getData(), (int) chunk.getSize()) : setParam (p, index, v);
                };

                give (*hostile, c[0]);
                give (*bounded, c[1]);

                EXPECT_TRUE (restore || sameBits (getParam (*hostile, index), c[0]));

                // The last block, after the value returns to an ordinary one,
                // shows that the mix ramp carries nothing of the hostile value.
                juce::Random r (7);
                for (int block = 0; block < 3; ++block)
                {
                    if (block == 2)
                        for (auto* p : { hostile.get(), bounded.get() })
                            setParam (*p, index, 0.5f);

                    juce::AudioBuffer<float> a (2, 300);
                    fillNoise (a, r, 1.0f);
                    auto b = a;
                    runBlock (*hostile, a);
                    runBlock (*bounded, b);
                    ASSERT_TRUE (allFinite (a));

                    for (int ch = 0; ch < 2; ++ch)
                        ASSERT_EQ (std::memcmp (a.getReadPointer (ch), b.getReadPointer (ch), 300 * sizeof (float)), 0) << "block " << block;
                }
            }
}

// Seeded, so that a failure repeats: chunks of random bytes and chunks made of
// special floats, restored at three rates, now and then a special value
// written as a host would, each followed by short blocks of noise within +-1.
TEST (HostileValues, TenThousandRandomChunksGiveFiniteOutputAtThreeRates)
{
    juce::Random r (20261207);
    const double rates[] = { 8000.0, 44100.0, 384000.0 };
    std::unique_ptr<VeltoAudioProcessor> processors[3];

    for (int k = 0; k < 3; ++k)
        processors[k] = makeProcessor (rates[k], 64);

    juce::AudioBuffer<float> buffer (2, 64);

    for (int c = 0; c < 10200; ++c)
    {
        auto& p = *processors[c % 3];
        juce::MemoryBlock chunk ((size_t) r.nextInt (201));
        auto* bytes = static_cast<uint8_t*> (chunk.getData());

        if (r.nextBool())
        {
            for (size_t i = 0; i < chunk.getSize(); ++i)
                bytes[i] = (uint8_t) r.nextInt (256);
        }
        else
        {
            for (size_t i = 0; i < chunk.getSize(); i += 4)
            {
                const auto word = chunkOf ({ specials[r.nextInt (juce::numElementsInArray (specials))] });
                std::memcpy (bytes + i, word.getData(), juce::jmin ((size_t) 4, chunk.getSize() - i));
            }
        }

        p.setStateInformation (chunk.getData(), (int) chunk.getSize());

        if (r.nextInt (4) == 0)
            setParam (p, 16 + r.nextInt (4), specials[r.nextInt (juce::numElementsInArray (specials))]);

        for (int block = 0; block < 3; ++block)
        {
            buffer.setSize (2, 1 + r.nextInt (64), false, false, true);
            fillNoise (buffer, r, 1.0f);
            runBlock (p, buffer);
            ASSERT_TRUE (allFinite (buffer)) << "chunk " << c << " at " << rates[c % 3] << " Hz, block " << block;
        }
    }
}
