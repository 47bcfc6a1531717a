// The check and export commands of qvedtool on 1,000,000 questions, each
// timed against `wc -l` reading the same file in the same run. Target: at
// most 5 times the time of wc -l. Timed too, for comparison: the stats
// command, which reads and decodes the file and little more, and the JSON
// export to the null device, the same work without the file system's cost
// of storing some 350 MB of output.
#include "QuestionFileGenerator.h"
#include "RatioReporter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <utility>

namespace {

constexpr int Questions = 1'000'000;
constexpr double Target = 5.0;

QTemporaryDir& workFolder()
{
    static QTemporaryDir folder;
    return folder;
}

const QString& questionFile()
{
    static const QString path = [] {
        const QString file = workFolder().filePath(QStringLiteral("million.qus"));
        if (!QuestionFileGenerator().writeFile(file, Questions))
            qFatal("cannot write %s", qPrintable(file));
        return file;
    }();
    return path;
}

// Wall time of one run, its standard output going to a file as a user's
// redirection would (or to the null device, to time the work without the
// file system's share); negative when the program failed.
double secondsFor(const QString& program, const QStringList& arguments, bool toNull = false)
{
    QProcess process;
    process.setStandardOutputFile(toNull ? QProcess::nullDevice()
                                         : workFolder().filePath(QStringLiteral("output")));
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return -1;
    return double(timer.nsecsElapsed()) / 1e9;
}

void timeProgram(benchmark::State& state, const QString& program, const QStringList& arguments,
                 bool toNull = false)
{
    for (auto _ : state) {
        const double seconds = secondsFor(program, arguments, toNull);
        if (seconds < 0) {
            state.SkipWithError("the program failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

const QString Tool = QStringLiteral(QVEDTOOL_PATH);

void WcLines(benchmark::State& state)
{
    timeProgram(state, QStringLiteral("wc"), {QStringLiteral("-l"), questionFile()});
}

void CheckNoValidate(benchmark::State& state)
{
    timeProgram(state, Tool,
                {QStringLiteral("check"), questionFile(), QStringLiteral("--no-validate")});
}

void ExportJson(benchmark::State& state)
{
    timeProgram(state, Tool, {QStringLiteral("export"), questionFile()});
}

void ExportJsonToNull(benchmark::State& state)
{
    timeProgram(state, Tool, {QStringLiteral("export"), questionFile()}, true);
}

void ExportCsv(benchmark::State& state)
{
    timeProgram(state, Tool,
                {QStringLiteral("export"), questionFile(), QStringLiteral("--format"),
                 QStringLiteral("csv")});
}

void Stats(benchmark::State& state)
{
    timeProgram(state, Tool, {QStringLiteral("stats"), questionFile()});
}

void printRatios(const RatioReporter& reporter)
{
    const double baseline = reporter.seconds("WcLines", Questions);
    std::printf("\nMedian times on %d questions against wc -l (%.3f s), target %.0f x:\n",
                Questions, baseline, Target);
    for (const char* name :
         {"CheckNoValidate", "ExportJson", "ExportJsonToNull", "ExportCsv", "Stats"}) {
        const double seconds = reporter.seconds(name, Questions);
        if (baseline <= 0 || seconds <= 0) {
            std::printf("  %-16s not measured\n", name);
            continue;
        }
        const double ratio = seconds / baseline;
        std::printf("  %-16s %7.3f s %7.1f x  %s\n", name, seconds, ratio,
                    qstrcmp(name, "Stats") == 0              ? "(reading only)"
                    : qstrcmp(name, "ExportJsonToNull") == 0 ? "(output not stored)"
                    : ratio <= Target           ? "met"
                                                : "MISSED");
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const std::pair<const char*, void (*)(benchmark::State&)> programs[] = {
        {"WcLines", WcLines},
        {"CheckNoValidate", CheckNoValidate},
        {"ExportJson", ExportJson},
        {"ExportJsonToNull", ExportJsonToNull},
        {"ExportCsv", ExportCsv},
        {"Stats", Stats}};
    for (const auto& [name, function] : programs) {
        benchmark::RegisterBenchmark(name, function)
            ->Arg(Questions)
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(3)
            ->Unit(benchmark::kMillisecond);
    }
    // Written and read once before timing, so every program finds it cached.
    secondsFor(QStringLiteral("wc"), {QStringLiteral("-l"), questionFile()});
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printRatios(reporter);
    return 0;
}
