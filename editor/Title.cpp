#include "Title.h"

#include "FontManager.h"
#include "JSGraphics.h"

Title::Title() = default;

Title::~Title()
{
    nameImage.reset();
}

void Title::resized()
{
    const int w = getWidth();
    const int h = getHeight();
    const int s = juce::jmin (w, h);

    icon.setSize (s, s);

    nameImage.reset();

    if (auto* fonts = FontManager::getInstance())
        nameImage = fonts->createImage (name, (float) (s * (w >= h ? 0.6 : 0.4)), 0.6f);
}

void Title::paint (juce::Graphics& g)
{
    if (nameImage == nullptr)
        return;

    const int iconWidth = icon.getWidth();
    const int iconHeight = icon.getHeight();
    int x, y;

    if (getWidth() >= getHeight())
    {
        const float scale = (float) JSGraphics::getDisplayScale();
        x = iconWidth + 5;
        y = (int) ((float) getHeight() * 0.5f - (float) nameImage->getHeight() / scale * 0.5f);
    }
    else
    {
        x = (int) ((float) iconWidth * 0.15f);
        y = iconHeight + 5;
    }

    JSGraphics::DrawImageAt (g, *nameImage, x, y, 1.0f);
}
