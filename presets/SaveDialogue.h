#pragma once

#include "ButtonLookAndFeel.h"
#include "LetterCallback.h"
#include "SaveDialogueDelegate.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <memory>

// Full-window overlay for naming a user preset: an on-screen keyboard of 42
// keys, the name with a caret, and a green Save button. Names are typed by
// clicking keys only; a press anywhere else cancels.
class SaveDialogue : public juce::Component, public LetterCallback, public juce::Button::Listener
{
public:
    // One key; it reports on mouse down.
    class Letter : public juce::Component
    {
    public:
        Letter();

        void init (juce::String text, LetterCallback* callback, juce::Font font);

        void mouseDown (const juce::MouseEvent& e) override;
        void paint (juce::Graphics& g) override;

        juce::Font font;
        LetterCallback* callback = nullptr;
        juce::String label;
        bool isSpace = false;
        bool isBack = false;
    };

    static constexpr int numKeys = 42;
    static constexpr int maxNameLength = 17;

    SaveDialogue (juce::Font nameFont, juce::Font keyFont);
    ~SaveDialogue() override;

    // Requires `delegate`.
    void setPresetNameAndHandle (juce::String name);
    void updateSaveButton();

    void backSpace() override;
    void addLetter (juce::String text) override;
    void buttonClicked (juce::Button* button) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    SaveDialogueDelegate* delegate = nullptr;
    const char* keys = "0123456789QWERTYUIOPASDFGHJKL*ZXCVBNM._, <";
    std::array<Letter, numKeys> letters;
    std::unique_ptr<ButtonLookAndFeel> lookAndFeel;
    bool hasName = false;
    bool nameExists = false;
    juce::String presetName;
    juce::Rectangle<int> textArea { 0, 0, 10, 10 };
    juce::TextButton saveButton;
    juce::Font nameFont;
    juce::Font keyFont;
};
