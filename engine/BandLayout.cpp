#include "BandLayout.h"

const float FactorMapLow[NumBands] = {
    0.5f, 0.7f, 0.8f, 1.0f, 0.5f, 0.1f, 0.0f, 0.0f,
    0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f
};

const float FactorMapMid[NumBands] = {
    0.0f, 0.0f, 0.2f, 0.4f, 0.8f, 1.0f, 0.7f, 0.4f,
    0.2f, 0.1f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f
};

// Band 8 holds 8.0, not 0.8: stored states and factory settings sound with it.
const float FactorMapHigh[NumBands] = {
    0.0f, 0.0f, 0.0f, 0.0f, 0.1f, 0.2f, 0.4f, 0.6f,
    8.0f, 0.9f, 1.0f, 1.0f, 0.8f, 0.6f, 0.3f, 0.1f
};

float bandEdge (int k) noexcept
{
    const float q = (float) k / 15.0f;
    return q * q * 11980.0f + 20.0f;
}

BandEdges bandEdgesFor (double sampleRate, double topUpperEdge) noexcept
{
    BandEdges e {};

    for (int i = 0; i < NumBands; ++i)
    {
        e.lower[i] = (double) bandEdge (i);
        e.upper[i] = i + 1 < NumBands ? (double) bandEdge (i + 1) : topUpperEdge;
    }

    const double ceiling = 0.499 * sampleRate;

    if (! (topUpperEdge > ceiling))
        return e;

    const double knee = 0.25 * sampleRate;
    const double scale = (ceiling - knee) / (topUpperEdge - knee);
    auto place = [&] (double f) { return f > knee ? knee + (f - knee) * scale : f; };

    for (int i = 0; i < NumBands; ++i)
    {
        e.lower[i] = place (e.lower[i]);
        e.upper[i] = place (e.upper[i]);
    }

    return e;
}
