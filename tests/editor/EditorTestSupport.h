#pragma once

// Helpers of the editor tests: an editor on a real processor, what the host
// hears from the processor, repaint counting, and mouse input sent through
// the window's peer as the windowing system would send it.

#include "KitTestSupport.h"
#include "PluginEditor.h"

#include <X11/Xlib.h>

#include <memory>
#include <string>
#include <vector>

namespace editortest
{

// Without a window manager some atoms a window asks for do not exist; Xlib's
// default handler would end the test binary over them.
inline void tolerateXErrors()
{
    XSetErrorHandler ([] (Display*, XErrorEvent*) { return 0; });
}

// Everything the processor tells the host, in order.
struct HostRecorder : public juce::AudioProcessorListener
{
    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override
    {
        events.push_back ("value " + std::to_string (index));
        values.push_back (value);
    }

    void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override
    {
        events.push_back ("begin " + std::to_string (index));
    }

    void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override
    {
        events.push_back ("end " + std::to_string (index));
    }

    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

    int count (const std::string& kind) const
    {
        int n = 0;
        for (const auto& e : events)
            n += e.rfind (kind + " ", 0) == 0 ? 1 : 0;
        return n;
    }

    std::vector<std::string> events;
    std::vector<float> values;
};

// Counts the repaint requests of the component it is installed on.
struct RepaintCounter : public juce::CachedComponentImage
{
    static RepaintCounter& installOn (juce::Component& c)
    {
        auto* counter = new RepaintCounter();
        c.setCachedComponentImage (counter);
        return *counter;
    }

    void paint (juce::Graphics&) override {}
    bool invalidateAll() override { ++count; return true; }
    bool invalidate (const juce::Rectangle<int>&) override { ++count; return true; }
    void releaseResources() override {}

    int count = 0;
};

// A processor with its editor; the recorder hears only what happens after
// the editor is open.
struct EditorFixture
{
    EditorFixture()
        : editor (std::make_unique<VeltoAudioProcessorEditor> (processor))
    {
        processor.addListener (&host);
    }

    ~EditorFixture()
    {
        processor.removeListener (&host);
    }

    juce::AudioProcessorParameter& param (int id) { return *processor.getParameters().getUnchecked (id); }

    VeltoAudioProcessor processor;
    std::unique_ptr<VeltoAudioProcessorEditor> editor;
    HostRecorder host;
};

// Puts the component in a window of its own and sends it mouse input
// through that window's peer. Times advance a second per press, so no two
// presses make a double-click.
class DesktopWindow
{
public:
    explicit DesktopWindow (juce::Component& c) : component (c)
    {
        tolerateXErrors();
        component.addToDesktop (0);
        component.setVisible (true);
    }

    ~DesktopWindow() { component.removeFromDesktop(); }

    void move (juce::Component& target, juce::Point<int> p, juce::ModifierKeys mods = {})
    {
        const auto inWindow = component.getLocalPoint (&target, p).toFloat();
        component.getPeer()->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, inWindow, mods,
                                               juce::MouseInputSource::defaultPressure,
                                               juce::MouseInputSource::defaultOrientation, time);
        time += 10;
    }

    void press (juce::Component& target, juce::Point<int> p)
    {
        time += 1000;
        move (target, p);
        move (target, p, juce::ModifierKeys::leftButtonModifier);
    }

    void dragTo (juce::Component& target, juce::Point<int> p) { move (target, p, juce::ModifierKeys::leftButtonModifier); }
    void release (juce::Component& target, juce::Point<int> p) { move (target, p); }

    void click (juce::Component& target, juce::Point<int> p)
    {
        press (target, p);
        release (target, p);
    }

private:
    juce::Component& component;
    static inline juce::int64 time = juce::Time::currentTimeMillis();
};

} // namespace editortest
