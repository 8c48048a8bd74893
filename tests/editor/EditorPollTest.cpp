#include "EditorTestSupport.h"

#include <cmath>

using namespace editortest;

namespace
{
    struct EditorPollTest : public ::testing::Test, public EditorFixture
    {
        EditorPollTest()
        {
            int i = 0;
            for (juce::Component* c : { (juce::Component*) &editor->molder, (juce::Component*) &editor->lowFader,
                                        (juce::Component*) &editor->midFader, (juce::Component*) &editor->highFader,
                                        (juce::Component*) &editor->mixKnob })
                c->setCachedComponentImage (counters[i++] = new RepaintCounter());
        }

        // Repaints of curve, the three faders and knob in one poll tick.
        std::vector<int> tick()
        {
            for (auto* c : counters)
                c->count = 0;
            editor->timerCallback();
            return { counters[0]->count, counters[1]->count, counters[2]->count, counters[3]->count, counters[4]->count };
        }

        RepaintCounter* counters[5];
    };
}

TEST_F (EditorPollTest, WritesOnlyChangedControlsAndRepaintsTheCurveAtMostOncePerTick)
{
    param (3).setValue (0.7f);
    EXPECT_EQ (tick(), (std::vector<int> { 1, 0, 0, 0, 0 }));
    EXPECT_EQ (editor->molder.values[12], 0.7f);

    param (0).setValue (0.25f);
    param (15).setValue (0.5f);
    EXPECT_EQ (tick(), (std::vector<int> { 1, 0, 0, 0, 0 }));
    EXPECT_EQ (editor->molder.getValueForParamId (0), 0.25f);
    EXPECT_EQ (editor->molder.getValueForParamId (15), 0.5f);

    EXPECT_EQ (tick(), (std::vector<int> { 0, 0, 0, 0, 0 }));

    param (19).setValue (0.5f);
    EXPECT_EQ (tick(), (std::vector<int> { 0, 0, 0, 0, 1 }));
    EXPECT_EQ (editor->mixKnob.getValue(), 0.5f);

    param (19).setValue (0.5f);
    EXPECT_EQ (tick(), (std::vector<int> { 0, 0, 0, 0, 0 }));

    param (19).setValue (std::nextafter (0.5f, 1.0f));
    EXPECT_EQ (tick(), (std::vector<int> { 0, 0, 0, 0, 1 }));
    EXPECT_EQ (editor->mixKnob.getValue(), std::nextafter (0.5f, 1.0f));
    EXPECT_TRUE (host.events.empty());
}
