#pragma once

// Helpers of the editor tests: an editor on a real processor, what the host
// hears from the processor, repaint counting, and mouse input sent through
// the window's peer as the windowing system would send it.

#include "KitTestSupport.h"
#include "PluginEditor.h"

#include "TolerantXErrors.h"

#include <memory>
#include <string>
#include <vector>

namespace editortest
{

// Everything the processor tells the host, in order.
struct HostRecorder : public juce::AudioProcessorListener
{
    void audioProcessorParameterChanged (juce::AudioProcessor*, int i, float) override { add ("value", i); }
    void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int i) override { add ("begin", i); }
    void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int i) override { add ("end", i); }
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

    void add (const char* kind, int index) { events.push_back (kind + (" " + std::to_string (index))); }

    std::vector<std::string> events;
};

// Counts the repaint requests of the component it is installed on.
struct RepaintCounter : public juce::CachedComponentImage
{
    void paint (juce::Graphics&) override {}
    bool invalidateAll() override { ++count; return true; }
    bool invalidate (const juce::Rectangle<int>&) override { ++count; return true; }
    void releaseResources() override {}

    int count = 0;
};

// A processor with its editor; the host hears what follows the opening.
struct EditorFixture
{
    EditorFixture() { processor.addListener (&host); }
    ~EditorFixture() { processor.removeListener (&host); }

    juce::AudioProcessorParameter& param (int id) { return *processor.getParameters().getUnchecked (id); }

    VeltoAudioProcessor processor;
    std::unique_ptr<VeltoAudioProcessorEditor> editor { std::make_unique<VeltoAudioProcessorEditor> (processor) };
    HostRecorder host;
};

// The component in a window of its own, with mouse input sent through the
// window's peer. Presses lie a second apart: no two make a double-click.
class DesktopWindow
{
public:
    explicit DesktopWindow (juce::Component& c) : component (c)
    {
        installTolerantXErrorHandler();
        component.addToDesktop (0);
        component.setVisible (true);
    }

    ~DesktopWindow() { component.removeFromDesktop(); }

    void move (juce::Component& target, juce::Point<int> p, juce::ModifierKeys mods = {})
    {
        component.getPeer()->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse,
                                               component.getLocalPoint (&target, p).toFloat(), mods,
                                               juce::MouseInputSource::defaultPressure,
                                               juce::MouseInputSource::defaultOrientation, time += 10);
    }

    void press (juce::Component& target, juce::Point<int> p)
    {
        time += 1000;
        move (target, p);
        move (target, p, juce::ModifierKeys::leftButtonModifier);
    }

    void dragTo (juce::Component& target, juce::Point<int> p) { move (target, p, juce::ModifierKeys::leftButtonModifier); }

private:
    juce::Component& component;
    static inline juce::int64 time = juce::Time::currentTimeMillis();
};

} // namespace editortest
