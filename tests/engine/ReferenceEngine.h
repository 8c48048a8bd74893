#pragma once

// A plain, sample-by-sample model of the band engine, written for clarity
// rather than speed: one BWB_Process call per band and side, delay lines that
// keep a 64-bit write count and reduce it modulo the ring on every access.
// The processor must produce exactly the same bits.

#include "BWB_Filter.h"
#include "BandLayout.h"
#include "ParameterTable.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

class ReferenceDelay
{
public:
    ReferenceDelay() : ring (16000, 0.0f) {}

    float process (float in)
    {
        const int32_t t = target;
        if (t < current) --current;
        if (t > current) ++current;
        const uint64_t w = writePos;
        writePos = w + 1;
        ring[(size_t) ((w + 1) % 16000u)] = in;
        return ring[(size_t) ((w + 16001u - (uint64_t) (int64_t) current) % 16000u)];
    }

    std::vector<float> ring;
    int32_t current = 1;
    int32_t target = 1;
    uint64_t writePos = 1;
};

class ReferenceEngine
{
public:
    ReferenceEngine()
    {
        const auto e = bandEdgesFor (rate, TopBandUpperEdgeInitial);
        for (int i = 0; i < NumBands; ++i)
        {
            BWB_Init (fL[i], 8, e.lower[i], e.upper[i], rate);
            BWB_Init (fR[i], 8, e.lower[i], e.upper[i], rate);
        }
        for (int i = 0; i < NumParams; ++i)
            params[(size_t) i] = DefalutParams[i];
    }

    ~ReferenceEngine()
    {
        for (int i = 0; i < NumBands; ++i)
        {
            BWB_Free (fL[i]);
            BWB_Free (fR[i]);
        }
    }

    ReferenceEngine (const ReferenceEngine&) = delete;
    ReferenceEngine& operator= (const ReferenceEngine&) = delete;

    void update()
    {
        double secL[NumBands], secR[NumBands];
        for (int i = 0; i < NumBands; ++i)
        {
            const double d = (double) (params[(size_t) i] * 0.04f);
            secL[i] = (i % 2 == 1) ? d : 0.0;
            secR[i] = (i % 2 == 1) ? 0.0 : d;
            float s = (bounded (params[17]) * FactorMapMid[i] + bounded (params[16]) * FactorMapLow[i]) + bounded (params[18]) * FactorMapHigh[i];
            if (s > 1.0f)
                s = 1.0f;
            pan[i] = (i % 2 == 1) ? (1.0f - s) * 0.5f : s * 0.5f + 0.5f;
        }
        for (int i = 0; i < NumBands; ++i)
        {
            dL[i].target = clampTarget (secL[i] * rate + 1.0);
            dR[i].target = clampTarget (secR[i] * rate + 1.0);
            const float x = (pan[i] + pan[i]) - 1.0f;
            if (x > 0.0f)
            {
                gL[i] = 1.0f - x;
                gR[i] = (1.0f - gL[i]) * 0.707f + 1.0f;
            }
            else if (x < 0.0f)
            {
                gR[i] = 1.0f - std::fabs (x);
                gL[i] = (1.0f - gR[i]) * 1.707f + 1.0f;
            }
            else
            {
                gL[i] = gR[i] = 1.0f;
            }
        }
    }

    void setRate (double newRate)
    {
        if (newRate == rate)
            return;
        rate = newRate;
        const auto e = bandEdgesFor ((double) (float) rate, TopBandUpperEdgeRedesign);
        for (int i = 0; i < NumBands; ++i)
        {
            BWB_Set_Band_And_Samplerate (fL[i], e.lower[i], e.upper[i], (double) (float) rate);
            BWB_Set_Band_And_Samplerate (fR[i], e.lower[i], e.upper[i], (double) (float) rate);
        }
    }

    void restore (const std::array<float, NumParams>& values)
    {
        params = values;
        mix = bounded (params[19]);
        update();
    }

    // Processes in place; right may equal left for one input channel.
    void process (float* left, float* right, int numSamples, bool stereoIn)
    {
        const juce::ScopedNoDenormals noDenormals;
        update();
        if (numSamples < 1)
            return;
        const float m0 = mix;
        const float target = bounded (params[19]);
        const float step = target == m0 ? 0.0f : (target - m0) / (float) numSamples;
        for (int n = 0; n < numSamples; ++n)
        {
            const float inL = left[n];
            const float inR = stereoIn ? right[n] : inL;
            float oL = 0.0f, oR = 0.0f;
            for (int i = 0; i < NumBands; ++i)
            {
                const double yL = BWB_Process (fL[i], (double) inL);
                const double yR = BWB_Process (fR[i], (double) inR);
                oL = dL[i].process ((float) yL) * gL[i] + oL;
                oR = dR[i].process ((float) yR) * gR[i] + oR;
            }
            mix = mix + step;
            const float m = mix;
            const float dry = std::sin ((float) ((double) (1.0f - m) * 3.141592653589793 * 0.5));
            const float wet = std::sin ((float) ((double) m * 3.141592653589793 * 0.5));
            const float dl = dryL.process (inL);
            const float dr = dryR.process (inR);
            left[n] = oL * wet + dry * dl;
            right[n] = wet * oR + dr * dry;
        }
    }

    std::array<float, NumParams> params {};
    double rate = 44100.0;
    float mix = 1.0f;

private:
    // Spreads and mix are read within +-1000, and as 0 when not finite.
    static float bounded (float v)
    {
        return std::isfinite (v) ? juce::jlimit (-1000.0f, 1000.0f, v) : 0.0f;
    }

    static int32_t clampTarget (double v)
    {
        if (! (v >= 1.0))
            return 1;
        if (v > 15999.0)
            return 15999;
        return (int32_t) v;
    }

    BWB_Filter fL[NumBands], fR[NumBands];
    ReferenceDelay dL[NumBands], dR[NumBands], dryL, dryR;
    float pan[NumBands] {}, gL[NumBands] {}, gR[NumBands] {};
};
