#include "ParameterTable.h"
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

    for (int i = 0; i < FactoryPresetCount + 1; ++i)
    {
        host.click (host.bar->nextButton);
        const int shown = juce::jmin (i, FactoryPresetCount - 1);
        ASSERT_EQ (host.applied.size(), (size_t) shown + 1);
        EXPECT_EQ (host.bar->nameButton.getButtonText(), FactoryPresetNames[shown]);
        EXPECT_EQ (host.manager.presetList.getSelectedRow(), shown);
        expectSteps (host, shown > 0, shown < FactoryPresetCount - 1);
    }

    host.click (host.bar->prevButton);
    EXPECT_EQ (host.bar->nameButton.getButtonText(), "SUBTLE TOP");
    EXPECT_TRUE (sameBits (host.applied.back(), FactoryPresetData[8]));
    EXPECT_TRUE (sameBits (host.applied.front(), DefalutParams));   // "INIT" is the defaults
}

TEST (PresetManager, ReturnAfterAClickOnTheBarStepsNoFurther)
{
    EditorHost host;
    host.putOnDesktop();
    const juce::KeyPress returnKey (juce::KeyPress::returnKey);

    host.click (host.bar->nextButton);
    host.press (returnKey);
    EXPECT_EQ (host.applied.size(), 1u);
    EXPECT_EQ (host.bar->nameButton.getButtonText(), "INIT");

    // "<" from the third preset, so that a further step back exists.
    for (auto* button : { &host.bar->nextButton, &host.bar->nextButton, &host.bar->prevButton })
        host.click (*button);
    host.press (returnKey);
    EXPECT_EQ (host.applied.size(), 4u);
    EXPECT_EQ (host.bar->nameButton.getButtonText(), FactoryPresetNames[1]);
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

    // The category, the empty list below it and keys moving either list's
    // selection apply nothing.
    host.clickRow (m.categoryList, 0);
    host.click (m.categoryList, { 50, 200 });
    for (auto* list : { &m.presetList, &m.categoryList })
    {
        list->grabKeyboardFocus();
        host.press (juce::KeyPress (juce::KeyPress::downKey));
        host.press (juce::KeyPress (juce::KeyPress::returnKey));
    }
    EXPECT_EQ (host.applied.size(), 2u);
    EXPECT_EQ (host.bar->nameButton.getButtonText(), "KEYS WIDENER");
    EXPECT_TRUE (host.browserOpen());

    host.click (host, { 900, 15 });   // over the bar
    EXPECT_FALSE (host.browserOpen());

    // An odd list height starts the lists one pixel above the panel.
    host.setSize (1000, 321);
    EXPECT_EQ (m.panelArea.getY(), 30.0f);
    EXPECT_EQ (m.categoryList.getY(), 29);
}

TEST (PresetManager, NeitherReadsNorStepsPastPresetsThatExist)
{
    float v[20] = { 0.25f, 0.5f, 0.75f };
    EditorHost host ([&] (PresetManager& m)
    {
        m.addPreset ("SHORT", m.addCategory ("A"), v, 3);
        m.addCategory ("EMPTY");
        m.addPreset ("C1", m.addCategory ("C"), v, 20);
    });

    // Each category's first preset: no step into the empty one between.
    for (int category : { 2, 0 })
    {
        host.manager.setCategory (category);
        host.manager.setPreset (0);
        expectSteps (host, false, false);
        host.manager.selectPrevPreset();
        host.manager.selectNextPreset();
    }
    EXPECT_EQ (host.bar->nameButton.getButtonText(), "SHORT");
    ASSERT_EQ (host.applied.size(), 2u);
    EXPECT_EQ (host.applied[1], std::vector<float> ({ 0.25f, 0.5f, 0.75f, 0, 0, 0, 0, 0, 0, 0,
                                                      0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }));
}
