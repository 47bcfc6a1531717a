// SPDX-License-Identifier: GPL-2.0-or-later
#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

std::string key(const std::string& name, const std::string& args)
{
    return name + '/' + args;
}

} // namespace

// Colours only on a terminal, as the default reporter does.
RatioReporter::RatioReporter()
    : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular)
{
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    // With repetitions the display reporter sees only the aggregates, so the
    // median is taken from there; a single run counts as its own median.
    for (const Run& run : runs) {
        if (run.error_occurred || run.iterations == 0)
            continue;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (median || run.run_type == Run::RT_Iteration) {
            m_seconds[key(run.run_name.function_name, run.run_name.args)].push_back(
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit));
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

double RatioReporter::seconds(const std::string& name, long long arg) const
{
    const auto found = m_seconds.find(key(name, std::to_string(arg)));
    if (found == m_seconds.end())
        return 0;
    std::vector<double> times = found->second;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
