#include "PresetTestHost.h"

#include <gtest/gtest.h>

#include <cstring>

using presettest::EditorHost;

namespace
{
    bool sameBits (const std::vector<float>& values, const float* expected)
    {
        return values.size() == 20 && std::memcmp (values.data(), expected, 20 * sizeof (float)) == 0;
    }

    void expectSteps (const EditorHost& host, bool prev, bool next)
    {
        EXPECT_EQ (host.bar->prevButton.isEnabled(), prev);
        EXPECT_EQ (host.bar->nextButton.isEnabled(), next);
    }
}

TEST (PresetManager, BarStepsThroughFactoryPresetsWithoutWrapping)
{
    EditorHost host;
    host.putOnDesktop();
    EXPECT_EQ (host.bar->getBounds(), juce::Rectangle<int> (845, 5, 150, 25));
    EXPECT_EQ (host.bar->saveButton.getParentComponent(), nullptr);
    EXPECT_EQ (host.bar->nameButton.getButtonText(), "---");
    expectSteps (host, false, true);

    host.click (host.bar->prevButton);
    EXPECT_TRUE (host.applied.empty());

    for (int i = 0; i < FactoryPresetCount; ++i)
    {
        host.click (host.bar->nextButton);
        ASSERT_EQ ((int) host.applied.size(), i + 1);
        EXPECT_TRUE (sameBits (host.applied.back(), FactoryPresetData[i])) << i;
        EXPECT_EQ (host.bar->nameButton.getButtonText(), FactoryPresetNames[i]);
        EXPECT_EQ (host.manager.presetList.getSelectedRow(), i);
        expectSteps (host, i > 0, i < FactoryPresetCount - 1);
    }

    host.click (host.bar->nextButton);
    EXPECT_EQ ((int) host.applied.size(), FactoryPresetCount);

    host.click (host.bar->prevButton);
    EXPECT_EQ (host.bar->nameButton.getButtonText(), "SUBTLE TOP");
    EXPECT_TRUE (sameBits (host.applied.back(), FactoryPresetData[8]));
}

TEST (PresetManager, BrowserAppliesPickedPresetsAndClosesOnTheDimmedArea)
{
    EditorHost host;
    host.putOnDesktop();
    auto& m = host.manager;

    host.click (host.bar->nameButton);
    ASSERT_TRUE (host.browserOpen());
    EXPECT_EQ (m.panelArea, juce::Rectangle<float> (300, 30, 400, 260));
    EXPECT_EQ (m.categoryList.getBounds(), juce::Rectangle<int> (300, 30, 160, 260));
    EXPECT_EQ (m.presetList.getBounds(), juce::Rectangle<int> (460, 30, 240, 260));

    host.clickRow (m.presetList, 3);
    host.clickRow (m.presetList, 3);
    ASSERT_EQ (host.applied.size(), 2u);
    EXPECT_TRUE (sameBits (host.applied[1], FactoryPresetData[3]));
    EXPECT_EQ (host.bar->nameButton.getButtonText(), "KEYS WIDENER");
    EXPECT_EQ (m.presetList.getSelectedRow(), 3);

    // Picking the category, the empty list below it, and moving either
    // list's selection with the keyboard all apply nothing.
    host.clickRow (m.categoryList, 0);
    host.click (m.categoryList, { 50, 200 });
    m.presetList.grabKeyboardFocus();
    host.press (juce::KeyPress (juce::KeyPress::downKey));
    host.press (juce::KeyPress (juce::KeyPress::returnKey));
    m.categoryList.grabKeyboardFocus();
    host.press (juce::KeyPress (juce::KeyPress::downKey));
    EXPECT_EQ (host.applied.size(), 2u);
    EXPECT_EQ (host.bar->nameButton.getButtonText(), "KEYS WIDENER");
    EXPECT_TRUE (host.browserOpen());

    // The overlay covers the bar: a click there closes the browser.
    host.click (host, { 900, 15 });
    EXPECT_FALSE (host.browserOpen());
    EXPECT_EQ (host.applied.size(), 2u);
}

TEST (PresetManager, OddListHeightPutsTheListsOnePixelAboveThePanel)
{
    EditorHost host;
    host.setSize (1000, 321);
    EXPECT_EQ (host.manager.panelArea.getY(), 30.0f);
    EXPECT_EQ (host.manager.categoryList.getY(), 29);
    EXPECT_EQ (host.manager.presetList.getHeight(), 261);
}

TEST (PresetManager, ShortPresetHandsOnAWholeStateWithTheMissingValuesZero)
{
    float three[] = { 0.25f, 0.5f, 0.75f };
    EditorHost host ([&] (PresetManager& m) { m.addPreset ("SHORT", m.addCategory ("A"), three, 3); });

    host.manager.setPreset (0);
    ASSERT_EQ (host.applied.size(), 1u);
    const std::vector<float> expected = { 0.25f, 0.5f, 0.75f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 };
    EXPECT_EQ (host.applied[0], expected);
}

TEST (PresetManager, NoStepLeadsIntoAnEmptyCategory)
{
    float v[20] = {};
    EditorHost host ([&] (PresetManager& m)
    {
        m.addPreset ("A1", m.addCategory ("A"), v, 20);
        m.addCategory ("EMPTY");
        m.addPreset ("C1", m.addCategory ("C"), v, 20);
    });

    host.manager.setCategory (2);
    host.manager.setPreset (0);
    expectSteps (host, false, false);

    host.manager.selectPrevPreset();
    host.manager.setCategory (0);
    host.manager.setPreset (0);
    expectSteps (host, false, false);
    host.manager.selectNextPreset();
    EXPECT_EQ (host.bar->nameButton.getButtonText(), "A1");
    EXPECT_EQ (host.applied.size(), 2u);
}
