// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// The usual console output, while keeping every repetition's real time so
// the run can end by printing program/baseline ratios measured in it.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    RatioReporter();

    void ReportRuns(const std::vector<Run>& runs) override;

    // Median real seconds per iteration of benchmark "name" with argument
    // arg; 0 when it did not run (filtered out or failed).
    double seconds(const std::string& name, long long arg) const;

private:
    std::map<std::string, std::vector<double>> m_seconds;
};
