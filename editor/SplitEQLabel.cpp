#include "SplitEQLabel.h"

#include "JSGraphics.h"

SplitEQLabel::SplitEQLabel()
    : pencil (std::make_unique<Pencil> (2.5f, "pencil"))
{
    pencil->opacity = 0.5f;
}

SplitEQLabel::~SplitEQLabel()
{
    pencil.reset();
    captionImage.reset();
}

void SplitEQLabel::paint (juce::Graphics& g)
{
    const float half = (float) getWidth() * 0.5f;
    const float right = (float) (getWidth() - 2);

    if (captionImage != nullptr)
        JSGraphics::DrawImageCenteredAt (g, *captionImage, (int) half, 18, 1.0f);

    // The horizontal strokes leave a gap of 40 pixels for the caption.
    pencil->lines.push_back (pencil->createLine (2.0f, 2.0f, 2.0f, 18.0f, -1.0f));
    pencil->lines.push_back (pencil->createLine (2.0f, 18.0f, half - 20.0f, 18.0f, -1.0f));
    pencil->lines.push_back (pencil->createLine (half + 20.0f, 18.0f, right, 18.0f, -1.0f));
    pencil->lines.push_back (pencil->createLine (right, 18.0f, right, 2.0f, -1.0f));
    pencil->paint (g);
}

void SplitEQLabel::resized()
{
}
