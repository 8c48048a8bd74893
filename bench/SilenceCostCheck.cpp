#include "SilenceCostCheck.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

SilenceCostCheck::SilenceCostCheck (double toleranceIn)
    : benchmark::ConsoleReporter (isatty (STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular),
      tolerance (toleranceIn)
{
}

void SilenceCostCheck::ReportRuns (const std::vector<Run>& runs)
{
    benchmark::ConsoleReporter::ReportRuns (runs);

    for (const auto& run : runs)
    {
        if (run.error_occurred || run.run_type != Run::RT_Iteration)
            continue;

        const auto ns = run.counters.find ("ns_per_frame");
        const auto rt = run.counters.find ("realtime_x");

        if (ns == run.counters.end() || rt == run.counters.end())
            continue;

        // With repetitions, the fastest run is the least disturbed one.
        const auto name = run.run_name.str();
        const auto it = best.find (name);

        if (it == best.end() || ns->second.value < it->second.nsPerFrame)
            best[name] = { ns->second.value, rt->second.value };
    }
}

bool SilenceCostCheck::check() const
{
    std::printf ("\n%-44s %12s %12s\n", "benchmark", "ns/frame", "realtime x");

    for (const auto& [name, figures] : best)
        std::printf ("%-44s %12.2f %12.1f\n", name.c_str(), figures.nsPerFrame, figures.realtimeFactor);

    std::printf ("\n");

    static const std::string silence = "/silence_after_burst/";
    bool ok = true;

    for (const auto& [name, figures] : best)
    {
        const auto at = name.find (silence);

        if (at == std::string::npos)
            continue;

        const auto twin = best.find (name.substr (0, at) + "/noise/" + name.substr (at + silence.size()));

        if (twin == best.end())
            continue;

        const double ratio = figures.nsPerFrame / twin->second.nsPerFrame;
        const bool fine = ratio <= 1.0 + tolerance;
        ok = ok && fine;
        std::printf ("%-44s %.3f x the cost of noise  %s\n", name.c_str(), ratio, fine ? "ok" : "TOO SLOW");
    }

    return ok;
}
