// The preset library on one sheet (see SheetMain.h):
//
//     preset_sheet OUTPUT_FOLDER  ->  preset-sheet-1x.png, preset-sheet-2x.png
//
// From the top: the bar before any preset is applied and after "INIT", the
// browser open over the editor, and the save dialogue with a typed name.

#include "../SheetMain.h"
#include "PresetTestHost.h"

namespace
{
    using presettest::EditorHost;

    void paintAt (juce::Graphics& g, juce::Component& c, int x, int y, int clipHeight)
    {
        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (x, y, c.getWidth(), clipHeight);
        g.setOrigin (x, y);
        c.paintEntireComponent (g, false);
    }

    void paintSheet (juce::Graphics& g)
    {
        EditorHost fresh, browsing;
        browsing.manager.selectNextPreset();
        paintAt (g, fresh, 0, 0, 40);
        paintAt (g, *browsing.bar, 645, 5, 25);

        browsing.manager.openPresetManager();
        paintAt (g, browsing, 0, 40, 320);

        EditorHost saving ([] (PresetManager& m)
        {
            presettest::addFactoryPresets (m);
            m.setUserCategory (m.addCategory ("USER"));
        });
        saving.manager.selectNextPreset();
        saving.manager.openSaveDialouge();
        saving.manager.saveDialogue->setPresetNameAndHandle ("MY WIDE PAD 2");
        paintAt (g, saving, 0, 360, 320);
    }
}

int main (int argc, char** argv)
{
    return sheet::run (argc, argv, "preset_sheet", 1000, 680, paintSheet);
}
