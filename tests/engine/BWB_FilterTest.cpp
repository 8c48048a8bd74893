#include "BWB_Filter.h"

#include <gtest/gtest.h>

TEST (BWB_Filter, Placeholder) { SUCCEED(); }
