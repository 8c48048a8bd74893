#include "BenchSupport.h"
#include "SilenceCostCheck.h"
#include "TolerantXErrors.h"

#include <juce_events/juce_events.h>

int main (int argc, char** argv)
{
    // The window benchmarks may run on a display with no window manager.
    installTolerantXErrorHandler();

    // JUCE's plug-in hosting needs the message manager.
    const juce::ScopedJuceInitialiser_GUI juce;

    benchmark::Initialize (&argc, argv);

    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;

    bench::registerEngineBenchmarks();
    bench::registerHostedVst3Benchmarks();
    bench::registerEditorBenchmarks();
    bench::registerWindowBenchmarks();

    SilenceCostCheck reporter (0.10);
    benchmark::RunSpecifiedBenchmarks (&reporter);
    benchmark::Shutdown();

    return reporter.check() ? 0 : 1;
}
