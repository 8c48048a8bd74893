#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// A two-line reminder to use headphones, rendered once per size.
class StandalonePlayerInfo : public juce::Component
{
public:
    StandalonePlayerInfo();
    ~StandalonePlayerInfo() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    std::unique_ptr<juce::Image> firstLine;
    std::unique_ptr<juce::Image> secondLine;
};
