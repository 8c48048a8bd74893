#include "JSGraphics.h"
#include "KitTestSupport.h"
#include "SVGComponent.h"

using namespace kittest;

namespace
{
    const char* const tallBox = "M0 0 L10 0 L10 20 L0 20 Z";

    const char* const wideDocument =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100px\" height=\"20px\" viewBox=\"0 0 100 20\">"
        "<rect x=\"0\" y=\"0\" width=\"100\" height=\"20\" fill=\"#ffffff\"/></svg>";

    const char* const squareDocument =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20px\" height=\"20px\" viewBox=\"0 0 20 20\">"
        "<rect x=\"0\" y=\"0\" width=\"20\" height=\"20\" fill=\"#ffffff\"/></svg>";
}

TEST (SVGComponent, LogoFitsFlushTopLeftInACacheAtDisplayResolution)
{
    {
        ScopedDisplayScale scale (2.0f);
        SVGComponent logo;
        logo.init (BinaryData::sorvan_svg, 160, 32, 0.5f, 3, false, false);
        ASSERT_NE (logo.cache, nullptr);
        EXPECT_EQ (logo.pixelStrokeWidth, 6);
        EXPECT_EQ (logo.cache->getBounds(), juce::Rectangle<int> (0, 0, 320, 64));

        // The 160 x 31 artwork, proportions kept, fills 320 x 62 at most.
        auto ink = inkBounds (*logo.cache, 0);
        EXPECT_GT (inkCount (*logo.cache), 500);
        EXPECT_TRUE (juce::Rectangle<int> (0, 0, 320, 62).contains (ink)) << ink.toString();
        EXPECT_GT (ink.getRight(), 280);

        // White at the layer's opacity.
        int brightest = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 320; ++x)
                brightest = juce::jmax (brightest, alphaAt (*logo.cache, x, y));
        EXPECT_NEAR (brightest, 128, 3);

        // What the window shows is the same artwork at logical size.
        auto shown = render (logo, 2.0f);
        EXPECT_EQ (inkBounds (shown, 0), ink);
    }

    SVGComponent logo;
    logo.init (BinaryData::sorvan_svg, 160, 32, 0.5f, 3, false, false);
    logo.setSize (64, 12);
    EXPECT_EQ (logo.cache->getBounds(), juce::Rectangle<int> (0, 0, 64, 12));
    EXPECT_EQ (logo.pixelStrokeWidth, 3);
    EXPECT_GT (inkCount (*logo.cache), 50);
}

TEST (SVGComponent, DocumentModeAlignsTheFittedArtworkTopLeft)
{
    SVGComponent wide;
    wide.init (wideDocument, 50, 50, 1.0f, 2, false, false);
    EXPECT_EQ (inkBounds (*wide.cache), juce::Rectangle<int> (0, 0, 50, 10));

    SVGComponent square;
    square.init (squareDocument, 80, 40, 1.0f, 2, false, false);
    EXPECT_EQ (inkBounds (*square.cache), juce::Rectangle<int> (0, 0, 40, 40));
}

TEST (SVGComponent, ASecondInitAtTheSameSizeShowsTheNewArtwork)
{
    SVGComponent layer;
    layer.init (wideDocument, 50, 50, 1.0f, 2, false, false);
    layer.init (squareDocument, 50, 50, 1.0f, 2, false, false);
    EXPECT_EQ (inkBounds (*layer.cache), juce::Rectangle<int> (0, 0, 50, 50));
}

TEST (SVGComponent, BrokenDocumentsDrawNothing)
{
    for (const char* text : { "not svg at all", "<html><body/></html>", "" })
    {
        SVGComponent layer;
        layer.init (text, 40, 20, 1.0f, 2, false, false);
        EXPECT_EQ (layer.drawable, nullptr);
        ASSERT_NE (layer.cache, nullptr);
        EXPECT_EQ (inkCount (*layer.cache, 0), 0);
    }
}

TEST (SVGComponent, PathModePlacesTheFittedPathByAlignment)
{
    // A 1:2 box in a square: fitted to 48 high less the half-stroke margins.
    SVGComponent topLeft;
    topLeft.init (tallBox, 100, 100, 1.0f, 4, true, false);
    EXPECT_EQ (inkBounds (*topLeft.cache, 0), juce::Rectangle<int> (2, 2, 48, 96));

    SVGComponent centred;
    centred.alignment = 0;
    centred.init (tallBox, 100, 100, 1.0f, 4, true, false);
    EXPECT_EQ (inkBounds (*centred.cache, 0), juce::Rectangle<int> (26, 2, 48, 96));

    SVGComponent bottomRight;
    bottomRight.alignment = SVGComponent::alignBottomRight;
    bottomRight.init (tallBox, 100, 100, 1.0f, 4, true, false);
    EXPECT_EQ (inkBounds (*bottomRight.cache, 0), juce::Rectangle<int> (50, 2, 48, 96));

    // Resizing renders the stored path again at the new size.
    topLeft.setSize (200, 50);
    EXPECT_EQ (inkBounds (*topLeft.cache, 0), juce::Rectangle<int> (2, 2, 23, 46));
}

TEST (SVGComponent, SketchDrawsAFaintFillAndAPencilOutline)
{
    SVGComponent plain;
    plain.init (tallBox, 100, 100, 0.8f, 4, true, false);

    SVGComponent sketch;
    sketch.init (tallBox, 100, 100, 0.8f, 4, true, true);

    // Plain: the texture at the full opacity inside.
    EXPECT_NEAR (alphaAt (*plain.cache, 25, 50), 204, 3);

    // Sketch: 5 % inside, pencil strokes along the outline.
    EXPECT_NEAR (alphaAt (*sketch.cache, 25, 50), 10, 2);
    EXPECT_GT (inkCount (*sketch.cache, { 0, 20, 5, 60 }, 40), 40);
    EXPECT_GT (inkCount (*sketch.cache, { 46, 20, 6, 60 }, 40), 40);
}
