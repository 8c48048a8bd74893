#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The display scale the window benchmarks run at, set for one benchmark and
// put back to 1 after it, so the benchmarks that follow start unscaled.
class ScopedScale
{
public:
    explicit ScopedScale (float scale) { juce::Desktop::getInstance().setGlobalScaleFactor (scale); }
    ~ScopedScale() { juce::Desktop::getInstance().setGlobalScaleFactor (1.0f); }

    ScopedScale (const ScopedScale&) = delete;
    ScopedScale& operator= (const ScopedScale&) = delete;
};
