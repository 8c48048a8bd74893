// The plug-in window's work on the message thread, at display scales 1 and 2:
// opening it (construction to the first complete paint), one poll tick when
// no parameter changed, one paint of the curve editor and one paint of the
// whole window. Paints go into an image of the window's physical size, as
// the software renderer paints a window. Needs an X display for the scale.

#include "BenchSupport.h"
#include "FactoryPresets.h"
#include "PluginEditor.h"
#include "ScopedScale.h"

#include <memory>
#include <string>

namespace
{
// An image the size of `c` in physical pixels at `scale`.
juce::Image imageFor (const juce::Component& c, float scale)
{
    return { juce::Image::ARGB, juce::roundToInt ((float) c.getWidth() * scale),
             juce::roundToInt ((float) c.getHeight() * scale), true };
}

std::unique_ptr<VeltoAudioProcessorEditor> openEditor (VeltoAudioProcessor& processor)
{
    return std::unique_ptr<VeltoAudioProcessorEditor> (static_cast<VeltoAudioProcessorEditor*> (processor.createEditor()));
}

void openBench (benchmark::State& state, float scale)
{
    if (! bench::haveDisplay (state))
        return;

    const ScopedScale scoped (scale);
    VeltoAudioProcessor processor;
    auto image = juce::Image (juce::Image::ARGB, juce::roundToInt (1000.0f * scale), juce::roundToInt (320.0f * scale), true);

    for (auto _ : state)
    {
        auto editor = openEditor (processor);
        juce::Graphics g (image);
        g.addTransform (juce::AffineTransform::scale (scale));
        editor->paintEntireComponent (g, false);

        // Closing is not part of opening.
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}

// Runs `measure` on an editor open at `scale`, with its own timer stopped so
// that only the benchmark drives the poll.
template <typename Measure>
void withEditor (benchmark::State& state, float scale, Measure measure)
{
    if (! bench::haveDisplay (state))
        return;

    const ScopedScale scoped (scale);
    VeltoAudioProcessor processor;
    auto editor = openEditor (processor);
    editor->stopTimer();
    editor->timerCallback();
    measure (*editor);
}

void idleTickBench (benchmark::State& state, float scale)
{
    withEditor (state, scale, [&state] (VeltoAudioProcessorEditor& editor)
    {
        for (auto _ : state)
            editor.timerCallback();
    });
}

// Paints the part of the window that `target` picks, with `paint`, over and
// over, on a factory curve rather than the flat default one.
template <typename Target, typename Paint>
void paintBench (benchmark::State& state, float scale, Target target, Paint paint)
{
    withEditor (state, scale, [&] (VeltoAudioProcessorEditor& editor)
    {
        editor.setNewState (const_cast<float*> (FactoryPresetData[1]));
        editor.timerCallback();

        auto image = imageFor (target (editor), scale);

        for (auto _ : state)
        {
            juce::Graphics g (image);
            g.addTransform (juce::AffineTransform::scale (scale));
            paint (editor, g);
        }
    });
}

void curvePaintBench (benchmark::State& state, float scale)
{
    paintBench (state, scale,
                [] (VeltoAudioProcessorEditor& editor) -> juce::Component& { return editor.molder; },
                [] (VeltoAudioProcessorEditor& editor, juce::Graphics& g) { editor.molder.paint (g); });
}

void windowPaintBench (benchmark::State& state, float scale)
{
    paintBench (state, scale,
                [] (VeltoAudioProcessorEditor& editor) -> juce::Component& { return editor; },
                [] (VeltoAudioProcessorEditor& editor, juce::Graphics& g) { editor.paintEntireComponent (g, false); });
}
} // namespace

namespace bench
{
void registerEditorBenchmarks()
{
    for (const float scale : { 1.0f, 2.0f })
    {
        const auto suffix = "/scale:" + std::to_string ((int) scale);

        benchmark::RegisterBenchmark (("editor/open" + suffix).c_str(), openBench, scale)
            ->Unit (benchmark::kMillisecond);
        benchmark::RegisterBenchmark (("editor/poll_tick_idle" + suffix).c_str(), idleTickBench, scale);
        benchmark::RegisterBenchmark (("editor/curve_paint" + suffix).c_str(), curvePaintBench, scale)
            ->Unit (benchmark::kMicrosecond);
        benchmark::RegisterBenchmark (("editor/window_paint" + suffix).c_str(), windowPaintBench, scale)
            ->Unit (benchmark::kMillisecond);
    }
}
} // namespace bench
