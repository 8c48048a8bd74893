#include "EditorTestSupport.h"

#include <cstdlib>

using namespace editortest;

// A stand-in for the desktop's URL opener, first on PATH, only writes down
// what it was asked to open: no browser ever starts.
TEST (LogoClickTest, ClickOnTheLogoOpensTheProductPageAndAReleaseOutsideDoesNot)
{
    const auto dir = juce::File::createTempFile ("opener");
    const auto record = dir.getChildFile ("opened.txt");
    const auto oldPath = juce::SystemStats::getEnvironmentVariable ("PATH", {});
    dir.createDirectory();
    const auto opener = dir.getChildFile ("xdg-open");
    opener.replaceWithText ("#!/bin/sh\necho \"$@\" >> '" + record.getFullPathName() + "'\n", false, false, "\n");
    opener.setExecutePermission (true);
    ::setenv ("PATH", (dir.getFullPathName() + ":" + oldPath).toRawUTF8(), 1);

    {
        EditorFixture f;
        DesktopWindow window (*f.editor);
        auto& logo = f.editor->background.logo;

        window.press (logo, { 32, 6 });
        EXPECT_TRUE (logo.pressedLayer.isVisible() && ! logo.normalLayer.isVisible());
        window.move (logo, { 32, -30 });
        EXPECT_TRUE (logo.normalLayer.isVisible() && ! logo.pressedLayer.isVisible());

        window.press (logo, { 32, 6 });
        window.move (logo, { 32, 6 });
    }

    for (int i = 0; i < 500 && ! record.existsAsFile(); ++i)
        juce::Thread::sleep (10);

    juce::Thread::sleep (100);
    EXPECT_EQ (record.loadFileAsString(), "https://velto.sorvan.audio/products/velto\n");
    ::setenv ("PATH", oldPath.toRawUTF8(), 1);
    dir.deleteRecursively();
}
