#pragma once

// The frame of the sheet programs, which render part of the interface into
// one PNG at display scale 1 and one at scale 2 so it can be checked by eye:
//
//     NAME OUTPUT_FOLDER  ->  NAME-1x.png, NAME-2x.png   (NAME with '-' for '_')
//
// They exit non-zero when the main display does not take the scale (no X
// display) or an image cannot be written.

#include "JSGraphics.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <iostream>

namespace sheet
{

// `paint` draws the sheet in logical pixels; the display scale is in force.
inline int run (int argc, char** argv, const juce::String& name, int width, int height,
                const std::function<void (juce::Graphics&)>& paint)
{
    const juce::ScopedJuceInitialiser_GUI juce;
    const juce::File folder (juce::File::getCurrentWorkingDirectory()
                                 .getChildFile (argc > 1 ? argv[1] : "."));
    folder.createDirectory();

    bool ok = true;

    for (float scale : { 1.0f, 2.0f })
    {
        juce::Desktop::getInstance().setGlobalScaleFactor (scale);

        if (JSGraphics::getDisplayScale() != (double) scale)
        {
            std::cerr << name << ": the main display does not report scale " << scale
                      << " (is an X display running?)\n";
            ok = false;
            break;
        }

        juce::Image image (juce::Image::ARGB, juce::roundToInt ((float) width * scale),
                           juce::roundToInt ((float) height * scale), true);
        {
            juce::Graphics g (image);
            g.addTransform (juce::AffineTransform::scale (scale));
            paint (g);
        }

        const auto file = folder.getChildFile (name.replaceCharacter ('_', '-') + "-" + juce::String ((int) scale) + "x.png");
        file.deleteFile();
        juce::FileOutputStream out (file);
        juce::PNGImageFormat png;

        if (! out.openedOk() || ! png.writeImageToStream (image, out))
        {
            std::cerr << name << ": cannot write " << file.getFullPathName() << "\n";
            ok = false;
            break;
        }

        std::cout << name << ": wrote " << file.getFullPathName() << "\n";
    }

    juce::Desktop::getInstance().setGlobalScaleFactor (1.0f);
    return ok ? 0 : 1;
}

} // namespace sheet
