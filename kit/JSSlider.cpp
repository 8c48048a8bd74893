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
    lastMouse = e.getMouseDownPosition();

    if (callback != nullptr)
        callback->ui_beginGesture (this, paramId);
}

void JSSlider::mouseDrag (const juce::MouseEvent& e)
{
    const auto p = e.getPosition();
    float d = (float) (p.y - lastMouse.y);

    if (e.mods.isAltDown())
        d = d * 0.1f;

    // Relative to the previous event, so Alt pressed mid-drag never jumps.
    lastMouse = p;

    if (getHeight() <= 0)
        return;

    value = value - d / (float) getHeight();

    if (value < 0.0f)
        value = 0.0f;
    else if (value > 1.0f)
        value = 1.0f;

    if (callback != nullptr)
        callback->valueChanged (this, paramId, value);

    repaint();
}

void JSSlider::mouseUp (const juce::MouseEvent&)
{
    if (callback != nullptr)
        callback->ui_endGesture (this, paramId);
}

void JSSlider::mouseDoubleClick (const juce::MouseEvent&)
{
    // Without an owner there is no default to return to.
    if (callback == nullptr)
        return;

    value = callback->defaultValueForParamId (paramId);
    callback->valueChanged (this, paramId, value);
    repaint();
}

void JSSlider::mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    const double factor = e.mods.isAltDown() ? 0.02 : 0.2;
    float v = (float) ((double) value + (double) wheel.deltaY * factor);
    v = juce::jmax (0.0f, v);
    v = juce::jmin (1.0f, v);
    value = v;

    if (callback != nullptr)
        callback->valueChanged (this, paramId, value);

    repaint();
}

void JSSlider::resized()
{
    background.reset();
    background = JSGraphics::GetImageEmpty (getLocalBounds());
    paintBackground();
}

void JSSlider::paintBackground()
{
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
