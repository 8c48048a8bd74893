#pragma once

// A stand-in for the editor window shared by the preset tests and the preset
// sheet: 1000 x 320, the manager filled with the factory presets, the bar in
// the top-right corner and the browser shown and hidden the way the editor
// does it. On the desktop it takes clicks and key presses through its peer,
// so they travel JUCE's own dispatch.

#include "FactoryPresets.h"
#include "JSGraphics.h"
#include "PresetManager.h"
#include "TolerantXErrors.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <vector>

namespace presettest
{

inline void addFactoryPresets (PresetManager& m)
{
    const int category = m.addCategory ("FACTORY");

    for (int i = 0; i < FactoryPresetCount; ++i)
        m.addPreset (FactoryPresetNames[i], category,
                     FactoryPresetData[i], FactoryPresetValueCount);
}

class EditorHost : public juce::Component, public PresetManagerDelegate
{
public:
    // `fill` adds the categories and presets; it may designate a user category.
    explicit EditorHost (std::function<void (PresetManager&)> fill = addFactoryPresets)
    {
        fill (manager);
        manager.finishInit();
        bar = manager.CreateOpenButton();
        addAndMakeVisible (bar);
        setSize (1000, 320);
    }

    void putOnDesktop()
    {
        installTolerantXErrorHandler();
        setTopLeftPosition (0, 0);
        addToDesktop (0);
        setVisible (true);
    }

    void resized() override
    {
        manager.setBounds (getLocalBounds());
        bar->setTopRightPosition (getWidth() - 5, 5);
    }

    void paint (juce::Graphics& g) override
    {
        const float s = (float) JSGraphics::getDisplayScale();
        g.setFillType (juce::FillType (JSGraphics::GetImage ("papper"), juce::AffineTransform::scale (1.0f / s)));
        g.fillAll();
    }

    void setNewState (float* values) override { applied.emplace_back (values, values + 20); }
    float* getCurrentState (int* count) override { *count = 20; return state.data(); }
    void closePresetlist() override { removeChildComponent (&manager); }
    void openPresetlist() override { addAndMakeVisible (manager); }

    bool browserOpen() const { return manager.getParentComponent() == this; }

    // A left click at `pos` in `target`'s coordinates: move, press, release.
    void click (juce::Component& target, juce::Point<int> pos)
    {
        const auto at = getLocalPoint (&target, pos).toFloat();
        const auto left = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier);

        for (auto mods : { juce::ModifierKeys(), left, juce::ModifierKeys() })
        {
            time += 1000;   // far apart, so no press counts as a double-click
            getPeer()->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, at, mods,
                                         juce::MouseInputSource::defaultPressure,
                                         juce::MouseInputSource::defaultOrientation, time);
        }
    }

    void click (juce::Component& target) { click (target, target.getLocalBounds().getCentre()); }

    void clickRow (juce::ListBox& list, int row, int x = 20)
    {
        // A user sees the rows before clicking one, and the preset list's
        // delete zone is measured when they are drawn.
        list.createComponentSnapshot (list.getLocalBounds());
        click (list, list.getRowPosition (row, true).getTopLeft() + juce::Point<int> (x, 15));
    }

    // The key goes where a keyboard's goes: to the focused component, else
    // the window. A button answers Return with a posted click, so what the
    // key posted runs before this returns; messages run in order, so all
    // of them have once a marker posted last has.
    void press (const juce::KeyPress& key)
    {
        getPeer()->handleKeyPress (key);

        bool reached = false;
        juce::MessageManager::callAsync ([&reached] { reached = true; });

        while (! reached)
            juce::MessageManager::getInstance()->runDispatchLoopUntil (1);
    }

    PresetManager manager { this };
    PresetButton* bar = nullptr;
    std::vector<std::vector<float>> applied;
    std::vector<float> state = std::vector<float> (20, 0.5f);
    juce::int64 time = juce::Time::currentTimeMillis();
};

} // namespace presettest
