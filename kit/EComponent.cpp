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
