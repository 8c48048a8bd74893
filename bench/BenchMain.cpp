#include "BenchSupport.h"
#include "SilenceCostCheck.h"

#include <juce_events/juce_events.h>

int main (int argc, char** argv)
{
    // JUCE's plug-in hosting needs the message manager.
    const juce::ScopedJuceInitialiser_GUI juce;

    benchmark::Initialize (&argc, argv);

    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;

    bench::registerEngineBenchmarks();
    bench::registerHostedVst3Benchmarks();
    bench::registerEditorBenchmarks();

    SilenceCostCheck reporter (0.10);
    benchmark::RunSpecifiedBenchmarks (&reporter);
    benchmark::Shutdown();

    return reporter.check() ? 0 : 1;
}
