#include "SaveDialogue.h"

#include <gtest/gtest.h>

using Rect = juce::Rectangle<int>;

TEST (SaveDialogue, KeyboardFillsTheEditorBelowTheNameField)
{
    SaveDialogue d (juce::Font (14.0f), juce::Font (14.0f));
    d.setSize (1000, 320);

    EXPECT_EQ (d.letters[0].getBounds(), Rect (250, 50, 50, 50));
    EXPECT_EQ (d.letters[39].getBounds(), Rect (700, 200, 50, 50));   // ","
    EXPECT_EQ (d.letters[40].getBounds(), Rect (250, 250, 375, 50));
    EXPECT_EQ (d.letters[41].getBounds(), Rect (625, 250, 125, 50));
    EXPECT_EQ (d.textArea, Rect (250, 10, 347, 34));
    EXPECT_EQ (d.saveButton.getBounds(), Rect (670, 10, 80, 34));
}

TEST (SaveDialogue, SmallDialoguesAreLaidOutAsAtLeast200By150)
{
    SaveDialogue d (juce::Font (14.0f), juce::Font (14.0f));

    // Keys of 18 from (150 - 60) / 5; the keyboard would start at 10, so
    // it starts at 40 and the name field at the top edge.
    d.setSize (100, 100);
    EXPECT_EQ (d.letters[0].getBounds(), Rect (-40, 40, 18, 18));
    EXPECT_EQ (d.textArea.getY(), 0);

    // Width decides: keys of 30 from 300 / 10, keyboard ending 20 above the bottom.
    d.setSize (300, 400);
    EXPECT_EQ (d.letters[0].getBounds(), Rect (0, 230, 30, 30));
    EXPECT_EQ (d.letters[41].getBounds(), Rect (225, 350, 75, 30));
}
