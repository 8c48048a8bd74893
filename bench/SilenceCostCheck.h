#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// Prints the results like the console reporter, then a summary of
// nanoseconds per stereo frame and realtime factor per benchmark (the
// console shows the first with the unit "s" of an inverted rate), then
// compares every
// ".../silence_after_burst/..." run with its ".../noise/..." twin: silence
// after a burst must cost no more than noise. A run may exceed its twin by
// the given tolerance for measurement noise on a shared machine.
class SilenceCostCheck : public benchmark::ConsoleReporter
{
public:
    explicit SilenceCostCheck (double tolerance);

    void ReportRuns (const std::vector<Run>& runs) override;

    // Prints the summary and the verdict; false when some silence run costs too much.
    bool check() const;

private:
    double tolerance;
    struct Figures
    {
        double nsPerFrame, realtimeFactor;
    };

    std::map<std::string, Figures> best;
};
