#include "EditorTestSupport.h"

#include "FactoryPresets.h"

using namespace editortest;

namespace
{
    struct EditorControlBridgeTest : public ::testing::Test, public EditorFixture {};

    // Each kind of event for the 16 band ids in turn.
    std::vector<std::string> bandEvents (std::initializer_list<const char*> kinds)
    {
        HostRecorder r;
        for (auto* kind : kinds)
            for (int id = 0; id < 16; ++id)
                r.add (kind, id);
        return r.events;
    }
}

TEST_F (EditorControlBridgeTest, PresetStateSetsAllParametersInOrderWithoutGesturesAndControlsFollowAtTheNextTick)
{
    float state[20];
    std::copy (std::begin (FactoryPresetData[4]), std::end (FactoryPresetData[4]), state);
    const float oldMid = editor->midFader.getValue();

    editor->setNewState (state);
    ASSERT_EQ (host.events.size(), 20u);

    for (int id = 0; id < 20; ++id)
    {
        EXPECT_EQ (host.events[(size_t) id], "value " + std::to_string (id));
        EXPECT_EQ (param (id).getValue(), state[id]);
    }

    EXPECT_EQ (editor->midFader.getValue(), oldMid);
    editor->timerCallback();
    EXPECT_EQ (editor->midFader.getValue(), state[17]);

    int count = 0;
    EXPECT_EQ (editor->getCurrentState (&count), editor->stateBuffer);
    EXPECT_EQ (count, 20);
    EXPECT_TRUE (std::equal (state, state + 20, editor->stateBuffer));
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
    window.press (editor->midFader, { 25, 80 });
    window.dragTo (editor->midFader, { 25, 70 });
    window.dragTo (editor->midFader, { 25, 55 });
    window.move (editor->midFader, { 25, 55 });

    EXPECT_EQ (host.events, (std::vector<std::string> { "begin 17", "value 17", "value 17", "end 17" }));
    EXPECT_NEAR (param (17).getValue(), 25.0f / 150.0f, 1e-6f);
}

TEST_F (EditorControlBridgeTest, CurvePressGivesSixteenGesturesAndADragMovesThePressedRowMostAndItsNeighboursByTheBell)
{
    DesktopWindow window (*editor);
    window.press (editor->molder, { 60, 150 });
    window.move (editor->molder, { 60, 150 });
    EXPECT_EQ (host.events, bandEvents ({ "begin", "end" }));

    float before[20];
    for (int id = 0; id < 20; ++id)
        before[id] = param (id).getValue() + 0.2f;
    editor->setNewState (before);
    editor->timerCallback();
    host.events.clear();

    // Row 7 ("Haas 8") lies at y 20 + 7 x 12, the centre at x 129.
    window.press (editor->molder, { 140, 104 });
    window.dragTo (editor->molder, { 150, 104 });
    window.move (editor->molder, { 150, 104 });
    EXPECT_EQ (host.events, bandEvents ({ "begin", "value", "end" }));

    // Rows 7 +- k are ids 8 -+ k; the weights fall to 0 at 81 pixels.
    const float step = 10.0f / 438.0f;
    const std::pair<int, float> bell[] = { { 7, 0.605f }, { 9, 0.605f }, { 6, 0.225f }, { 10, 0.225f },
                                           { 5, 0.062f }, { 11, 0.062f }, { 0, 0.0f }, { 1, 0.0f }, { 15, 0.0f } };
    EXPECT_NEAR (param (8).getValue() - before[8], step, 1e-6f);

    for (const auto& [id, weight] : bell)
        EXPECT_NEAR (param (id).getValue() - before[id], weight * step, 0.0005f) << "id " << id;
}
