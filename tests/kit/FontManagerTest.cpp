#include "FontManager.h"
#include "JSGraphics.h"
#include "KitTestSupport.h"

using namespace kittest;

namespace
{
    juce::Font enyo()    { return embeddedFont (BinaryData::Enyo_otf, BinaryData::Enyo_otfSize); }
    juce::Font pistara() { return embeddedFont (BinaryData::Pistara_otf, BinaryData::Pistara_otfSize); }

    bool samePixels (const juce::Image& a, const juce::Image& b)
    {
        if (a.getBounds() != b.getBounds())
            return false;

        for (int y = 0; y < a.getHeight(); ++y)
            for (int x = 0; x < a.getWidth(); ++x)
                if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                    return false;

        return true;
    }
}

TEST (FontManager, SharedInstanceLivesUntilTheLastReferenceIsReleased)
{
    ASSERT_EQ (FontManager::getInstance(), nullptr);

    auto* first = FontManager::create (enyo(), pistara(), 16, fillTexture());
    ASSERT_NE (first, nullptr);

    // A second reference, with other arguments, gets the first instance unchanged.
    auto* second = FontManager::create (pistara(), enyo(), 30, juce::Image());
    EXPECT_EQ (second, first);
    EXPECT_EQ (first->smallFontThreshold, 16);
    EXPECT_TRUE (first->fillTexture.isValid());

    FontManager::destroy();
    EXPECT_EQ (FontManager::getInstance(), first);

    FontManager::destroy();
    EXPECT_EQ (FontManager::getInstance(), nullptr);

    // A release without a reference changes nothing: the next editor's
    // reference still owns and later deletes the instance.
    FontManager::destroy();
    auto* third = FontManager::create (pistara(), enyo(), 30, juce::Image());
    ASSERT_NE (third, nullptr);
    EXPECT_EQ (third->smallFontThreshold, 30);
    FontManager::destroy();
    EXPECT_EQ (FontManager::getInstance(), nullptr);
}

TEST (FontManager, SizeClassPicksTheFontFromTheThresholdOn)
{
    // Two renderers that differ only in their small font agree exactly from
    // the threshold on and differ below it.
    FontManager bothLarge (enyo(), enyo(), 16, fillTexture());
    FontManager mixed (enyo(), pistara(), 16, fillTexture());

    auto a16 = bothLarge.createImage ("LOW", 16.0f, 0.6f);
    auto b16 = mixed.createImage ("LOW", 16.0f, 0.6f);
    EXPECT_TRUE (samePixels (*a16, *b16));
    EXPECT_FLOAT_EQ (mixed.largeFont.getExtraKerningFactor(), 1.0f / 16.0f);

    auto a15 = bothLarge.createImage ("LOW", 15.9f, 0.6f);
    auto b15 = mixed.createImage ("LOW", 15.9f, 0.6f);
    EXPECT_FALSE (samePixels (*a15, *b15));
    EXPECT_FLOAT_EQ (mixed.smallFont.getExtraKerningFactor(), 1.0f / 15.0f);
    EXPECT_FLOAT_EQ (mixed.smallFont.getHorizontalScale(), 0.8f);
}

TEST (FontManager, StrokeThickensInBandsOfTextSizeAtBothScales)
{
    for (float s : { 1.0f, 2.0f })
    {
        ScopedDisplayScale scale (s);
        FontManager fonts (enyo(), pistara(), 16, fillTexture());

        const std::pair<float, float> bands[] = { { 12.0f, 2.0f }, { 19.9f, 2.0f }, { 20.0f, 3.0f },
                                                  { 34.9f, 3.0f }, { 35.0f, 4.0f } };

        for (auto [size, band] : bands)
        {
            fonts.createImage ("Ab", size, 0.6f);
            EXPECT_FLOAT_EQ (fonts.pencil->strokeWidth, band * s - 0.5f) << "size " << size << " scale " << s;
        }

        fonts.createImage ("Ab", 12.0f, 0.6f);
        EXPECT_FLOAT_EQ (fonts.pencil->opacity, 0.6f / s);
    }
}

TEST (FontManager, CreateImageRendersAtDisplayResolutionWithAHalfStrokeMargin)
{
    FontManager fonts (enyo(), pistara(), 16, fillTexture());
    auto one = fonts.createImage ("MIX", 12.0f, 0.6f);

    ScopedDisplayScale scale (2.0f);
    auto two = fonts.createImage ("MIX", 12.0f, 0.6f);

    // The text is drawn: ink fills the image up to the pencil's margin.
    for (auto* image : { one.get(), two.get() })
    {
        auto ink = inkBounds (*image);
        EXPECT_GT (inkCount (*image), 20);
        EXPECT_LE (ink.getX(), 1);
        EXPECT_LE (ink.getY(), 1);
        EXPECT_GE (ink.getRight(), image->getWidth() - 1);
        EXPECT_GE (ink.getBottom(), image->getHeight() - 1);
    }

    // Twice the pixels for the same logical size, give or take the strokes.
    EXPECT_NEAR (two->getHeight(), 2 * one->getHeight(), 4);
    EXPECT_NEAR (two->getWidth(), 2 * one->getWidth(), 6);
}

TEST (FontManager, CreateImageOfEmptyTextIsATransparentStrokeSizedSquare)
{
    FontManager fonts (enyo(), pistara(), 16, fillTexture());
    auto one = fonts.createImage ("", 12.0f, 0.6f);
    EXPECT_EQ (one->getBounds(), juce::Rectangle<int> (0, 0, 1, 1));
    EXPECT_EQ (inkCount (*one, 0), 0);

    ScopedDisplayScale scale (2.0f);
    auto two = fonts.createImage ("", 12.0f, 0.6f);
    EXPECT_EQ (two->getBounds(), juce::Rectangle<int> (0, 0, 3, 3));
}

TEST (FontManager, TextBelowOneUnitRendersNothingInsteadOfDividingByZero)
{
    FontManager fonts (enyo(), pistara(), 16, fillTexture());
    auto image = fonts.createImage ("LOW", 0.5f, 0.6f);
    EXPECT_EQ (inkCount (*image, 0), 0);

    juce::Image canvas (juce::Image::ARGB, 40, 40, true);
    juce::Graphics g (canvas);
    fonts.draw (g, "LOW", 0.5f, { 0, 0, 40, 40 }, juce::Justification::centred, true, 1.0f, 0.9f, 0.5f, false);
    EXPECT_EQ (inkCount (canvas, 0), 0);
}

TEST (FontManager, DrawFitsTextIntoTheAreaWithTheDisplayScalesStroke)
{
    ScopedDisplayScale scale (2.0f);
    FontManager fonts (enyo(), pistara(), 16, fillTexture());

    juce::Image canvas (juce::Image::ARGB, 200, 100, true);
    {
        juce::Graphics g (canvas);
        fonts.draw (g, "HIGH", 24.0f, { 20, 40, 160, 30 }, juce::Justification::centred, true, 2.0f, 0.9f, 0.5f, false);
    }

    // Size class 12: the small font; stroke band by the height in pixels.
    EXPECT_FLOAT_EQ (fonts.smallFont.getExtraKerningFactor(), 1.0f / 12.0f);
    EXPECT_FLOAT_EQ (fonts.pencil->strokeWidth, 5.5f);

    auto ink = inkBounds (canvas);
    EXPECT_GT (inkCount (canvas), 50);
    EXPECT_TRUE (juce::Rectangle<int> (15, 35, 170, 40).contains (ink)) << ink.toString();
    EXPECT_NEAR (ink.getCentreX(), 100, 6);
}

TEST (FontManager, DrawRotatedTurnsTheTextAQuarterTurnFromTheLeftEdge)
{
    FontManager fonts (enyo(), pistara(), 16, fillTexture());
    juce::Image canvas (juce::Image::ARGB, 100, 200, true);
    {
        juce::Graphics g (canvas);
        fonts.draw (g, "20 kHz", 20.0f, { 40, 100, 150, 24 }, juce::Justification::centredLeft,
                    true, 1.0f, 0.9f, 0.5f, true);
    }

    auto ink = inkBounds (canvas);
    EXPECT_GT (ink.getHeight(), 2 * ink.getWidth());
    EXPECT_LE (ink.getX(), 3);
}

TEST (FontManager, SixPerEmSpacesInCaptionsDrawNoInkInEitherFont)
{
    FontManager fonts (enyo(), pistara(), 16, fillTexture());
    const auto thin = juce::String::charToString ((juce::juce_wchar) 0x2006);

    for (float size : { 10.0f, 20.0f })
    {
        const int plain = inkCount (*fonts.createImage ("MID", size, 0.6f));
        EXPECT_NEAR (inkCount (*fonts.createImage ("M" + thin + "I" + thin + "D", size, 0.6f)), plain, plain / 20) << size;
    }
}
