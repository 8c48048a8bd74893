#pragma once

#include "EComponent.h"
#include "Pencil.h"

#include <memory>

// The curve editor for the 16 band delays (ids 0 to 15): a pencil zig-zag
// around a vertical centre line, one row per band, the highest band at the
// top. A press picks a bell of weights around the pressed height; dragging
// sideways then widens or narrows the curve there, most at the pressed row.
// Host-side values pushed in through setValueForParamId are stored without
// a repaint, so the owner can repaint once after updating several rows.
class HaasMolder : public EComponent
{
public:
    static constexpr int numRows = 16;

    HaasMolder();
    ~HaasMolder() override;

    // Renders the band labels (the shared FontManager must exist), takes the
    // callback and starts every row at its parameter's default.
    void init (JSUICallback* newCallback);

    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    float getValueForParamId (int id) override;
    void setValueForParamId (int id, float newValue) override;

    std::unique_ptr<Pencil> pencil;
    std::unique_ptr<juce::Image> topLabel;
    std::unique_ptr<juce::Image> bottomLabel;
    bool dragFromLeft = false;
    float rowSpacing = 0.0f;
    float dragScale = 0.0f;
    float influenceRadius = 0.0f;
    float marginY = 0.0f;
    float plotWidth = 0.0f;
    float lastX = 0.0f;
    float values[numRows];      // row 0 is the top row, parameter 15
    float weights[numRows] {};

private:
    // Row of a parameter id, or -1 for an id the control does not serve.
    static int rowForParamId (int id);
};
