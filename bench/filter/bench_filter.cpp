// SPDX-License-Identifier: GPL-2.0-or-later
// The filter bar's text filter over 1,000,000 stored question lines, against
// `grep -c -i -F` over the same file, timed in the same run: once with a text
// no line holds and once with a word most lines hold. Ends by printing each
// ratio (target: at most 2). Also times Replace All over the same lines
// (target: a few seconds).
#include "FieldReplacer.h"
#include "GrepBaseline.h"
#include "QuestionFileGenerator.h"
#include "QuestionFilter.h"
#include "QuestionList.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>

namespace {

constexpr int Questions = 1'000'000;
constexpr double Target = 2.0;

struct Fastest
{
    double filter = std::numeric_limits<double>::infinity();
    double grep = std::numeric_limits<double>::infinity();
};
std::map<QByteArray, Fastest> fastest;

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

    // A name no generated line holds, and a word nearly every one does.
    for (const QByteArray& text : {QByteArray("melchizedek"), QByteArray("THE")}) {
        benchmark::RegisterBenchmark(("Filter/" + text).constData(),
                                     [&lines, text](benchmark::State& state) {
                                         QElapsedTimer clock;
                                         for (auto _ : state) {
                                             clock.start();
                                             QuestionFilter::Criteria criteria;
                                             criteria.text = text;
                                             const auto rows =
                                                 QuestionFilter(criteria).matchingRows(lines);
                                             const double seconds = clock.nsecsElapsed() / 1e9;
                                             state.SetIterationTime(seconds);
                                             state.counters["rows"] = double(rows.size());
                                             fastest[text].filter =
                                                 std::min(fastest[text].filter, seconds);
                                         }
                                     })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);

        RegisterGrepCount("GrepCount/" + text.toStdString(), path, text, fastest[text].grep);
    }

    // A word most generated lines hold, in every text of the question.
    double fastestReplace = std::numeric_limits<double>::infinity();
    benchmark::RegisterBenchmark("ReplaceAll/the",
                                 [&lines, &fastestReplace](benchmark::State& state) {
                                     const FieldReplacer replacer(
                                         {QStringLiteral("the"), QStringLiteral("THE"),
                                          FieldReplacer::Fields::All, false, true});
                                     QElapsedTimer clock;
                                     for (auto _ : state) {
                                         clock.start();
                                         const auto outcome = replacer.replaceAll(lines);
                                         const double seconds = clock.nsecsElapsed() / 1e9;
                                         state.SetIterationTime(seconds);
                                         state.counters["questions"] = double(outcome.lines.size());
                                         fastestReplace = std::min(fastestReplace, seconds);
                                     }
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto& [text, times] : fastest) {
        if (!std::isfinite(times.filter) || !std::isfinite(times.grep))
            continue; // one side was filtered out: no ratio to print
        const double ratio = times.filter / times.grep;
        std::printf("Filter \"%s\" %.1f ms, grep -c -i -F %.1f ms: ratio %.2f (target at most "
                    "%.1f) %s\n",
                    text.constData(), times.filter * 1e3, times.grep * 1e3, ratio, Target,
                    ratio <= Target ? "met" : "MISSED");
    }
    if (std::isfinite(fastestReplace))
        std::printf("Replace All over %d questions: %.2f s (target a few seconds)\n", Questions,
                    fastestReplace);
    return 0;
}
