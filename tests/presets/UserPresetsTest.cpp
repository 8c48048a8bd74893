#include "PresetTestHost.h"

#include <gtest/gtest.h>

using presettest::EditorHost;

namespace
{
    // The factory presets, then "USER" as category 1 holding `names`, the
    // values of each all equal to its index.
    std::unique_ptr<EditorHost> makeHost (std::vector<juce::String> names)
    {
        auto host = std::make_unique<EditorHost> ([names] (PresetManager& m)
        {
            presettest::addFactoryPresets (m);
            m.setUserCategory (m.addCategory ("USER"));

            for (size_t i = 0; i < names.size(); ++i)
                m.addPreset (names[i], 1, std::vector<float> (20, (float) i).data(), 20);
        });
        host->putOnDesktop();
        return host;
    }

    float firstValue (PresetManager& m, int preset) { return m.categories[1].presets[(size_t) preset].values[0]; }

    // Clicks the dialogue's keys; '<' is Back.
    void type (EditorHost& host, const juce::String& keys)
    {
        for (auto c : keys)
            host.click (host.manager.saveDialogue->letters[(size_t) juce::String (host.manager.saveDialogue->keys).indexOfChar (c)]);
    }
}

TEST (UserPresets, DialogueTypesOnlyThroughItsKeys)
{
    auto host = makeHost ({});
    auto& dialogue = *host->manager.saveDialogue;
    EXPECT_EQ (host->bar->getWidth(), 180);

    host->click (host->bar->saveButton);
    ASSERT_EQ (dialogue.getParentComponent(), host.get());
    EXPECT_EQ (dialogue.getBounds(), host->getLocalBounds());
    EXPECT_FALSE (dialogue.saveButton.isEnabled());

    // Return clicks neither "+", clicked last (reopening with the name
    // reset), nor Save, enabled by the keys.
    type (*host, "<A B");
    host->press (juce::KeyPress ('x', 0, 'x'));
    host->press (juce::KeyPress (juce::KeyPress::returnKey));
    EXPECT_EQ (dialogue.getParentComponent(), host.get());
    EXPECT_EQ (dialogue.presetName, "A B");
    type (*host, "<<<0123456789QWERTYUIOP");
    EXPECT_EQ (dialogue.presetName, "0123456789QWERTYU");

    host->click (dialogue, dialogue.textArea.getCentre());
    EXPECT_EQ (dialogue.getParentComponent(), nullptr);
    EXPECT_TRUE (host->manager.categories[1].presets.empty());
}

TEST (UserPresets, SavingUnderANewNameAppendsAndSelectsIt)
{
    auto host = makeHost ({});
    auto& m = host->manager;
    host->click (host->bar->nextButton);
    host->state[0] = 0.125f;

    host->click (host->bar->saveButton);
    EXPECT_EQ (m.saveDialogue->presetName, "INIT");
    EXPECT_EQ (m.saveDialogue->saveButton.getButtonText(), "Save As");
    type (*host, "<<<<MY");
    host->click (m.saveDialogue->saveButton);

    EXPECT_EQ (m.saveDialogue->getParentComponent(), nullptr);
    ASSERT_EQ (m.categories[1].presets.size(), 1u);
    EXPECT_EQ (firstValue (m, 0), 0.125f);
    EXPECT_EQ (host->applied.size(), 1u);
    EXPECT_EQ (host->bar->nameButton.getButtonText(), "MY");
    EXPECT_EQ (m.categoryList.getSelectedRow(), 1);
    EXPECT_EQ (m.presetList.getSelectedRow(), 0);
    EXPECT_TRUE (host->bar->prevButton.isEnabled());
    EXPECT_FALSE (host->bar->nextButton.isEnabled());
}

TEST (UserPresets, SavingUnderAnExistingNameOverwritesEveryExactMatch)
{
    auto host = makeHost ({ "A", "a", "A" });
    auto& m = host->manager;
    host->click (host->bar->nextButton);

    host->click (host->bar->saveButton);
    type (*host, "<<<<A");
    EXPECT_EQ (m.saveDialogue->saveButton.getButtonText(), "Save");
    host->click (m.saveDialogue->saveButton);

    EXPECT_EQ (firstValue (m, 0), 0.5f);
    EXPECT_EQ (firstValue (m, 1), 1.0f);
    EXPECT_EQ (firstValue (m, 2), 0.5f);
    EXPECT_EQ (host->bar->nameButton.getButtonText(), "INIT");
    EXPECT_EQ (m.presetList.getSelectedRow(), 0);

    // A state longer than the stored one makes room instead of overrunning.
    std::vector<float> longer (40, 0.75f);
    m.writeUserPreset ("a", longer.data(), 40);
    EXPECT_EQ (m.categories[1].presets[1].values[39], 0.75f);
}

TEST (UserPresets, RemovingKeepsTheCurrentPresetAndTheStepsValid)
{
    auto host = makeHost ({ "P0", "P1", "GONE", "P2", "P3" });
    auto& m = host->manager;
    const auto removeRow = [&] (int row) { host->clickRow (m.presetList, row, m.presetList.getWidth() - 15); };
    const auto closeBrowser = [&] { host->click (*host, { 5, 5 }); };

    host->click (host->bar->nextButton);
    host->click (host->bar->nameButton);
    host->clickRow (m.categoryList, 1);
    // While "INIT" is current, a middle row and then the last. The click
    // marks its row, and a middle row's mark would pass to its successor.
    removeRow (2);
    EXPECT_EQ (m.presetList.getSelectedRow(), -1);
    removeRow (3);
    EXPECT_EQ (host->bar->nameButton.getButtonText(), "INIT");
    EXPECT_EQ (m.presetList.getSelectedRow(), -1);

    host->clickRow (m.presetList, 2);
    removeRow (0);
    EXPECT_EQ (host->bar->nameButton.getButtonText(), "P2");
    EXPECT_EQ (m.presetList.getSelectedRow(), 1);

    removeRow (1);
    EXPECT_EQ (host->bar->nameButton.getButtonText(), "---");
    EXPECT_EQ (m.presetList.getSelectedRow(), -1);
    closeBrowser();
    host->click (host->bar->prevButton);
    EXPECT_EQ (host->bar->nameButton.getButtonText(), "VOCAL BOOST");
    host->click (host->bar->nextButton);
    EXPECT_EQ (host->bar->nameButton.getButtonText(), "P1");

    host->click (host->bar->nameButton);
    removeRow (0);   // the last user preset, current
    EXPECT_FALSE (host->bar->nextButton.isEnabled());
    closeBrowser();
    host->click (host->bar->prevButton);
    EXPECT_EQ (host->bar->nameButton.getButtonText(), "VOCAL BOOST");
    EXPECT_FALSE (host->bar->nextButton.isEnabled());
    EXPECT_EQ (host->applied.size(), 5u);
}
