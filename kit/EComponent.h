#pragma once

#include "JSUICallback.h"

#include <juce_gui_basics/juce_gui_basics.h>

// Base of the controls that edit parameters: a component with a normalised
// value, the parameter id it stands for and the callback it reports to.
// Nothing here calls the callback: values pushed in by the owner are never
// reported back; only the subclasses' mouse handling reports.
class EComponent : public juce::Component
{
public:
    virtual void setCallback (JSUICallback* newCallback);

    virtual void setValue (float newValue);
    virtual void setValue (float newValue, bool shouldRepaint);
    virtual float getValue();

    virtual void setParamId (int newParamId);
    virtual int getParamId();

    // A plain control ignores the id; a control that serves several ids
    // overrides these.
    virtual float getValueForParamId (int id);
    virtual void setValueForParamId (int id, float newValue);

protected:
    EComponent() = default;

    // Mouse handling shared by the fader and the knob. A drag moves the value
    // by the vertical travel since the previous event, times dragScale, a
    // tenth of that with Alt, over the component's height; the wheel steps
    // it by deltaY x 0.2 (0.02 with Alt). Both clamp to 0..1 and report.
    void beginGesture (juce::Point<int>& lastMouse, const juce::MouseEvent& e);
    void dragBy (juce::Point<int>& lastMouse, const juce::MouseEvent& e, float dragScale);
    void endGesture();
    void resetToDefault();
    void stepByWheel (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel);

    JSUICallback* callback = nullptr;   // not owned; the owner outlives the control
    float value = 0.0f;                 // not clamped here
    int paramId = -1;
};
