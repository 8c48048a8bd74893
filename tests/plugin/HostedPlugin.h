#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>
#include <string>

// The built Velto bundle loaded through JUCE's own plug-in hosting, the way a
// host application loads it, with the format-specific parts a host needs for
// state: handing the plug-in a raw 80-byte chunk and reading its chunk back.
class HostedPlugin
{
public:
    enum class Format { vst3, lv2 };

    // Loads the built bundle of the given format. Fails the current test and
    // returns nullptr when the bundle cannot be found or instantiated.
    static std::unique_ptr<HostedPlugin> load (Format format, double sampleRate, int blockSize);

    ~HostedPlugin();

    // "VST3" or "LV2", for test names and messages.
    static std::string formatName (Format f) { return f == Format::vst3 ? "VST3" : "LV2"; }

    Format getFormat() const noexcept { return format; }
    juce::AudioPluginInstance& instance() noexcept { return *plugin; }

    // The host-side parameter whose name is `name`, or nullptr.
    juce::AudioPluginInstance::HostedParameter* findParameter (const juce::String& name) const;

    // Restores a plug-in state made of exactly these chunk bytes, wrapped the
    // way this format's host stores plug-in state.
    void restoreChunk (const juce::MemoryBlock& chunk);

    // The plug-in's own chunk, unwrapped from the host's stored state.
    juce::MemoryBlock readChunk();

    // The host's stored state as text, for failure messages.
    juce::String describeStoredState();

private:
    HostedPlugin (Format, std::unique_ptr<juce::AudioPluginFormat>, std::unique_ptr<juce::AudioPluginInstance>);

    juce::MemoryBlock storedState();

    Format format;
    std::unique_ptr<juce::AudioPluginFormat> pluginFormat;
    std::unique_ptr<juce::AudioPluginInstance> plugin;
};
