#include "StandalonePlayerInfo.h"

#include "FontManager.h"
#include "JSGraphics.h"

StandalonePlayerInfo::StandalonePlayerInfo() = default;

StandalonePlayerInfo::~StandalonePlayerInfo()
{
    firstLine.reset();
    secondLine.reset();
}

void StandalonePlayerInfo::resized()
{
    firstLine.reset();
    secondLine.reset();

    if (auto* fonts = FontManager::getInstance())
    {
        firstLine = fonts->createImage ("Put on headphones", 9.0f, 0.6f);
        secondLine = fonts->createImage ("to prevent feedback.", 9.0f, 0.6f);
    }
}

void StandalonePlayerInfo::paint (juce::Graphics& g)
{
    if (firstLine != nullptr)
        JSGraphics::DrawImageAt (g, *firstLine, 0, 0, 1.0f);

    if (secondLine != nullptr)
        JSGraphics::DrawImageAt (g, *secondLine, 0, 12, 1.0f);
}
