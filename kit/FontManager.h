#pragma once

#include "Pencil.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The shared text renderer: glyph outlines are filled with a tiled texture
// and traced with a pencil, so text looks drawn by hand. One instance exists
// per process while at least one editor holds a reference (create/destroy).
// Message thread only, or a render thread holding the message-manager lock.
class FontManager
{
public:
    // Takes a reference; the first call builds the instance from copies of
    // the arguments, later calls return it and ignore their arguments.
    static FontManager* create (juce::Font large, juce::Font small, int threshold, juce::Image texture);

    // The shared instance, or null when no reference is held.
    static FontManager* getInstance();

    // Releases a reference; the last one deletes the instance.
    static void destroy();

    FontManager (juce::Font large, juce::Font small, int threshold, juce::Image texture);
    ~FontManager();

    FontManager (const FontManager&) = delete;
    FontManager& operator= (const FontManager&) = delete;

    // One line of text at `size` logical units, rendered at display
    // resolution with half a stroke of margin on the top and left.
    std::unique_ptr<juce::Image> createImage (juce::String text, float size, float alpha);

    // Text fitted into `area` of g. `height` is in g's pixels; `displayScale`
    // converts those pixels to logical units. `rotate` turns the text a
    // quarter turn counter-clockwise, starting at x = 2.
    void draw (juce::Graphics& g, juce::String text, float height, juce::Rectangle<int> area,
               juce::Justification justification, bool pencilStyle, float displayScale,
               float alpha, float minHScale, bool rotate);

    std::unique_ptr<Pencil> pencil;
    juce::Font largeFont;
    juce::Font smallFont;
    juce::Image fillTexture;
    int smallFontThreshold = 16;

private:
    // Sets the kerning of both fonts for size class n and returns a copy of
    // the font that serves it.
    juce::Font fontForSizeClass (int n);

    // Stroke size by the text's size: thin for small text, heavier above.
    void setStrokeBand (float v, float displayScale);

    void tracePath (const juce::Path& outline);

    static FontManager* instance;
    static int retainCount;
};
