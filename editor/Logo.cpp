#include "Logo.h"

Logo::LogoCallback::~LogoCallback() = default;

Logo::Logo() = default;

Logo::~Logo()
{
    removeMouseListener (this);
}

void Logo::mouseDown (const juce::MouseEvent&)
{
    normalLayer.setVisible (false);
    pressedLayer.setVisible (true);
}

void Logo::mouseUp (const juce::MouseEvent& e)
{
    normalLayer.setVisible (true);
    pressedLayer.setVisible (false);

    // The layers lie at the logo's origin, so the event's position is in the
    // logo's own coordinates whichever layer was pressed.
    const auto p = e.getPosition();

    if (p.x >= 0 && p.x < getWidth() && p.y >= 0 && p.y < getHeight() && callback != nullptr)
        callback->logoClick();
}

void Logo::paint (juce::Graphics&)
{
}

void Logo::resized()
{
}
