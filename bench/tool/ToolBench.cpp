// SPDX-License-Identifier: GPL-2.0-or-later
// qvedtool export and check on 1,000,000 questions against a short Python
// script that does the export's job with the csv module, in the same run.
// Targets: each command takes at most a third of the script's time and at
// most half its peak memory. Timed too, for comparison: the CSV export and
// the stats command.
#include "QuestionFileGenerator.h"
#include "RatioReporter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Questions = 1'000'000;
constexpr double TimeTarget = 1.0 / 3.0;
constexpr double MemoryTarget = 0.5;

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

// The highest peak resident memory of each program's runs, in bytes.
std::map<std::string, long long> g_peakBytes;

// Runs the program with its standard output going to a file, as a user's
// redirection would; the wall time in seconds, negative when it failed.
double run(const std::string& name, const std::vector<QByteArray>& command)
{
    std::vector<char*> argv;
    for (const QByteArray& argument : command)
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);
    const QByteArray output = QFile::encodeName(workFolder().filePath(QStringLiteral("output")));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    QElapsedTimer timer;
    timer.start();
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return -1;
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    // check exits with 1 when it found problems.
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1)
        return -1;
    long long& peak = g_peakBytes[name];
    peak = std::max(peak, (long long)usage.ru_maxrss * 1024);
    return seconds;
}

void timeProgram(benchmark::State& state, const std::string& name,
                 const std::vector<QByteArray>& command)
{
    for (auto _ : state) {
        const double seconds = run(name, command);
        if (seconds < 0) {
            state.SkipWithError("the program failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

QByteArray file()
{
    return QFile::encodeName(questionFile());
}

const QByteArray Tool = QVEDTOOL_PATH;

void PythonExport(benchmark::State& state)
{
    timeProgram(state, "PythonExport", {PYTHON_PATH, EXPORT_SCRIPT, file()});
}

void ExportJson(benchmark::State& state)
{
    timeProgram(state, "ExportJson", {Tool, "export", file()});
}

void Check(benchmark::State& state)
{
    timeProgram(state, "Check", {Tool, "check", file()});
}

void ExportCsv(benchmark::State& state)
{
    timeProgram(state, "ExportCsv", {Tool, "export", file(), "--format", "csv"});
}

void Stats(benchmark::State& state)
{
    timeProgram(state, "Stats", {Tool, "stats", file()});
}

void printRatios(const RatioReporter& reporter)
{
    const double baseline = reporter.seconds("PythonExport", Questions);
    const double baselineBytes = double(g_peakBytes["PythonExport"]);
    std::printf("\nOn %d questions against the Python script (%.3f s, %.0f MB peak);\n"
                "targets: time at most %.2f x, peak memory at most %.2f x:\n",
                Questions, baseline, baselineBytes / 1e6, TimeTarget, MemoryTarget);
    for (const char* name : {"ExportJson", "Check", "ExportCsv", "Stats"}) {
        const double seconds = reporter.seconds(name, Questions);
        const double bytes = double(g_peakBytes[name]);
        if (baseline <= 0 || seconds <= 0 || baselineBytes <= 0) {
            std::printf("  %-10s not measured\n", name);
            continue;
        }
        const bool targeted = qstrcmp(name, "ExportJson") == 0 || qstrcmp(name, "Check") == 0;
        const double time = seconds / baseline;
        const double memory = bytes / baselineBytes;
        std::printf("  %-10s %7.3f s %6.2f x   %6.0f MB %6.2f x  %s\n", name, seconds, time,
                    bytes / 1e6, memory,
                    !targeted                                      ? "(for comparison)"
                    : time <= TimeTarget && memory <= MemoryTarget ? "met"
                                                                   : "MISSED");
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const std::pair<const char*, void (*)(benchmark::State&)> programs[] = {
        {"PythonExport", PythonExport},
        {"ExportJson", ExportJson},
        {"Check", Check},
        {"ExportCsv", ExportCsv},
        {"Stats", Stats}};
    for (const auto& [name, function] : programs) {
        benchmark::RegisterBenchmark(name, function)
            ->Arg(Questions)
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(5)
            ->Unit(benchmark::kMillisecond);
    }
    // Written and read once before timing, so every program finds it cached.
    run("warm-up", {"cat", file()});
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printRatios(reporter);
    return 0;
}
