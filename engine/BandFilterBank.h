#pragma once

#include "BWB_Filter.h"
#include "BandLayout.h"

#include <cstddef>

// Runs the 32 band filters (16 bands of each side, two fourth-order sections
// each) side by side: every operation of a section is applied to all 32
// filters at once, four lanes to a vector. Each lane performs exactly the
// operations of BWB_Process in the same order, so the results are the same
// bits; only independent filters are interleaved.
//
// The BWB_Filter records stay the owners of coefficients and state: load()
// copies both in at the start of a run and store() writes the state back.
class BandFilterBank
{
public:
    static constexpr int numLanes = 2 * NumBands;   // left bands, then right bands
    static constexpr int numSections = 2;

    BandFilterBank() noexcept;
    BandFilterBank (const BandFilterBank&) = delete;
    BandFilterBank& operator= (const BandFilterBank&) = delete;

    // Every record must have exactly two sections (order 8).
    void load (const BWB_Filter* left, const BWB_Filter* right) noexcept;
    void store (BWB_Filter* left, BWB_Filter* right) const noexcept;

    // Filters numFrames frames. Lane l's output for frame n goes, as float,
    // to out[l * outStride + n]. Left lanes read inL, right lanes inR.
    void process (const float* inL, const float* inR, int numFrames, float* out, int outStride) noexcept;

private:
    static constexpr int numGroups = numLanes / 4;

    // Four doubles on a 32-byte boundary, whichever instruction set the
    // including code is compiled for (without AVX the default would be 16).
    static constexpr size_t vecAlignment = 32;
    typedef double Vec __attribute__ ((vector_size (32), aligned (vecAlignment)));

    struct Section
    {
        Vec A[numGroups], d1[numGroups], d2[numGroups], d3[numGroups], d4[numGroups];
        Vec w1[numGroups], w2[numGroups], w3[numGroups], w4[numGroups];
    };

    // The sections live on a 32-byte boundary inside the bank's own storage,
    // so the object that holds the bank needs no over-aligned allocation.
    unsigned char storage[sizeof (Section) * numSections + vecAlignment];
    Section* sections;
};
