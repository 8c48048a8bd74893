#include "JSGraphics.h"
#include "JSSlider.h"
#include "KitTestSupport.h"

using namespace kittest;

namespace
{
    class JSSliderTest : public ::testing::Test
    {
    protected:
        JSSliderTest()
        {
            fader.setCallback (&recorder);
            fader.setParamId (17);
            fader.label = "MID";
        }

        // Presses at y0, drags through the given rows, releases.
        void drag (int y0, std::initializer_list<int> rows, juce::ModifierKeys mods = juce::ModifierKeys::leftButtonModifier)
        {
            const juce::Point<int> down (20, y0);
            fader.mouseDown (mouseEvent (fader, down, down, mods));
            juce::Point<int> last = down;

            for (int y : rows)
            {
                last = { 20, y };
                fader.mouseDrag (mouseEvent (fader, last, down, mods));
            }

            fader.mouseUp (mouseEvent (fader, last, down, mods));
        }

        // Centre row of the handle, found beside the track and above the caption.
        double handleRow (const juce::Image& image, float scale) const
        {
            const int cx = image.getWidth() / 2;
            return inkCentreRow (image, cx - juce::roundToInt (7 * scale), cx - juce::roundToInt (4 * scale),
                                 juce::roundToInt ((fader.travel + 6.0f) * scale)) / (double) scale;
        }

        ScopedFonts fonts;
        RecordingCallback recorder;
        JSSlider fader;
    };
}

TEST_F (JSSliderTest, CachesTrackAndCaptionAtDisplayResolution)
{
    fader.setSize (40, 200);
    ASSERT_NE (fader.background, nullptr);
    EXPECT_EQ (fader.background->getBounds(), juce::Rectangle<int> (0, 0, 40, 200));
    EXPECT_FLOAT_EQ (fader.travel, 184.5f);

    // The caption is drawn into its area at the bottom.
    EXPECT_GT (inkCount (*fader.background, { 0, 191, 40, 9 }), 10);

    ScopedDisplayScale scale (2.0f);
    fader.setSize (40, 201);
    fader.setSize (40, 200);
    EXPECT_EQ (fader.background->getBounds(), juce::Rectangle<int> (0, 0, 80, 400));
    EXPECT_FLOAT_EQ (fader.travel, 184.0f);
    EXPECT_GT (inkCount (*fader.background, { 0, 382, 80, 17 }), 20);
    EXPECT_FLOAT_EQ (fader.pencil->strokeWidth, 4.5f);
    EXPECT_FLOAT_EQ (fader.pencil->opacity, 0.7f);
}

TEST_F (JSSliderTest, ShowsAPencilTrackWithTheHandleWhereTheValuePutsIt)
{
    for (float s : { 1.0f, 2.0f })
    {
        ScopedDisplayScale scale (s);
        fader.setSize (51, 151);
        fader.setSize (50, 150);
        const float travel = fader.travel;

        for (float v : { 1.0f, 0.5f, 0.0f })
        {
            fader.setValue (v);
            auto image = render (fader, s);
            const double expected = (double) (travel - v * travel) + 2.5;
            EXPECT_NEAR (handleRow (image, s), expected, 1.0) << "value " << v << " scale " << s;
        }

        fader.setValue (0.5f);
        auto image = render (fader, s);
        const int cx = image.getWidth() / 2;
        const auto px = [s] (float v) { return juce::roundToInt (v * s); };

        // The track runs down the middle; nothing beside it above the caption.
        EXPECT_GT (inkCount (image, { cx - px (3), px (20), px (6), px (40) }), px (20)) << "scale " << s;
        EXPECT_EQ (inkCount (image, { 0, px (20), cx - px (10), px (100) }, 0), 0) << "scale " << s;
        EXPECT_EQ (inkCount (image, { cx + px (10), px (20), image.getWidth() - cx - px (10), px (100) }, 0), 0);
        // Caption below the track.
        EXPECT_GT (inkCount (image, { 0, px (140), image.getWidth(), px (10) }), px (10)) << "scale " << s;
    }
}

TEST_F (JSSliderTest, DragReportsOneGestureWithAValueAtEveryStep)
{
    fader.setSize (40, 200);
    fader.setValue (0.5f);

    drag (100, { 95, 90 });
    EXPECT_NEAR (fader.getValue(), 0.55f, 1e-6);
    EXPECT_EQ (recorder.events, (std::vector<std::string> { "begin 17", "value 17", "value 17", "end 17" }));
    EXPECT_NEAR (recorder.values.back(), 0.55f, 1e-6);

    // Horizontal movement is ignored; moving down lowers the value.
    fader.mouseDown (mouseEvent (fader, { 5, 90 }, { 5, 90 }));
    fader.mouseDrag (mouseEvent (fader, { 35, 110 }, { 5, 90 }));
    fader.mouseUp (mouseEvent (fader, { 35, 110 }, { 5, 90 }));
    EXPECT_NEAR (fader.getValue(), 0.45f, 1e-6);
}

TEST_F (JSSliderTest, AltMakesTheDragTenTimesFinerWithoutAJump)
{
    fader.setSize (40, 200);
    fader.setValue (0.5f);

    drag (100, { 90 }, withAlt());
    EXPECT_NEAR (fader.getValue(), 0.505f, 1e-6);

    // Alt pressed mid-drag: only the steps after it are finer.
    const juce::Point<int> down (20, 100);
    fader.mouseDown (mouseEvent (fader, down, down));
    fader.mouseDrag (mouseEvent (fader, { 20, 90 }, down));
    fader.mouseDrag (mouseEvent (fader, { 20, 80 }, down, withAlt()));
    fader.mouseUp (mouseEvent (fader, { 20, 80 }, down, withAlt()));
    EXPECT_NEAR (fader.getValue(), 0.56f, 1e-5);
}

TEST_F (JSSliderTest, DragPastEitherEndPinsTheValueAndStillReports)
{
    fader.setSize (40, 200);
    fader.setValue (0.9f);

    drag (100, { 60, 20, 0 });
    EXPECT_EQ (fader.getValue(), 1.0f);
    EXPECT_EQ (recorder.values, (std::vector<float> { 1.0f, 1.0f, 1.0f }));

    recorder.values.clear();
    drag (0, { 300, 400 });
    EXPECT_EQ (fader.getValue(), 0.0f);
    EXPECT_EQ (recorder.values, (std::vector<float> { 0.0f, 0.0f }));
}

TEST_F (JSSliderTest, WheelStepsTheValueWithoutAGesture)
{
    fader.setSize (40, 200);
    fader.setValue (0.5f);
    const auto e = mouseEvent (fader, { 20, 100 }, { 20, 100 }, juce::ModifierKeys());

    fader.mouseWheelMove (e, wheelDelta (0.5f));
    EXPECT_NEAR (fader.getValue(), 0.6f, 1e-6);

    fader.mouseWheelMove (mouseEvent (fader, { 20, 100 }, { 20, 100 }, juce::ModifierKeys (juce::ModifierKeys::altModifier)),
                          wheelDelta (0.5f));
    EXPECT_NEAR (fader.getValue(), 0.61f, 1e-6);

    fader.setValue (0.95f);
    fader.mouseWheelMove (e, wheelDelta (0.5f));
    EXPECT_EQ (fader.getValue(), 1.0f);

    fader.setValue (0.05f);
    fader.mouseWheelMove (e, wheelDelta (-0.5f));
    EXPECT_EQ (fader.getValue(), 0.0f);

    EXPECT_EQ (recorder.events, (std::vector<std::string> (4, "value 17")));
}

TEST_F (JSSliderTest, DoubleClickResetsToTheDefaultWithoutAGestureOfItsOwn)
{
    fader.setSize (40, 200);
    fader.setValue (0.9f);
    recorder.defaultValue = 0.25f;

    fader.mouseDoubleClick (mouseEvent (fader, { 20, 100 }, { 20, 100 }, juce::ModifierKeys::leftButtonModifier, 2));
    EXPECT_EQ (fader.getValue(), 0.25f);
    EXPECT_EQ (recorder.events, (std::vector<std::string> { "value 17" }));
    EXPECT_EQ (recorder.values, (std::vector<float> { 0.25f }));

    // Without a callback there is no default to go to.
    JSSlider lone;
    lone.setValue (0.9f);
    lone.mouseDoubleClick (mouseEvent (lone, { 1, 1 }, { 1, 1 }, juce::ModifierKeys::leftButtonModifier, 2));
    EXPECT_EQ (lone.getValue(), 0.9f);
}

TEST_F (JSSliderTest, ACaptionSetAfterLayoutShowsFromTheNextResize)
{
    fader.label = "LOW";
    fader.setSize (50, 150);
    const auto low = fader.background->createCopy();

    fader.label = "HIGH";
    fader.repaint();
    auto image = *fader.background;
    EXPECT_EQ (inkBounds (image), inkBounds (low));

    fader.setSize (50, 151);
    fader.setSize (50, 150);
    EXPECT_NE (inkBounds (*fader.background).getWidth(), 0);
    EXPECT_NE (inkCount (*fader.background, { 0, 135, 50, 15 }), inkCount (low, { 0, 135, 50, 15 }));
}

TEST_F (JSSliderTest, TinySizesRenderWithoutFaultingAndDragsStayFinite)
{
    for (auto size : { juce::Point<int> (0, 0), juce::Point<int> (1, 1), juce::Point<int> (3, 300), juce::Point<int> (300, 2) })
    {
        fader.setSize (size.x, size.y);
        render (fader, 1.0f);
    }

    fader.setSize (0, 0);
    fader.setValue (0.5f);
    fader.mouseDrag (mouseEvent (fader, { 0, -10 }, { 0, 0 }));
    EXPECT_EQ (fader.getValue(), 0.5f);
}

TEST_F (JSSliderTest, RenderingTheCacheBeforeTheFirstLayoutDoesNothing)
{
    fader.paintBackground();
    EXPECT_EQ (fader.background, nullptr);
}
