#include "BWB_Filter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <complex>

namespace
{
struct Filter
{
    Filter (int order, double f1, double f2, double s) { BWB_Init (f, order, f1, f2, s); }
    ~Filter() { BWB_Free (f); }
    BWB_Filter f;
};

// Magnitude of the cascade's response at frequency hz, from its coefficients.
double magnitudeAt (const BWB_Filter& f, double hz)
{
    const std::complex<double> z1 = std::polar (1.0, -2.0 * 3.141592653589793 * hz / f.s);
    std::complex<double> h = 1.0;

    for (int i = 0; i < f.n; ++i)
    {
        const auto z2 = z1 * z1, z3 = z2 * z1, z4 = z2 * z2;
        h *= f.A[i] * (1.0 - 2.0 * z2 + z4) / (1.0 - f.d1[i] * z1 - f.d2[i] * z2 - f.d3[i] * z3 - f.d4[i] * z4);
    }

    return std::abs (h);
}
} // namespace

TEST (BWB_Filter, OrderEightBandHasUnitCentreAndHalfPowerEdges)
{
    Filter bp (8, 1000.0, 2000.0, 44100.0);
    ASSERT_EQ (bp.f.n, 2);

    constexpr double pi = 3.141592653589793;
    const double a = std::cos (3000.0 * pi / 44100.0) / std::cos (1000.0 * pi / 44100.0);
    EXPECT_NEAR (a, 0.979735, 5e-7);

    const double fc = std::acos (a) * 44100.0 / (2.0 * pi);
    EXPECT_NEAR (fc, 1415.415, 1e-3);
    EXPECT_NEAR (magnitudeAt (bp.f, fc), 1.0, 1e-9);
    EXPECT_NEAR (magnitudeAt (bp.f, 1000.0), 0.707107, 1e-6);
    EXPECT_NEAR (magnitudeAt (bp.f, 2000.0), 0.707107, 1e-6);
    EXPECT_LT (magnitudeAt (bp.f, 100.0), 1e-3);
    EXPECT_LT (magnitudeAt (bp.f, 15000.0), 1e-3);
}

TEST (BWB_Filter, ImpulseResponseStartsWithTheSectionGains)
{
    Filter bp (8, 1000.0, 2000.0, 44100.0);

    const double y0 = BWB_Process (bp.f, 1.0);
    const double y1 = BWB_Process (bp.f, 0.0);
    const double y2 = BWB_Process (bp.f, 0.0);

    EXPECT_EQ (y0, bp.f.A[0] * bp.f.A[1]);
    EXPECT_NEAR (y0, 2.152095e-05, 5e-12);
    EXPECT_NEAR (y1, 1.608318e-04, 5e-11);
    EXPECT_NEAR (y2, 5.867277e-04, 5e-11);
}

TEST (BWB_Filter, ConstantInputDecaysToZero)
{
    Filter bp (8, 73.2444, 232.9778, 44100.0);
    double y = 1.0;

    for (int i = 0; i < 44100 * 2; ++i)
        y = BWB_Process (bp.f, 1.0);

    EXPECT_LT (std::abs (y), 1e-9);
}

TEST (BWB_Filter, NewBandKeepsStateNewRateClearsIt)
{
    Filter bp (8, 1000.0, 2000.0, 44100.0);

    for (int i = 0; i < 100; ++i)
        BWB_Process (bp.f, std::sin (i * 0.3));

    const double w1 = bp.f.w1[0], w4 = bp.f.w4[1];
    BWB_Set_Band (bp.f, 500.0, 900.0);
    EXPECT_EQ (bp.f.w1[0], w1);
    EXPECT_EQ (bp.f.w4[1], w4);
    EXPECT_NE (BWB_Process (bp.f, 0.0), 0.0);

    BWB_Set_Band_And_Samplerate (bp.f, 500.0, 900.0, 48000.0);
    EXPECT_EQ (bp.f.s, 48000.0);

    for (int i = 0; i < 10; ++i)
        EXPECT_EQ (BWB_Process (bp.f, 0.0), 0.0);
}

TEST (BWB_Filter, OrderBelowFourPassesInputBitForBit)
{
    Filter none (3, 1000.0, 2000.0, 44100.0);
    EXPECT_EQ (none.f.n, 0);

    for (double x : { 0.1234567890123, -1.0e-300, 3.0e10, -0.0 })
    {
        const double y = BWB_Process (none.f, x);
        EXPECT_EQ (std::memcmp (&x, &y, sizeof x), 0) << x;
    }
}
