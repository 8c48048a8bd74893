#include "ButtonLookAndFeel.h"

namespace
{
    bool isGlyphText (const juce::String& text)
    {
        return text.equalsIgnoreCase ("+") || text.equalsIgnoreCase ("<") || text.equalsIgnoreCase (">");
    }
}

ButtonLookAndFeel::ButtonLookAndFeel (juce::Font buttonFont)
    : font (buttonFont)
{
}

ButtonLookAndFeel::~ButtonLookAndFeel() = default;

void ButtonLookAndFeel::drawButtonBackground (juce::Graphics& g, juce::Button& button,
                                              const juce::Colour& backgroundColour, bool, bool)
{
    const int w = button.getWidth();
    const int h = button.getHeight();
    const bool enabled = button.isEnabled();

    auto colour = backgroundColour;

    if (! enabled)
        colour = colour.withAlpha ((juce::uint8) (int) ((float) colour.getAlpha() * 0.5f));

    g.setColour (colour);
    g.fillRoundedRectangle (0.0f, 0.0f, (float) w, (float) h, 2.0f);

    const auto text = button.getButtonText();
    const float cx = (float) w / 2.0f;
    const float cy = (float) h / 2.0f;
    const float s = (float) (h - 12);

    if (text.equalsIgnoreCase ("+"))
    {
        g.setColour (juce::Colours::black);
        g.drawLine (cx, cy - s / 2.0f, cx, cy + s / 2.0f, 3.0f);
        g.drawLine (cx - s / 2.0f, cy, cx + s / 2.0f, cy, 3.0f);
        return;
    }

    const bool left = text.equalsIgnoreCase ("<");
    const bool right = text.equalsIgnoreCase (">");

    if (! left && ! right)
        return;

    g.setColour (enabled ? juce::Colours::white : juce::Colours::grey);

    const float gw = 0.6f * s;
    const float l = cx - gw / 2.0f;
    const float r = cx + gw / 2.0f;
    const float top = cy - s / 2.0f;
    const float bottom = cy + s / 2.0f;

    // The two strokes meet at the tip one pixel apart, which keeps the
    // point crisp instead of a blob where the thick lines overlap.
    if (left)
    {
        g.drawLine (r, top, l, cy + 0.5f, 2.0f);
        g.drawLine (l, cy - 0.5f, r, bottom, 2.0f);
    }
    else
    {
        g.drawLine (l, top, r, cy + 0.5f, 2.0f);
        g.drawLine (r, cy - 0.5f, l, bottom, 2.0f);
    }
}

juce::Font ButtonLookAndFeel::getTextButtonFont (juce::TextButton&, int buttonHeight)
{
    font.setHeight (juce::jmin ((float) buttonHeight * 0.6f, 15.0f));
    return font;
}

void ButtonLookAndFeel::drawButtonText (juce::Graphics& g, juce::TextButton& button,
                                        bool isMouseOverButton, bool isButtonDown)
{
    if (isGlyphText (button.getButtonText()))
        return;

    juce::LookAndFeel_V2::drawButtonText (g, button, isMouseOverButton, isButtonDown);
}
