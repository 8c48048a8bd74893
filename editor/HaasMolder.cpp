#include "HaasMolder.h"

#include "FontManager.h"
#include "JSGraphics.h"

#include <algorithm>
#include <cmath>

HaasMolder::HaasMolder()
    : pencil (std::make_unique<Pencil> (3.5f, "pencil"))
{
    pencil->opacity = 0.4f;

    // A half sine, so the control shows a shape before it is bound.
    for (int j = 0; j < numRows; ++j)
        values[j] = (float) std::sin ((double) j * juce::MathConstants<double>::pi / 16.0);
}

HaasMolder::~HaasMolder()
{
    topLabel.reset();
    bottomLabel.reset();
    pencil.reset();
}

int HaasMolder::rowForParamId (int id)
{
    return (id >= 0 && id < numRows) ? numRows - 1 - id : -1;
}

void HaasMolder::init (JSUICallback* newCallback)
{
    if (auto* fonts = FontManager::getInstance())
    {
        topLabel = fonts->createImage ("20 kHz", 12.0f, 0.6f);
        bottomLabel = fonts->createImage ("20 Hz", 12.0f, 0.6f);
    }

    callback = newCallback;

    if (callback != nullptr)
        for (int id = 0; id < numRows; ++id)
            values[numRows - 1 - id] = callback->defaultValueForParamId (id);
}

void HaasMolder::resized()
{
    const int w = getWidth();
    const int h = getHeight();
    const float plotHeight = (float) (h - 40);

    plotWidth = (float) (w - 40);
    marginY = 20.0f;
    influenceRadius = 0.45f * plotHeight;
    rowSpacing = plotHeight / 15.0f;
    dragScale = 1.0f / (2.0f * plotWidth);
}

void HaasMolder::mouseDown (const juce::MouseEvent& e)
{
    const auto p = e.getPosition();
    const int x0 = p.x - getWidth() / 2;
    lastX = (float) x0;
    dragFromLeft = x0 < 0;

    for (int j = 0; j < numRows; ++j)
    {
        const float d = std::abs ((float) p.y - ((float) j * rowSpacing + marginY));
        float t = d < influenceRadius ? 1.0f - d / influenceRadius : 0.0f;
        t = juce::jlimit (0.0f, 1.0f, t);

        // The bell's exponent is taken in float, the quarter-turn scaling in
        // double, and the sine in float again.
        const double phase = (double) std::pow (t, 5.5f) * 3.141592653589793 * 0.5;
        weights[j] = std::sin ((float) phase);

        if (callback != nullptr)
            callback->ui_beginGesture (this, j);
    }
}

void HaasMolder::mouseDrag (const juce::MouseEvent& e)
{
    const int x0 = e.getPosition().x - getWidth() / 2;
    float delta = ((float) x0 - lastX) * dragScale;

    // Moving away from the centre on the side where the drag began widens.
    if (dragFromLeft)
        delta = -delta;

    lastX = (float) x0;

    for (int j = 0; j < numRows; ++j)
        values[j] = std::min (1.0f, std::max (0.0f, values[j] + weights[j] * delta));

    if (callback != nullptr)
        for (int id = 0; id < numRows; ++id)
            callback->valueChanged (this, id, values[numRows - 1 - id]);

    repaint();
}

void HaasMolder::mouseUp (const juce::MouseEvent&)
{
    if (callback != nullptr)
        for (int id = 0; id < numRows; ++id)
            callback->ui_endGesture (this, id);
}

float HaasMolder::getValueForParamId (int id)
{
    const int row = rowForParamId (id);
    return row >= 0 ? values[row] : 0.0f;
}

void HaasMolder::setValueForParamId (int id, float newValue)
{
    const int row = rowForParamId (id);

    if (row >= 0)
        values[row] = newValue;
}

void HaasMolder::paint (juce::Graphics& g)
{
    const float cx = (float) getWidth() * 0.5f;

    if (topLabel != nullptr)
        JSGraphics::DrawImageCenteredAt (g, *topLabel, (int) cx, 10, 1.0f);

    if (bottomLabel != nullptr)
        JSGraphics::DrawImageCenteredAt (g, *bottomLabel, (int) cx, (int) (getHeight() - 10), 1.0f);

    const auto left = [&] (int j) { return cx - values[j] * plotWidth * 0.5f; };
    const auto right = [&] (int j) { return cx + values[j] * plotWidth * 0.5f; };
    const auto rowY = [&] (int j) { return marginY + (float) j * rowSpacing; };

    // Each row's left point lies on the row, its right point half a row
    // lower, so the line zig-zags from band to band.
    for (int j = 1; j < numRows; ++j)
    {
        const float yPrev = rowY (j - 1);
        const float mid = (float) ((double) yPrev + (double) rowSpacing / 2.0);
        pencil->lines.push_back (pencil->createLine (right (j - 1), mid, left (j - 1), yPrev, -1.0f));
        pencil->lines.push_back (pencil->createLine (left (j), rowY (j), right (j - 1), mid, -1.0f));
    }

    pencil->paint (g);
}
