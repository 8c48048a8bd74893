#pragma once

#include "Pencil.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The caption under the three faders inside a pencil bracket that is open at
// the top. The owner supplies the caption image before the first paint.
class SplitEQLabel : public juce::Component
{
public:
    SplitEQLabel();
    ~SplitEQLabel() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    std::unique_ptr<Pencil> pencil;
    std::unique_ptr<juce::Image> captionImage;
};
