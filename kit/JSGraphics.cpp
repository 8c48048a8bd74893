#include "JSGraphics.h"

#include "BinaryData.h"

double JSGraphics::getDisplayScale()
{
    if (const auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
        return display->scale;

    return 1.0;
}

juce::Image JSGraphics::GetImage (const char* baseName)
{
    juce::String name (juce::CharPointer_UTF8 (baseName != nullptr ? baseName : ""));
    name << (getDisplayScale() > 1.0 ? "2x_png" : "_png");

    int size = 0;
    const char* data = BinaryData::getNamedResource (name.toRawUTF8(), size);

    // Without data the cache would only be asked to decode nothing.
    if (data == nullptr || size <= 0)
        return {};

    return juce::ImageCache::getFromMemory (data, size);
}

void JSGraphics::drawAtLogicalSize (juce::Graphics& g, const juce::Image& image, int x, int y, float scale)
{
    if (scale > 1.0f)
    {
        const int w = image.getWidth();
        const int h = image.getHeight();
        const int dw = (int) ((float) w / scale);
        const int dh = (int) ((float) h / scale);
        g.drawImage (image, x, y, dw, dh, 0, 0, w, h, false);
    }
    else
    {
        g.drawImageAt (image, x, y);
    }
}

void JSGraphics::DrawImageAt (juce::Graphics& g, juce::Image& image, int x, int y, float opacity)
{
    g.setOpacity (opacity);
    drawAtLogicalSize (g, image, x, y, (float) getDisplayScale());
}

void JSGraphics::DrawImageCenteredAt (juce::Graphics& g, juce::Image& image, int cx, int cy, float opacity)
{
    g.setOpacity (opacity);
    const float s = (float) getDisplayScale();

    const float hw = (float) image.getWidth() / s * 0.5f;
    const float hh = (float) image.getHeight() / s * 0.5f;
    const int x = (int) ((float) cx - hw);
    const int y = (int) ((float) cy - hh);

    drawAtLogicalSize (g, image, x, y, s);
}

std::unique_ptr<juce::Image> JSGraphics::GetImageEmpty (juce::Rectangle<int> area)
{
    const float s = (float) getDisplayScale();
    const int w = (int) ((float) area.getWidth() * s);
    const int h = (int) ((float) area.getHeight() * s);

    auto image = std::make_unique<juce::Image> (juce::Image::ARGB, w, h, true);
    image->clear ({ 0, 0, area.getWidth(), area.getHeight() });
    return image;
}
