#pragma once

// Shared helpers of the kit tests: display scale, the shared text renderer
// made the way the editor makes it, rendering components as a window would
// show them, reading ink out of images, and synthetic mouse events.

#include "BinaryData.h"
#include "FontManager.h"
#include "JSUICallback.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kittest
{

// Makes the main display report `scale` for the lifetime of the object.
class ScopedDisplayScale
{
public:
    explicit ScopedDisplayScale (float scale)
    {
        juce::Desktop::getInstance().setGlobalScaleFactor (scale);
    }

    ~ScopedDisplayScale()
    {
        juce::Desktop::getInstance().setGlobalScaleFactor (1.0f);
    }

    ScopedDisplayScale (const ScopedDisplayScale&) = delete;
    ScopedDisplayScale& operator= (const ScopedDisplayScale&) = delete;
};

inline double mainDisplayScale()
{
    const auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay();
    return display != nullptr ? display->scale : 0.0;
}

inline juce::Font embeddedFont (const char* data, int size)
{
    return juce::Font (juce::Typeface::createSystemTypefaceFor (data, (size_t) size));
}

inline juce::Image fillTexture()
{
    return juce::ImageCache::getFromMemory (BinaryData::filltexture_png, BinaryData::filltexture_pngSize);
}

// Holds one reference on the shared text renderer, built from the embedded
// fonts and fill texture as the editor builds it.
class ScopedFonts
{
public:
    ScopedFonts()
    {
        FontManager::create (embeddedFont (BinaryData::Enyo_otf, BinaryData::Enyo_otfSize),
                             embeddedFont (BinaryData::Pistara_otf, BinaryData::Pistara_otfSize),
                             16, fillTexture());
    }

    ~ScopedFonts() { FontManager::destroy(); }

    ScopedFonts (const ScopedFonts&) = delete;
    ScopedFonts& operator= (const ScopedFonts&) = delete;
};

// What a window at display scale `scale` shows of the component: logical
// coordinates times the scale, one image pixel per physical pixel.
inline juce::Image render (juce::Component& c, float scale)
{
    juce::Image image (juce::Image::ARGB,
                       juce::jmax (1, juce::roundToInt ((float) c.getWidth() * scale)),
                       juce::jmax (1, juce::roundToInt ((float) c.getHeight() * scale)), true);
    juce::Graphics g (image);
    g.addTransform (juce::AffineTransform::scale (scale));
    c.paintEntireComponent (g, false);
    return image;
}

inline int alphaAt (const juce::Image& image, int x, int y)
{
    if (! image.getBounds().contains (x, y))
        return 0;

    return image.getPixelAt (x, y).getAlpha();
}

// Pixels in `area` whose alpha exceeds `minAlpha`.
inline int inkCount (const juce::Image& image, juce::Rectangle<int> area, int minAlpha = 8)
{
    area = area.getIntersection (image.getBounds());
    int count = 0;

    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            if (image.getPixelAt (x, y).getAlpha() > minAlpha)
                ++count;

    return count;
}

inline int inkCount (const juce::Image& image, int minAlpha = 8)
{
    return inkCount (image, image.getBounds(), minAlpha);
}

// Smallest rectangle holding every pixel whose alpha exceeds `minAlpha`.
inline juce::Rectangle<int> inkBounds (const juce::Image& image, int minAlpha = 8)
{
    int x0 = image.getWidth(), y0 = image.getHeight(), x1 = -1, y1 = -1;

    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (image.getPixelAt (x, y).getAlpha() > minAlpha)
            {
                x0 = juce::jmin (x0, x); y0 = juce::jmin (y0, y);
                x1 = juce::jmax (x1, x); y1 = juce::jmax (y1, y);
            }

    if (x1 < 0)
        return {};

    return { x0, y0, x1 - x0 + 1, y1 - y0 + 1 };
}

// Alpha-weighted mean row of the ink between columns x0 and x1 and above
// row yEnd (both exclusive).
inline double inkCentreRow (const juce::Image& image, int x0, int x1, int yEnd)
{
    double weight = 0.0, sum = 0.0;

    for (int y = 0; y < juce::jmin (yEnd, image.getHeight()); ++y)
        for (int x = x0; x < x1; ++x)
        {
            const double a = image.getPixelAt (x, y).getAlpha();
            weight += a;
            sum += a * (y + 0.5);
        }

    return weight > 0.0 ? sum / weight : -1.0;
}

inline juce::Image solidImage (int w, int h, juce::Colour colour)
{
    juce::Image image (juce::Image::ARGB, w, h, false);
    image.clear (image.getBounds(), colour);
    return image;
}

// Records every report a control makes, in order.
struct RecordingCallback : public JSUICallback
{
    void valueChanged (EComponent*, int paramId, float value) override
    {
        events.push_back ("value " + std::to_string (paramId));
        values.push_back (value);
    }

    void ui_beginGesture (EComponent*, int paramId) override { events.push_back ("begin " + std::to_string (paramId)); }
    void ui_endGesture (EComponent*, int paramId) override { events.push_back ("end " + std::to_string (paramId)); }
    float defaultValueForParamId (int) override { return defaultValue; }

    std::vector<std::string> events;
    std::vector<float> values;
    float defaultValue = 0.25f;
};

// A mouse event on `c` at `pos`, pressed at `downPos`.
inline juce::MouseEvent mouseEvent (juce::Component& c, juce::Point<int> pos, juce::Point<int> downPos,
                                    juce::ModifierKeys mods = juce::ModifierKeys::leftButtonModifier,
                                    int clicks = 1)
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), pos.toFloat(), mods,
                             juce::MouseInputSource::defaultPressure,
                             juce::MouseInputSource::defaultOrientation, juce::MouseInputSource::defaultRotation,
                             juce::MouseInputSource::defaultTiltX, juce::MouseInputSource::defaultTiltY,
                             &c, &c, now, downPos.toFloat(), now, clicks, pos != downPos);
}

inline juce::ModifierKeys withAlt()
{
    return juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier | juce::ModifierKeys::altModifier);
}

inline juce::MouseWheelDetails wheelDelta (float deltaY)
{
    juce::MouseWheelDetails wheel;
    wheel.deltaX = 0.0f;
    wheel.deltaY = deltaY;
    wheel.isReversed = false;
    wheel.isSmooth = false;
    wheel.isInertial = false;
    return wheel;
}

} // namespace kittest
