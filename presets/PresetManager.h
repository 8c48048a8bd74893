#pragma once

#include "PresetButton.h"
#include "PresetButtonDelegate.h"
#include "PresetManagerDelegate.h"
#include "SaveDialogue.h"
#include "SaveDialogueDelegate.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

// The presets of one editor, in memory only: categories of named presets of
// 20 values. It remembers the preset applied last, steps through presets for
// the bar it creates, applies presets through its delegate, saves and
// removes presets of the user category, and is itself the browser overlay
// (a category list and a preset list over the dimmed editor).
class PresetManager : public juce::Component, public PresetButtonDelegate, public SaveDialogueDelegate
{
public:
    struct Preset
    {
        juce::String name;
        std::unique_ptr<float[]> values;   // never fewer than the 20 a state holds
        int count = 0;
    };

    struct Category
    {
        juce::String name;
        std::vector<Preset> presets;
    };

    class CatModel : public juce::ListBoxModel
    {
    public:
        explicit CatModel (PresetManager* owner);

        int getNumRows() override;
        void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected) override;
        void listBoxItemClicked (int row, const juce::MouseEvent& e) override;

        PresetManager* owner;
    };

    class PresetModel : public juce::ListBoxModel
    {
    public:
        explicit PresetModel (PresetManager* owner);

        int getNumRows() override;
        void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected) override;
        void listBoxItemClicked (int row, const juce::MouseEvent& e) override;

        PresetManager* owner;
        int lastRowWidth = 0;
    };

    explicit PresetManager (PresetManagerDelegate* delegate);
    ~PresetManager() override;

    int addCategory (juce::String name);
    void addPreset (juce::String name, int category, const float* values, int count);
    void finishInit();

    // Creates the bar once; the manager keeps owning it, the caller only
    // adds it to its children.
    PresetButton* CreateOpenButton();

    void setCategory (int category);
    void setPreset (int index);
    void updateCanSetPreset();
    void writeUserPreset (juce::String name, const float* values, int count);
    void removePreset (int index);

    // No part of the product names a user category; tests designate one
    // here, before CreateOpenButton, to reach saving and removing.
    void setUserCategory (int category);

    void saveCurrentPresetAs (juce::String name) override;
    bool hasPresetNamed (juce::String name) override;
    void selectNextPreset() override;
    void selectPrevPreset() override;
    void openPresetManager() override;
    void openSaveDialouge() override;

    void mouseDown (const juce::MouseEvent& e) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    // The applied preset's name; empty when none is applied.
    juce::String currentPresetName() const;

    CatModel catModel { this };
    PresetModel presetModel { this };
    PresetManagerDelegate* delegate;
    juce::ListBox categoryList;
    juce::ListBox presetList;
    std::vector<Category> categories;
    std::unique_ptr<PresetButton> presetButton;
    std::unique_ptr<SaveDialogue> saveDialogue;
    int userCategory = -1;
    int currentCategory = -1;
    int currentPreset = -1;
    int shownCategory = 0;
    juce::Font keyFont;
    juce::Font rowFont;
    juce::Rectangle<float> panelArea;
};
