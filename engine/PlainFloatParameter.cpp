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
    // A value reaches the parameter as start + width * proportion over its
    // 0-to-1 range: every value, even outside the range, is kept bit for bit,
    // except that -0.0 becomes +0.0.
    value.store (0.0f + 1.0f * newValue, std::memory_order_relaxed);
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
