#pragma once

// The ten presets every editor offers in "FACTORY", in this order: entry i
// of the names goes with row i of the data (20 values in parameter order).
constexpr int FactoryPresetCount = 10;
constexpr int FactoryPresetValueCount = 20;

extern const char* const FactoryPresetNames[FactoryPresetCount];
extern const float FactoryPresetData[FactoryPresetCount][FactoryPresetValueCount];
