#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The product's emblem with its name beside it (in a wide title) or under
// it (in a tall one). The name is rendered once per size.
class Title : public juce::Component
{
public:
    Title();
    ~Title() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    juce::String name;
    juce::ImageComponent icon { juce::String() };
    std::unique_ptr<juce::Image> nameImage;
};
