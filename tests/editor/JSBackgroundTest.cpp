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
        EXPECT_EQ (panel.logo.normalLayer.getBounds(), panel.logo.getLocalBounds());
        EXPECT_EQ (panel.logo.pressedLayer.getBounds(), panel.logo.getLocalBounds());
        EXPECT_EQ (panel.getUIArea(), l.area);

        // A tall panel shows the landscape picture turned a quarter turn.
        const bool tall = l.h > l.w;
        EXPECT_EQ (panel.scaledBackground.getWidth(), tall ? l.h : l.w);
        EXPECT_EQ (panel.scaledBackground.getHeight(), tall ? l.w : l.h);
        const auto corner = juce::Point<float> ((float) panel.scaledBackground.getWidth(), 0.0f).transformedBy (panel.transform);
        EXPECT_NEAR (corner.x, (float) l.w, 1e-3);
        EXPECT_NEAR (corner.y, tall ? (float) l.h : 0.0f, 1e-3);
    }

    // The title of the wide panel is taller than wide: its name stands under the icon.
    panel.setSize (1000, 320);
    ASSERT_NE (panel.title.nameImage, nullptr);
    const auto shown = render (panel.title, 1.0f);
    EXPECT_GT (inkCount (shown, { 0, 69, 64, 43 }), 50);
}
