#include "JSGraphics.h"
#include "KitTestSupport.h"

using namespace kittest;

namespace
{
    // Draws `image` with `draw` into a transparent 200 x 100 canvas whose
    // origin is moved by (ox, 0); returns the canvas.
    template <typename Draw>
    juce::Image drawOnCanvas (Draw&& draw, int ox = 0)
    {
        juce::Image canvas (juce::Image::ARGB, 200, 100, true);
        juce::Graphics g (canvas);
        g.setOrigin (ox, 0);
        draw (g);
        return canvas;
    }
}

TEST (JSGraphics, DisplayScaleIsReadAfreshFromTheMainDisplay)
{
    EXPECT_DOUBLE_EQ (JSGraphics::getDisplayScale(), 1.0);

    {
        ScopedDisplayScale scale (2.0f);
        EXPECT_DOUBLE_EQ (mainDisplayScale(), 2.0);
        EXPECT_DOUBLE_EQ (JSGraphics::getDisplayScale(), 2.0);
    }

    EXPECT_DOUBLE_EQ (JSGraphics::getDisplayScale(), 1.0);
}

TEST (JSGraphics, GetImagePicksTheDoubleResolutionVariantAboveScaleOne)
{
    auto atOne = JSGraphics::GetImage ("pencil");
    EXPECT_EQ (atOne.getWidth(), 300);
    EXPECT_EQ (atOne.getHeight(), 22);

    for (float s : { 1.5f, 2.0f })
    {
        ScopedDisplayScale scale (s);
        auto image = JSGraphics::GetImage ("pencil");
        EXPECT_EQ (image.getWidth(), 600) << "scale " << s;
        EXPECT_EQ (image.getHeight(), 36) << "scale " << s;
    }
}

TEST (JSGraphics, GetImageLooksUpExactNamesOnlyAndHasNoFallback)
{
    EXPECT_FALSE (JSGraphics::GetImage ("nothing").isValid());
    EXPECT_EQ (JSGraphics::GetImage ("nothing").getWidth(), 0);
    EXPECT_FALSE (JSGraphics::GetImage ("Pencil").isValid());
    EXPECT_FALSE (JSGraphics::GetImage ("").isValid());
    EXPECT_FALSE (JSGraphics::GetImage (nullptr).isValid());

    // Repeated loads share one decoded image through the image cache.
    EXPECT_TRUE (JSGraphics::GetImage ("pencil") == JSGraphics::GetImage ("pencil"));
}

TEST (JSGraphics, GetImageEmptyIsTransparentAtDisplayResolution)
{
    {
        ScopedDisplayScale scale (2.0f);
        auto image = JSGraphics::GetImageEmpty ({ 5, 7, 100, 30 });
        ASSERT_NE (image, nullptr);
        EXPECT_EQ (image->getWidth(), 200);
        EXPECT_EQ (image->getHeight(), 60);
        EXPECT_EQ (image->getFormat(), juce::Image::ARGB);
        EXPECT_EQ (inkCount (*image, 0), 0);
    }
    {
        ScopedDisplayScale scale (1.5f);
        EXPECT_EQ (JSGraphics::GetImageEmpty ({ 0, 0, 101, 10 })->getWidth(), 151);
    }
    EXPECT_EQ (JSGraphics::GetImageEmpty ({ 3, 3, 40, 20 })->getBounds(), juce::Rectangle<int> (0, 0, 40, 20));
}

TEST (JSGraphics, DrawImageAtShowsADoubleResolutionImageAtHalfItsPixelSize)
{
    auto red = solidImage (101, 51, juce::Colours::red);

    {
        ScopedDisplayScale scale (2.0f);
        auto canvas = drawOnCanvas ([&] (juce::Graphics& g) { JSGraphics::DrawImageAt (g, red, 10, 10, 1.0f); });
        EXPECT_EQ (inkBounds (canvas), juce::Rectangle<int> (10, 10, 50, 25));
    }

    auto canvas = drawOnCanvas ([&] (juce::Graphics& g) { JSGraphics::DrawImageAt (g, red, 10, 10, 1.0f); });
    EXPECT_EQ (inkBounds (canvas), juce::Rectangle<int> (10, 10, 101, 51));
}

TEST (JSGraphics, DrawImageAtAppliesTheOpacity)
{
    auto red = solidImage (10, 10, juce::Colours::red);
    auto canvas = drawOnCanvas ([&] (juce::Graphics& g) { JSGraphics::DrawImageAt (g, red, 0, 0, 0.5f); });
    EXPECT_NEAR (alphaAt (canvas, 5, 5), 128, 2);
}

TEST (JSGraphics, DrawImageCenteredAtTruncatesTheCornerTowardZero)
{
    auto red = solidImage (21, 11, juce::Colours::red);

    // cx = 0: the left edge is (int) -10.5 = -10, not the floor -11.
    auto canvas = drawOnCanvas ([&] (juce::Graphics& g) { JSGraphics::DrawImageCenteredAt (g, red, 0, 50, 1.0f); }, 50);
    EXPECT_EQ (inkBounds (canvas), juce::Rectangle<int> (40, 44, 21, 11));

    canvas = drawOnCanvas ([&] (juce::Graphics& g) { JSGraphics::DrawImageCenteredAt (g, red, 100, 50, 1.0f); });
    EXPECT_EQ (inkBounds (canvas).getX(), 89);

    ScopedDisplayScale scale (2.0f);
    auto big = solidImage (40, 20, juce::Colours::red);
    canvas = drawOnCanvas ([&] (juce::Graphics& g) { JSGraphics::DrawImageCenteredAt (g, big, 100, 50, 1.0f); });
    EXPECT_EQ (inkBounds (canvas), juce::Rectangle<int> (90, 45, 20, 10));
}
