#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Look of the text buttons: a flat rounded rectangle in the button's colour
// whatever the mouse does, line glyphs for "+", "<" and ">" instead of text,
// and a text font of the owner's choosing for every other button.
class ButtonLookAndFeel : public juce::LookAndFeel_V3
{
public:
    explicit ButtonLookAndFeel (juce::Font buttonFont);
    ~ButtonLookAndFeel() override;

    void drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour& backgroundColour,
                               bool isMouseOverButton, bool isButtonDown) override;
    juce::Font getTextButtonFont (juce::TextButton& button, int buttonHeight) override;
    void drawButtonText (juce::Graphics& g, juce::TextButton& button,
                         bool isMouseOverButton, bool isButtonDown) override;

    juce::Font font;
};
