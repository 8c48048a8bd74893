#include "JSGraphics.h"
#include "KitTestSupport.h"
#include "Pencil.h"

#include <cmath>

using namespace kittest;

namespace
{
    constexpr float pi = juce::MathConstants<float>::pi;

    // A pencil whose texture is solid white, so that the alpha of a filled
    // pixel is exactly the segment's opacity.
    Pencil solidPencil (float size)
    {
        Pencil pencil (size, "pencil");
        pencil.texture = solidImage (300, 22, juce::Colours::white);
        pencil.setStrokeSize (size);
        return pencil;
    }
}

TEST (Pencil, StrokeSizeSetsWidthAndSqueezesTheTexture)
{
    Pencil pencil (5.0f, "pencil");
    EXPECT_FLOAT_EQ (pencil.strokeWidth, 4.5f);
    EXPECT_FLOAT_EQ (pencil.halfWidth, 2.25f);
    EXPECT_FLOAT_EQ (pencil.opacity, 0.65f);
    EXPECT_EQ (pencil.scaledTexture.getWidth(), 300);
    EXPECT_EQ (pencil.scaledTexture.getHeight(), 8);

    pencil.opacity = 0.3f;
    pencil.setStrokeSize (10.0f);
    EXPECT_FLOAT_EQ (pencil.strokeWidth, 9.5f);
    EXPECT_FLOAT_EQ (pencil.halfWidth, 4.75f);
    EXPECT_EQ (pencil.scaledTexture.getHeight(), 13);
    EXPECT_FLOAT_EQ (pencil.opacity, 0.3f);

    ScopedDisplayScale scale (2.0f);
    Pencil sharp (5.0f, "pencil");
    EXPECT_EQ (sharp.scaledTexture.getWidth(), 600);
    EXPECT_EQ (sharp.scaledTexture.getHeight(), 8);
}

TEST (Pencil, CreateLineGivesDirectionAndSignOfTheSegment)
{
    Pencil pencil (5.0f, "pencil");

    struct Case { float x2, y2, angle; bool sameSign; };
    const Case cases[] = {
        { 10.0f, 10.0f, pi / 4.0f, true },          // down-right
        { -10.0f, -10.0f, -3.0f * pi / 4.0f, true }, // up-left
        { 10.0f, -10.0f, 3.0f * pi / 4.0f, false },  // up-right
        { 10.0f, 0.0f, pi / 2.0f, false },           // right: dy is zero
        { 0.0f, 10.0f, 0.0f, false },                // down
        { 0.0f, -10.0f, pi, false },                 // up
    };

    for (const auto& c : cases)
    {
        auto line = pencil.createLine (0.0f, 0.0f, c.x2, c.y2, 0.5f);
        EXPECT_NEAR (line.angle, c.angle, 1e-6) << c.x2 << "," << c.y2;
        EXPECT_EQ (line.sameSign, c.sameSign) << c.x2 << "," << c.y2;
        EXPECT_EQ (line.x, 0.0f);
        EXPECT_EQ (line.y, 0.0f);
        EXPECT_EQ (line.alpha, 0.5f);
        EXPECT_TRUE (pencil.lines.empty());
    }
}

TEST (Pencil, QuadIsTheStrokeWideRectangleAroundTheSegment)
{
    Pencil pencil (5.0f, "pencil");

    auto down = pencil.createLine (0.0f, 0.0f, 0.0f, 10.0f, -1.0f).quad.getBounds();
    EXPECT_NEAR (down.getX(), -2.25f, 1e-5);
    EXPECT_NEAR (down.getRight(), 2.25f, 1e-5);
    EXPECT_NEAR (down.getY(), 0.0f, 1e-5);
    EXPECT_NEAR (down.getBottom(), 10.0f, 1e-5);

    // Every corner of a diagonal's quad lies half a stroke from the segment.
    auto diagonal = pencil.createLine (0.0f, 0.0f, 10.0f, 10.0f, -1.0f).quad;
    juce::Path::Iterator it (diagonal);
    int corners = 0;

    while (it.next())
    {
        if (it.elementType != juce::Path::Iterator::startNewSubPath && it.elementType != juce::Path::Iterator::lineTo)
            continue;

        const float distance = std::abs (it.x1 - it.y1) / std::sqrt (2.0f);
        EXPECT_NEAR (distance, 2.25f, 1e-4);
        ++corners;
    }

    EXPECT_EQ (corners, 4);

    auto empty = pencil.createLine (3.0f, 3.0f, 3.0f, 3.0f, -1.0f);
    EXPECT_EQ (empty.angle, 0.0f);
    EXPECT_EQ (empty.quad.getBounds().getHeight(), 0.0f);
}

TEST (Pencil, PaintFillsEachSegmentAtItsOpacityAndForgetsThem)
{
    auto pencil = solidPencil (5.0f);
    juce::Image canvas (juce::Image::ARGB, 100, 60, true);

    {
        juce::Graphics g (canvas);
        pencil.lines.push_back (pencil.createLine (10.0f, 10.0f, 90.0f, 10.0f, -1.0f));
        pencil.lines.push_back (pencil.createLine (10.0f, 30.0f, 90.0f, 30.0f, 0.5f));
        pencil.lines.push_back (pencil.createLine (10.0f, 50.0f, 90.0f, 50.0f, 0.0f));
        pencil.lines.reserve (16);
        pencil.paint (g);
    }

    EXPECT_NEAR (alphaAt (canvas, 50, 10), 166, 3);   // 0.65
    EXPECT_NEAR (alphaAt (canvas, 50, 30), 83, 3);    // 0.5 x 0.65
    EXPECT_EQ (alphaAt (canvas, 50, 50), 0);          // alpha 0 draws nothing

    // Nothing outside the quads; square ends flush with the end points.
    EXPECT_EQ (alphaAt (canvas, 50, 20), 0);
    EXPECT_EQ (alphaAt (canvas, 5, 10), 0);
    EXPECT_EQ (alphaAt (canvas, 94, 10), 0);
    EXPECT_EQ (inkCount (canvas, { 0, 14, 100, 12 }, 0), 0);

    EXPECT_TRUE (pencil.lines.empty());
    EXPECT_GE (pencil.lines.capacity(), 16u);

    // An empty list draws nothing.
    juce::Image blank (juce::Image::ARGB, 20, 20, true);
    juce::Graphics g (blank);
    pencil.paint (g);
    EXPECT_EQ (inkCount (blank, 0), 0);
}

TEST (Pencil, RealTextureDrawsAGrainyStrokeAlongTheSegmentAtBothScales)
{
    for (float s : { 1.0f, 2.0f })
    {
        ScopedDisplayScale scale (s);
        Pencil pencil (5.0f * s, "pencil");
        juce::Image canvas (juce::Image::ARGB, 200, 200, true);

        {
            juce::Graphics g (canvas);
            pencil.lines.push_back (pencil.createLine (20.0f, 20.0f, 180.0f, 180.0f, -1.0f));
            pencil.lines.push_back (pencil.createLine (180.0f, 20.0f, 180.0f, 120.0f, -1.0f));
            pencil.paint (g);
        }

        // Ink along both segments, none far from them.
        EXPECT_GT (inkCount (canvas, { 95, 95, 10, 10 }), 10) << "scale " << s;
        EXPECT_GT (inkCount (canvas, { 175, 60, 10, 20 }), 10) << "scale " << s;
        EXPECT_EQ (inkCount (canvas, { 20, 120, 60, 60 }, 0), 0) << "scale " << s;

        // Grain: a pencil stroke is not one flat tone.
        int lowest = 255, highest = 0;

        for (int y = 30; y < 110; ++y)
        {
            const int a = alphaAt (canvas, 180, y);
            lowest = juce::jmin (lowest, a);
            highest = juce::jmax (highest, a);
        }

        EXPECT_GT (highest, 0) << "scale " << s;
        EXPECT_GT (highest - lowest, 10) << "scale " << s;
    }
}

TEST (Pencil, TextureGrainRunsAlongEverySegment)
{
    // A texture whose alpha changes across its height only: drawn along a
    // segment, it keeps one tone lengthwise and changes crosswise.
    Pencil pencil (5.0f, "pencil");
    juce::Image ramp (juce::Image::ARGB, 300, 22, true);

    for (int y = 0; y < 22; ++y)
        ramp.clear ({ 0, y, 300, 1 }, juce::Colours::black.withAlpha ((juce::uint8) (40 + y * 10)));

    pencil.texture = ramp;
    pencil.setStrokeSize (5.0f);
    pencil.opacity = 1.0f;

    const std::pair<float, float> directions[] = { { 0, 1 }, { 0, -1 }, { 1, 0 }, { -1, 0 },
                                                   { 0.6f, 0.8f }, { -0.6f, -0.8f }, { 0.8f, -0.6f }, { -0.8f, 0.6f } };

    for (auto [dx, dy] : directions)
    {
        juce::Image canvas (juce::Image::ARGB, 100, 100, true);
        {
            juce::Graphics g (canvas);
            pencil.lines.push_back (pencil.createLine (50.0f - 40 * dx, 50.0f - 40 * dy, 50.0f + 40 * dx, 50.0f + 40 * dy, -1.0f));
            pencil.paint (g);
        }

        const auto sample = [&canvas] (float x, float y) { return alphaAt (canvas, (int) std::floor (x), (int) std::floor (y)); };

        int lowest = 255, highest = 0, crosswise = 0;

        for (int i = -25; i <= 25; i += 5)
        {
            const float x = 50.0f + (float) i * dx, y = 50.0f + (float) i * dy;
            const int a = sample (x, y);
            lowest = juce::jmin (lowest, a);
            highest = juce::jmax (highest, a);
            crosswise = juce::jmax (crosswise, std::abs (sample (x - 1.5f * dy, y + 1.5f * dx) - sample (x + 1.5f * dy, y - 1.5f * dx)));
        }

        EXPECT_GT (lowest, 0) << dx << "," << dy;
        EXPECT_LT (highest - lowest, 40) << dx << "," << dy;
        EXPECT_GT (crosswise, 40) << dx << "," << dy;
    }
}

TEST (Pencil, AddSingleLineFadesInAndOutInSteps)
{
    Pencil pencil (5.0f, "pencil");
    pencil.addSingleLine (0.0f, 0.0f, 0.0f, 100.0f, 0.02f, 0.02f, 5);
    ASSERT_EQ (pencil.lines.size(), 10u);

    const float alphas[] = { 0.2f, 0.4f, 0.6f, 0.8f, 1.0f, 5.0f / 6, 4.0f / 6, 3.0f / 6, 2.0f / 6, 1.0f / 6 };

    for (size_t i = 0; i < 10; ++i)
        EXPECT_NEAR (pencil.lines[i].alpha, alphas[i], 1e-6) << "segment " << i;

    // The fade-in ends short of fadeIn; the middle runs to 1 - fadeOut; the
    // fade-out runs backwards, one pixel to the right, to the end point.
    EXPECT_NEAR (pencil.lines[3].quad.getBounds().getBottom(), 1.6f, 1e-4);
    EXPECT_NEAR (pencil.lines[4].quad.getBounds().getBottom(), 98.0f, 1e-4);
    EXPECT_FLOAT_EQ (pencil.lines[9].x, 1.0f);
    EXPECT_NEAR (pencil.lines[9].y, 100.0f, 1e-4);
    EXPECT_NEAR (pencil.lines[9].angle, pi, 1e-6);

    pencil.lines.clear();
    pencil.addSingleLine (0.0f, 0.0f, 0.0f, 100.0f, 0.1f, 0.1f, 1);
    EXPECT_EQ (pencil.lines.size(), 2u);

    pencil.lines.clear();
    pencil.addSingleLine (0.0f, 0.0f, 0.0f, 100.0f, 0.1f, 0.1f, 0);
    ASSERT_EQ (pencil.lines.size(), 1u);
    EXPECT_NEAR (pencil.lines[0].quad.getBounds().getBottom(), 90.0f, 1e-4);
}
