// Renders the interface kit's controls into one PNG at display scale 1 and
// one at scale 2, so anyone can look at the kit without a host:
//
//     kit_sheet OUTPUT_FOLDER   ->  kit-sheet-1x.png, kit-sheet-2x.png
//
// Exits non-zero when the main display does not take the scale (no X
// display) or an image cannot be written.

#include "BinaryData.h"
#include "ButtonLookAndFeel.h"
#include "FontManager.h"
#include "JSGraphics.h"
#include "JSKnob.h"
#include "JSSlider.h"
#include "SVGComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <iostream>
#include <memory>

namespace
{
    constexpr int sheetWidth = 620;
    constexpr int sheetHeight = 250;

    juce::Font embeddedFont (const char* data, int size)
    {
        return juce::Font (juce::Typeface::createSystemTypefaceFor (data, (size_t) size));
    }

    // Paper under the controls and a dark plate for the white logo.
    class Sheet : public juce::Component
    {
    public:
        Sheet()
        {
            for (auto* fader : { &low, &mid, &high })
                addAndMakeVisible (*fader);

            low.label = "LOW";
            mid.label = "MID";
            high.label = "HIGH";
            low.setValue (0.2f);
            mid.setValue (0.5f);
            high.setValue (0.85f);

            knob.label = "MIX";
            knob.setValue (0.7f);
            addAndMakeVisible (knob);

            addAndMakeVisible (logo);

            for (auto* button : { &previous, &add, &next })
            {
                button->setLookAndFeel (&look);
                button->setColour (juce::TextButton::buttonColourId, juce::Colour (0xff8c8a86));
                addAndMakeVisible (*button);
            }
        }

        ~Sheet() override
        {
            for (auto* button : { &previous, &add, &next })
                button->setLookAndFeel (nullptr);
        }

        // Lays everything out; the controls render their caches here.
        void layOut()
        {
            setSize (sheetWidth, sheetHeight);
            low.setBounds (30, 40, 50, 150);
            mid.setBounds (110, 40, 50, 150);
            high.setBounds (190, 40, 50, 150);
            knob.setBounds (270, 62, 105, 105);
            logo.init (BinaryData::sorvan_svg, 160, 32, 0.5f, 3, false, false);
            logo.setTopLeftPosition (420, 64);
            previous.setBounds (425, 150, 30, 25);
            add.setBounds (475, 150, 30, 25);
            next.setBounds (525, 150, 30, 25);
        }

        void paint (juce::Graphics& g) override
        {
            // The paper tile comes at display resolution; tile it at logical size.
            const float s = (float) JSGraphics::getDisplayScale();
            auto paper = JSGraphics::GetImage ("papper");
            g.setFillType (juce::FillType (paper, juce::AffineTransform::scale (1.0f / s)));
            g.fillAll();

            g.setColour (juce::Colour (0xff3b3a40));
            g.fillRoundedRectangle (405.0f, 40.0f, 190.0f, 160.0f, 6.0f);
        }

    private:
        JSSlider low, mid, high;
        JSKnob knob;
        SVGComponent logo;
        ButtonLookAndFeel look { juce::Font (14.0f) };
        juce::TextButton previous { "<" }, add { "+" }, next { ">" };
    };

    bool renderSheet (float scale, const juce::File& file)
    {
        juce::Desktop::getInstance().setGlobalScaleFactor (scale);

        if (JSGraphics::getDisplayScale() != (double) scale)
        {
            std::cerr << "kit_sheet: the main display does not report scale " << scale
                      << " (is an X display running?)\n";
            return false;
        }

        FontManager::create (embeddedFont (BinaryData::Enyo_otf, BinaryData::Enyo_otfSize),
                             embeddedFont (BinaryData::Pistara_otf, BinaryData::Pistara_otfSize),
                             16,
                             juce::ImageCache::getFromMemory (BinaryData::filltexture_png,
                                                              BinaryData::filltexture_pngSize));

        juce::Image image (juce::Image::ARGB, juce::roundToInt ((float) sheetWidth * scale),
                           juce::roundToInt ((float) sheetHeight * scale), true);
        {
            auto sheet = std::make_unique<Sheet>();
            sheet->layOut();

            juce::Graphics g (image);
            g.addTransform (juce::AffineTransform::scale (scale));
            sheet->paintEntireComponent (g, false);
        }

        FontManager::destroy();

        file.deleteFile();
        juce::FileOutputStream out (file);
        juce::PNGImageFormat png;

        if (! out.openedOk() || ! png.writeImageToStream (image, out))
        {
            std::cerr << "kit_sheet: cannot write " << file.getFullPathName() << "\n";
            return false;
        }

        std::cout << "kit_sheet: wrote " << file.getFullPathName() << "\n";
        return true;
    }
}

int main (int argc, char** argv)
{
    const juce::ScopedJuceInitialiser_GUI juce;
    const juce::File folder (juce::File::getCurrentWorkingDirectory()
                                 .getChildFile (argc > 1 ? argv[1] : "."));
    folder.createDirectory();

    const bool ok = renderSheet (1.0f, folder.getChildFile ("kit-sheet-1x.png"))
                 && renderSheet (2.0f, folder.getChildFile ("kit-sheet-2x.png"));

    juce::Desktop::getInstance().setGlobalScaleFactor (1.0f);
    return ok ? 0 : 1;
}
