#pragma once

#include "EComponent.h"
#include "Pencil.h"

#include <memory>

// Vertical fader: a pencil track with its caption below and a short
// horizontal pencil stroke as the handle. Dragging up raises the value, the
// wheel steps it, Alt makes both ten times finer and a double-click resets
// the parameter to its default. Track and caption are cached per size.
// The shared FontManager must exist before the first resize.
class JSSlider : public EComponent
{
public:
    JSSlider();
    ~JSSlider() override;

    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseDoubleClick (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    // Renders track and caption into `background`.
    void paintBackground();

    juce::Point<int> lastMouse;
    juce::String label { "Slider title" };      // read at the next resize
    std::unique_ptr<juce::Image> background;    // at display resolution
    std::unique_ptr<Pencil> pencil;
    float travel = 0.0f;                        // handle travel, logical pixels
};
