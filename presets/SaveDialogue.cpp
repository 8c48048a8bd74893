#include "SaveDialogue.h"

namespace
{
    const juce::Colour white = juce::Colour::fromFloatRGBA (1.0f, 1.0f, 1.0f, 1.0f);

    void removeFromParent (juce::Component& c)
    {
        if (auto* parent = c.getParentComponent())
            parent->removeChildComponent (&c);
    }
}

SaveDialogue::Letter::Letter() = default;

void SaveDialogue::Letter::init (juce::String text, LetterCallback* newCallback, juce::Font newFont)
{
    font = newFont;
    font.setHeight (18.0f);
    callback = newCallback;

    if (text == " ")
    {
        label = "Space";
        isSpace = true;
    }
    else if (text == "<")
    {
        label = "Back";
        isBack = true;
    }
    else
    {
        label = text;
    }
}

void SaveDialogue::Letter::mouseDown (const juce::MouseEvent&)
{
    if (callback == nullptr)
        return;

    if (isBack)
        callback->backSpace();
    else if (isSpace)
        callback->addLetter (" ");
    else
        callback->addLetter (label);
}

void SaveDialogue::Letter::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour::fromFloatRGBA (0.0f, 0.0f, 0.0f, 0.9f));
    g.fillRect (getLocalBounds());
    g.setColour (juce::Colours::white);
    g.drawRect (getLocalBounds(), 1);
    g.setFont (font);
    g.drawText (label, getLocalBounds(), juce::Justification::centred, true);
}

SaveDialogue::SaveDialogue (juce::Font firstFont, juce::Font secondFont)
    : nameFont (firstFont), keyFont (secondFont)
{
    lookAndFeel = std::make_unique<ButtonLookAndFeel> (keyFont);

    for (int i = 0; i < numKeys; ++i)
    {
        letters[(size_t) i].init (juce::String::charToString ((juce::juce_wchar) (unsigned char) keys[i]),
                                  this, keyFont);
        addAndMakeVisible (letters[(size_t) i]);
    }

    const auto green = juce::Colour::fromFloatRGBA (0.39f, 0.73f, 0.03f, 1.0f);
    saveButton.setLookAndFeel (lookAndFeel.get());
    saveButton.setColour (juce::TextButton::buttonColourId, green);
    saveButton.setColour (juce::TextButton::buttonOnColourId, green);
    saveButton.setColour (juce::TextButton::textColourOnId, white);
    saveButton.setColour (juce::TextButton::textColourOffId, white);
    // Names come from the on-screen keys only; Return must not save.
    saveButton.setWantsKeyboardFocus (false);
    saveButton.addListener (this);
    addAndMakeVisible (saveButton);
}

SaveDialogue::~SaveDialogue()
{
    saveButton.setLookAndFeel (nullptr);
}

void SaveDialogue::setPresetNameAndHandle (juce::String name)
{
    presetName = name;
    hasName = presetName.isNotEmpty();
    nameExists = delegate != nullptr && delegate->hasPresetNamed (presetName);
    updateSaveButton();
    repaint();
}

void SaveDialogue::updateSaveButton()
{
    saveButton.setEnabled (hasName);
    saveButton.setButtonText (nameExists ? "Save" : "Save As");
}

void SaveDialogue::backSpace()
{
    if (presetName.isNotEmpty())
        setPresetNameAndHandle (presetName.dropLastCharacters (1));
}

void SaveDialogue::addLetter (juce::String text)
{
    if (presetName.length() < maxNameLength)
        setPresetNameAndHandle (presetName + text);
}

void SaveDialogue::buttonClicked (juce::Button* button)
{
    if (button != &saveButton)
        return;

    if (delegate != nullptr)
        delegate->saveCurrentPresetAs (presetName);

    removeFromParent (*this);
}

void SaveDialogue::mouseDown (const juce::MouseEvent&)
{
    removeFromParent (*this);
}

void SaveDialogue::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour::fromFloatRGBA (0.0f, 0.0f, 0.0f, 0.5f));

    g.setColour (juce::Colours::white);
    nameFont.setHeight (24.0f);
    g.setFont (nameFont);

    const auto shown = " " + presetName;
    g.drawText (shown, textArea.getX(), textArea.getY() + 2, textArea.getWidth(), textArea.getHeight() - 2,
                juce::Justification::centredLeft, true);

    const int caretX = textArea.getX() + nameFont.getStringWidth (shown) + 2;
    g.drawRect (caretX, textArea.getY(), 2, textArea.getHeight(), 1);
}

void SaveDialogue::resized()
{
    const int w = getWidth();
    const int h = getHeight();

    const int k = juce::jmin ((juce::jmax (h, 150) - 60) / 5, juce::jmax (w, 200) / 10, 50);
    const int kw = 10 * k;
    const int x0 = (int) ((double) w * 0.5 - (double) kw * 0.5);
    // Tiny dialogues keep the keyboard's top at 40 so the name field above
    // it stays inside.
    const int y0 = h - 5 * k >= 60 ? h - 5 * k - 20 : 40;

    for (int i = 0; i < numKeys; ++i)
    {
        auto& key = letters[(size_t) i];
        const int y = y0 + (i / 10) * k;

        if (key.isSpace)
            key.setBounds (x0, y, (int) (0.75f * (float) kw), k);
        else if (key.isBack)
            key.setBounds ((int) ((float) x0 + 0.75f * (float) kw), y, (int) (0.25f * (float) kw), k);
        else
            key.setBounds (x0 + (i % 10) * k, y, k, k);
    }

    textArea = { x0, y0 - 40, (int) (0.7f * (float) kw) - 3, 34 };
    saveButton.setBounds (x0 + kw - 80, y0 - 40, 80, 34);
}
