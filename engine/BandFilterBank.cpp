#include "BandFilterBank.h"

#include <memory>
#include <new>

namespace
{
const BWB_Filter& laneRecord (const BWB_Filter* left, const BWB_Filter* right, int lane) noexcept
{
    return lane < NumBands ? left[lane] : right[lane - NumBands];
}
} // namespace

BandFilterBank::BandFilterBank() noexcept
{
    static_assert (alignof (Section) == vecAlignment, "the vector code relies on aligned loads");

    void* place = storage;
    auto room = sizeof (storage);
    place = std::align (vecAlignment, sizeof (Section) * numSections, place, room);
    sections = new (place) Section[numSections] {};
}

void BandFilterBank::load (const BWB_Filter* left, const BWB_Filter* right) noexcept
{
    for (int s = 0; s < numSections; ++s)
    {
        auto& sec = sections[s];

        for (int lane = 0; lane < numLanes; ++lane)
        {
            const auto& f = laneRecord (left, right, lane);
            const int g = lane / 4, k = lane % 4;
            sec.A[g][k] = f.A[s];
            sec.d1[g][k] = f.d1[s];
            sec.d2[g][k] = f.d2[s];
            sec.d3[g][k] = f.d3[s];
            sec.d4[g][k] = f.d4[s];
            sec.w1[g][k] = f.w1[s];
            sec.w2[g][k] = f.w2[s];
            sec.w3[g][k] = f.w3[s];
            sec.w4[g][k] = f.w4[s];
        }
    }
}

void BandFilterBank::store (BWB_Filter* left, BWB_Filter* right) const noexcept
{
    for (int s = 0; s < numSections; ++s)
    {
        const auto& sec = sections[s];

        for (int lane = 0; lane < numLanes; ++lane)
        {
            auto& f = lane < NumBands ? left[lane] : right[lane - NumBands];
            const int g = lane / 4, k = lane % 4;
            f.w1[s] = sec.w1[g][k];
            f.w2[s] = sec.w2[g][k];
            f.w3[s] = sec.w3[g][k];
            f.w4[s] = sec.w4[g][k];
            // w0 is the newest value, the same as w1 after a step.
            f.w0[s] = sec.w1[g][k];
        }
    }
}

// Compiled twice, for AVX2 and for the baseline instruction set, and picked
// when the library loads. Neither build contracts multiply-adds, so both give
// the same bits. ThreadSanitizer instruments the resolver that picks the
// clone, which runs during relocation before the sanitizer's runtime is up,
// so its build keeps the baseline only.
#if defined(__has_feature)
 #if __has_feature(thread_sanitizer)
  #define VELTO_BANK_UNDER_TSAN 1
 #endif
#endif

#if defined(__SANITIZE_THREAD__)
 #define VELTO_BANK_UNDER_TSAN 1
#endif

// Function clones need x86-64 and an ELF loader (Linux); elsewhere the
// compiler's own target is used. Clang (14, used for the fuzzer) gives the
// dispatcher of a cloned member function a symbol that callers in other
// files do not link against, so its builds keep the baseline as well.
#if defined(__x86_64__) && defined(__ELF__) && ! defined(VELTO_BANK_UNDER_TSAN) && ! defined(__clang__)
 #define VELTO_BANK_CLONES __attribute__ ((target_clones ("avx2", "default")))
#else
 #define VELTO_BANK_CLONES
#endif

VELTO_BANK_CLONES
void BandFilterBank::process (const float* inL, const float* inR, int numFrames, float* out, int outStride) noexcept
{
    for (int n = 0; n < numFrames; ++n)
    {
        const double xl = (double) inL[n];
        const double xr = (double) inR[n];
        const Vec vl { xl, xl, xl, xl };
        const Vec vr { xr, xr, xr, xr };

        static_assert (numGroups == 8, "four groups of left bands, then four of right bands");
        Vec x[numGroups] { vl, vl, vl, vl, vr, vr, vr, vr };

        for (int s = 0; s < numSections; ++s)
        {
            auto& sec = sections[s];

            for (int g = 0; g < numGroups; ++g)
            {
                const Vec w1 = sec.w1[g], w2 = sec.w2[g], w3 = sec.w3[g], w4 = sec.w4[g];
                const Vec w0 = sec.d1[g] * w1 + sec.d2[g] * w2 + sec.d3[g] * w3 + sec.d4[g] * w4 + x[g];
                x[g] = sec.A[g] * ((-2.0 * w2 + w0) + w4);
                sec.w4[g] = w3;
                sec.w3[g] = w2;
                sec.w2[g] = w1;
                sec.w1[g] = w0;
            }
        }

        for (int g = 0; g < numGroups; ++g)
            for (int k = 0; k < 4; ++k)
                out[(g * 4 + k) * outStride + n] = (float) x[g][k];
    }
}
