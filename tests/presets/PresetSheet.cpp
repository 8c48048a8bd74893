// Renders the preset library into one PNG at display scale 1 and one at
// scale 2, so its look can be checked without a host:
//
//     preset_sheet OUTPUT_FOLDER  ->  preset-sheet-1x.png, preset-sheet-2x.png
//
// From the top: the bar before any preset is applied and after "INIT", the
// browser open over the editor, and the save dialogue with a typed name.
// Exits non-zero when the main display does not take the scale (no X
// display) or an image cannot be written.

#include "PresetTestHost.h"

#include <iostream>

namespace
{
    using presettest::EditorHost;

    void paintAt (juce::Graphics& g, juce::Component& c, int y, int clipHeight)
    {
        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (0, y, c.getWidth(), clipHeight);
        g.setOrigin (0, y);
        c.paintEntireComponent (g, false);
    }

    bool renderSheet (float scale, const juce::File& file)
    {
        juce::Desktop::getInstance().setGlobalScaleFactor (scale);

        if (JSGraphics::getDisplayScale() != (double) scale)
        {
            std::cerr << "preset_sheet: the main display does not report scale " << scale
                      << " (is an X display running?)\n";
            return false;
        }

        juce::Image image (juce::Image::ARGB, juce::roundToInt (1000.0f * scale),
                           juce::roundToInt (680.0f * scale), true);
        {
            juce::Graphics g (image);
            g.addTransform (juce::AffineTransform::scale (scale));

            EditorHost fresh, browsing;
            browsing.manager.selectNextPreset();
            paintAt (g, fresh, 0, 40);
            {
                juce::Graphics::ScopedSaveState state (g);
                g.setOrigin (645, 5);
                browsing.bar->paintEntireComponent (g, false);
            }

            browsing.manager.openPresetManager();
            paintAt (g, browsing, 40, 320);

            EditorHost saving ([] (PresetManager& m)
            {
                presettest::addFactoryPresets (m);
                m.setUserCategory (m.addCategory ("USER"));
            });
            saving.manager.selectNextPreset();
            saving.manager.openSaveDialouge();
            saving.manager.saveDialogue->setPresetNameAndHandle ("MY WIDE PAD 2");
            paintAt (g, saving, 360, 320);
        }

        file.deleteFile();
        juce::FileOutputStream out (file);
        juce::PNGImageFormat png;

        if (! out.openedOk() || ! png.writeImageToStream (image, out))
        {
            std::cerr << "preset_sheet: cannot write " << file.getFullPathName() << "\n";
            return false;
        }

        std::cout << "preset_sheet: wrote " << file.getFullPathName() << "\n";
        return true;
    }
}

int main (int argc, char** argv)
{
    const juce::ScopedJuceInitialiser_GUI juce;
    const juce::File folder (juce::File::getCurrentWorkingDirectory()
                                 .getChildFile (argc > 1 ? argv[1] : "."));
    folder.createDirectory();

    const bool ok = renderSheet (1.0f, folder.getChildFile ("preset-sheet-1x.png"))
                 && renderSheet (2.0f, folder.getChildFile ("preset-sheet-2x.png"));

    juce::Desktop::getInstance().setGlobalScaleFactor (1.0f);
    return ok ? 0 : 1;
}
