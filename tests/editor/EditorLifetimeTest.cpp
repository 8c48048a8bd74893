#include "EditorTestSupport.h"

// Several plug-in instances may have their windows open at once, opened and
// closed in any order: they share one text renderer, which the last one
// closing deletes.
TEST (EditorLifetimeTest, WindowsOfSeveralInstancesShareTheTextRendererUntilTheLastCloses)
{
    for (int round = 0; round < 3; ++round)
    {
        VeltoAudioProcessor first, second;
        std::unique_ptr<juce::AudioProcessorEditor> a (first.createEditor());
        auto* shared = FontManager::getInstance();
        std::unique_ptr<juce::AudioProcessorEditor> b (second.createEditor());
        EXPECT_EQ (FontManager::getInstance(), shared);

        // Two windows open at once must not share JUCE's OpenGL render
        // thread on Linux, where it crashes in the GL driver.
        EXPECT_FALSE (dynamic_cast<VeltoAudioProcessorEditor&> (*a).glContext.isAttached());

        a.reset();
        ASSERT_EQ (FontManager::getInstance(), shared);

        // The open window still renders its text after the other closed.
        auto& open = dynamic_cast<VeltoAudioProcessorEditor&> (*b);
        open.mixKnob.setSize (80, 80);
        EXPECT_GT (kittest::inkCount (*open.mixKnob.labelImage), 10);
        EXPECT_GT (kittest::inkCount (kittest::render (open, 1.0f)), 100000);

        b.reset();
        EXPECT_EQ (FontManager::getInstance(), nullptr);
    }
}
