// SPDX-License-Identifier: GPL-2.0-or-later
#include "BuilderLibrary.h"
#include "ImportRowChecker.h"
#include "InterchangeFormats.h"
#include "QuestionFileGenerator.h"
#include "QuestionFormat.h"
#include "QuestionList.h"
#include "QuestionRecord.h"
#include "RatioReporter.h"
#include "RowChecks.h"
#include "ValidationTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int ImportQuestions = 1'000'000;
constexpr int ExportQuestions = 200'000;
constexpr double ImportTarget = 3.0;
constexpr double ExportTarget = 2.0;

const QByteArray& bank()
{
    static const QByteArray content = QuestionFileGenerator().content(ImportQuestions);
    return content;
}

QList<QuestionRecord> records(int count)
{
    QList<QuestionRecord> result;
    result.reserve(count);
    qsizetype start = 0;
    QuestionRecord record;
    for (int index = 0; index < count; ++index) {
        const qsizetype end = bank().indexOf('\n', start);
        ClearQuestionRecord(record);
        DecodeQuestionLine(QByteArrayView(bank()).sliced(start, end - 1 - start), record,
                           DecodeMode::Full);
        result.append(record);
        start = end + 1;
    }
    return result;
}

const QByteArray& csv()
{
    static const QByteArray content = [] {
        QString error;
        QStringList notes;
        return InterchangeFormats::byName(QStringLiteral("csv"))
            ->write(records(ImportQuestions), &error, &notes);
    }();
    return content;
}

const ValidationTable& table()
{
    static QTemporaryDir folder;
    static ValidationTable loaded;
    if (!loaded.ValidationTableLoaded())
        loaded.LoadValTable(QDir::toNativeSeparators(folder.path() + u'/'), BuilderLibrary());
    return loaded;
}

// The editor's Open: the file's lines on every core.
void BM_LoadQus(benchmark::State& state)
{
    for (auto _ : state) {
        QuestionList list;
        QuestionRecord record;
        list.fillFromContent(bank(), record, DecodeMode::QuestionOnly,
                             std::max(1, QThread::idealThreadCount()));
        benchmark::DoNotOptimize(list.count());
    }
}

// Read, rows, and every row through the panel's checks.
void BM_ImportCsv(benchmark::State& state)
{
    const ImportRowChecker checker(table(), ImportDefaults());
    const QuestionFormat* format = InterchangeFormats::byName(QStringLiteral("csv"));
    for (auto _ : state) {
        const FormatReadResult read = format->read(csv());
        benchmark::DoNotOptimize(RowChecks::checkAll(read.rows, checker).size());
    }
}

void BM_Export(benchmark::State& state, const char* name)
{
    static const QList<QuestionRecord> questions = records(ExportQuestions);
    const QuestionFormat* format = InterchangeFormats::byName(QString::fromLatin1(name));
    for (auto _ : state) {
        QString error;
        QStringList notes;
        benchmark::DoNotOptimize(format->write(questions, &error, &notes).size());
    }
}

const char* verdict(bool met)
{
    return met ? "met" : "MISSED";
}

} // namespace

BENCHMARK(BM_LoadQus)
    ->Arg(ImportQuestions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK(BM_ImportCsv)
    ->Arg(ImportQuestions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK_CAPTURE(BM_Export, json, "json")
    ->Arg(ExportQuestions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK_CAPTURE(BM_Export, csv, "csv")
    ->Arg(ExportQuestions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK_CAPTURE(BM_Export, tsv, "tsv")
    ->Arg(ExportQuestions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK_CAPTURE(BM_Export, gift, "gift")
    ->Arg(ExportQuestions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK_CAPTURE(BM_Export, aiken, "aiken")
    ->Arg(ExportQuestions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK_CAPTURE(BM_Export, moodle, "moodle")
    ->Arg(ExportQuestions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK_CAPTURE(BM_Export, qus, "qus")
    ->Arg(ExportQuestions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    table();
    csv();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double load = reporter.seconds("BM_LoadQus", ImportQuestions);
    const double import = reporter.seconds("BM_ImportCsv", ImportQuestions);
    const double ratio = load > 0 ? import / load : 0;
    std::printf("\n%d questions: CSV import %.0f ms = %.1f x loading the question file "
                "(%.0f ms, <= %.0f x) %s\n",
                ImportQuestions, import * 1000, ratio, load * 1000, ImportTarget,
                verdict(ratio > 0 && ratio <= ImportTarget));
    const double json = reporter.seconds("BM_Export/json", ExportQuestions);
    for (const char* name : {"csv", "tsv", "gift", "aiken", "moodle", "qus"}) {
        const double seconds = reporter.seconds(std::string("BM_Export/") + name, ExportQuestions);
        const double against = json > 0 ? seconds / json : 0;
        std::printf("  export %-7s %6.0f ms = %.2f x JSON (%.0f ms, <= %.0f x) %s\n", name,
                    seconds * 1000, against, json * 1000, ExportTarget,
                    verdict(against > 0 && against <= ExportTarget));
    }
    return 0;
}
