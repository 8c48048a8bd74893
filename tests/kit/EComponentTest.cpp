#include "EComponent.h"
#include "KitTestSupport.h"

using namespace kittest;

namespace
{
    struct PlainControl : public EComponent
    {
        JSUICallback* getCallback() const { return callback; }
    };

    // A control that serves several ids, as the curve editor does.
    struct TwoValueControl : public EComponent
    {
        float getValueForParamId (int id) override { return id == 1 ? second : getValue(); }
        void setValueForParamId (int id, float v) override { if (id == 1) second = v; else setValue (v); }
        float second = 0.0f;
    };
}

TEST (EComponent, StartsUnassignedAndStoresWhatItIsGiven)
{
    PlainControl control;
    EXPECT_EQ (control.getValue(), 0.0f);
    EXPECT_EQ (control.getParamId(), -1);
    EXPECT_EQ (control.getCallback(), nullptr);

    RecordingCallback recorder;
    control.setCallback (&recorder);
    control.setParamId (17);
    EXPECT_EQ (control.getCallback(), &recorder);
    EXPECT_EQ (control.getParamId(), 17);

    // The base never clamps; only the controls' own mouse handling does.
    control.setValue (1.5f);
    EXPECT_EQ (control.getValue(), 1.5f);
    control.setValue (0.3f, false);
    EXPECT_EQ (control.getValue(), 0.3f);
}

TEST (EComponent, PushedValuesAreNeverReportedBack)
{
    PlainControl control;
    RecordingCallback recorder;
    control.setCallback (&recorder);
    control.setParamId (19);

    control.setValue (0.2f);
    control.setValue (0.4f, true);
    control.setValueForParamId (3, 0.4f);
    EXPECT_TRUE (recorder.events.empty());

    // A plain control ignores the id it is asked about.
    EXPECT_EQ (control.getValue(), 0.4f);
    EXPECT_EQ (control.getValueForParamId (7), 0.4f);
    EXPECT_EQ (control.getValueForParamId (19), 0.4f);
}

TEST (EComponent, ControlsServingSeveralIdsAreReachedThroughTheBase)
{
    TwoValueControl control;
    EComponent& base = control;
    base.setValueForParamId (1, 0.7f);
    base.setValueForParamId (0, 0.2f);
    EXPECT_EQ (base.getValueForParamId (1), 0.7f);
    EXPECT_EQ (base.getValueForParamId (0), 0.2f);
}

TEST (JSUICallback, DefaultBodiesIgnoreReportsAndAnswerZero)
{
    JSUICallback callback;
    PlainControl control;
    callback.valueChanged (&control, 3, 0.5f);
    callback.buttonClicked (&control);
    callback.ui_beginGesture (&control, 3);
    callback.ui_endGesture (&control, 3);
    EXPECT_EQ (callback.defaultValueForParamId (3), 0.0f);
    EXPECT_EQ (callback.currentValueForParamId (3), 0.0f);
}
