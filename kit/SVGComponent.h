#pragma once

#include "Pencil.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// Shows SVG artwork, rendered once per size into an image at display
// resolution. Document mode draws a whole SVG document; path mode fills SVG
// path data with the kit's fill texture and, in sketch style, outlines it
// with the pencil.
class SVGComponent : public juce::Component
{
public:
    SVGComponent();
    ~SVGComponent() override;

    // Parses svgText (zero-terminated), fixes mode, stroke and opacity, and
    // gives the component its size. strokeWidth is in logical units.
    void init (const char* svgText, int width, int height, float opacity, int strokeWidth, bool isPath, bool sketch);

    // Renders the cache again at the current size and repaints.
    void forceRepaint();

    // Renders the artwork into g, whose area is the cache image.
    void internalPaint (juce::Graphics& g);

    void paint (juce::Graphics& g) override;
    void resized() override;

    // Placement of the fitted path in path mode.
    enum { alignTopLeft = 8, alignBottomRight = 16 };

    std::unique_ptr<juce::Image> cache;
    std::unique_ptr<Pencil> pencil;
    int alignment = alignTopLeft;           // any other value centres
    bool sketch = false;
    bool isPath = false;
    int pixelStrokeWidth = 0;               // physical pixels
    float opacity = 1.0f;
    juce::Path path;
    std::unique_ptr<juce::Drawable> drawable;
};
