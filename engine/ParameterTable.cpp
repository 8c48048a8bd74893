#include "ParameterTable.h"

const char* const ParamNames[NumParams] = {
    "Haas 0", "Haas 1", "Haas 2", "Haas 3", "Haas 4", "Haas 5", "Haas 6", "Haas 7",
    "Haas 8", "Haas 9", "Haas 10", "Haas 11", "Haas 12", "Haas 13", "Haas 14", "Haas 15",
    "Spread Low", "Spread Mid", "Spread High", "Mix"
};

const float DefalutParams[NumParams] = {
    0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.05f, 0.1f, 0.15f,
    0.2f, 0.25f, 0.2f, 0.1f, 0.0f, 0.0f, 0.0f, 0.0f,
    0.0f, 0.0f, 0.0f, 1.0f
};
