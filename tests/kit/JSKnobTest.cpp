#include "JSGraphics.h"
#include "JSKnob.h"
#include "KitTestSupport.h"

#include <cmath>

using namespace kittest;

namespace
{
    constexpr double pi = juce::MathConstants<double>::pi;

    class JSKnobTest : public ::testing::Test
    {
    protected:
        JSKnobTest()
        {
            knob.setCallback (&recorder);
            knob.setParamId (19);
            knob.label = "MIX";
        }

        // Ink at radius r and angle a (0 down, pi/2 right) about (cx, cy),
        // in logical units of an image rendered at `scale`.
        static int inkAtPolar (const juce::Image& image, float scale, double cx, double cy, double r, double a)
        {
            const int x = (int) std::floor ((cx + std::sin (a) * r) * (double) scale);
            const int y = (int) std::floor ((cy + std::cos (a) * r) * (double) scale);
            return inkCount (image, juce::Rectangle<int> (x - 1, y - 1, 3, 3), 24);
        }

        // Alpha of the one pixel under that point.
        static int alphaAtPolar (const juce::Image& image, float scale, double cx, double cy, double r, double a)
        {
            return alphaAt (image, (int) std::floor ((cx + std::sin (a) * r) * (double) scale),
                            (int) std::floor ((cy + std::cos (a) * r) * (double) scale));
        }

        ScopedFonts fonts;
        RecordingCallback recorder;
        JSKnob knob;
    };
}

TEST_F (JSKnobTest, CachesArcAndCaptionPerSizeAtDisplayResolution)
{
    knob.setSize (60, 60);
    ASSERT_NE (knob.background, nullptr);
    ASSERT_NE (knob.labelImage, nullptr);
    EXPECT_EQ (knob.background->getBounds(), juce::Rectangle<int> (0, 0, 60, 60));
    const int captionHeight = knob.labelImage->getHeight();

    ScopedDisplayScale scale (2.0f);
    knob.setSize (61, 61);
    knob.setSize (60, 60);
    EXPECT_EQ (knob.background->getBounds(), juce::Rectangle<int> (0, 0, 120, 120));
    EXPECT_NEAR (knob.labelImage->getHeight(), 2 * captionHeight, 4);

    // The pointer is drawn with the fader's stroke afterwards.
    EXPECT_FLOAT_EQ (knob.pencil->strokeWidth, 4.5f);
    EXPECT_FLOAT_EQ (knob.pencil->opacity, 0.7f);
}

TEST_F (JSKnobTest, ArcSweepsOverTheTopAndLeavesTheBottomOpen)
{
    for (float s : { 1.0f, 2.0f })
    {
        ScopedDisplayScale scale (s);
        knob.setSize (61, 61);
        knob.setSize (60, 60);
        const auto& arc = *knob.background;

        // Radius 25 about (30, 30) in the cache's logical units.
        for (double a : { pi / 2, 3 * pi / 4, pi, 5 * pi / 4, 3 * pi / 2 })
            EXPECT_GT (inkAtPolar (arc, s, 30, 30, 25, a), 0) << "angle " << a << " scale " << s;

        EXPECT_EQ (inkAtPolar (arc, s, 30, 30, 25, 0.0), 0) << "scale " << s;
        EXPECT_EQ (inkAtPolar (arc, s, 30, 30, 12, pi), 0) << "scale " << s;
    }
}

TEST_F (JSKnobTest, ArcFadesInOverOneSegmentAndOutOverThree)
{
    knob.pencil->texture = solidImage (300, 22, juce::Colours::white);
    knob.setSize (120, 120);
    const auto& arc = *knob.background;

    // Alpha in the middle of segment k (1 to 50), on the arc of radius 55.
    const auto alphaOfSegment = [&arc] (int k) {
        const double a = (k - 0.5) * 0.096761055 + 0.7225663;
        return alphaAt (arc, (int) (60 + std::sin (a) * 55), (int) (60 + std::cos (a) * 55));
    };

    EXPECT_NEAR (alphaOfSegment (1), 255 * 0.9 / 3, 6);
    EXPECT_NEAR (alphaOfSegment (2), 255 * 0.9 * 2 / 3, 6);
    EXPECT_NEAR (alphaOfSegment (25), 255 * 0.9 * 2 / 3, 6);
    EXPECT_NEAR (alphaOfSegment (47), 255 * 0.9 * 2 / 3, 6);
    EXPECT_NEAR (alphaOfSegment (48), 255 * 0.9 / 3, 6);
    EXPECT_NEAR (alphaOfSegment (50), 255 * 0.9 / 3, 6);
}

TEST_F (JSKnobTest, PointerShowsTheValueFromLowerLeftOverTheTopToLowerRight)
{
    const std::pair<float, double> cases[] = { { 0.0f, 7 * pi / 4 }, { 0.5f, pi }, { 1.0f, pi / 4 }, { 0.25f, 11 * pi / 8 } };

    for (float s : { 1.0f, 2.0f })
    {
        ScopedDisplayScale scale (s);
        knob.setSize (61, 61);
        knob.setSize (60, 60);

        for (auto [value, angle] : cases)
        {
            knob.setValue (value);
            auto image = render (knob, s);

            // Inside the arc the pointer alone is drawn, about (30, 30.5).
            EXPECT_GT (alphaAtPolar (image, s, 30, 30.5, 20.75, angle), 24) << "value " << value << " scale " << s;

            for (auto [other, otherAngle] : cases)
            {
                if (other == value)
                    continue;

                EXPECT_LT (alphaAtPolar (image, s, 30, 30.5, 20.75, otherAngle), 24)
                    << "value " << value << " shows at " << other << ", scale " << s;
            }

            // The caption sits in the middle.
            EXPECT_GT (inkCount (image, juce::Rectangle<int> (20, 25, 20, 10) * s), 5) << "scale " << s;
        }
    }
}

TEST_F (JSKnobTest, DragSweepsThreeTenthsOfTheRangeOverItsHeight)
{
    knob.setSize (60, 60);
    knob.setValue (0.5f);

    const juce::Point<int> down (30, 40);
    knob.mouseDown (mouseEvent (knob, down, down));
    knob.mouseDrag (mouseEvent (knob, { 30, 30 }, down));
    knob.mouseUp (mouseEvent (knob, { 30, 30 }, down));
    EXPECT_NEAR (knob.getValue(), 0.55f, 1e-6);

    knob.mouseDown (mouseEvent (knob, down, down, withAlt()));
    knob.mouseDrag (mouseEvent (knob, { 30, 30 }, down, withAlt()));
    knob.mouseUp (mouseEvent (knob, { 30, 30 }, down, withAlt()));
    EXPECT_NEAR (knob.getValue(), 0.555f, 1e-6);

    knob.mouseDown (mouseEvent (knob, down, down));
    knob.mouseDrag (mouseEvent (knob, { 30, 1000 }, down));
    knob.mouseUp (mouseEvent (knob, { 30, 1000 }, down));
    EXPECT_EQ (knob.getValue(), 0.0f);

    EXPECT_EQ (recorder.events, (std::vector<std::string> { "begin 19", "value 19", "end 19",
                                                            "begin 19", "value 19", "end 19",
                                                            "begin 19", "value 19", "end 19" }));
}

TEST_F (JSKnobTest, WheelAndDoubleClickReportValuesWithoutGestures)
{
    knob.setSize (60, 60);
    knob.setValue (0.5f);
    const auto e = mouseEvent (knob, { 30, 30 }, { 30, 30 }, juce::ModifierKeys());

    knob.mouseWheelMove (e, wheelDelta (0.5f));
    EXPECT_NEAR (knob.getValue(), 0.6f, 1e-6);
    knob.mouseWheelMove (mouseEvent (knob, { 30, 30 }, { 30, 30 }, juce::ModifierKeys (juce::ModifierKeys::altModifier)),
                         wheelDelta (-0.5f));
    EXPECT_NEAR (knob.getValue(), 0.59f, 1e-6);
    knob.mouseWheelMove (e, wheelDelta (-5.0f));
    EXPECT_EQ (knob.getValue(), 0.0f);

    recorder.defaultValue = 1.0f;
    knob.mouseDoubleClick (mouseEvent (knob, { 30, 30 }, { 30, 30 }, juce::ModifierKeys::leftButtonModifier, 2));
    EXPECT_EQ (knob.getValue(), 1.0f);

    EXPECT_EQ (recorder.events, (std::vector<std::string> (4, "value 19")));
    EXPECT_EQ (recorder.values.back(), 1.0f);

    // Values pushed by the owner are not reported.
    knob.setValueForParamId (19, 0.3f);
    EXPECT_EQ (recorder.events.size(), 4u);
}

TEST_F (JSKnobTest, ACaptionSetAfterLayoutShowsFromTheNextResize)
{
    knob.label = "MIX";
    knob.setSize (60, 60);
    const int mixWidth = knob.labelImage->getWidth();

    knob.label = "A MUCH LONGER CAPTION";
    knob.repaint();
    EXPECT_EQ (knob.labelImage->getWidth(), mixWidth);

    knob.setSize (70, 70);
    EXPECT_GT (knob.labelImage->getWidth(), 2 * mixWidth);
}

TEST_F (JSKnobTest, TinySizesRenderWithoutFaulting)
{
    for (int side : { 0, 1, 4, 9 })
    {
        knob.setSize (side, side);
        render (knob, 1.0f);
    }

    SUCCEED();
}

TEST_F (JSKnobTest, RenderingTheCacheBeforeTheFirstLayoutDoesNothing)
{
    knob.paintBackground();
    EXPECT_EQ (knob.background, nullptr);
    EXPECT_EQ (knob.labelImage, nullptr);
}
