#pragma once

// The 16 bands: their edges, which side each delays and the spread weights.
constexpr int NumBands = 16;

// Per-band weights of the three spread amounts.
extern const float FactorMapLow[NumBands];
extern const float FactorMapMid[NumBands];
extern const float FactorMapHigh[NumBands];

// Upper edge of the top band after the first design, and after any redesign
// for a new sample rate.
constexpr double TopBandUpperEdgeInitial = 20000.0;
constexpr double TopBandUpperEdgeRedesign = 22000.0;

// edge(k) = (k / 15)^2 * 11980 + 20 in single precision, k = 0..15.
float bandEdge (int k) noexcept;

struct BandEdges
{
    double lower[NumBands];
    double upper[NumBands];
};

// The edges of every band at a sample rate, with the given top edge of band 15.
// Where an edge would come too close to half the sample rate (below 44.1 kHz,
// where the top edges reach it) the edges above a knee at a quarter of the
// rate are compressed linearly into the room below 0.499 of the rate, so every
// band keeps a positive width below Nyquist and the filters stay stable.
// Wherever the top edge already fits, the edges are the plain ones.
BandEdges bandEdgesFor (double sampleRate, double topUpperEdge) noexcept;
