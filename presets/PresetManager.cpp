#include "PresetManager.h"

#include "BinaryData.h"
#include "ButtonLookAndFeel.h"

#include <algorithm>

namespace
{
    // The values a state holds; setNewState always reads this many.
    constexpr int stateSize = 20;

    const juce::Colour darkGrey = juce::Colour::fromFloatRGBA (0.13f, 0.13f, 0.13f, 1.0f);

    juce::Font boldFont()
    {
        return juce::Font (juce::Typeface::createSystemTypefaceFor (BinaryData::AvenirNextBold_ttf,
                                                                    (size_t) BinaryData::AvenirNextBold_ttfSize));
    }

    // Copies `count` values over the start of the preset's own values,
    // growing them first if they are too short, so that a short preset
    // still hands setNewState a whole state (the missing values zero).
    void storeValues (PresetManager::Preset& preset, const float* values, int count)
    {
        count = values != nullptr ? juce::jmax (0, count) : 0;
        const int capacity = juce::jmax (stateSize, preset.count);

        if (preset.values == nullptr || count > capacity)
        {
            const int size = juce::jmax (capacity, count);
            auto grown = std::make_unique<float[]> ((size_t) size);   // zero-filled

            if (preset.values != nullptr)
                std::copy (preset.values.get(), preset.values.get() + capacity, grown.get());

            preset.values = std::move (grown);
        }

        std::copy (values, values + count, preset.values.get());
        preset.count = juce::jmax (preset.count, count);
    }

    int presetCount (const std::vector<PresetManager::Category>& categories, int category)
    {
        return category >= 0 && category < (int) categories.size()
                 ? (int) categories[(size_t) category].presets.size() : 0;
    }

    // Where a press of ">" or "<" leads; `exists` is false where no preset
    // is there, so the button must stay disabled. A removed current preset
    // leaves -1 inside its category: the place just before its first preset.
    struct Step
    {
        int category = -1;
        int preset = -1;
        bool exists = false;
    };

    Step makeStep (const std::vector<PresetManager::Category>& categories, int category, int preset)
    {
        return { category, preset, preset >= 0 && preset < presetCount (categories, category) };
    }

    Step nextStep (const std::vector<PresetManager::Category>& categories, int category, int preset)
    {
        if (category == -1 && preset == -1)
            return makeStep (categories, 0, 0);

        if (preset == presetCount (categories, category) - 1)
            return makeStep (categories, category + 1, 0);

        return makeStep (categories, category, preset + 1);
    }

    Step prevStep (const std::vector<PresetManager::Category>& categories, int category, int preset)
    {
        if (category == -1 && preset == -1)
            return {};

        if (preset <= 0)
            return makeStep (categories, category - 1, presetCount (categories, category - 1) - 1);

        return makeStep (categories, category, preset - 1);
    }

    void stepTo (PresetManager& m, Step step)
    {
        if (! step.exists)
            return;

        // Stored first so that the preset list selects the new row.
        m.currentCategory = step.category;
        m.currentPreset = step.preset;
        m.setCategory (step.category);
        m.setPreset (step.preset);
    }
}

//==============================================================================
PresetManager::CatModel::CatModel (PresetManager* o) : owner (o) {}

int PresetManager::CatModel::getNumRows()
{
    return (int) owner->categories.size();
}

void PresetManager::CatModel::paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected)
{
    if (row < 0 || row >= getNumRows())
        return;

    if (selected)
    {
        g.setColour (darkGrey);
        g.fillRect (0, 0, width, height);
    }

    owner->rowFont.setHeight (18.0f);
    g.setFont (owner->rowFont);
    g.setColour (juce::Colours::white);
    g.drawText (owner->categories[(size_t) row].name, 10, 2, width - 10, height - 2,
                juce::Justification::centredLeft, true);
}

void PresetManager::CatModel::listBoxItemClicked (int row, const juce::MouseEvent&)
{
    owner->setCategory (row);
}

//==============================================================================
PresetManager::PresetModel::PresetModel (PresetManager* o) : owner (o) {}

int PresetManager::PresetModel::getNumRows()
{
    const auto& all = owner->categories;
    const int shown = owner->shownCategory;
    return shown >= 0 && shown < (int) all.size() ? (int) all[(size_t) shown].presets.size() : 0;
}

void PresetManager::PresetModel::paintListBoxItem (int row, juce::Graphics& g, int width, int height,
                                                   bool selected)
{
    if (row < 0 || row >= getNumRows())
        return;

    if (selected)
    {
        g.setColour (juce::Colours::white);
        g.fillRect (0, 0, width, height);
    }

    owner->rowFont.setHeight (18.0f);
    g.setFont (owner->rowFont);
    lastRowWidth = width;
    g.setColour (selected ? juce::Colours::black : juce::Colours::white);
    g.drawText (owner->categories[(size_t) owner->shownCategory].presets[(size_t) row].name,
                10, 2, width - 10, height - 2, juce::Justification::centredLeft, true);

    if (owner->userCategory != -1 && owner->shownCategory == owner->userCategory)
    {
        const auto w = (float) width;
        const auto h = (float) height;
        g.setColour (juce::Colour::fromFloatRGBA (0.8f, 0.0f, 0.0f, 1.0f));
        g.drawLine (w - 20.0f, 10.0f, w - 10.0f, h - 10.0f, 2.0f);
        g.drawLine (w - 20.0f, h - 10.0f, w - 10.0f, 10.0f, 2.0f);
    }
}

void PresetManager::PresetModel::listBoxItemClicked (int row, const juce::MouseEvent& e)
{
    if (owner->userCategory != -1 && owner->shownCategory == owner->userCategory
        && e.x > lastRowWidth - 30)
        owner->removePreset (row);
    else
        owner->setPreset (row);
}

//==============================================================================
PresetManager::PresetManager (PresetManagerDelegate* d)
    : delegate (d), keyFont (boldFont()), rowFont (boldFont())
{
    saveDialogue = std::make_unique<SaveDialogue> (rowFont, keyFont);
}

PresetManager::~PresetManager() = default;

int PresetManager::addCategory (juce::String name)
{
    categories.push_back ({ name, {} });
    return (int) categories.size() - 1;
}

void PresetManager::addPreset (juce::String name, int category, const float* values, int count)
{
    if (category < 0 || category >= (int) categories.size())
        return;

    Preset preset;
    preset.name = name;
    storeValues (preset, values, count);
    categories[(size_t) category].presets.push_back (std::move (preset));
}

void PresetManager::finishInit()
{
    categoryList.setBounds (10, 10, 200, 400);
    categoryList.setRowHeight (30);
    categoryList.setColour (juce::ListBox::backgroundColourId, juce::Colour (0x00000000));
    categoryList.setModel (&catModel);
    addAndMakeVisible (categoryList);
    categoryList.selectRow (0);
    categoryList.updateContent();

    presetList.setBounds (210, 10, 200, 400);
    presetList.setColour (juce::ListBox::backgroundColourId, juce::Colour (0x00000000));
    presetList.setRowHeight (30);
    presetList.setModel (&presetModel);
    addAndMakeVisible (presetList);
    presetList.updateContent();
}

PresetButton* PresetManager::CreateOpenButton()
{
    presetButton = std::make_unique<PresetButton>();
    presetButton->init (userCategory >= 0, this, std::make_unique<ButtonLookAndFeel> (rowFont));
    updateCanSetPreset();
    return presetButton.get();
}

void PresetManager::setUserCategory (int category)
{
    userCategory = category;
}

juce::String PresetManager::currentPresetName() const
{
    if (presetCount (categories, currentCategory) <= currentPreset || currentPreset < 0)
        return {};

    return categories[(size_t) currentCategory].presets[(size_t) currentPreset].name;
}

void PresetManager::setCategory (int category)
{
    shownCategory = category;
    presetList.updateContent();
    presetList.repaint();

    if (currentCategory == category && currentPreset >= 0)
        presetList.selectRow (currentPreset);
    else
        presetList.deselectAllRows();

    categoryList.selectRow (category);
    categoryList.repaint();
}

void PresetManager::setPreset (int index)
{
    if (index < 0 || index >= presetCount (categories, shownCategory))
        return;

    currentCategory = shownCategory;
    currentPreset = index;
    updateCanSetPreset();

    if (presetButton != nullptr)
        presetButton->nameButton.setButtonText (currentPresetName());

    if (delegate != nullptr)
        delegate->setNewState (categories[(size_t) shownCategory].presets[(size_t) index].values.get());
}

void PresetManager::selectNextPreset()
{
    stepTo (*this, nextStep (categories, currentCategory, currentPreset));
}

void PresetManager::selectPrevPreset()
{
    stepTo (*this, prevStep (categories, currentCategory, currentPreset));
}

void PresetManager::updateCanSetPreset()
{
    if (presetButton == nullptr)
        return;

    presetButton->prevButton.setEnabled (prevStep (categories, currentCategory, currentPreset).exists);
    presetButton->nextButton.setEnabled (nextStep (categories, currentCategory, currentPreset).exists);
}

bool PresetManager::hasPresetNamed (juce::String name)
{
    if (userCategory < 0 || userCategory >= (int) categories.size())
        return false;

    const auto& presets = categories[(size_t) userCategory].presets;
    return std::any_of (presets.begin(), presets.end(), [&] (const Preset& p) { return p.name == name; });
}

void PresetManager::writeUserPreset (juce::String name, const float* values, int count)
{
    if (userCategory < 0 || userCategory >= (int) categories.size())
        return;

    bool matched = false;

    for (auto& preset : categories[(size_t) userCategory].presets)
    {
        if (preset.name == name)
        {
            storeValues (preset, values, count);
            matched = true;
        }
    }

    if (! matched)
    {
        addPreset (name, userCategory, values, count);
        currentCategory = shownCategory = userCategory;
        currentPreset = presetCount (categories, userCategory) - 1;

        categoryList.selectRow (userCategory);
        categoryList.updateContent();
        categoryList.repaint();
        presetList.updateContent();
        presetList.repaint();
        presetList.selectRow (currentPreset);

        if (presetButton != nullptr)
            presetButton->nameButton.setButtonText (name);
    }

    // An appended preset can open a step that was closed before.
    updateCanSetPreset();
}

void PresetManager::removePreset (int index)
{
    if (index < 0 || index >= presetCount (categories, userCategory))
        return;

    auto& presets = categories[(size_t) userCategory].presets;
    presets.erase (presets.begin() + index);

    if (currentCategory == userCategory)
    {
        if (currentPreset == index)
        {
            currentPreset = -1;

            if (presetButton != nullptr)
                presetButton->nameButton.setButtonText ("---");
        }
        else if (currentPreset > index)
        {
            --currentPreset;
        }
    }

    // The click that removed the row has selected it; only the current
    // preset may stay marked.
    if (currentCategory == userCategory && currentPreset >= 0)
        presetList.selectRow (currentPreset);
    else
        presetList.deselectAllRows();

    presetList.updateContent();
    updateCanSetPreset();
}

void PresetManager::saveCurrentPresetAs (juce::String name)
{
    if (delegate == nullptr)
        return;

    int count = 0;
    float* values = delegate->getCurrentState (&count);
    writeUserPreset (name, values, count);
}

void PresetManager::openPresetManager()
{
    if (delegate != nullptr)
        delegate->openPresetlist();
}

void PresetManager::openSaveDialouge()
{
    auto* parent = presetButton != nullptr ? presetButton->getParentComponent() : nullptr;

    if (parent == nullptr)
        return;

    saveDialogue->delegate = this;
    saveDialogue->setPresetNameAndHandle (currentPresetName());
    saveDialogue->setBounds (0, 0, parent->getWidth(), parent->getHeight());
    parent->addAndMakeVisible (*saveDialogue);
}

void PresetManager::mouseDown (const juce::MouseEvent&)
{
    if (delegate != nullptr)
        delegate->closePresetlist();
}

void PresetManager::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour::fromFloatRGBA (0.0f, 0.0f, 0.0f, 0.5f));

    g.setColour (juce::Colours::black);
    g.fillRoundedRectangle (panelArea, 2.0f);

    g.setColour (darkGrey);
    g.fillRoundedRectangle (panelArea.getX() + 0.4f * panelArea.getWidth(), panelArea.getY(),
                            0.6f * panelArea.getWidth(), panelArea.getHeight(), 2.0f);
}

void PresetManager::resized()
{
    if (auto* parent = saveDialogue->getParentComponent())
        saveDialogue->setBounds (parent->getLocalBounds());

    const int w = getWidth();
    const int h = getHeight();
    const int cx = (int) ((float) w * 0.5f);
    const int cy = (int) ((float) h * 0.5f);
    const int half = juce::jmin ((w - 60) / 2, 200);
    const int listH = juce::jmin (h - 60, 350);
    const int x0 = cx - half;
    // Truncated from a half-pixel: for an odd list height the lists start
    // one pixel above the panel, whose y below halves in integers.
    const int y0 = (int) ((float) cy - (float) listH * 0.5f);
    const int span = 2 * half;
    const int catWidth = (int) ((float) span * 0.4f);

    categoryList.setBounds (x0, y0, catWidth, listH);
    presetList.setBounds (x0 + catWidth, y0, (int) ((float) span * 0.6f), listH);
    panelArea = juce::Rectangle<int> (cx - half, cy - listH / 2, 2 * half, listH).toFloat();
}
