#include "Pencil.h"

#include "JSGraphics.h"

#include <cmath>

Pencil::Pencil (float size, juce::String textureName)
    : texture (JSGraphics::GetImage (textureName.toRawUTF8()))
{
    setStrokeSize (size);
}

void Pencil::setStrokeSize (float size)
{
    strokeWidth = size - 0.5f;
    halfWidth = strokeWidth * 0.5f;
    scaledTexture = texture.rescaled (texture.getWidth(), (int) (strokeWidth + 4.0f),
                                      juce::Graphics::mediumResamplingQuality);
}

Pencil::LineInfo Pencil::createLine (float x1, float y1, float x2, float y2, float alpha) const
{
    LineInfo line;
    line.alpha = alpha;
    line.angle = std::atan2 (x2 - x1, y2 - y1);

    // The quad's long edges lie half a stroke to either side of the segment.
    const float across = (float) ((double) line.angle + (-1.5707963267948966));
    const float ox = std::sin (across) * halfWidth;
    const float oy = std::cos (across) * halfWidth;

    line.quad.startNewSubPath (x1 + ox, y1 + oy);
    line.quad.lineTo (x1 - ox, y1 - oy);
    line.quad.lineTo (x2 - ox, y2 - oy);
    line.quad.lineTo (x2 + ox, y2 + oy);
    line.quad.closeSubPath();

    line.x = x1;
    line.y = y1;
    line.sameSign = (x1 > x2 && y1 > y2) || (x2 > x1 && y2 > y1);
    return line;
}

void Pencil::paint (juce::Graphics& g)
{
    // Shifts the texture across the stroke so that neighbouring segments do
    // not show the same grain.
    const float ofs = 2.0f;

    for (size_t i = 0; i < lines.size(); ++i)
    {
        const LineInfo& line = lines[i];
        float x = line.x;
        float y = line.y;

        if (line.angle > 0.0f)
            x += 0.5f;

        if ((double) line.angle < -juce::MathConstants<double>::halfPi
            || (double) line.angle > juce::MathConstants<double>::halfPi)
            y += 0.5f;

        const float r = (float) (juce::MathConstants<double>::halfPi - (double) line.angle
                                 + juce::MathConstants<double>::pi);
        const float h = halfWidth;

        juce::AffineTransform t;

        if (line.sameSign)
            t = juce::AffineTransform::translation (x, -ofs).rotated (r, h, h).translated (x - h, y - h);
        else if (line.angle <= 0.0f)
            t = juce::AffineTransform::translation (x, ofs).rotated (r, 0.0f, 0.0f).translated (x + h, y + h);
        else
            t = juce::AffineTransform::translation (x, ofs).rotated (r, 0.0f, 0.0f).translated (x - h, y - h);

        g.setFillType (juce::FillType (scaledTexture, t));
        g.setOpacity (line.alpha >= 0.0f ? line.alpha * opacity : opacity);
        g.fillPath (line.quad);
    }

    lines.clear();
}

void Pencil::addSingleLine (float x1, float y1, float x2, float y2, float fadeIn, float fadeOut, int steps)
{
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    const float n = (float) steps;

    float px = x1;
    float py = y1;

    if (steps > 1)
    {
        for (int i = 1; i < steps; ++i)
        {
            const float t = (fadeIn / n) * (float) i;
            const float qx = dx * t + x1;
            const float qy = dy * t + y1;
            lines.push_back (createLine (px, py, qx, qy, (float) i / n));
            px = qx;
            py = qy;
        }
    }

    const float m = 1.0f - fadeOut;
    {
        const float qx = dx * m + x1;
        const float qy = dy * m + y1;
        lines.push_back (createLine (px, py, qx, qy, 1.0f));
        px = qx;
        py = qy;
    }

    if (steps >= 1)
    {
        for (int j = 1; j <= steps; ++j)
        {
            const float t = (fadeOut / n) * (float) j + m;
            const float alpha = 1.0f - (float) j / (n + 1.0f);
            const float qx = dx * t + x1;
            const float qy = dy * t + y1;
            // The fade-out runs backwards and one pixel to the right, which
            // gives the end of the line a slightly doubled, sketched look.
            lines.push_back (createLine (qx + 1.0f, qy, px + 1.0f, py, alpha));
            px = qx;
            py = qy;
        }
    }
}
