#include "BWB_Filter.h"

#include <cmath>
#include <cstdlib>

namespace
{
constexpr double pi = 3.141592653589793;

double* allocArray (int count)
{
    return static_cast<double*> (std::calloc (static_cast<size_t> (count > 0 ? count : 1), sizeof (double)));
}
} // namespace

bool BWB_Init (BWB_Filter& f, int order, double f1, double f2, double s)
{
    f.s = s;
    f.n = order / 4;

    double** arrays[] = { &f.A, &f.d1, &f.d2, &f.d3, &f.d4, &f.w0, &f.w1, &f.w2, &f.w3, &f.w4 };
    bool ok = true;

    for (auto* a : arrays)
    {
        *a = allocArray (f.n);
        ok = ok && *a != nullptr;
    }

    if (! ok)
    {
        // Nothing half-made is kept: the record is left without sections or
        // arrays, and BWB_Free on it is harmless.
        BWB_Free (f);
        return false;
    }

    BWB_Set_Band (f, f1, f2);
    return true;
}

void BWB_Set_Band (BWB_Filter& f, double f1, double f2)
{
    const double a = std::cos ((f1 + f2) * pi / f.s) / std::cos ((f2 - f1) * pi / f.s);
    const double b = std::tan ((f2 - f1) * pi / f.s);
    const double b2 = b * b;
    const double a2 = a * a;

    if (f.n < 1)
        return;

    for (int i = 0; i < f.n; ++i)
    {
        const double r = std::sin (((i + i) + 1) * pi / (f.n * 4.0));
        const double t = b2 + 2.0 * b * r + 1.0;
        f.A[i] = b2 / t;
        f.d1[i] = (1.0 + b * r) * 4.0 * a / t;
        f.d2[i] = 2.0 * (b2 - 2.0 * a2 - 1.0) / t;
        f.d3[i] = (1.0 - b * r) * 4.0 * a / t;
        f.d4[i] = -(b2 - 2.0 * b * r + 1.0) / t;
    }
}

void BWB_Set_Band_And_Samplerate (BWB_Filter& f, double f1, double f2, double s)
{
    f.s = s;

    for (int i = 0; i < f.n; ++i)
        f.w0[i] = f.w1[i] = f.w2[i] = f.w3[i] = f.w4[i] = 0.0;

    BWB_Set_Band (f, f1, f2);
}

double BWB_Process (BWB_Filter& f, double x)
{
    for (int i = 0; i < f.n; ++i)
    {
        f.w0[i] = f.d1[i] * f.w1[i] + f.d2[i] * f.w2[i] + f.d3[i] * f.w3[i] + f.d4[i] * f.w4[i] + x;
        x = f.A[i] * ((-2.0 * f.w2[i] + f.w0[i]) + f.w4[i]);
        f.w4[i] = f.w3[i];
        f.w3[i] = f.w2[i];
        f.w2[i] = f.w1[i];
        f.w1[i] = f.w0[i];
    }

    return x;
}

void BWB_Free (BWB_Filter& f)
{
    double** arrays[] = { &f.A, &f.d1, &f.d2, &f.d3, &f.d4, &f.w0, &f.w1, &f.w2, &f.w3, &f.w4 };

    for (auto* a : arrays)
    {
        std::free (*a);
        *a = nullptr;
    }

    f.n = 0;
}
