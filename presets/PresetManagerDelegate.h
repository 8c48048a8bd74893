#pragma once

// What the preset library needs from the window that shows it: applying a
// preset's values, reading the values in force, and showing or hiding the
// browser overlay.
class PresetManagerDelegate
{
public:
    virtual ~PresetManagerDelegate() = default;

    // Apply all 20 values; the array stays the caller's.
    virtual void setNewState (float* values) = 0;

    // The values in force; their number goes to *count. The array stays the
    // delegate's and must stay valid until its next call.
    virtual float* getCurrentState (int* count) = 0;

    virtual void closePresetlist() = 0;
    virtual void openPresetlist() = 0;
};
