#pragma once

class EComponent;

// How a control reports to its owner: new values and the start and end of a
// user's gesture, plus queries for a parameter's default and current value.
// Every operation has a default body, so an owner overrides only what it needs.
class JSUICallback
{
public:
    virtual ~JSUICallback();

    virtual void valueChanged (EComponent* control, int paramId, float value);
    virtual void buttonClicked (EComponent* control);
    virtual float defaultValueForParamId (int paramId);
    virtual float currentValueForParamId (int paramId);
    virtual void ui_beginGesture (EComponent* control, int paramId);
    virtual void ui_endGesture (EComponent* control, int paramId);
};
