#include "JSBackground.h"
#include "KitTestSupport.h"

using namespace kittest;

namespace
{
    struct Layout
    {
        int w, h;
        juce::Rectangle<int> title, logo, area;
        int icon;
    };
}

TEST (JSBackgroundTest, LaysOutTitleLogoAndControlAreaForWideSquareAndTallPanels)
{
    ScopedFonts fonts;
    JSBackground panel;
    panel.init (juce::ImageCache::getFromMemory (BinaryData::lila_png, BinaryData::lila_pngSize),
                juce::ImageCache::getFromMemory (BinaryData::papper_png, BinaryData::papper_pngSize),
                { 0, 0, 1000, 320 }, nullptr);

    for (const Layout& l : { Layout { 1000, 320, { 10, 10, 64, 112 }, { 926, 297, 64, 12 }, { 134, 49, 864, 240 }, 64 },
                             Layout { 500, 500, { 10, 10, 289, 100 }, { 390, 470, 100, 20 }, { 50, 140, 410, 285 }, 100 },
                             Layout { 320, 1000, { 10, 10, 185, 64 }, { 246, 977, 64, 12 }, { 35, 104, 255, 829 }, 64 } })
    {
        panel.setSize (l.w, l.h);
        SCOPED_TRACE (std::to_string (l.w) + " x " + std::to_string (l.h));
        EXPECT_EQ (panel.title.getBounds(), l.title);
        EXPECT_EQ (panel.title.icon.getBounds(), juce::Rectangle<int> (0, 0, l.icon, l.icon));
        EXPECT_EQ (panel.logo.getBounds(), l.logo);
        EXPECT_EQ (panel.logo.pressedLayer.getBounds(), panel.logo.getLocalBounds());
        EXPECT_EQ (panel.getUIArea(), l.area);

        // A tall panel shows the landscape picture turned a quarter turn.
        const bool tall = l.h > l.w;
        EXPECT_EQ (panel.scaledBackground.getBounds(), juce::Rectangle<int> (tall ? l.h : l.w, tall ? l.w : l.h));
        EXPECT_EQ (panel.scaledBackground.getBounds().toFloat().transformedBy (panel.transform).toNearestInt(),
                   juce::Rectangle<int> (l.w, l.h));
    }
}

TEST (JSBackgroundTest, PaintShowsPaperUnderThePictureAfterEveryLayout)
{
    ScopedFonts fonts;
    const auto paper = juce::ImageCache::getFromMemory (BinaryData::papper_png, BinaryData::papper_pngSize);
    JSBackground panel;
    panel.init (juce::ImageCache::getFromMemory (BinaryData::lila_png, BinaryData::lila_pngSize), paper,
                { 0, 0, 1000, 320 }, nullptr);

    for (const auto size : { juce::Point<int> (1000, 320), juce::Point<int> (320, 1000) })
    {
        panel.setSize (size.x, size.y);

        juce::Image expected (juce::Image::RGB, size.x, size.y, true);
        {
            juce::Graphics g (expected);
            g.setTiledImageFill (paper, 0, 0, 1.0f);
            g.fillAll();
            g.drawImageTransformed (panel.scaledBackground, panel.transform, false);
        }

        juce::Image painted (juce::Image::RGB, size.x, size.y, true);
        {
            juce::Graphics g (painted);
            panel.paint (g);
        }

        int differing = 0;
        for (int y = 0; y < size.y; ++y)
            for (int x = 0; x < size.x; ++x)
                differing += painted.getPixelAt (x, y) != expected.getPixelAt (x, y) ? 1 : 0;

        EXPECT_EQ (differing, 0) << size.x << " x " << size.y;
    }
}
