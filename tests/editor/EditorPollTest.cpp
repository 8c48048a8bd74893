#include "EditorTestSupport.h"

#include <cmath>

using namespace editortest;

namespace
{
    struct EditorPollTest : public ::testing::Test, public EditorFixture
    {
        EditorPollTest()
            : curve (RepaintCounter::installOn (editor->molder)),
              low (RepaintCounter::installOn (editor->lowFader)),
              mid (RepaintCounter::installOn (editor->midFader)),
              high (RepaintCounter::installOn (editor->highFader)),
              knob (RepaintCounter::installOn (editor->mixKnob))
        {
            repaintsSinceLastCall();
        }

        // Repaints of curve, faders and knob since the last call.
        std::vector<int> repaintsSinceLastCall()
        {
            std::vector<int> r { curve.count, low.count, mid.count, high.count, knob.count };
            for (auto* c : { &curve, &low, &mid, &high, &knob })
                c->count = 0;
            return r;
        }

        RepaintCounter &curve, &low, &mid, &high, &knob;
    };
}

TEST_F (EditorPollTest, AutomatedBandsRepaintTheCurveOncePerTickAndTouchNoOtherControl)
{
    param (3).setValue (0.7f);
    editor->timerCallback();
    EXPECT_EQ (editor->molder.values[12], 0.7f);
    EXPECT_EQ (repaintsSinceLastCall(), (std::vector<int> { 1, 0, 0, 0, 0 }));

    param (0).setValue (0.25f);
    param (15).setValue (0.5f);
    editor->timerCallback();
    EXPECT_EQ (editor->molder.getValueForParamId (0), 0.25f);
    EXPECT_EQ (editor->molder.getValueForParamId (15), 0.5f);
    EXPECT_EQ (repaintsSinceLastCall(), (std::vector<int> { 1, 0, 0, 0, 0 }));

    // Nothing changed: nothing is written or repainted.
    editor->timerCallback();
    EXPECT_EQ (repaintsSinceLastCall(), (std::vector<int> { 0, 0, 0, 0, 0 }));
    EXPECT_TRUE (host.events.empty());
}

TEST_F (EditorPollTest, AutomatedMixWritesTheKnobAloneAndTheSmallestStepCounts)
{
    param (19).setValue (0.5f);
    editor->timerCallback();
    EXPECT_EQ (editor->mixKnob.getValue(), 0.5f);
    EXPECT_EQ (repaintsSinceLastCall(), (std::vector<int> { 0, 0, 0, 0, 1 }));

    param (19).setValue (0.5f);
    editor->timerCallback();
    EXPECT_EQ (repaintsSinceLastCall(), (std::vector<int> { 0, 0, 0, 0, 0 }));

    const float oneStep = std::nextafter (0.5f, 1.0f);
    param (19).setValue (oneStep);
    editor->timerCallback();
    EXPECT_EQ (editor->mixKnob.getValue(), oneStep);
    EXPECT_EQ (repaintsSinceLastCall(), (std::vector<int> { 0, 0, 0, 0, 1 }));
}
