// The plug-in window on the desktop at display scales 1 and 2, drawn by
// whatever renderer it has (an OpenGL context's render thread or the
// window's own software one): opening it (construction to its first paint
// on the desktop) and a full repaint (the request to its paint), with the
// CPU time of the whole process. Needs an X display that holds 2000 x 640.

#include "BenchSupport.h"
#include "FactoryPresets.h"
#include "PluginEditor.h"
#include "ScopedScale.h"

#include <atomic>
#include <memory>
#include <string>

namespace
{
// Covers the window and is painted last, so a paint of it marks a frame
// whose components are all painted, on whichever thread the renderer uses.
class PaintCounter : public juce::Component
{
public:
    PaintCounter() { setInterceptsMouseClicks (false, false); }

    void paint (juce::Graphics&) override { ++paints; }

    std::atomic<int> paints { 0 };
};

std::unique_ptr<VeltoAudioProcessorEditor> showEditor (VeltoAudioProcessor& processor, PaintCounter& counter)
{
    std::unique_ptr<VeltoAudioProcessorEditor> editor (static_cast<VeltoAudioProcessorEditor*> (processor.createEditor()));
    editor->addAndMakeVisible (counter);
    counter.setBounds (editor->getLocalBounds());
    editor->setTopLeftPosition (0, 0);
    editor->addToDesktop (0);
    editor->setVisible (true);
    return editor;
}

// Runs the message loop until the counter has seen more than `paints`
// paints. An OpenGL render thread paints under the message-manager lock,
// which it gets through the loop, so the loop runs while it waits too.
bool waitForPaint (benchmark::State& state, const PaintCounter& counter, int paints)
{
    const auto giveUp = juce::Time::getMillisecondCounter() + 10000;

    while (counter.paints.load() <= paints)
    {
        if (juce::Time::getMillisecondCounter() > giveUp)
        {
            state.SkipWithError ("the window was not painted within 10 s");
            return false;
        }

        juce::MessageManager::getInstance()->runDispatchLoopUntil (0);
    }

    return true;
}

void openBench (benchmark::State& state, float scale)
{
    if (! bench::haveDisplay (state))
        return;

    const ScopedScale scoped (scale);
    VeltoAudioProcessor processor;

    for (auto _ : state)
    {
        PaintCounter counter;
        auto editor = showEditor (processor, counter);

        if (! waitForPaint (state, counter, 0))
            break;

        // Closing, and the X events it leaves, are not part of opening.
        state.PauseTiming();
        editor.reset();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
        state.ResumeTiming();
    }
}

// Back to back, so the previous frame's presentation (an OpenGL context's
// composite and buffer swap, the software renderer's shared-memory image
// transfer) holds up the next paint and is part of each iteration.
void repaintBench (benchmark::State& state, float scale)
{
    if (! bench::haveDisplay (state))
        return;

    const ScopedScale scoped (scale);
    VeltoAudioProcessor processor;
    PaintCounter counter;
    auto editor = showEditor (processor, counter);
    editor->setNewState (const_cast<float*> (FactoryPresetData[1]));

    if (! waitForPaint (state, counter, 0))
        return;

    // What opening and the new curve set off is drawn before the first request.
    juce::MessageManager::getInstance()->runDispatchLoopUntil (300);

    for (auto _ : state)
    {
        const auto painted = counter.paints.load();
        editor->repaint();

        if (! waitForPaint (state, counter, painted))
            break;
    }
}
} // namespace

namespace bench
{
void registerWindowBenchmarks()
{
    for (const float scale : { 1.0f, 2.0f })
    {
        const auto suffix = "/scale:" + std::to_string ((int) scale);

        // Wall time, as the renderer may be a thread of its own; the CPU
        // column is then every thread's, not the message thread's alone.
        benchmark::RegisterBenchmark (("window/open" + suffix).c_str(), openBench, scale)
            ->Unit (benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
        benchmark::RegisterBenchmark (("window/repaint" + suffix).c_str(), repaintBench, scale)
            ->Unit (benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
    }
}
} // namespace bench
