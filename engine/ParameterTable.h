#pragma once

// The 20 host parameters in index order. The id strings fix the numbers under
// which hosts store automation, so they must never change.
constexpr int NumParams = 20;

constexpr int ParamSpreadLow = 16;
constexpr int ParamSpreadMid = 17;
constexpr int ParamSpreadHigh = 18;
constexpr int ParamMix = 19;

extern const char* const ParamNames[NumParams];
extern const float DefalutParams[NumParams];
