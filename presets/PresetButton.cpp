#include "PresetButton.h"

namespace
{
    const juce::Colour pillGrey = juce::Colour::fromFloatRGBA (0.2f, 0.2f, 0.2f, 1.0f);

    void setColours (juce::TextButton& button, juce::Colour face, juce::Colour text)
    {
        button.setColour (juce::TextButton::buttonColourId, face);
        button.setColour (juce::TextButton::buttonOnColourId, face);
        button.setColour (juce::TextButton::textColourOnId, text);
        button.setColour (juce::TextButton::textColourOffId, text);
    }
}

PresetButton::PresetButton()
{
    // Everything is done with the mouse; a focused button would otherwise
    // fire on the Return key.
    for (auto* button : { &nameButton, &nextButton, &prevButton, &saveButton })
        button->setWantsKeyboardFocus (false);
}

PresetButton::~PresetButton()
{
    for (auto* button : { &nameButton, &nextButton, &prevButton, &saveButton })
        button->setLookAndFeel (nullptr);
}

void PresetButton::init (bool showSave, PresetButtonDelegate* newDelegate,
                         std::unique_ptr<juce::LookAndFeel> newLookAndFeel)
{
    lookAndFeel = std::move (newLookAndFeel);
    delegate = newDelegate;

    const auto white = juce::Colour::fromFloatRGBA (1.0f, 1.0f, 1.0f, 1.0f);

    const auto setUp = [this] (juce::TextButton& button, const juce::String& text, juce::Rectangle<int> bounds)
    {
        button.setBounds (bounds);
        button.setLookAndFeel (lookAndFeel.get());
        button.addListener (this);
        button.setButtonText (text);
        addAndMakeVisible (button);
    };

    setColours (prevButton, pillGrey, white);
    setUp (prevButton, "<", { 0, 0, 30, 25 });

    setColours (nameButton, pillGrey, white);
    setUp (nameButton, "---", { 30, 0, 90, 25 });

    setColours (nextButton, pillGrey, white);
    setUp (nextButton, ">", { 120, 0, 30, 25 });

    if (showSave)
    {
        setColours (saveButton, juce::Colour::fromFloatRGBA (0.0f, 0.0f, 0.0f, 0.0f),
                    juce::Colour::fromFloatRGBA (0.0f, 0.0f, 0.0f, 1.0f));
        setUp (saveButton, "+", { 150, 0, 30, 25 });
        setSize (180, 25);
    }
    else
    {
        setSize (150, 25);
    }
}

void PresetButton::paint (juce::Graphics& g)
{
    // The pill stays 150 wide so a "+" stands on the editor's background.
    g.setColour (pillGrey);
    g.fillRoundedRectangle (0.0f, 0.0f, 150.0f, (float) getHeight(), 4.0f);
}

void PresetButton::resized()
{
}

void PresetButton::buttonClicked (juce::Button* button)
{
    if (delegate == nullptr)
        return;

    if (button == &nameButton)
        delegate->openPresetManager();
    else if (button == &prevButton)
        delegate->selectPrevPreset();
    else if (button == &nextButton)
        delegate->selectNextPreset();
    else if (button == &saveButton)
        delegate->openSaveDialouge();
}
