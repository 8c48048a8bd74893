// The plug-in window at display scale 2, as the X server shows it (what the
// window's peer put on the screen, not a snapshot of the components):
//
//     editor_window_shot OUTPUT.png
//
// Puts the editor of a processor on the desktop, waits until it has been
// painted, grabs the window with ImageMagick's import and writes it as
// PNG. Needs an X display large enough for a 2000 x 640 window. Exits
// non-zero when the grab fails or the window never shows the editor.

#include "PluginProcessor.h"
#include "TolerantXErrors.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <iostream>
#include <memory>

namespace
{
// Grabs the window from the X server into `file`.
bool grab (juce::Component& window, const juce::File& file)
{
    const auto id = juce::String ((juce::pointer_sized_uint) window.getPeer()->getNativeHandle());
    juce::ChildProcess grabber;

    return grabber.start (juce::StringArray { "import", "-silent", "-window", id, "png:" + file.getFullPathName() })
        && grabber.waitForProcessToFinish (20000)
        && grabber.getExitCode() == 0
        && file.existsAsFile();
}

// The preset bar's grey pill at the top right shows once the window has
// been painted.
bool showsEditor (const juce::File& file, float scale)
{
    const auto image = juce::ImageFileFormat::loadFrom (file);
    const auto pill = image.getPixelAt (juce::roundToInt (920.0f * scale), juce::roundToInt (7.0f * scale));
    return image.getWidth() == juce::roundToInt (1000.0f * scale) && pill == juce::Colour (0xff333333);
}
} // namespace

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: " << argv[0] << " OUTPUT.png\n";
        return 2;
    }

    installTolerantXErrorHandler();
    const juce::ScopedJuceInitialiser_GUI juce;
    const juce::File file (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    constexpr float scale = 2.0f;
    juce::Desktop::getInstance().setGlobalScaleFactor (scale);

    VeltoAudioProcessor processor;
    std::unique_ptr<juce::AudioProcessorEditor> editor (processor.createEditorIfNeeded());
    editor->setTopLeftPosition (0, 0);
    editor->addToDesktop (0);
    editor->setVisible (true);

    bool grabbed = false;
    bool shown = false;

    for (int attempt = 0; attempt < 40 && ! shown; ++attempt)
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil (250);
        grabbed = grab (*editor, file);
        shown = grabbed && showsEditor (file, scale);
    }

    editor.reset();
    juce::Desktop::getInstance().setGlobalScaleFactor (1.0f);

    if (! grabbed)
    {
        std::cerr << "editor_window_shot: ImageMagick's import could not grab the window\n";
        return 1;
    }

    if (! shown)
    {
        std::cerr << "editor_window_shot: the window did not show the editor at scale " << scale << "\n";
        return 1;
    }

    std::cout << "editor_window_shot: wrote " << file.getFullPathName() << "\n";
    return 0;
}
