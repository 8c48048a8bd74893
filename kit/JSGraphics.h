#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// Image helpers that carry the display-scale rule of the interface: images
// made for the screen are made at logical size times the main display's
// scale and drawn back at logical size. The scale is read afresh at every
// use, so a window moved to another display picks it up on its next layout.
class JSGraphics
{
public:
    JSGraphics() = delete;

    // The main display's scale factor; 1.0 when no display is known.
    static double getDisplayScale();

    // The embedded PNG "<baseName>_png", or "<baseName>2x_png" when the
    // display scale is above 1. Decoded images are shared through
    // juce::ImageCache. A missing resource gives an invalid image.
    static juce::Image GetImage (const char* baseName);

    // Draws the image with its top-left corner at (x, y) in logical units.
    // The opacity stays set on the context.
    static void DrawImageAt (juce::Graphics& g, juce::Image& image, int x, int y, float opacity);

    // Draws the image centred on (cx, cy) in logical units.
    static void DrawImageCenteredAt (juce::Graphics& g, juce::Image& image, int cx, int cy, float opacity);

    // A new, fully transparent ARGB image for a logical area at display
    // resolution. Only the area's size matters.
    static std::unique_ptr<juce::Image> GetImageEmpty (juce::Rectangle<int> area);

private:
    static void drawAtLogicalSize (juce::Graphics& g, const juce::Image& image, int x, int y, float scale);
};
