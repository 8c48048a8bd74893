#pragma once

#include "EComponent.h"
#include "Pencil.h"

#include <memory>

// Rotary knob: an arc of 50 pencil segments, a short radial pencil stroke as
// the pointer and a pencil-drawn caption in the middle. The pointer sweeps
// 270 degrees clockwise from lower left (0) over the top to lower right (1).
// Mouse handling is the fader's, with drags scaled by 0.3. Laid out square.
// The shared FontManager must exist before the first resize.
class JSKnob : public EComponent
{
public:
    JSKnob();
    ~JSKnob() override;

    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseDoubleClick (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    // Renders the arc into `background` and the caption into `labelImage`.
    void paintBackground();

    std::unique_ptr<juce::Image> labelImage;    // caption, display resolution
    juce::Point<int> lastMouse;
    juce::String label { "Knob title" };        // read at the next resize
    float margin = 5.0f;                        // arc inset; pointer half length
    std::unique_ptr<juce::Image> background;    // arc, display resolution
    std::unique_ptr<Pencil> pencil;
};
