#include "EComponent.h"

void EComponent::setCallback (JSUICallback* newCallback)
{
    callback = newCallback;
}

void EComponent::setValue (float newValue)
{
    setValue (newValue, true);
}

void EComponent::setValue (float newValue, bool shouldRepaint)
{
    value = newValue;

    if (shouldRepaint)
        repaint();
}

float EComponent::getValue()
{
    return value;
}

void EComponent::setParamId (int newParamId)
{
    paramId = newParamId;
}

int EComponent::getParamId()
{
    return paramId;
}

float EComponent::getValueForParamId (int)
{
    return getValue();
}

void EComponent::setValueForParamId (int, float newValue)
{
    setValue (newValue);
}

void EComponent::beginGesture (juce::Point<int>& lastMouse, const juce::MouseEvent& e)
{
    lastMouse = e.getMouseDownPosition();

    if (callback != nullptr)
        callback->ui_beginGesture (this, paramId);
}

void EComponent::dragBy (juce::Point<int>& lastMouse, const juce::MouseEvent& e, float dragScale)
{
    const auto p = e.getPosition();
    float d = (float) (p.y - lastMouse.y) * dragScale;

    if (e.mods.isAltDown())
        d = d * 0.1f;

    // Relative to the previous event, so Alt pressed mid-drag never jumps.
    lastMouse = p;

    // A control without height has no travel to map the drag onto.
    if (getHeight() <= 0)
        return;

    value = value - d / (float) getHeight();

    if (value < 0.0f)
        value = 0.0f;
    else if (value > 1.0f)
        value = 1.0f;

    if (callback != nullptr)
        callback->valueChanged (this, paramId, value);

    repaint();
}

void EComponent::endGesture()
{
    if (callback != nullptr)
        callback->ui_endGesture (this, paramId);
}

void EComponent::resetToDefault()
{
    // Without an owner there is no default to return to.
    if (callback == nullptr)
        return;

    value = callback->defaultValueForParamId (paramId);
    callback->valueChanged (this, paramId, value);
    repaint();
}

void EComponent::stepByWheel (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    const double factor = e.mods.isAltDown() ? 0.02 : 0.2;
    float v = (float) ((double) value + (double) wheel.deltaY * factor);
    v = juce::jmax (0.0f, v);
    v = juce::jmin (1.0f, v);
    value = v;

    if (callback != nullptr)
        callback->valueChanged (this, paramId, value);

    repaint();
}
