// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>
#include <QtGlobal>
#include <optional>

// Peak resident memory of one operation, measured in a fresh process so that
// nothing done earlier in the benchmark run counts towards it.
namespace PeakMemory {

struct Sample
{
    qint64 startBytes = 0; // resident when the operation began
    qint64 peakBytes = 0;  // high-water mark when it had ended
};

// In the measuring process: the kernel's VmRSS and VmHWM of this process.
qint64 residentBytes();
qint64 peakResidentBytes();
// Prints a sample as the one line measure() reads back.
void print(const Sample& sample);

// Runs program with the arguments and reads the sample it prints.
std::optional<Sample> measure(const QString& program, const QStringList& arguments);

} // namespace PeakMemory
