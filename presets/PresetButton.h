#pragma once

#include "PresetButtonDelegate.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The preset bar: "<", the applied preset's name, ">" and, when there is a
// user category, "+". It keeps no preset state: every click goes to the
// delegate, which writes the name and the enabled states back into the
// public buttons.
class PresetButton : public juce::Component, public juce::Button::Listener
{
public:
    PresetButton();
    ~PresetButton() override;

    // Called once; the bar takes the look and gives itself its fixed size.
    void init (bool showSave, PresetButtonDelegate* delegate, std::unique_ptr<juce::LookAndFeel> lookAndFeel);

    void paint (juce::Graphics& g) override;
    void resized() override;
    void buttonClicked (juce::Button* button) override;

    PresetButtonDelegate* delegate = nullptr;
    juce::TextButton nameButton;
    juce::TextButton nextButton;
    juce::TextButton prevButton;
    juce::TextButton saveButton;
    std::unique_ptr<juce::LookAndFeel> lookAndFeel;
};
