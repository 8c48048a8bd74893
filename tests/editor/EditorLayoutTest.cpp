#include "EditorTestSupport.h"

using namespace editortest;

TEST (EditorLayoutTest, LaysOutEveryChildToThePixelAtTheFixedSize)
{
    EditorFixture f;
    auto& e = *f.editor;

    EXPECT_EQ (e.background.getBounds(), juce::Rectangle<int> (0, 0, 1000, 320));
    EXPECT_EQ (e.presetManager.getBounds(), e.getLocalBounds());
    EXPECT_EQ (e.presetButton->getBounds().getTopRight(), juce::Point<int> (995, 5));
    EXPECT_EQ (e.molder.getBounds(), juce::Rectangle<int> (422, 59, 259, 220));
    EXPECT_EQ (e.lowFader.getBounds(), juce::Rectangle<int> (134, 99, 50, 150));
    EXPECT_EQ (e.midFader.getBounds(), juce::Rectangle<int> (230, 99, 50, 150));
    EXPECT_EQ (e.highFader.getBounds(), juce::Rectangle<int> (326, 99, 50, 150));
    EXPECT_EQ (e.splitLabel.getBounds(), juce::Rectangle<int> (134, 244, 242, 25));
    EXPECT_EQ (e.mixKnob.getBounds(), juce::Rectangle<int> (724, 121, 105, 105));
}

TEST (EditorLayoutTest, MidAndMixCaptionsGetSixPerEmSpacesOnlyAtDisplayScaleOne)
{
    const juce::String thin = juce::String::charToString ((juce::juce_wchar) 0x2006);

    for (float scale : { 1.0f, 2.0f })
    {
        kittest::ScopedDisplayScale displayScale (scale);
        EditorFixture f;
        const bool spaced = scale == 1.0f;
        EXPECT_EQ (f.editor->lowFader.label, "LOW");
        EXPECT_EQ (f.editor->highFader.label, "HIGH");
        EXPECT_EQ (f.editor->midFader.label, spaced ? "M" + thin + "I" + thin + "D" : juce::String ("MID"));
        EXPECT_EQ (f.editor->mixKnob.label, spaced ? "M" + thin + "I" + thin + "X" : juce::String ("MIX"));
    }
}
