// SPDX-License-Identifier: GPL-2.0-or-later
#include "BuilderLibrary.h"
#include "FileCommands.h"
#include "QuestionFileGenerator.h"
#include "QuestionGrid.h"
#include "QuestionList.h"
#include "RatioReporter.h"
#include "ScriptedPrompts.h"
#include "TfrmMain.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int Questions = 1'000'000;
constexpr double WindowTarget = 0.6;

QString questionFile()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath("million.qus");
        QuestionFileGenerator().writeFile(file, Questions);
        return file;
    }();
    return path;
}

void BM_LibraryLoad(benchmark::State& state)
{
    const QString file = questionFile();
    for (auto _ : state) {
        QuestionList list;
        QuestionRecord record;
        list.FillQuestionList(file, record, DecodeMode::QuestionOnly);
        benchmark::DoNotOptimize(list.count());
    }
}

// The window's own read and decode, on every core, without the window.
void BM_LibraryLoadInParts(benchmark::State& state)
{
    const QString file = questionFile();
    for (auto _ : state) {
        QuestionList list;
        QuestionRecord record;
        list.FillQuestionList(file, record, DecodeMode::QuestionOnly,
                              std::max(1, QThread::idealThreadCount()));
        benchmark::DoNotOptimize(list.count());
    }
}

// From the load's start until the grid has painted row 1 and the panel
// shows question 1, as after a save's reload.
void BM_WindowLoad(benchmark::State& state)
{
    const QString file = questionFile();
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    TfrmMain window(prompts, {}, {folder.path() + '/', BuilderLibrary(), nullptr});
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.fileCommands().LoadQuestionFile(file);
        window.stgQuestions->viewport()->repaint();
        state.PauseTiming();
        window.fileCommands().mnuFileNewClick();
        // What the open started in the background (the similar-question
        // index) ends before the next open, as while the author reads.
        QThreadPool::globalInstance()->waitForDone();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_LibraryLoad)
    ->Arg(Questions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK(BM_LibraryLoadInParts)
    ->Arg(Questions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK(BM_WindowLoad)
    ->Arg(Questions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double library = reporter.seconds("BM_LibraryLoad", Questions);
    const double window = reporter.seconds("BM_WindowLoad", Questions);
    const double ratio = library > 0 ? window / library : 0;
    std::printf("\nOpening %d questions, medians of 5: window %.0f ms, library %.0f ms, ratio %.2f "
                "(<= %.1f) %s\n",
                Questions, window * 1000, library * 1000, ratio, WindowTarget,
                ratio > 0 && ratio <= WindowTarget ? "met" : "MISSED");
    const double parts = reporter.seconds("BM_LibraryLoadInParts", Questions);
    if (parts > 0 && library > 0)
        std::printf("The window's read and decode alone on %d cores: %.0f ms, ratio %.2f to the "
                    "library (for comparison)\n",
                    QThread::idealThreadCount(), parts * 1000, parts / library);
    return 0;
}
