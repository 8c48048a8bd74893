#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// Draws straight segments as thin quadrilaterals filled with a pencil-stroke
// texture that is turned along each segment and shifted by its start point.
// Curves are drawn as many short segments. Owners append segments to
// `lines`, set `opacity` and change the stroke size through setStrokeSize.
class Pencil
{
public:
    struct LineInfo
    {
        juce::Path quad;        // closed four-point sub-path around the segment
        float angle = 0.0f;     // atan2f (dx, dy): 0 points down, pi/2 right
        bool sameSign = false;  // dx and dy both strictly positive or both strictly negative
        float x = 0.0f;         // start point
        float y = 0.0f;
        float alpha = -1.0f;    // opacity factor; negative means `opacity` alone
    };

    Pencil (float size, juce::String textureName);

    void setStrokeSize (float size);

    // Builds the quadrilateral for a segment; does not append it.
    LineInfo createLine (float x1, float y1, float x2, float y2, float alpha) const;

    // Fills every pending segment in order, then empties `lines` (keeping its
    // capacity). Leaves the last segment's fill and opacity on the context.
    void paint (juce::Graphics& g);

    // Appends a line that fades in over `fadeIn` and out over `fadeOut`
    // (fractions of its length), each in `steps` segments.
    void addSingleLine (float x1, float y1, float x2, float y2, float fadeIn, float fadeOut, int steps);

    std::vector<LineInfo> lines;
    float strokeWidth = 0.0f;   // size - 0.5, in pixels of the target context
    float halfWidth = 0.0f;
    float opacity = 0.65f;
    juce::Image texture;
    juce::Image scaledTexture;  // texture squeezed to the stroke's height
};
