#include "JSBackground.h"

#include "BinaryData.h"
#include "JSGraphics.h"

#include <algorithm>

JSBackground::JSBackground() = default;

JSBackground::~JSBackground() = default;

void JSBackground::init (juce::Image background, juce::Image paperTile, juce::Rectangle<int> area,
                         Logo::LogoCallback* callback)
{
    transform = juce::AffineTransform();
    backgroundImage = background;
    paper = paperTile;
    scaledBackground = backgroundImage.rescaled (area.getWidth(), area.getHeight(),
                                                 juce::Graphics::highResamplingQuality);

    const auto iconImage = JSGraphics::GetImage ("title_icon");
    const float scale = (float) JSGraphics::getDisplayScale();
    title.name = "Velto";
    title.icon.setBounds (0, 0, (int) ((float) iconImage.getWidth() * scale),
                          (int) ((float) iconImage.getHeight() * scale));
    title.icon.setImage (iconImage);
    title.addAndMakeVisible (title.icon);
    addAndMakeVisible (title);

    logo.callback = callback;

    // Embedded resources end in a zero byte, so the text can be passed as is.
    logo.normalLayer.init (BinaryData::sorvan_svg, 160, 32, 0.5f, 3, false, false);
    logo.pressedLayer.init (BinaryData::sorvan_svg, 160, 32, 0.2f, 3, false, false);
    logo.addAndMakeVisible (logo.normalLayer);
    logo.addAndMakeVisible (logo.pressedLayer);
    logo.pressedLayer.setVisible (false);
    logo.addMouseListener (&logo, true);
    logo.setSize (160, 32);
    addAndMakeVisible (logo);

    // Laid out already: the backdrop needs the new pictures.
    if (! getLocalBounds().isEmpty())
        composeBackdrop();
}

void JSBackground::paint (juce::Graphics& g)
{
    // The composed backdrop lands pixel for pixel on the display, so a
    // paint is a plain copy instead of a tiled fill and an enlarged picture.
    if (backdrop.isValid())
    {
        g.drawImageTransformed (backdrop, juce::AffineTransform::scale (1.0f / backdropScale), false);
        return;
    }

    paintBackdrop (g);
}

void JSBackground::paintBackdrop (juce::Graphics& g)
{
    if (paper.isValid())
    {
        g.setTiledImageFill (paper, 0, 0, 1.0f);
        g.fillAll();
    }

    if (scaledBackground.isValid())
        g.drawImageTransformed (scaledBackground, transform, false);
}

void JSBackground::resized()
{
    const float w = (float) getWidth();
    const float h = (float) getHeight();

    if (h > w)
    {
        transform = juce::AffineTransform::rotation (1.5707964f).translated (w, 0.0f);
        scaledBackground = backgroundImage.rescaled ((int) h, (int) w, juce::Graphics::highResamplingQuality);
    }
    else
    {
        transform = juce::AffineTransform();
        scaledBackground = backgroundImage.rescaled ((int) w, (int) h, juce::Graphics::highResamplingQuality);
    }

    composeBackdrop();

    const double dw = (double) w, dh = (double) h;

    if (w > h)
        title.setBounds (10, 10, (int) (dh * 0.2), (int) (dh * 0.2 / 0.5677083134651184));
    else
        title.setBounds (10, 10, (int) (0.25 * dw / 0.43170732259750366), (int) (dw * 0.2));

    const float s = (float) ((double) std::min (w, h) * 0.2);
    const float t = 0.2f * s;
    logo.setSize ((int) s, (int) t);
    logo.normalLayer.setSize (logo.getWidth(), logo.getHeight());
    logo.pressedLayer.setSize (logo.getWidth(), logo.getHeight());
    logo.setTopLeftPosition ((int) (w - 10.0f - s), (int) (h - 10.0f - t));
    logo.repaint();
}

juce::Rectangle<int> JSBackground::getUIArea()
{
    const auto t = title.getBounds();
    const auto l = logo.getBounds();
    const int h = getHeight();

    if (getWidth() > h)
    {
        const int x = t.getRight() + 60;
        const int y = (int) (t.getY() + t.getHeight() * 0.35);
        const int width = (int) (l.getX() + l.getWidth() * 0.5 - 10.0) - 10 - t.getRight();
        const int height = (int) (h - 2.54 * l.getHeight()) - y;
        return { x, y, width, height };
    }

    const int k = (int) ((float) title.icon.getWidth() * 0.8f);
    const int x = (int) (t.getX() + k * 0.5);
    const int y = t.getBottom() + 30;
    const int width = (int) (l.getX() + l.getWidth() * 0.7) - x;
    const int height = h - 85 - t.getBottom() - l.getHeight();
    return { x, y, width, height };
}

void JSBackground::composeBackdrop()
{
    backdrop = {};
    const float scale = (float) JSGraphics::getDisplayScale();
    const int pw = (int) ((float) getWidth() * scale);
    const int ph = (int) ((float) getHeight() * scale);

    if (pw <= 0 || ph <= 0 || ! (paper.isValid() || scaledBackground.isValid()))
        return;

    juce::Image composed (juce::Image::RGB, pw, ph, true);
    juce::Graphics g (composed);
    g.addTransform (juce::AffineTransform::scale (scale));
    paintBackdrop (g);
    backdrop = composed;
    backdropScale = scale;
}
