// SPDX-License-Identifier: GPL-2.0-or-later
// The print preview of 100,000 questions (the test with key, 9,091 pages).
// The preview lays the pages out between its events and draws only those in
// view; the longest time the event loop goes unanswered while it does
// (target <= 200 ms) is measured next to laying out and drawing every page
// at once, which is how long the window stood still when the preview drew
// every page before showing any.
#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "ReportEngine.h"
#include "ReportExport.h"
#include "ReportPageView.h"
#include "ReportPreview.h"
#include "TextTable.h"
#include "TfrmTestWithKey.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPicture>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int questionCount = 100000;
constexpr double stallTarget = 200; // milliseconds

// Short texts as most questions have, or texts that all wrap: every
// question and answer runs to two or three lines, the most layout a record
// can need.
QuestionList makeList(bool wrapping)
{
    const char* questions[] = {
        "Who was the first man?",
        "What wood was the ark made of?",
        "From what did the Lord speak to Moses out of the midst of a fire?",
        "With what did David strike the Philistine on the forehead?",
        "In what town was Jesus born?",
    };
    const char* answers[] = {
        "Adam", "Gopher wood", "A burning bush", "A stone from his sling", "Bethlehem of Judea",
        "Noah", "Cedar",       "A cloud"};
    const QByteArray longQuestion = "According to the words of the prophet, which of these did the "
                                    "people bring to the house of the LORD?";
    const QByteArray longAnswer = "The firstfruits of their ground and the tithes of all their "
                                  "flocks and of their herds";
    QByteArray content;
    for (int i = 0; i < questionCount; ++i) {
        if (wrapping)
            content += EncodeQuestionLine(i % 66, i % 4, i % 4, "1:1", longQuestion, longAnswer,
                                          longAnswer, longAnswer, longAnswer);
        else
            content += EncodeQuestionLine(
                i % 66, i % 4, i % 4, QByteArray::number(i % 50 + 1) + ":7", questions[i % 5],
                answers[i % 8], answers[(i + 1) % 8], answers[(i + 2) % 8], answers[(i + 3) % 8]);
        content += "\r\n";
    }
    QuestionList made;
    QuestionRecord record;
    made.fillFromContent(content, record, DecodeMode::QuestionOnly);
    return made;
}

QuestionList& questionList(bool wrapping)
{
    static QuestionList lists[] = {makeList(false), makeList(true)};
    return lists[wrapping ? 1 : 0];
}

struct Table
{
    QTemporaryDir dir;
    TextTable table;

    explicit Table(bool wrapping)
    {
        const QString data = dir.filePath(QStringLiteral("z000000.txt"));
        ReportExport::WriteAllFile(questionList(wrapping), data);
        ReportExport::WriteSchemaFile(ReportExport::SchemaFileName(data));
        table.setDirectory(ReportExport::DirectoryPart(data));
        table.setTableName(ReportExport::NamePart(data));
        table.open();
    }
};

Table& fixture(bool wrapping)
{
    static Table tables[] = {Table(false), Table(true)};
    return tables[wrapping ? 1 : 0];
}

// What the report setup does on the window's thread before any preview:
// export the lines and open the report table over them.
void BM_ExportAndOpenTable(benchmark::State& state)
{
    questionList(false);
    for (auto _ : state) {
        Table t(false);
        benchmark::DoNotOptimize(t.table.recordCount());
    }
}

// What the window did before it showed any page: lay out every page and
// draw each into a recorded picture, as a print preview keeps them.
void BM_AllPagesAtOnce(benchmark::State& state)
{
    TfrmTestWithKey report(fixture(false).table);
    for (auto _ : state) {
        ReportEngine engine(report);
        engine.paginate();
        std::vector<QPicture> pages(std::size_t(engine.pageCount()));
        for (int i = 0; i < engine.pageCount(); ++i) {
            QPainter painter(&pages[std::size_t(i)]);
            engine.drawPage(painter, i);
        }
        state.counters["pages"] = engine.pageCount();
    }
}

// The preview from opening until its last page is laid out, with the view
// following the newest page as an author scrolling down would. A probe
// timer that fires whenever the loop is free records the longest gap.
void BM_PreviewLayout(benchmark::State& state)
{
    TfrmTestWithKey report(fixture(state.range(0) != 0).table);
    double longest = 0;
    double firstPage = 0;
    for (auto _ : state) {
        ReportEngine engine(report);
        ReportPreview preview(engine);
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        QTimer probe;
        probe.setInterval(0);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, (now - last) / 1e6);
            last = now;
        });
        int followed = 0;
        QObject::connect(&preview, &ReportPreview::pagesAdded, [&](int pages) {
            if (firstPage == 0)
                firstPage = clock.nsecsElapsed() / 1e6;
            if (pages >= followed + 500) {
                followed = pages;
                preview.pageView()->showPage(pages - 1);
            }
        });
        QObject::connect(&preview, &ReportPreview::layoutFinished, &preview, &QDialog::accept);
        probe.start();
        preview.show();
        preview.exec();
        state.counters["pages"] = engine.pageCount();
    }
    state.counters["longest_stall_ms"] = longest;
    state.counters["first_page_ms"] = firstPage;
}

BENCHMARK(BM_ExportAndOpenTable)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_AllPagesAtOnce)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_PreviewLayout)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

class StallReporter : public benchmark::ConsoleReporter
{
public:
    double atOnce = 0;
    double stall = -1;
    double firstPage = 0;
    double wrappingStall = -1;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.benchmark_name().rfind("BM_AllPagesAtOnce", 0) == 0)
                atOnce = run.GetAdjustedRealTime();
            if (run.benchmark_name().rfind("BM_PreviewLayout/0", 0) == 0) {
                stall = std::max(stall, double(run.counters.at("longest_stall_ms")));
                firstPage = run.counters.at("first_page_ms");
            }
            if (run.benchmark_name().rfind("BM_PreviewLayout/1", 0) == 0)
                wrappingStall = run.counters.at("longest_stall_ms");
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    fixture(false);
    fixture(true);
    StallReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (reporter.stall >= 0)
        std::printf("preview: longest stall %.0f ms (target <= %.0f), first page after %.0f ms; "
                    "drawn at once the window stood still %.0f ms: ratio %.3f\n",
                    reporter.stall, stallTarget, reporter.firstPage, reporter.atOnce,
                    reporter.stall / reporter.atOnce);
    if (reporter.wrappingStall >= 0)
        std::printf("preview with every text wrapping: longest stall %.0f ms (target <= %.0f)\n",
                    reporter.wrappingStall, stallTarget);
    benchmark::Shutdown();
    return 0;
}
