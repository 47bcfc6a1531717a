// SPDX-License-Identifier: GPL-2.0-or-later
// From the start of qved3 on samples/sample.qus until its window is shown,
// offscreen: the first start in a fresh home, the second start in a home a
// first start has used, and a minimal Qt Widgets window as the floor, in the
// same run. Targets: the first start within 1.5 times the second, the second
// within 2 times the floor.
#include "RatioReporter.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <map>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int SampleQuestions = 64; // the argument: samples/sample.qus
constexpr double FirstTarget = 1.5;
constexpr double SecondTarget = 2.0;

// A home with nothing in it yet: settings, caches and data of its own.
struct FreshHome
{
    QTemporaryDir folder;

    std::vector<QByteArray> environment() const
    {
        const QString home = folder.path();
        for (const char* sub : {"config", "cache", "data", "runtime"})
            QDir().mkpath(home + u'/' + QLatin1StringView(sub));
        QFile::setPermissions(home + QStringLiteral("/runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const std::map<QByteArray, QByteArray> own{
            {"HOME", QFile::encodeName(home)},
            {"XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/config"))},
            {"XDG_CACHE_HOME", QFile::encodeName(home + QStringLiteral("/cache"))},
            {"XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/data"))},
            {"XDG_RUNTIME_DIR", QFile::encodeName(home + QStringLiteral("/runtime"))},
            {"QT_QPA_PLATFORM", "offscreen"},
            {"QVED_QUIT_WHEN_SHOWN", "1"}};
        std::vector<QByteArray> result;
        for (char** entry = environ; *entry; ++entry) {
            const QByteArray text(*entry);
            if (own.find(text.left(text.indexOf('='))) == own.end())
                result.push_back(text);
        }
        for (const auto& [name, value] : own)
            result.push_back(name + '=' + value);
        return result;
    }
};

// Seconds until the program printed "shown"; negative when it failed.
double secondsToWindow(const std::vector<QByteArray>& command, const FreshHome& home)
{
    std::vector<char*> argv;
    for (const QByteArray& argument : command)
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);
    const std::vector<QByteArray> environment = home.environment();
    std::vector<char*> envp;
    for (const QByteArray& entry : environment)
        envp.push_back(const_cast<char*>(entry.constData()));
    envp.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    // The offscreen platform's notes are no part of the measure.
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return -1;
    }
    QByteArray said;
    double seconds = -1;
    char buffer[256];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;) {
        said.append(buffer, got);
        if (seconds < 0 && said.contains("shown\n"))
            seconds = double(timer.nsecsElapsed()) / 1e9;
    }
    close(out[0]);
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return seconds;
}

const std::vector<QByteArray> Editor{QVED3_PATH, SAMPLE_FILE};

void timeStarts(benchmark::State& state, const std::vector<QByteArray>& command, bool freshEachTime)
{
    auto home = std::make_unique<FreshHome>();
    if (!freshEachTime) {
        // A first start, and the spelling lists its window would have made
        // had it stayed open, as qvedtool spell makes them.
        secondsToWindow(Editor, *home);
        secondsToWindow({QVEDTOOL_PATH, "spell", SAMPLE_FILE}, *home);
    }
    for (auto _ : state) {
        if (freshEachTime)
            home = std::make_unique<FreshHome>();
        const double seconds = secondsToWindow(command, *home);
        if (seconds < 0) {
            state.SkipWithError("the program failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_MinimalWindow(benchmark::State& state)
{
    timeStarts(state, {MINIMAL_WINDOW_PATH}, false);
}

void BM_FirstStart(benchmark::State& state)
{
    timeStarts(state, Editor, true);
}

void BM_SecondStart(benchmark::State& state)
{
    timeStarts(state, Editor, false);
}

} // namespace

BENCHMARK(BM_MinimalWindow)
    ->Arg(SampleQuestions)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(3);
BENCHMARK(BM_FirstStart)
    ->Arg(SampleQuestions)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(3);
BENCHMARK(BM_SecondStart)
    ->Arg(SampleQuestions)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(3);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double floor = reporter.seconds("BM_MinimalWindow", SampleQuestions);
    const double first = reporter.seconds("BM_FirstStart", SampleQuestions);
    const double second = reporter.seconds("BM_SecondStart", SampleQuestions);
    auto verdict = [](double ratio, double target) {
        return ratio > 0 && ratio <= target ? "met" : "MISSED";
    };
    const double firstRatio = second > 0 ? first / second : 0;
    const double secondRatio = floor > 0 ? second / floor : 0;
    std::printf(
        "\nTo the window: first start %.0f ms, second start %.0f ms, minimal window %.0f ms\n",
        first * 1000, second * 1000, floor * 1000);
    std::printf("first/second %.2f (<= %.1f) %s\n", firstRatio, FirstTarget,
                verdict(firstRatio, FirstTarget));
    std::printf("second/minimal %.2f (<= %.1f) %s\n", secondRatio, SecondTarget,
                verdict(secondRatio, SecondTarget));
    return 0;
}
