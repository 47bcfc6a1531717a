// SPDX-License-Identifier: GPL-2.0-or-later
// The locator's Next over 1,000,000 stored question lines with no match,
// against `grep -c -i -F` over the same file, timed in the same run; ends by
// printing the ratio (target: at most 2).
#include "GrepBaseline.h"
#include "LocatorSearch.h"
#include "QuestionFileGenerator.h"
#include "QuestionList.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr int Questions = 1'000'000;
constexpr double Target = 2.0;
// A name the generated lines never hold, typed as a user would.
const QByteArray Absent = "melchizedek";

// The fastest iteration of each side, the one least disturbed by other work
// on the machine.
double fastestNext = std::numeric_limits<double>::infinity();
double fastestGrep = std::numeric_limits<double>::infinity();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("questions.qus"));
    if (!QuestionFileGenerator().writeFile(path, Questions))
        qFatal("cannot write %s", qPrintable(path));
    QuestionList lines;
    QuestionRecord record;
    lines.FillQuestionList(path, record, DecodeMode::QuestionOnly);
    std::printf("%d lines, %.1f bytes a line on average\n", lines.count(),
                double(QFile(path).size()) / lines.count() - 2);

    benchmark::RegisterBenchmark("LocatorNext",
                                 [&](benchmark::State& state) {
                                     QElapsedTimer clock;
                                     for (auto _ : state) {
                                         clock.start();
                                         // Next builds its search from the box's text on every
                                         // click.
                                         const auto match = LocatorSearch(Absent).next(lines, -1);
                                         const double seconds = clock.nsecsElapsed() / 1e9;
                                         state.SetIterationTime(seconds);
                                         fastestNext = std::min(fastestNext, seconds);
                                         if (match)
                                             state.SkipWithError("the text occurs in the file");
                                     }
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);

    RegisterGrepCount("GrepCount", path, Absent, fastestGrep, "0");

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!std::isfinite(fastestNext) || !std::isfinite(fastestGrep))
        return 0; // one side was filtered out: no ratio to print
    const double ratio = fastestNext / fastestGrep;
    std::printf("Next %.1f ms, grep -c -i -F %.1f ms: ratio %.2f (target at most %.1f) %s\n",
                fastestNext * 1e3, fastestGrep * 1e3, ratio, Target,
                ratio <= Target ? "met" : "MISSED");
    return 0;
}
