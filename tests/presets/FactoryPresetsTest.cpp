#include "FactoryPresets.h"
#include "ParameterTable.h"

#include <gtest/gtest.h>

#include <cstring>

TEST (FactoryPresets, InitIsTheParameterDefaultsBitForBit)
{
    static_assert (FactoryPresetValueCount == NumParams);
    EXPECT_STREQ (FactoryPresetNames[0], "INIT");
    EXPECT_EQ (std::memcmp (FactoryPresetData[0], DefalutParams, sizeof (DefalutParams)), 0);
}
