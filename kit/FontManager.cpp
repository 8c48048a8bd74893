#include "FontManager.h"

#include "JSGraphics.h"

#include <cmath>

FontManager* FontManager::instance = nullptr;
int FontManager::retainCount = 0;

FontManager* FontManager::create (juce::Font large, juce::Font small, int threshold, juce::Image texture)
{
    ++retainCount;

    if (instance == nullptr)
        instance = new FontManager (large, small, threshold, texture);

    return instance;
}

FontManager* FontManager::getInstance()
{
    return instance;
}

void FontManager::destroy()
{
    // An unmatched release must not push the count below zero, or the next
    // editor's reference would never delete the instance.
    if (retainCount <= 0)
        return;

    if (--retainCount == 0)
    {
        delete instance;
        instance = nullptr;
    }
}

FontManager::FontManager (juce::Font large, juce::Font small, int threshold, juce::Image texture)
    : pencil (std::make_unique<Pencil> (4.0f, "pencil")),
      largeFont (large),
      smallFont (small),
      fillTexture (texture),
      smallFontThreshold (threshold)
{
    smallFont.setHorizontalScale (0.8f);
}

FontManager::~FontManager() = default;

juce::Font FontManager::fontForSizeClass (int n)
{
    // About one logical unit of extra spacing per character at any size.
    const float k = 1.0f / (float) n;
    smallFont.setExtraKerningFactor (k);
    largeFont.setExtraKerningFactor (k);
    return n >= smallFontThreshold ? largeFont : smallFont;
}

void FontManager::setStrokeBand (float v, float displayScale)
{
    if (v < 20.0f)
        pencil->setStrokeSize (2.0f * displayScale);
    else if (v < 35.0f)
        pencil->setStrokeSize (3.0f * displayScale);
    else
        pencil->setStrokeSize (4.0f * displayScale);
}

void FontManager::tracePath (const juce::Path& outline)
{
    juce::PathFlatteningIterator it (outline, juce::AffineTransform(), 0.1f);

    while (it.next())
        pencil->lines.push_back (pencil->createLine (it.x1, it.y1, it.x2, it.y2, -1.0f));
}

std::unique_ptr<juce::Image> FontManager::createImage (juce::String text, float size, float alpha)
{
    const float s = (float) JSGraphics::getDisplayScale();
    const int n = (int) size;

    // Below one logical unit there is no size class (and no kerning); such
    // text is too small to see, so it renders as nothing.
    if (n < 1)
        return std::make_unique<juce::Image> (juce::Image::ARGB, 1, 1, true);

    juce::Font font = fontForSizeClass (n);
    font.setHeight (s * size);

    setStrokeBand (size, s);
    pencil->opacity = alpha / s;
    const float sw = pencil->strokeWidth;

    juce::GlyphArrangement glyphs;
    glyphs.addLineOfText (font, text, 0.0f, 0.0f);
    juce::Path outline;
    glyphs.createPath (outline);

    const auto b0 = outline.getBounds();
    outline.applyTransform (juce::AffineTransform::translation ((float) ((double) sw * 0.5 - (double) b0.getX()),
                                                                (float) ((double) sw * 0.5 - (double) b0.getY())));
    tracePath (outline);

    const auto bounds = outline.getBounds();
    const int w = (int) ((float) std::nearbyint (bounds.getWidth()) + sw);
    const int h = (int) ((float) std::nearbyint (bounds.getHeight()) + sw);

    auto image = std::make_unique<juce::Image> (juce::Image::ARGB, juce::jmax (1, w), juce::jmax (1, h), true);

    juce::Graphics g (*image);
    g.setFont (font);
    juce::FillType fill (fillTexture, juce::AffineTransform());
    fill.setOpacity (juce::jmin (1.0f, alpha * 1.1f));
    g.setFillType (fill);
    g.fillPath (outline);

    pencil->paint (g);
    return image;
}

void FontManager::draw (juce::Graphics& g, juce::String text, float height, juce::Rectangle<int> area,
                        juce::Justification justification, bool pencilStyle, float displayScale,
                        float alpha, float minHScale, bool rotate)
{
    const int n = (int) (height / displayScale);

    if (n < 1)
        return;

    juce::Font font = fontForSizeClass (n);
    font.setHeight (height);
    g.setFont (font);

    const float s = (float) JSGraphics::getDisplayScale();
    setStrokeBand (height, s);
    pencil->opacity = alpha / s;

    juce::GlyphArrangement glyphs;
    glyphs.addFittedText (font, text, (float) area.getX(), (float) area.getY(),
                          (float) area.getWidth(), (float) area.getHeight(),
                          justification, 1, minHScale);
    juce::Path outline;
    glyphs.createPath (outline);

    if (rotate)
    {
        const auto b0 = outline.getBounds();
        outline.applyTransform (juce::AffineTransform::rotation (-juce::MathConstants<float>::halfPi));
        const auto b1 = outline.getBounds();
        outline.applyTransform (juce::AffineTransform::translation (2.0f - b1.getX(), b0.getY() - b1.getY()));
        const auto b2 = outline.getBounds();
        outline.applyTransform (juce::AffineTransform::translation (0.0f, -0.5f * b2.getHeight()));
    }

    juce::FillType fill (fillTexture, juce::AffineTransform());
    fill.setOpacity (juce::jmin (1.0f, alpha * 1.1f));
    g.setFillType (fill);
    g.fillPath (outline);

    if (! pencilStyle)
        return;

    tracePath (outline);
    pencil->paint (g);
}
