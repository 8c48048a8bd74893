// The interface kit's controls on one sheet (see SheetMain.h):
//
//     kit_sheet OUTPUT_FOLDER   ->  kit-sheet-1x.png, kit-sheet-2x.png

#include "BinaryData.h"
#include "ButtonLookAndFeel.h"
#include "FontManager.h"
#include "JSGraphics.h"
#include "JSKnob.h"
#include "JSSlider.h"
#include "SVGComponent.h"
#include "../SheetMain.h"

#include <juce_gui_basics/juce_gui_basics.h>

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
}

int main (int argc, char** argv)
{
    return sheet::run (argc, argv, "kit_sheet", sheetWidth, sheetHeight, [] (juce::Graphics& g)
    {
        FontManager::create (embeddedFont (BinaryData::Enyo_otf, BinaryData::Enyo_otfSize),
                             embeddedFont (BinaryData::Pistara_otf, BinaryData::Pistara_otfSize),
                             16,
                             juce::ImageCache::getFromMemory (BinaryData::filltexture_png,
                                                              BinaryData::filltexture_pngSize));
        {
            auto sheet = std::make_unique<Sheet>();
            sheet->layOut();
            sheet->paintEntireComponent (g, false);
        }
        FontManager::destroy();
    });
}
