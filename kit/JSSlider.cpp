#include "JSSlider.h"

#include "FontManager.h"
#include "JSGraphics.h"

JSSlider::JSSlider()
    : pencil (std::make_unique<Pencil> (5.0f, "pencil"))
{
}

JSSlider::~JSSlider()
{
    background.reset();
    pencil.reset();
}

void JSSlider::mouseDown (const juce::MouseEvent& e)
{
    beginGesture (lastMouse, e);
}

void JSSlider::mouseDrag (const juce::MouseEvent& e)
{
    dragBy (lastMouse, e, 1.0f);
}

void JSSlider::mouseUp (const juce::MouseEvent&)
{
    endGesture();
}

void JSSlider::mouseDoubleClick (const juce::MouseEvent&)
{
    resetToDefault();
}

void JSSlider::mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    stepByWheel (e, wheel);
}

void JSSlider::resized()
{
    background.reset();
    background = JSGraphics::GetImageEmpty (getLocalBounds());
    paintBackground();
}

void JSSlider::paintBackground()
{
    // Public, so it may be called before the first layout made the cache.
    if (background == nullptr)
        return;

    juce::Graphics g (*background);
    const int w = background->getWidth();
    const int h = background->getHeight();
    const float s = (float) JSGraphics::getDisplayScale();

    // The caption is as high as the fader is wide divided by 4.5.
    const float labelH = (float) ((double) w / 4.5);
    const juce::Rectangle<int> captionArea (0, (int) ((float) h - labelH), w, (int) labelH);

    if (auto* fonts = FontManager::getInstance())
        fonts->draw (g, label, labelH, captionArea, juce::Justification::centred, true, s, 0.9f, 0.5f, false);

    pencil->opacity = 0.7f;
    pencil->setStrokeSize (5.0f * s);

    // Room above the caption, less half a stroke and a stroke of clearance.
    travel = (float) ((double) (h - (int) labelH) - 0.5 * 5.0 * (double) s - 5.0 * (double) s);

    const float x = (float) w / 2.0f;
    pencil->addSingleLine (x, 0.0f, x, travel + 2.5f * s, 0.02f, 0.02f, 5);
    pencil->paint (g);

    pencil->setStrokeSize (5.0f);
    travel = travel / s;
}

void JSSlider::paint (juce::Graphics& g)
{
    if (background != nullptr)
        JSGraphics::DrawImageAt (g, *background, 0, 1, 1.0f);

    const float x = (float) (getWidth() * 0.5 - 8.0);
    const float y = travel - value * travel + 2.5f;

    pencil->lines.push_back (pencil->createLine (x, y, x + 16.0f, y, -1.0f));
    pencil->paint (g);
}
