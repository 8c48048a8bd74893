#include "SVGComponent.h"

#include "BinaryData.h"
#include "JSGraphics.h"

SVGComponent::SVGComponent()
    : pencil (std::make_unique<Pencil> (5.0f, "pencil"))
{
}

SVGComponent::~SVGComponent()
{
    cache.reset();
    pencil.reset();
    drawable.reset();
}

void SVGComponent::init (const char* svgText, int width, int height, float newOpacity, int strokeWidth,
                         bool newIsPath, bool newSketch)
{
    sketch = newSketch;
    pixelStrokeWidth = (int) ((float) JSGraphics::getDisplayScale() * (float) strokeWidth);
    pencil->setStrokeSize ((float) pixelStrokeWidth);
    pencil->opacity = newOpacity;
    opacity = newOpacity;
    isPath = newIsPath;

    const auto text = juce::String::fromUTF8 (svgText != nullptr ? svgText : "");

    if (isPath)
    {
        path = juce::Drawable::parseSVGPath (text);
    }
    else
    {
        drawable.reset();

        if (auto xml = juce::XmlDocument::parse (text))
            drawable = juce::Drawable::createFromSVG (*xml);
    }

    // When the size does not change there is no resize to render the new
    // artwork, so render it here.
    if (getWidth() == width && getHeight() == height)
        forceRepaint();
    else
        setSize (width, height);
}

void SVGComponent::resized()
{
    forceRepaint();
}

void SVGComponent::forceRepaint()
{
    cache.reset();
    cache = JSGraphics::GetImageEmpty (getLocalBounds());

    {
        juce::Graphics g (*cache);
        internalPaint (g);
    }

    repaint();
}

void SVGComponent::paint (juce::Graphics& g)
{
    if (cache != nullptr)
        JSGraphics::DrawImageAt (g, *cache, 0, 0, 1.0f);
}

void SVGComponent::internalPaint (juce::Graphics& g)
{
    if (cache == nullptr)
        return;

    const auto area = cache->getBounds().toFloat();
    const float sw = (float) pixelStrokeWidth;

    if (! isPath)
    {
        if (drawable == nullptr)
            return;

        drawable->setTransformToFit (area, juce::RectanglePlacement (juce::RectanglePlacement::xLeft
                                                                     | juce::RectanglePlacement::yTop));
        drawable->draw (g, opacity, juce::AffineTransform());
        return;
    }

    juce::Path p (path);

    const float m = sw * 0.5f;
    p.applyTransform (p.getTransformToScaleToFit (m, m, area.getWidth() - sw, area.getHeight() - sw,
                                                  true, juce::Justification::centred));

    const auto b = p.getBounds();

    if (alignment == alignTopLeft)
        p.applyTransform (juce::AffineTransform::translation (sw * 0.5f - b.getX(), sw * 0.5f - b.getY()));
    else if (alignment == alignBottomRight)
        p.applyTransform (juce::AffineTransform::translation (area.getWidth() - b.getWidth() - sw * 0.5f - b.getX(),
                                                              area.getHeight() - b.getHeight() - sw * 0.5f - b.getY()));

    const auto texture = juce::ImageCache::getFromMemory (BinaryData::filltexture_png, BinaryData::filltexture_pngSize);

    juce::FillType fill (texture, juce::AffineTransform());
    fill.setOpacity (sketch ? opacity * 0.05f : opacity);
    g.setFillType (fill);
    g.fillPath (p);

    if (! sketch)
        return;

    juce::PathFlatteningIterator it (p, juce::AffineTransform(), 0.1f);

    while (it.next())
        pencil->lines.push_back (pencil->createLine (it.x1, it.y1, it.x2, it.y2, -1.0f));

    pencil->paint (g);
}
