#pragma once

#include <juce_core/juce_core.h>

// What a key of the on-screen keyboard reports to its dialogue.
class LetterCallback
{
public:
    virtual ~LetterCallback() = default;

    virtual void backSpace() = 0;
    virtual void addLetter (juce::String text) = 0;
};
