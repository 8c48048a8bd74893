#include "EComponent.h"
#include "KitTestSupport.h"

using namespace kittest;

namespace
{
    struct PlainControl : public EComponent
    {
        JSUICallback* getCallback() const { return callback; }
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
