// SPDX-License-Identifier: GPL-2.0-or-later
// Loading and writing question files against plain baselines measured in the
// same run: reading a file into memory and counting its lines, and writing the
// same bytes to a new file with the same flush to disk that QSaveFile does.
// Ends by printing the ratios and the peak memory of a load.
#include "PeakMemory.h"
#include "QuestionDocument.h"
#include "QuestionFileGenerator.h"
#include "QuestionList.h"
#include "RatioReporter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <unistd.h>

namespace {

constexpr int Sizes[] = {10'000, 100'000, 1'000'000};
constexpr int Largest = 1'000'000;
constexpr double LoadTarget = 3.0;
constexpr double MemoryTarget = 2.0;
constexpr double WriteTarget = 2.0;

QTemporaryDir& workFolder()
{
    static QTemporaryDir folder;
    return folder;
}

// One generated file per size, shared by every benchmark of the run.
const QString& questionFile(int questions)
{
    static std::map<int, QString> files;
    QString& path = files[questions];
    if (path.isEmpty()) {
        path = workFolder().filePath(QStringLiteral("questions%1.qus").arg(questions));
        if (!QuestionFileGenerator().writeFile(path, questions))
            qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

qsizetype countLines(const QByteArray& bytes)
{
    return std::count(bytes.begin(), bytes.end(), '\n');
}

void loadQuestionList(const QString& path)
{
    QuestionList list;
    QuestionRecord record;
    list.FillQuestionList(path, record, DecodeMode::QuestionOnly);
    benchmark::DoNotOptimize(list.count());
}

void BM_ReadAndCountLines(benchmark::State& state)
{
    const QString& path = questionFile(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(countLines(readWholeFile(path)));
}

void BM_LoadQuestionList(benchmark::State& state)
{
    const QString& path = questionFile(int(state.range(0)));
    for (auto _ : state)
        loadQuestionList(path);
}

void BM_WritePlainBytes(benchmark::State& state)
{
    const QByteArray bytes = readWholeFile(questionFile(int(state.range(0))));
    const QString target = workFolder().filePath(QStringLiteral("plain.qus"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target);
        state.ResumeTiming();
        QFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.flush() || ::fdatasync(file.handle()) != 0) {
            state.SkipWithError("plain write failed");
            break;
        }
        file.close();
    }
}

void BM_WriteQuestionFile(benchmark::State& state)
{
    QuestionList list;
    QuestionRecord record;
    list.FillQuestionList(questionFile(int(state.range(0))), record, DecodeMode::QuestionOnly);
    const QString target = workFolder().filePath(QStringLiteral("written.qus"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target);
        state.ResumeTiming();
        if (!list.WriteQuestionFile(target).ok) {
            state.SkipWithError("WriteQuestionFile failed");
            break;
        }
    }
}

// The first change after a load or save writes the journal's heading with
// the file's content (hash, write, sync); the ones after it append a frame.
void BM_JournalChange(benchmark::State& state, bool first)
{
    // Journals go to the work folder, never to the user's data folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(workFolder().path()));
    const QString& path = questionFile(int(state.range(0)));
    QuestionList list;
    QuestionRecord record;
    list.FillQuestionList(path, record, DecodeMode::QuestionOnly);
    const QByteArray line = list.line(0).toByteArray();
    const QByteArray question = list.questionCell(0).toByteArray();
    QuestionDocument document;
    document.replace(std::move(list), path);
    document.storeCommittedLine(0, line, question);
    for (auto _ : state) {
        if (first) {
            state.PauseTiming();
            document.discardJournal();
            state.ResumeTiming();
        }
        document.storeCommittedLine(0, line, question);
        if (!document.isJournalKeeping()) {
            state.SkipWithError("journal write failed");
            break;
        }
    }
    document.discardJournal();
}

void BM_FirstJournalledChange(benchmark::State& state)
{
    BM_JournalChange(state, true);
}

void BM_LaterJournalledChange(benchmark::State& state)
{
    BM_JournalChange(state, false);
}

void registerBenchmarks()
{
    for (auto* bench : {benchmark::RegisterBenchmark("BM_ReadAndCountLines", BM_ReadAndCountLines),
                        benchmark::RegisterBenchmark("BM_LoadQuestionList", BM_LoadQuestionList),
                        benchmark::RegisterBenchmark("BM_WritePlainBytes", BM_WritePlainBytes),
                        benchmark::RegisterBenchmark("BM_WriteQuestionFile", BM_WriteQuestionFile),
                        benchmark::RegisterBenchmark("BM_FirstJournalledChange",
                                                     BM_FirstJournalledChange),
                        benchmark::RegisterBenchmark("BM_LaterJournalledChange",
                                                     BM_LaterJournalledChange)}) {
        for (int size : Sizes)
            bench->Arg(size);
        bench->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->DisplayAggregatesOnly(true);
    }
}

// The child side of a memory measurement: one operation, then the sample.
int measureInThisProcess(const char* operation, const char* path)
{
    PeakMemory::Sample sample;
    sample.startBytes = PeakMemory::residentBytes();
    if (qstrcmp(operation, "read") == 0)
        benchmark::DoNotOptimize(countLines(readWholeFile(QString::fromLocal8Bit(path))));
    else
        loadQuestionList(QString::fromLocal8Bit(path));
    sample.peakBytes = PeakMemory::peakResidentBytes();
    PeakMemory::print(sample);
    return 0;
}

const char* verdict(double ratio, double target)
{
    return ratio > 0 && ratio <= target ? "met" : "MISSED";
}

void printRatios(const RatioReporter& reporter)
{
    std::printf("\nRatios (median of the repetitions):\n");
    std::printf("%12s %22s %22s\n", "questions", "load / read+count", "write / plain write");
    for (int size : Sizes) {
        const double read = reporter.seconds("BM_ReadAndCountLines", size);
        const double load = reporter.seconds("BM_LoadQuestionList", size);
        const double plain = reporter.seconds("BM_WritePlainBytes", size);
        const double write = reporter.seconds("BM_WriteQuestionFile", size);
        std::printf("%12d %22.2f %22.2f\n", size, read > 0 ? load / read : 0,
                    plain > 0 ? write / plain : 0);
    }
}

double printPeakMemory(const QString& program)
{
    const QString& path = questionFile(Largest);
    const double fileMb = double(QFile(path).size()) / (1 << 20);
    std::printf("\nPeak memory, %d questions, file %.1f MB (each in a fresh process):\n", Largest,
                fileMb);
    double loadRatio = 0;
    for (const char* operation : {"read", "load"}) {
        const auto sample = PeakMemory::measure(
            program, {QStringLiteral("--peak-memory"), QString::fromLatin1(operation), path});
        if (!sample) {
            std::printf("  %s: measurement failed\n", operation);
            continue;
        }
        const double peakMb = double(sample->peakBytes) / (1 << 20);
        const double addedMb = double(sample->peakBytes - sample->startBytes) / (1 << 20);
        std::printf("  %-5s peak %7.1f MB = %.2f x file (%.1f MB above the process at rest)\n",
                    operation, peakMb, peakMb / fileMb, addedMb);
        if (qstrcmp(operation, "load") == 0)
            loadRatio = peakMb / fileMb;
    }
    return loadRatio;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--peak-memory") == 0)
        return measureInThisProcess(argv[2], argv[3]);

    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv);
    registerBenchmarks();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    printRatios(reporter);
    const double memory = printPeakMemory(QCoreApplication::applicationFilePath());
    const double read = reporter.seconds("BM_ReadAndCountLines", Largest);
    const double load = reporter.seconds("BM_LoadQuestionList", Largest);
    const double plain = reporter.seconds("BM_WritePlainBytes", Largest);
    const double write = reporter.seconds("BM_WriteQuestionFile", Largest);
    const double loadRatio = read > 0 ? load / read : 0;
    const double writeRatio = plain > 0 ? write / plain : 0;
    const double firstChange = reporter.seconds("BM_FirstJournalledChange", Largest);
    const double laterChange = reporter.seconds("BM_LaterJournalledChange", Largest);
    if (write > 0)
        std::printf("\nJournal at %d questions: first change %.2f x a save, later change "
                    "%.4f x a save\n",
                    Largest, firstChange / write, laterChange / write);
    std::printf("\nTargets at %d questions: load %.2f x (<= %.0f) %s; peak memory %.2f x file "
                "(<= %.0f) %s; write %.2f x (<= %.0f) %s\n",
                Largest, loadRatio, LoadTarget, verdict(loadRatio, LoadTarget), memory,
                MemoryTarget, verdict(memory, MemoryTarget), writeRatio, WriteTarget,
                verdict(writeRatio, WriteTarget));
    return 0;
}
