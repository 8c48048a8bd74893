#include "JSKnob.h"

#include "FontManager.h"
#include "JSGraphics.h"

#include <cmath>

JSKnob::JSKnob()
    : pencil (std::make_unique<Pencil> (5.0f, "pencil"))
{
    pencil->opacity = 0.9f;
}

JSKnob::~JSKnob()
{
    background.reset();
    labelImage.reset();
    pencil.reset();
}

void JSKnob::mouseDown (const juce::MouseEvent& e)
{
    beginGesture (lastMouse, e);
}

void JSKnob::mouseDrag (const juce::MouseEvent& e)
{
    // A drag over the knob's full height sweeps 0.3 of the range.
    dragBy (lastMouse, e, 0.3f);
}

void JSKnob::mouseUp (const juce::MouseEvent&)
{
    endGesture();
}

void JSKnob::mouseDoubleClick (const juce::MouseEvent&)
{
    resetToDefault();
}

void JSKnob::mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    stepByWheel (e, wheel);
}

void JSKnob::resized()
{
    background.reset();
    background = JSGraphics::GetImageEmpty (getLocalBounds());
    paintBackground();
}

void JSKnob::paintBackground()
{
    // Public, so it may be called before the first layout made the cache.
    if (background == nullptr)
        return;

    juce::Graphics g (*background);
    const int w = background->getWidth();
    const int h = background->getHeight();
    const float s = (float) JSGraphics::getDisplayScale();

    labelImage.reset();

    if (auto* fonts = FontManager::getInstance())
        labelImage = fonts->createImage (label, 10.0f, 0.6f);

    pencil->setStrokeSize (6.0f * s);
    pencil->opacity = 0.9f;

    const float r = (float) ((double) w * 0.5 - (double) margin * (double) s);
    const float cx = (float) w * 0.5f;
    const float cy = (float) h * 0.5f;

    // The arc reaches pi/50 beyond each end of the pointer's sweep; angle 0
    // points down and growing angles turn through right, up and left.
    const float startAngle = 0.7225663f;
    const float step = 0.096761055f;

    float px = cx + 0.66131186f * r;
    float py = cy + 0.75011104f * r;
    float alpha = 0.0f;

    // One faint segment where the arc starts, three where it ends.
    for (int k = 1; k <= 50; ++k)
    {
        if (k <= 2)
            alpha = juce::jmin (alpha + 1.0f / 3.0f, 1.0f);
        else if (k >= 48)
            alpha = juce::jmax (alpha - 1.0f / 3.0f, 1.0f / 3.0f);

        const float a = (float) k * step + startAngle;
        const float qx = cx + std::sin (a) * r;
        const float qy = cy + std::cos (a) * r;
        pencil->lines.push_back (pencil->createLine (px, py, qx, qy, alpha));
        px = qx;
        py = qy;
    }

    pencil->paint (g);

    pencil->setStrokeSize (5.0f);
    pencil->opacity = 0.7f;
}

void JSKnob::paint (juce::Graphics& g)
{
    const float cx = (float) getWidth() * 0.5f;
    const float cy = cx + 0.5f;   // the knob is square
    const float r = cx - margin;

    const float theta = (float) ((1.0 - (double) value) * (3.0 * juce::MathConstants<double>::pi / 2.0)
                                 + juce::MathConstants<double>::pi / 4.0);
    const float sn = std::sin (theta);
    const float cs = std::cos (theta);

    pencil->lines.push_back (pencil->createLine (cx + sn * (r - margin), cy + cs * (r - margin),
                                                 cx + sn * (r + margin), cy + cs * (r + margin), -1.0f));
    pencil->paint (g);

    if (background != nullptr)
        JSGraphics::DrawImageAt (g, *background, 0, 0, 1.0f);

    if (labelImage != nullptr)
        JSGraphics::DrawImageCenteredAt (g, *labelImage, (int) (getWidth() * 0.5), (int) (getHeight() * 0.5), 1.0f);
}
