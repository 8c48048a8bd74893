#pragma once

// Receiver of the preset bar's four buttons.
class PresetButtonDelegate
{
public:
    virtual ~PresetButtonDelegate() = default;

    virtual void selectNextPreset() = 0;
    virtual void selectPrevPreset() = 0;
    virtual void openPresetManager() = 0;
    virtual void openSaveDialouge() = 0;
};
