// SPDX-License-Identifier: GPL-2.0-or-later
#include "BankDiff.h"
#include "BankMerge.h"
#include "PeakMemory.h"
#include "QuestionFields.h"
#include "QuestionFileGenerator.h"
#include "QuestionList.h"
#include "QuestionMatcher.h"
#include "RatioReporter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Questions = 100'000;
constexpr double SecondsTarget = 2.0;
constexpr double MemoryTarget = 3.0;
constexpr double Threshold = 0.6;
constexpr double LookupTargetMs = 10.0;

// The generated bank, and one that grew from it: every 50th question edited,
// every 200th removed, a hundred moved to the end and 2,000 added.
struct Banks
{
    QByteArray base;
    QByteArray changed;
    QByteArray other; // another side: other edits, other additions
};

QByteArray grown(const QByteArray& base, int editEvery, int removeEvery, quint32 seed)
{
    QByteArrayList lines = base.split('\n');
    lines.removeLast();
    QByteArrayList result;
    QByteArrayList moved;
    for (int index = 0; index < lines.size(); ++index) {
        QByteArray line = lines[index].chopped(1); // the CR
        if (index % removeEvery == removeEvery - 1)
            continue;
        if (index % editEvery == 0)
            line.replace(line.lastIndexOf('"'), 1, " again\"");
        (index % 1000 == 7 ? moved : result).append(line);
    }
    result += moved;
    QuestionFileGenerator generator(seed);
    for (int added = 0; added < 2000; ++added)
        result.append(generator.nextLine());
    return result.join("\r\n") + "\r\n";
}

const Banks& banks()
{
    static const Banks made = [] {
        Banks result;
        result.base = QuestionFileGenerator().content(Questions);
        result.changed = grown(result.base, 50, 200, 7);
        result.other = grown(result.base, 73, 310, 11);
        return result;
    }();
    return made;
}

QuestionList listOf(const QByteArray& content)
{
    QuestionList list;
    QuestionRecord record;
    list.fillFromContent(content, record, DecodeMode::QuestionOnly);
    return list;
}

void BM_Load(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(listOf(banks().base).count());
}

void BM_Duplicates(benchmark::State& state)
{
    const QuestionList list = listOf(banks().base);
    for (auto _ : state) {
        const QuestionMatcher matcher(list);
        benchmark::DoNotOptimize(matcher.duplicateGroups(Threshold).size());
    }
}

void BM_Diff(benchmark::State& state)
{
    const QuestionList before = listOf(banks().base);
    const QuestionList after = listOf(banks().changed);
    for (auto _ : state)
        benchmark::DoNotOptimize(BankDiff::compare(before, after).changed.size());
}

void BM_Merge(benchmark::State& state)
{
    const QuestionList base = listOf(banks().base);
    const QuestionList ours = listOf(banks().changed);
    const QuestionList theirs = listOf(banks().other);
    for (auto _ : state)
        benchmark::DoNotOptimize(BankMerge::merge(base, ours, theirs).lines.size());
}

// The panel's lookup of the closest wording while a question is typed: the
// time of each lookup of a question's text cut after each of its words.
std::vector<double> lookupMilliseconds()
{
    const QuestionList list = listOf(banks().base);
    const QuestionMatcher matcher(list);
    matcher.closest({}, 1); // the index, built in the background in the editor
    std::vector<double> times;
    QElapsedTimer timer;
    for (int index = 0; index < 200; ++index) {
        const QByteArray question =
            QuestionFields::fromLine(list.line(index * 397)).texts[QuestionFields::Question];
        for (qsizetype cut = question.indexOf(' '); cut > 0; cut = question.indexOf(' ', cut + 1)) {
            timer.start();
            benchmark::DoNotOptimize(matcher.closest(question.first(cut), Threshold).index);
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    std::sort(times.begin(), times.end());
    return times;
}

// In a fresh process: the peak memory of finding the duplicates of a file.
int measureDuplicates(const char* path)
{
    PeakMemory::Sample sample;
    sample.startBytes = PeakMemory::residentBytes();
    {
        QuestionList list;
        QuestionRecord record;
        list.FillQuestionList(QString::fromLocal8Bit(path), record, DecodeMode::QuestionOnly);
        const QuestionMatcher matcher(list);
        benchmark::DoNotOptimize(matcher.duplicateGroups(Threshold).size());
    }
    sample.peakBytes = PeakMemory::peakResidentBytes();
    PeakMemory::print(sample);
    return 0;
}

const char* verdict(bool met)
{
    return met ? "met" : "MISSED";
}

} // namespace

BENCHMARK(BM_Load)->Arg(Questions)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_Duplicates)->Arg(Questions)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_Diff)->Arg(Questions)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_Merge)->Arg(Questions)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--peak-memory") == 0)
        return measureDuplicates(argv[2]);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double load = reporter.seconds("BM_Load", Questions);
    std::printf("\n%d questions (load %.0f ms):\n", Questions, load * 1000);
    for (const char* name : {"BM_Duplicates", "BM_Diff", "BM_Merge"}) {
        const double seconds = reporter.seconds(name, Questions);
        std::printf("  %-14s %7.0f ms (<= %.0f ms) %s, %.1f x load\n", name, seconds * 1000,
                    SecondsTarget * 1000, verdict(seconds > 0 && seconds <= SecondsTarget),
                    load > 0 ? seconds / load : 0);
    }

    const std::vector<double> lookups = lookupMilliseconds();
    const double p99 = lookups[lookups.size() * 99 / 100];
    std::printf("  similar lookup %zu times: median %.2f ms, 99th percentile %.2f ms (<= %.0f ms) %s, "
                "longest %.2f ms\n",
                lookups.size(), lookups[lookups.size() / 2], p99, LookupTargetMs,
                verdict(p99 <= LookupTargetMs), lookups.back());

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bank.qus"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(banks().base) != banks().base.size())
        return 1;
    file.close();
    const auto sample = PeakMemory::measure(QCoreApplication::applicationFilePath(),
                                            {QStringLiteral("--peak-memory"), path});
    if (!sample) {
        std::printf("  duplicates memory: measurement failed\n");
        return 1;
    }
    const double ratio = double(sample->peakBytes) / double(QFileInfo(path).size());
    std::printf("  duplicates peak memory %.1f MB = %.2f x the file (<= %.1f) %s\n",
                double(sample->peakBytes) / (1 << 20), ratio, MemoryTarget,
                verdict(ratio <= MemoryTarget));
    return 0;
}
