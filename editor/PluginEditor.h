#pragma once

#include "HaasMolder.h"
#include "JSBackground.h"
#include "JSKnob.h"
#include "JSSlider.h"
#include "JSUICallback.h"
#include "Logo.h"
#include "ParameterTable.h"
#include "PluginProcessor.h"
#include "PresetManager.h"
#include "PresetManagerDelegate.h"
#include "SplitEQLabel.h"
#include "StandalonePlayerInfo.h"

#include <juce_opengl/juce_opengl.h>

// The plug-in's window, fixed at 1000 x 320. Controls report to it and it
// turns their reports into host parameter changes and gestures; a 60 Hz
// poll brings the controls in step with whatever else changed the
// parameters (automation, presets, state restores). It reaches the
// processor only through the parameters.
class VeltoAudioProcessorEditor : public juce::AudioProcessorEditor,
                                  public JSUICallback,
                                  public juce::Timer,
                                  public Logo::LogoCallback,
                                  public PresetManagerDelegate
{
public:
    // The maker's web host; the logo opens the product's page there.
    static constexpr const char* productHost = "velto.sorvan.audio";

    explicit VeltoAudioProcessorEditor (VeltoAudioProcessor& owner);
    ~VeltoAudioProcessorEditor() override;

    void resized() override;

    void timerCallback() override;
    void logoClick() override;

    void valueChanged (EComponent* control, int paramId, float value) override;
    float defaultValueForParamId (int paramId) override;
    void ui_beginGesture (EComponent* control, int paramId) override;
    void ui_endGesture (EComponent* control, int paramId) override;
    float currentValueForParamId (int paramId) override;

    void closePresetlist() override;
    void openPresetlist() override;
    void setNewState (float* values) override;
    float* getCurrentState (int* count) override;

    // "https://<productHost>/products/velto"
    static juce::String productPageAddress();

    StandalonePlayerInfo warning;
    JSBackground background;
    juce::OpenGLContext glContext;
    SplitEQLabel splitLabel;
    HaasMolder molder;
    JSSlider lowFader;
    JSSlider midFader;
    JSSlider highFader;
    JSKnob mixKnob;
    VeltoAudioProcessor& processor;
    PresetManager presetManager;
    PresetButton* presetButton = nullptr;   // owned by presetManager
    float stateBuffer[NumParams] {};
    EComponent* controls[NumParams] {};     // not owned

private:
    void initCommon();

    // The parameter at `id`, or null for an id the processor does not have.
    juce::AudioProcessorParameter* parameter (int id);
};
