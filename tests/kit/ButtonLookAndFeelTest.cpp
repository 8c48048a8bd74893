#include "ButtonLookAndFeel.h"
#include "KitTestSupport.h"

using namespace kittest;

namespace
{
    const juce::Colour buttonColour (0xff3050a0);

    // A 30 x 25 button of the preset bar's size, rendered with the look.
    juce::Image renderButton (ButtonLookAndFeel& look, const juce::String& text, bool enabled,
                              juce::Colour textColour = juce::Colours::red)
    {
        juce::TextButton button (text);
        button.setLookAndFeel (&look);
        button.setColour (juce::TextButton::buttonColourId, buttonColour);
        button.setColour (juce::TextButton::textColourOffId, textColour);
        button.setEnabled (enabled);
        button.setBounds (0, 0, 30, 25);
        auto image = render (button, 1.0f);
        button.setLookAndFeel (nullptr);
        return image;
    }

    bool isNear (juce::Colour c, juce::Colour expected, int tolerance = 12)
    {
        return std::abs (c.getRed() - expected.getRed()) <= tolerance
            && std::abs (c.getGreen() - expected.getGreen()) <= tolerance
            && std::abs (c.getBlue() - expected.getBlue()) <= tolerance
            && std::abs (c.getAlpha() - expected.getAlpha()) <= tolerance;
    }

    // Pixels where red clearly dominates the blue button colour.
    int reddishPixels (const juce::Image& image)
    {
        int count = 0;
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                if (const auto c = image.getPixelAt (x, y); c.getRed() > c.getBlue() + 40)
                    ++count;
        return count;
    }

    int pixelsNear (const juce::Image& image, juce::Colour colour)
    {
        int count = 0;
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                if (isNear (image.getPixelAt (x, y), colour, 40))
                    ++count;
        return count;
    }
}

TEST (ButtonLookAndFeel, ChevronsAreWhiteLinesOverTheButtonColour)
{
    ButtonLookAndFeel look (juce::Font (12.0f));
    auto left = renderButton (look, "<", true);

    // Background in the button's colour, the same whatever the mouse does.
    EXPECT_TRUE (isNear (left.getPixelAt (3, 3), buttonColour));
    EXPECT_TRUE (isNear (left.getPixelAt (26, 21), buttonColour));

    // Strokes from (18.9, 6) to (11.1, 13) and from (11.1, 12) to (18.9, 19).
    EXPECT_TRUE (isNear (left.getPixelAt (15, 9), juce::Colours::white, 60));
    EXPECT_TRUE (isNear (left.getPixelAt (11, 12), juce::Colours::white, 60));
    EXPECT_TRUE (isNear (left.getPixelAt (15, 15), juce::Colours::white, 60));
    EXPECT_TRUE (isNear (left.getPixelAt (19, 12), buttonColour));

    // ">" mirrors it.
    auto right = renderButton (look, ">", true);
    EXPECT_TRUE (isNear (right.getPixelAt (18, 12), juce::Colours::white, 60));
    EXPECT_TRUE (isNear (right.getPixelAt (11, 12), buttonColour));
}

TEST (ButtonLookAndFeel, DisabledButtonsFadeTheBackgroundAndGreyTheChevron)
{
    ButtonLookAndFeel look (juce::Font (12.0f));
    auto left = renderButton (look, "<", false);

    EXPECT_EQ (left.getPixelAt (3, 3).getAlpha(), 127);
    EXPECT_EQ (pixelsNear (left, juce::Colours::white), 0);

    // Grey strokes over the half-transparent background.
    const auto stroke = left.getPixelAt (11, 12);
    EXPECT_GT (stroke.getAlpha(), 200);
    EXPECT_NEAR (stroke.getRed(), stroke.getGreen(), 4);
    EXPECT_NEAR (stroke.getGreen(), stroke.getBlue(), 4);
}

TEST (ButtonLookAndFeel, PlusIsABlackCrossEvenWhenDisabled)
{
    ButtonLookAndFeel look (juce::Font (12.0f));

    for (bool enabled : { true, false })
    {
        auto plus = renderButton (look, "+", enabled);
        // From (15, 6) to (15, 19) and from (8.5, 12.5) to (21.5, 12.5), 3 thick.
        EXPECT_TRUE (isNear (plus.getPixelAt (14, 7), juce::Colours::black, 30)) << enabled;
        EXPECT_TRUE (isNear (plus.getPixelAt (15, 18), juce::Colours::black, 30)) << enabled;
        EXPECT_TRUE (isNear (plus.getPixelAt (9, 12), juce::Colours::black, 30)) << enabled;
        EXPECT_TRUE (isNear (plus.getPixelAt (20, 12), juce::Colours::black, 30)) << enabled;
        EXPECT_FALSE (isNear (plus.getPixelAt (14, 3), juce::Colours::black, 30)) << enabled;
        EXPECT_FALSE (isNear (plus.getPixelAt (6, 12), juce::Colours::black, 30)) << enabled;
    }
}

TEST (ButtonLookAndFeel, GlyphButtonsDrawNoTextButOthersDo)
{
    ButtonLookAndFeel look (juce::Font (12.0f));

    for (const char* glyph : { "<", ">", "+" })
        EXPECT_EQ (reddishPixels (renderButton (look, glyph, true, juce::Colours::red)), 0) << glyph;

    EXPECT_GT (reddishPixels (renderButton (look, "Save", true, juce::Colours::red)), 5);
}

TEST (ButtonLookAndFeel, TextFontGrowsWithTheButtonUpToFifteen)
{
    ButtonLookAndFeel look (juce::Font (30.0f));
    juce::TextButton button ("Save");

    EXPECT_FLOAT_EQ (look.getTextButtonFont (button, 25).getHeight(), 15.0f);
    EXPECT_FLOAT_EQ (look.getTextButtonFont (button, 20).getHeight(), 12.0f);
    EXPECT_FLOAT_EQ (look.getTextButtonFont (button, 40).getHeight(), 15.0f);
    EXPECT_FLOAT_EQ (look.font.getHeight(), 15.0f);
}
