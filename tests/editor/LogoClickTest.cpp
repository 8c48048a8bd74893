#include "EditorTestSupport.h"

#include <cstdlib>

using namespace editortest;

namespace
{
    struct ClickRecorder : public Logo::LogoCallback
    {
        void logoClick() override { ++clicks; }
        int clicks = 0;
    };

    // Puts a stand-in for the desktop's URL opener first on PATH that only
    // writes down what it was asked to open: no browser ever starts.
    struct ScopedOpenerStandIn
    {
        ScopedOpenerStandIn()
        {
            dir.createDirectory();
            const auto opener = dir.getChildFile ("xdg-open");
            opener.replaceWithText ("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + log.getFullPathName() + "'\n", false, false, "\n");
            opener.setExecutePermission (true);

            ::setenv ("PATH", (dir.getFullPathName() + ":" + oldPath).toRawUTF8(), 1);
        }

        ~ScopedOpenerStandIn()
        {
            ::setenv ("PATH", oldPath.toRawUTF8(), 1);
            dir.deleteRecursively();
        }

        juce::String waitForRecord() const
        {
            for (int i = 0; i < 500 && ! log.existsAsFile(); ++i)
                juce::Thread::sleep (10);
            return log.loadFileAsString();
        }

        juce::File dir { juce::File::createTempFile ("opener") };
        juce::File log { dir.getChildFile ("opened.txt") };
        juce::String oldPath { juce::SystemStats::getEnvironmentVariable ("PATH", {}) };
    };
}

TEST (LogoClickTest, ReleaseInsideTheLogoCountsAsAClickAndTheLayersSwapBack)
{
    EditorFixture f;
    DesktopWindow window (*f.editor);
    auto& logo = f.editor->background.logo;
    ClickRecorder recorder;
    logo.callback = &recorder;

    window.press (logo, { 32, 6 });
    EXPECT_TRUE (logo.pressedLayer.isVisible());
    EXPECT_FALSE (logo.normalLayer.isVisible());
    window.dragTo (logo, { 32, -30 });
    window.release (logo, { 32, -30 });
    EXPECT_EQ (recorder.clicks, 0);
    EXPECT_TRUE (logo.normalLayer.isVisible());
    EXPECT_FALSE (logo.pressedLayer.isVisible());

    window.click (logo, { 10, 6 });
    EXPECT_EQ (recorder.clicks, 1);
}

TEST (LogoClickTest, ClickOnTheLogoOpensTheProductPage)
{
    ScopedOpenerStandIn opener;
    EditorFixture f;
    DesktopWindow window (*f.editor);

    window.click (f.editor->background.logo, { 32, 6 });
    EXPECT_EQ (opener.waitForRecord(), "https://velto.sorvan.audio/products/velto\n");
}
