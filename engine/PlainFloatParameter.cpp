#include "PlainFloatParameter.h"

PlainFloatParameter::PlainFloatParameter (const juce::String& idAndName, float defaultValueIn)
    : juce::RangedAudioParameter (juce::ParameterID { idAndName, 1 }, idAndName),
      defaultValue (defaultValueIn),
      value (defaultValueIn)
{
}

float PlainFloatParameter::getValue() const
{
    return get();
}

void PlainFloatParameter::setValue (float newValue)
{
    value.store (newValue, std::memory_order_relaxed);
}

float PlainFloatParameter::getDefaultValue() const
{
    return defaultValue;
}

juce::String PlainFloatParameter::getText (float normalisedValue, int maximumLength) const
{
    auto text = juce::String (normalisedValue, 2);
    return maximumLength > 0 ? text.substring (0, maximumLength) : text;
}

float PlainFloatParameter::getValueForText (const juce::String& text) const
{
    return text.getFloatValue();
}

const juce::NormalisableRange<float>& PlainFloatParameter::getNormalisableRange() const
{
    return range;
}
