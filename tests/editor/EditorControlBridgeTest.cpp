#include "EditorTestSupport.h"

#include "FactoryPresets.h"

using namespace editortest;

namespace
{
    struct EditorControlBridgeTest : public ::testing::Test, public EditorFixture
    {
        std::vector<std::string> sixteen (const char* kind)
        {
            std::vector<std::string> events;
            for (int id = 0; id < 16; ++id)
                events.push_back (std::string (kind) + " " + std::to_string (id));
            return events;
        }
    };
}

TEST_F (EditorControlBridgeTest, PresetStateSetsAllParametersInOrderWithoutGesturesAndControlsFollowAtTheNextTick)
{
    float state[20];
    std::copy (std::begin (FactoryPresetData[4]), std::end (FactoryPresetData[4]), state);
    const float oldMix = editor->mixKnob.getValue();

    editor->setNewState (state);
    ASSERT_EQ (host.events.size(), 20u);

    for (int id = 0; id < 20; ++id)
    {
        EXPECT_EQ (host.events[(size_t) id], "value " + std::to_string (id));
        EXPECT_EQ (param (id).getValue(), state[id]);
    }

    EXPECT_EQ (editor->mixKnob.getValue(), oldMix);
    editor->timerCallback();
    EXPECT_EQ (editor->midFader.getValue(), state[17]);
    EXPECT_EQ (editor->molder.getValueForParamId (3), state[3]);

    int count = 0;
    float* current = editor->getCurrentState (&count);
    EXPECT_EQ (count, 20);
    EXPECT_EQ (current, editor->stateBuffer);
    EXPECT_TRUE (std::equal (state, state + 20, current));
}

TEST_F (EditorControlBridgeTest, IdsOutsideTheParameterListAreIgnored)
{
    for (int id : { -1, 20, 1000 })
    {
        editor->ui_beginGesture (&editor->midFader, id);
        editor->valueChanged (&editor->midFader, id, 0.5f);
        editor->ui_endGesture (&editor->midFader, id);
        EXPECT_EQ (editor->defaultValueForParamId (id), 0.0f);
        EXPECT_EQ (editor->currentValueForParamId (id), 0.0f);
    }

    EXPECT_TRUE (host.events.empty());
}

TEST_F (EditorControlBridgeTest, FaderDragRecordsOneGestureWithItsValuesOnItsParameter)
{
    DesktopWindow window (*editor);
    auto& fader = editor->midFader;

    window.press (fader, { 25, 80 });
    window.dragTo (fader, { 25, 70 });
    window.dragTo (fader, { 25, 55 });
    window.release (fader, { 25, 55 });

    EXPECT_EQ (host.events, (std::vector<std::string> { "begin 17", "value 17", "value 17", "end 17" }));
    EXPECT_GT (host.values.back(), host.values.front());
    EXPECT_EQ (param (17).getValue(), fader.getValue());
}

TEST_F (EditorControlBridgeTest, CurveDragMovesThePressedRowMostAndItsNeighboursByTheBell)
{
    DesktopWindow window (*editor);
    auto& curve = editor->molder;
    float before[20];

    for (int id = 0; id < 20; ++id)
        before[id] = param (id).getValue() + 0.2f;

    editor->setNewState (before);
    editor->timerCallback();
    host.events.clear();

    // Row 7 ("Haas 8") lies at y 20 + 7 x 12; the press is right of centre.
    window.press (curve, { 140, 104 });
    window.dragTo (curve, { 150, 104 });
    window.release (curve, { 150, 104 });

    auto expected = sixteen ("begin");
    for (const auto& v : sixteen ("value"))
        expected.push_back (v);
    for (const auto& v : sixteen ("end"))
        expected.push_back (v);
    EXPECT_EQ (host.events, expected);

    // Rows 7 +- k are ids 8 -+ k; their weights fall from 1 to 0 at 81 pixels.
    const float step = 10.0f / 438.0f;
    const std::pair<int, float> bell[] = { { 8, 1.0f }, { 7, 0.605f }, { 9, 0.605f }, { 6, 0.225f }, { 10, 0.225f },
                                           { 5, 0.062f }, { 11, 0.062f }, { 0, 0.0f }, { 1, 0.0f }, { 15, 0.0f } };

    for (const auto& [id, weight] : bell)
        EXPECT_NEAR (param (id).getValue() - before[id], weight * step, 0.0005f) << "id " << id;

    EXPECT_NEAR (param (8).getValue() - before[8], step, 1e-6f);
}

TEST_F (EditorControlBridgeTest, CurvePressWithoutDragBeginsAndEndsAllSixteenGesturesAndReportsNoValue)
{
    DesktopWindow window (*editor);
    window.click (editor->molder, { 60, 150 });

    auto expected = sixteen ("begin");
    for (const auto& v : sixteen ("end"))
        expected.push_back (v);
    EXPECT_EQ (host.events, expected);
}
