// SPDX-License-Identifier: GPL-2.0-or-later
#include "BibleLookup.h"
#include "BookTable.h"
#include "RatioReporter.h"
#include "ReferenceCheck.h"

#include <QCoreApplication>
#include <QHash>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int Questions = 10'000;
constexpr double SecondsTarget = 5.0;

BibleLookup& bible()
{
    static BibleLookup lookup;
    return lookup;
}

// Questions over random verses, the right answer the verse's longest word;
// every fifth cites the verse after its own.
const std::vector<ReferenceCheck::Question>& bank()
{
    static const std::vector<ReferenceCheck::Question> made = [] {
        std::vector<ReferenceCheck::Question> questions;
        QRandomGenerator random(42);
        QHash<QString, Passage> chapters;
        while (int(questions.size()) < Questions) {
            const int book = int(random.bounded(BibleBookCount));
            const QString chapter = QString::number(1 + random.bounded(30));
            const QString key = QString::number(book) + u' ' + chapter;
            if (!chapters.contains(key))
                chapters.insert(key, bible().passage(chapter, book));
            const Passage& passage = chapters[key];
            if (passage.outcome != Passage::Outcome::Found)
                continue;
            const int verse = 1 + int(random.bounded(passage.verses.size()));
            QString longest;
            for (const QString& word : passage.verses[verse - 1].text.split(u' ')) {
                if (word.size() > longest.size())
                    longest = word;
            }
            const int cited =
                int(questions.size()) % 5 == 0 && verse < passage.verses.size() ? verse + 1 : verse;
            ReferenceCheck::Question question;
            question.number = int(questions.size()) + 1;
            question.book = book;
            question.reference = chapter + u':' + QString::number(cited);
            question.correct = int(random.bounded(4));
            question.answers = {QStringLiteral("Zerubbabel"), QStringLiteral("Melchizedek"),
                                QStringLiteral("Nebuchadnezzar"), QStringLiteral("Abednego")};
            question.answers[std::size_t(question.correct)] = longest;
            questions.push_back(question);
        }
        return questions;
    }();
    return made;
}

// The floor: reading each chapter the bank cites once.
void BM_ReadChapters(benchmark::State& state)
{
    QSet<QString> cited;
    for (const ReferenceCheck::Question& question : bank())
        cited.insert(QString::number(question.book) + u' ' +
                     question.reference.section(u':', 0, 0));
    for (auto _ : state) {
        // A new lookup each time, as each check opens its own: a lookup
        // keeps the verses it has read.
        const BibleLookup fresh;
        qsizetype verses = 0;
        for (const QString& key : cited)
            verses +=
                fresh.passage(key.section(u' ', 1), key.section(u' ', 0, 0).toInt()).verses.size();
        benchmark::DoNotOptimize(verses);
    }
}

void BM_ReferenceCheck(benchmark::State& state)
{
    for (auto _ : state) {
        const BibleLookup fresh;
        const ReferenceCheck check(fresh);
        benchmark::DoNotOptimize(check.check(bank()).size());
    }
}

} // namespace

BENCHMARK(BM_ReadChapters)
    ->Arg(Questions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK(BM_ReferenceCheck)
    ->Arg(Questions)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (!bible().available()) {
        std::printf("%s\n", qPrintable(BibleLookup::noModuleMessage()));
        return 1;
    }
    bank();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double read = reporter.seconds("BM_ReadChapters", Questions);
    const double seconds = reporter.seconds("BM_ReferenceCheck", Questions);
    std::printf("\n%d questions: reference check %.0f ms (<= %.0f ms) %s, %.2f x reading the "
                "chapters they cite (%.0f ms)\n",
                Questions, seconds * 1000, SecondsTarget * 1000,
                seconds > 0 && seconds <= SecondsTarget ? "met" : "MISSED",
                read > 0 ? seconds / read : 0, read * 1000);
    return 0;
}
