#pragma once

// Digital Butterworth band-pass filter built as a cascade of fourth-order
// sections (bilinear transform). A record designed with order 8 has two
// sections. All arithmetic is in double precision; the operation order below
// is part of the filter's definition, so this unit must be compiled without
// floating-point contraction.

struct BWB_Filter
{
    int n;        // number of fourth-order sections (order / 4)
    double s;     // sample rate in Hz
    double* A;    // per-section gain
    double* d1;   // feedback coefficient, newest stored value
    double* d2;
    double* d3;
    double* d4;   // feedback coefficient, oldest stored value
    double* w0;   // internal value of the current sample
    double* w1;   // ... of the previous one, two, three and four samples
    double* w2;
    double* w3;
    double* w4;
};

// Allocates the ten arrays (state zeroed) and designs the band f1..f2 Hz at s.
// Returns false, leaving the record empty (no sections), if memory ran out.
bool BWB_Init (BWB_Filter& f, int order, double f1, double f2, double s);

// Recomputes the coefficients for a new band; the running state is kept.
void BWB_Set_Band (BWB_Filter& f, double f1, double f2);

// Stores a new sample rate, clears the state, then designs the band.
void BWB_Set_Band_And_Samplerate (BWB_Filter& f, double f1, double f2, double s);

// Runs one sample through every section in order.
double BWB_Process (BWB_Filter& f, double x);

// Frees the ten arrays.
void BWB_Free (BWB_Filter& f);
