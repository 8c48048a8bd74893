#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>

// A host parameter over 0 to 1 that stores every value exactly as written:
// no clamping to the range and no snapping to steps, so that a host value of
// 0.720324516 reaches the engine unchanged and a restored 1.5 reads back as
// 1.5. The host still sees the range 0 to 1, the default and a two-decimal
// value text.
class PlainFloatParameter : public juce::RangedAudioParameter
{
public:
    PlainFloatParameter (const juce::String& idAndName, float defaultValue);

    float get() const noexcept { return value.load (std::memory_order_relaxed); }

    float getValue() const override;
    void setValue (float newValue) override;
    float getDefaultValue() const override;
    juce::String getText (float normalisedValue, int maximumLength) const override;
    float getValueForText (const juce::String& text) const override;
    const juce::NormalisableRange<float>& getNormalisableRange() const override;

private:
    const juce::NormalisableRange<float> range { 0.0f, 1.0f };
    const float defaultValue;
    std::atomic<float> value;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PlainFloatParameter)
};
