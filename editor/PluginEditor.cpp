#include "PluginEditor.h"

#include "BinaryData.h"
#include "FactoryPresets.h"
#include "FontManager.h"
#include "JSGraphics.h"

#include <algorithm>

namespace
{
juce::Font embeddedFont (const char* data, int size)
{
    return juce::Font (juce::Typeface::createSystemTypefaceFor (data, (size_t) size));
}

juce::Image embeddedImage (const char* data, int size)
{
    return juce::ImageCache::getFromMemory (data, size);
}
} // namespace

// The processor's window is the editor in every format and the Standalone.
// Defined here so that the engine library needs no GUI module.
juce::AudioProcessorEditor* VeltoAudioProcessor::createEditor()
{
    return new VeltoAudioProcessorEditor (*this);
}

VeltoAudioProcessorEditor::VeltoAudioProcessorEditor (VeltoAudioProcessor& owner)
    : juce::AudioProcessorEditor (owner),
      processor (owner),
      presetManager (this)
{
    // On Linux the window is drawn by the ordinary renderer. There, JUCE's
    // single OpenGL render thread, shared by every open window of the
    // process, can crash inside Mesa's GL driver (in glXMakeCurrent)
    // while two windows are open, and it takes the message-manager lock
    // from a thread that JUCE's LV2 wrapper does not expect.
   #if ! JUCE_LINUX
    if (! juce::SystemStats::isRunningInAppExtensionSandbox())
    {
        glContext.setPixelFormat (juce::OpenGLPixelFormat (8, 8, 8, 8));
        glContext.setMultisamplingEnabled (false);
        glContext.attachTo (*getTopLevelComponent());
    }
   #endif

    initCommon();
    startTimerHz (60);

    presetManager.finishInit();
    presetButton = presetManager.CreateOpenButton();
    addAndMakeVisible (presetButton);

    setSize (1000, 320);
}

VeltoAudioProcessorEditor::~VeltoAudioProcessorEditor()
{
    FontManager::destroy();

    // The render thread must stop before the components it paints go
    // (nothing to do where the context was never attached).
    glContext.detach();
}

juce::String VeltoAudioProcessorEditor::productPageAddress()
{
    return juce::String ("https://") + productHost + "/products/velto";
}

void VeltoAudioProcessorEditor::initCommon()
{
    std::fill (std::begin (controls), std::end (controls), nullptr);

    // The shared text renderer comes first: the curve's labels, the band
    // label and the captions of the faders and the knob are drawn with it.
    FontManager::create (embeddedFont (BinaryData::Enyo_otf, BinaryData::Enyo_otfSize),
                         embeddedFont (BinaryData::Pistara_otf, BinaryData::Pistara_otfSize),
                         16, embeddedImage (BinaryData::filltexture_png, BinaryData::filltexture_pngSize));

    background.init (embeddedImage (BinaryData::lila_png, BinaryData::lila_pngSize),
                     embeddedImage (BinaryData::papper_png, BinaryData::papper_pngSize),
                     { 0, 0, 1000, 320 }, this);
    addAndMakeVisible (background);

    molder.init (this);
    molder.setBounds (100, 50, 250, 250);

    for (int id = 0; id < HaasMolder::numRows; ++id)
    {
        controls[id] = &molder;
        molder.setValueForParamId (id, currentValueForParamId (id));
    }

    addAndMakeVisible (molder);

    // Six-per-em spaces open up the narrow letters, which look cramped at
    // low resolution.
    const bool highResolution = (float) JSGraphics::getDisplayScale() > 1.0f;
    const juce::String thin = juce::String::charToString ((juce::juce_wchar) 0x2006);
    const juce::String midCaption = highResolution ? juce::String ("MID") : "M" + thin + "I" + thin + "D";
    const juce::String mixCaption = highResolution ? juce::String ("MIX") : "M" + thin + "I" + thin + "X";

    const struct { EComponent* control; juce::String* label; int id; juce::String caption; } setups[] = {
        { &lowFader, &lowFader.label, ParamSpreadLow, "LOW" },
        { &midFader, &midFader.label, ParamSpreadMid, midCaption },
        { &highFader, &highFader.label, ParamSpreadHigh, "HIGH" },
        { &mixKnob, &mixKnob.label, ParamMix, mixCaption },
    };

    for (const auto& s : setups)
    {
        s.control->setParamId (s.id);
        s.control->setCallback (this);
        *s.label = s.caption;
        s.control->setValue (currentValueForParamId (s.id));
        controls[s.id] = s.control;
        addAndMakeVisible (s.control);
    }

    if (auto* fonts = FontManager::getInstance())
        splitLabel.captionImage = fonts->createImage ("SPLIT EQ", 9.0f, 0.6f);

    addAndMakeVisible (splitLabel);

    const int category = presetManager.addCategory ("FACTORY");

    // The manager keeps its own copy of each row.
    for (int i = 0; i < FactoryPresetCount; ++i)
        presetManager.addPreset (FactoryPresetNames[i], category, FactoryPresetData[i], FactoryPresetValueCount);
}

juce::AudioProcessorParameter* VeltoAudioProcessorEditor::parameter (int id)
{
    const auto& params = processor.getParameters();
    return (id >= 0 && id < params.size()) ? params.getUnchecked (id) : nullptr;
}

void VeltoAudioProcessorEditor::valueChanged (EComponent*, int paramId, float value)
{
    if (auto* p = parameter (paramId))
        p->setValueNotifyingHost (value);
}

float VeltoAudioProcessorEditor::defaultValueForParamId (int paramId)
{
    auto* p = parameter (paramId);
    return p != nullptr ? p->getDefaultValue() : 0.0f;
}

void VeltoAudioProcessorEditor::ui_beginGesture (EComponent*, int paramId)
{
    if (auto* p = parameter (paramId))
        p->beginChangeGesture();
}

void VeltoAudioProcessorEditor::ui_endGesture (EComponent*, int paramId)
{
    if (auto* p = parameter (paramId))
        p->endChangeGesture();
}

float VeltoAudioProcessorEditor::currentValueForParamId (int paramId)
{
    auto* p = parameter (paramId);
    return p != nullptr ? p->getValue() : 0.0f;
}

void VeltoAudioProcessorEditor::setNewState (float* values)
{
    if (values == nullptr)
        return;

    // The controls follow at the next poll.
    for (int id = 0; id < NumParams; ++id)
        if (auto* p = parameter (id))
            p->setValueNotifyingHost (values[id]);
}

float* VeltoAudioProcessorEditor::getCurrentState (int* count)
{
    if (count != nullptr)
        *count = NumParams;

    for (int id = 0; id < NumParams; ++id)
        stateBuffer[id] = currentValueForParamId (id);

    return stateBuffer;
}

void VeltoAudioProcessorEditor::openPresetlist()
{
    addAndMakeVisible (presetManager);
}

void VeltoAudioProcessorEditor::closePresetlist()
{
    removeChildComponent (&presetManager);
}

void VeltoAudioProcessorEditor::logoClick()
{
    juce::Process::openDocument (productPageAddress(), {});
}

void VeltoAudioProcessorEditor::timerCallback()
{
    bool changedCurve = false;

    for (int id = 0; id < NumParams; ++id)
    {
        auto* control = controls[id];
        auto* p = parameter (id);

        if (control == nullptr || p == nullptr)
            continue;

        // Exact comparison: any change, however small, reaches the control.
        const float v = p->getValue();

        if (v != control->getValueForParamId (id))
        {
            control->setValueForParamId (id, v);
            changedCurve = changedCurve || id < HaasMolder::numRows;
        }
    }

    // One repaint for all 16 rows of the curve.
    if (changedCurve)
        molder.repaint();
}

void VeltoAudioProcessorEditor::resized()
{
    const int w = getWidth();
    const int h = getHeight();

    background.setSize (w, h);
    presetManager.setBounds (0, 0, w, h);

    if (presetButton != nullptr)
        presetButton->setTopRightPosition (w - 5, 5);

    const auto area = background.getUIArea();
    const float fw = (float) area.getWidth();
    const float third = fw / 3.0f;
    const float ax = (float) area.getX();
    const float ay = (float) area.getY();

    molder.setBounds ((int) (ax + third), (int) (ay + 10.0f), (int) (0.9 * (double) third), area.getHeight() - 20);

    const float sw = std::min (50.0f, 0.3f * third);

    // Deliberately the area's height less its top, not the height alone:
    // the faders' length and place in the window follow from it.
    float sh = (float) area.getHeight() - ay;
    float top = 20.0f;

    if (sh > 150.0f)
    {
        top = (sh - 150.0f) * 0.75f + 20.0f;
        sh = 150.0f;
    }

    const int fy = (int) (ay + top);
    lowFader.setBounds ((int) ax, fy, (int) sw, (int) sh);
    midFader.setBounds ((int) (ax + third / 3.0f), fy, (int) sw, (int) sh);
    highFader.setBounds ((int) ((third / 3.0f) + (third / 3.0f) + ax), fy, (int) sw, (int) sh);

    splitLabel.setBounds (lowFader.getX(), lowFader.getY() + lowFader.getHeight() - 5,
                          (int) (sw + (float) highFader.getX() - (float) lowFader.getX()), 25);

    // The knob is square and sits on the faders' vertical middle.
    const float k = std::min (fw - 2.0f * third, sh);
    const int side = (int) ((double) k * 0.7);
    const int kx = (int) ((double) third * 2.05 + (double) ax);
    const float m = -0.7f * k * 0.5f;
    const double d = (double) m + ((double) lowFader.getHeight() * 0.5 + (double) lowFader.getY());
    mixKnob.setBounds (kx, (int) (float) d, side, side);
}
