#pragma once

#include <juce_core/juce_core.h>

// What the save dialogue needs from the owner of the user presets.
class SaveDialogueDelegate
{
public:
    virtual ~SaveDialogueDelegate() = default;

    // Stores the values in force under exactly this name.
    virtual void saveCurrentPresetAs (juce::String name) = 0;

    // Whether a user preset has exactly this name (case-sensitive).
    virtual bool hasPresetNamed (juce::String name) = 0;
};
