#pragma once

#include "SVGComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The maker's wordmark in two layers: a faint one shown while pressed and a
// stronger one otherwise. A press released inside the logo counts as a click.
class Logo : public juce::Component
{
public:
    class LogoCallback
    {
    public:
        virtual void logoClick() = 0;
        virtual ~LogoCallback();
    };

    Logo();
    ~Logo() override;

    void mouseDown (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    LogoCallback* callback = nullptr;   // not owned
    SVGComponent normalLayer;
    SVGComponent pressedLayer;
};
