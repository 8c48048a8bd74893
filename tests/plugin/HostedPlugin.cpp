#include "HostedPlugin.h"

#include <gtest/gtest.h>

namespace
{
// The LV2 wrapper keeps the chunk, base64-encoded, under this state property.
const juce::String lv2StateProperty = juce::String (VELTO_LV2_URI) + ":StateString";

// Locates the quoted value of the LV2 state property in a saved state.
// Returns false when the property is missing.
bool findLv2StateValue (const juce::String& turtle, int& valueStart, int& valueEnd)
{
    const auto key = turtle.indexOf (lv2StateProperty);

    if (key < 0)
        return false;

    valueStart = turtle.indexOfChar (key + lv2StateProperty.length(), '"');

    if (valueStart < 0)
        return false;

    ++valueStart;
    valueEnd = turtle.indexOfChar (valueStart, '"');
    return valueEnd > valueStart;
}
} // namespace

HostedPlugin::HostedPlugin (Format f,
                            std::unique_ptr<juce::AudioPluginFormat> pf,
                            std::unique_ptr<juce::AudioPluginInstance> p)
    : format (f), pluginFormat (std::move (pf)), plugin (std::move (p))
{
}

HostedPlugin::~HostedPlugin()
{
    if (plugin != nullptr)
        plugin->releaseResources();

    // The instance must go before the format that loaded its module.
    plugin.reset();
}

std::unique_ptr<HostedPlugin> HostedPlugin::load (Format format, double sampleRate, int blockSize)
{
    std::unique_ptr<juce::AudioPluginFormat> pluginFormat;
    juce::String identifier;

    if (format == Format::vst3)
    {
        pluginFormat = std::make_unique<juce::VST3PluginFormat>();
        identifier = VELTO_VST3_BUNDLE;
    }
    else
    {
        pluginFormat = std::make_unique<juce::LV2PluginFormat>();
        // LV2 hosts find plug-ins by URI in the bundles on their search path.
        pluginFormat->searchPathsForPlugins (juce::FileSearchPath (juce::File (VELTO_LV2_BUNDLE).getParentDirectory().getFullPathName()),
                                             false, false);
        identifier = VELTO_LV2_URI;
    }

    juce::OwnedArray<juce::PluginDescription> found;
    pluginFormat->findAllTypesForFile (found, identifier);

    if (found.size() != 1)
    {
        ADD_FAILURE() << "expected one plug-in in " << identifier << ", found " << found.size();
        return nullptr;
    }

    juce::String error;
    auto instance = pluginFormat->createInstanceFromDescription (*found[0], sampleRate, blockSize, error);

    if (instance == nullptr)
    {
        ADD_FAILURE() << "could not instantiate " << identifier << ": " << error;
        return nullptr;
    }

    return std::unique_ptr<HostedPlugin> (new HostedPlugin (format, std::move (pluginFormat), std::move (instance)));
}

juce::AudioPluginInstance::HostedParameter* HostedPlugin::findParameter (const juce::String& name) const
{
    for (auto* p : plugin->getParameters())
        if (p->getName (1024) == name)
            return dynamic_cast<juce::AudioPluginInstance::HostedParameter*> (p);

    return nullptr;
}

juce::MemoryBlock HostedPlugin::storedState()
{
    juce::MemoryBlock state;
    plugin->getStateInformation (state);
    return state;
}

juce::String HostedPlugin::describeStoredState()
{
    const auto state = storedState();

    if (format == Format::vst3)
        if (auto xml = juce::AudioProcessor::getXmlFromBinary (state.getData(), (int) state.getSize()))
            return xml->toString();

    return state.toString();
}

void HostedPlugin::restoreChunk (const juce::MemoryBlock& chunk)
{
    if (format == Format::vst3)
    {
        // JUCE's VST3 host keeps the component's and the controller's streams
        // side by side; the component stream is what the plug-in wrote.
        juce::XmlElement state ("VST3PluginState");
        state.createNewChildElement ("IComponent")->addTextElement (chunk.toBase64Encoding());

        juce::MemoryBlock stored;
        juce::AudioProcessor::copyXmlToBinary (state, stored);
        plugin->setStateInformation (stored.getData(), (int) stored.getSize());
        return;
    }

    // An LV2 host stores state as Turtle. Take the plug-in's current state
    // and put the chunk in place of its own.
    auto turtle = storedState().toString();
    int start = 0, end = 0;

    if (! findLv2StateValue (turtle, start, end))
    {
        ADD_FAILURE() << "no " << lv2StateProperty << " in the LV2 state:\n" << turtle;
        return;
    }

    turtle = turtle.replaceSection (start, end - start, chunk.toBase64Encoding());
    plugin->setStateInformation (turtle.toRawUTF8(), (int) turtle.getNumBytesAsUTF8());
}

juce::MemoryBlock HostedPlugin::readChunk()
{
    const auto state = storedState();
    juce::MemoryBlock chunk;

    if (format == Format::vst3)
    {
        auto xml = juce::AudioProcessor::getXmlFromBinary (state.getData(), (int) state.getSize());

        if (xml == nullptr || xml->getChildByName ("IComponent") == nullptr)
        {
            ADD_FAILURE() << "the VST3 state has no component stream";
            return {};
        }

        chunk.fromBase64Encoding (xml->getChildByName ("IComponent")->getAllSubText());
        return chunk;
    }

    const auto turtle = state.toString();
    int start = 0, end = 0;

    if (! findLv2StateValue (turtle, start, end))
    {
        ADD_FAILURE() << "no " << lv2StateProperty << " in the LV2 state:\n" << turtle;
        return {};
    }

    chunk.fromBase64Encoding (turtle.substring (start, end));
    return chunk;
}
