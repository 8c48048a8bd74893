#pragma once

#include "Logo.h"
#include "Title.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The window's backdrop: tiled paper under a picture, the title in the top
// left and the logo in the bottom right. It tells the owner which area is
// left for the controls. A portrait panel shows the picture turned a
// quarter turn, so the same landscape picture fills any shape.
class JSBackground : public juce::Component
{
public:
    JSBackground();
    ~JSBackground() override;

    // Once, before the first layout. Only the area's size is used.
    void init (juce::Image background, juce::Image paperTile, juce::Rectangle<int> area,
               Logo::LogoCallback* callback);

    // Where the owner lays out its controls; valid after the first layout.
    juce::Rectangle<int> getUIArea();

    void paint (juce::Graphics& g) override;
    void resized() override;

    juce::AffineTransform transform;
    juce::Image backgroundImage;
    juce::Image paper;
    juce::Image scaledBackground;
    juce::Image backdrop;   // paper and picture, composed at display resolution
    Title title;
    Logo logo;

private:
    void paintBackdrop (juce::Graphics& g);
    void composeBackdrop();

    float backdropScale = 1.0f;
};
