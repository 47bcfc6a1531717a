// SPDX-License-Identifier: GPL-2.0-or-later
// Spelling speed. One question (question and four answers) through the
// checker the editor uses, with the Bible's words and the dictionary loaded:
// target 1 ms or less. qvedtool spell on 20,000 questions of invented words,
// every word misspelt: target 10 s or less.
#include "BibleLookup.h"
#include "QuestionFileGenerator.h"
#include "QuestionLineCodec.h"
#include "QuestionRecord.h"
#include "RatioReporter.h"
#include "SpellChecker.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

namespace {

constexpr int Questions = 20'000;
constexpr double QuestionTarget = 0.001;
constexpr double ToolTarget = 10.0;

// Syllables no English word is made of: every word Hunspell has to refuse.
QByteArray inventedWord(QRandomGenerator& random)
{
    static const char* const syllables[] = {"zor",  "quix", "vel", "brax", "thun", "ploo",
                                            "kesh", "yrm",  "gax", "wud",  "frim", "zhob"};
    QByteArray word;
    const int count = 2 + random.bounded(3);
    for (int i = 0; i < count; ++i)
        word += syllables[random.bounded(int(std::size(syllables)))];
    return word;
}

QByteArray inventedText(QRandomGenerator& random, int words)
{
    QByteArray text;
    for (int i = 0; i < words; ++i)
        text += (i ? " " : "") + inventedWord(random);
    return text;
}

QString inventedFile(const QTemporaryDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("invented.qus"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QRandomGenerator random(7);
    for (int i = 0; i < Questions; ++i) {
        const QByteArray line = EncodeQuestionLine(
            0, random.bounded(4), random.bounded(4), "1:1", inventedText(random, 8) + '?',
            inventedText(random, 2), inventedText(random, 2), inventedText(random, 1),
            inventedText(random, 1));
        file.write(line + "\r\n");
    }
    return path;
}

SpellChecker& checker()
{
    static SpellChecker* loaded = [] {
        auto* made = new SpellChecker;
        if (!made->loadDictionary(QStringLiteral("en_US")))
            return static_cast<SpellChecker*>(nullptr);
        made->addAuthorLists(BibleLookup());
        return made;
    }();
    if (!loaded)
        qFatal("No en_US Hunspell dictionary is installed (hunspell-en-us)");
    return *loaded;
}

// Questions of the usual kind, a new one each iteration: words repeat from
// question to question as in a real bank.
void BM_SpellOneQuestion(benchmark::State& state)
{
    QuestionFileGenerator generator(3);
    SpellChecker& spelling = checker();
    QuestionRecord record;
    for (auto _ : state) {
        state.PauseTiming();
        ClearQuestionRecord(record);
        DecodeQuestionLine(generator.nextLine(), record, DecodeMode::Full);
        const QString texts[] = {Windows1252::toUnicode(record.Question.view()),
                                 Windows1252::toUnicode(record.AnswerA.view()),
                                 Windows1252::toUnicode(record.AnswerB.view()),
                                 Windows1252::toUnicode(record.AnswerC.view()),
                                 Windows1252::toUnicode(record.AnswerD.view())};
        state.ResumeTiming();
        for (const QString& text : texts)
            benchmark::DoNotOptimize(spelling.misspellings(text));
    }
}

// The tool in a home of its own: the prebuilt word list beside it, no
// author's list.
void BM_ToolSpellInvented(benchmark::State& state)
{
    QTemporaryDir folder;
    const QByteArray file = QFile::encodeName(inventedFile(folder));
    const QByteArray home = "HOME=" + QFile::encodeName(folder.path());
    const QByteArray data = "XDG_DATA_HOME=" + QFile::encodeName(folder.filePath("data"));
    const QByteArray cache = "XDG_CACHE_HOME=" + QFile::encodeName(folder.filePath("cache"));
    std::vector<char*> envp{const_cast<char*>(home.constData()),
                            const_cast<char*>(data.constData()),
                            const_cast<char*>(cache.constData()), nullptr};
    const QByteArray tool = QVEDTOOL_PATH;
    const QByteArray spell = "spell";
    char* argv[] = {const_cast<char*>(tool.constData()), const_cast<char*>(spell.constData()),
                    const_cast<char*>(file.constData()), nullptr};
    const QByteArray output = QFile::encodeName(folder.filePath("output"));
    for (auto _ : state) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, output.constData(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        QElapsedTimer timer;
        timer.start();
        pid_t child = 0;
        const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        // Exit status 1: words are misspelt, as they all are.
        if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 1) {
            state.SkipWithError("qvedtool spell failed");
            return;
        }
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
    // Every question was read and its words checked.
    QFile said(QFile::decodeName(output));
    const QByteArray summary = said.open(QIODevice::ReadOnly) ? said.readAll().trimmed() : "";
    const QByteArray last = summary.mid(summary.lastIndexOf('\n') + 1);
    if (!last.startsWith("checked: " + QByteArray::number(Questions) + " questions, ") ||
        last.contains("decode") || last.contains(" 0 misspelt"))
        state.SkipWithError(("unexpected output: " + last).constData());
}

} // namespace

BENCHMARK(BM_SpellOneQuestion)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20000)
    ->Repetitions(3);
BENCHMARK(BM_ToolSpellInvented)
    ->Arg(Questions)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3);

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double question = reporter.seconds("BM_SpellOneQuestion", 1);
    const double tool = reporter.seconds("BM_ToolSpellInvented", Questions);
    std::printf("\nOne question: %.3f ms (<= %.0f ms) %s\n", question * 1000, QuestionTarget * 1000,
                question > 0 && question <= QuestionTarget ? "met" : "MISSED");
    std::printf("qvedtool spell, %d questions of invented words: %.1f s (<= %.0f s) %s\n",
                Questions, tool, ToolTarget, tool > 0 && tool <= ToolTarget ? "met" : "MISSED");
    return 0;
}
