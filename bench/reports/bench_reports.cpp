// SPDX-License-Identifier: GPL-2.0-or-later
// The test with key for 10,000 questions rendered to PDF by the report
// engine, next to a plain QPainter loop that draws the same texts at the same
// places with fixed band heights and no engine. Target: engine <= 1.0 x plain,
// on the medians of 5 runs each.
#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "ReportEngine.h"
#include "ReportExport.h"
#include "TextTable.h"
#include "TfrmTestWithKey.h"
#include "Windows1252.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>

namespace {

constexpr int questionCount = 10000;
constexpr qreal U = ReportEngine::UnitsPerInch;

struct Fixture
{
    QTemporaryDir dir;
    TextTable table;
    std::unique_ptr<TfrmTestWithKey> report;

    Fixture()
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
        QuestionList list;
        QByteArray content;
        for (int i = 0; i < questionCount; ++i) {
            content += EncodeQuestionLine(
                i % 66, i % 4, i % 4, QByteArray::number(i % 50 + 1) + ":7", questions[i % 5],
                answers[i % 8], answers[(i + 1) % 8], answers[(i + 2) % 8], answers[(i + 3) % 8]);
            content += "\r\n";
        }
        QuestionRecord record;
        list.fillFromContent(content, record, DecodeMode::QuestionOnly);
        const QString data = dir.filePath(QStringLiteral("z000000.txt"));
        ReportExport::WriteAllFile(list, data);
        ReportExport::WriteSchemaFile(ReportExport::SchemaFileName(data));
        table.setDirectory(ReportExport::DirectoryPart(data));
        table.setTableName(ReportExport::NamePart(data));
        table.open();
        report = std::make_unique<TfrmTestWithKey>(table);
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void setUpWriter(QPdfWriter& writer)
{
    writer.setPageLayout(ReportEngine::pageLayout());
}

void BM_EngineTestWithKeyPdf(benchmark::State& state)
{
    Fixture& f = fixture();
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        setUpWriter(writer);
        ReportEngine engine(*f.report);
        engine.render(writer);
        bytes = buffer.size();
        state.counters["pages"] = engine.pageCount();
    }
    state.counters["bytes"] = double(bytes);
}

QFont font(int pointSize, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pointSize * 10);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The same page as the engine draws it, written out by hand.
void BM_PlainPainterPdf(benchmark::State& state)
{
    Fixture& f = fixture();
    const TextTable& t = f.table;
    const int question = t.fieldIndex(u"Question");
    const int answer[] = {t.fieldIndex(u"AnswerA"), t.fieldIndex(u"AnswerB"),
                          t.fieldIndex(u"AnswerC"), t.fieldIndex(u"AnswerD")};
    const int level = t.fieldIndex(u"Level");
    const int correct = t.fieldIndex(u"Correct");
    const int reference = t.fieldIndex(u"Reference");
    const QFont normal = font(10, false);
    const QFont bold = font(10, true);
    const QFont title = font(14, true);
    const QFontMetricsF normalMetrics(normal), boldMetrics(bold), titleMetrics(title);
    const qreal ascent = normalMetrics.ascent();
    QSvgRenderer logo(QStringLiteral(":/reports/logo.svg"));
    qint64 bytes = 0;

    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        setUpWriter(writer);
        QPainter p(&writer);
        p.scale(writer.logicalDpiX() / U, writer.logicalDpiY() / U);
        p.setRenderHint(QPainter::Antialiasing);
        const QPen dotted(Qt::black, 2.0 / 96 * U, Qt::DotLine, Qt::FlatCap);
        const QPen solid(Qt::black, 2.0 / 96 * U, Qt::SolidLine, Qt::FlatCap);
        const qreal footerTop = (10 - 0.42) * U;
        int page = 1;
        qreal y = 0;
        auto footer = [&] {
            p.setFont(normal);
            p.drawText(QPointF(6.69 * U, footerTop + ascent), QStringLiteral("Page"));
            p.drawText(QPointF(7.07 * U, footerTop + ascent), QString::number(page));
        };
        const qreal side = 64.0 / 96 * U;
        const qreal inset = (0.67 * U - side) / 2;
        logo.render(&p, QRectF(0.01 * U + inset, 0.01 * U + inset, side, side));
        logo.render(&p, QRectF(6.80 * U + inset, 0.01 * U + inset, side, side));
        p.setFont(title);
        const QString titleText = QStringLiteral("Question Report");
        p.drawText(QPointF((7.5 * U - titleMetrics.horizontalAdvance(titleText)) / 2,
                           0.10 * U + titleMetrics.ascent()),
                   titleText);
        p.setFont(normal);
        const QString subtitle = QStringLiteral("Test format w/Key");
        p.drawText(
            QPointF((7.5 * U - normalMetrics.horizontalAdvance(subtitle)) / 2, 0.40 * U + ascent),
            subtitle);
        p.setPen(solid);
        p.drawLine(QPointF(0, 0.73 * U - 1.0 / 96 * U), QPointF(7.5 * U, 0.73 * U - 1.0 / 96 * U));
        p.setPen(Qt::black);
        y = 0.73 * U;

        for (int r = 0; r < t.recordCount(); ++r) {
            if (y + 0.85 * U > footerTop) {
                footer();
                writer.newPage();
                ++page;
                y = 0;
            }
            const QString number = QString::number(r + 1);
            p.setFont(bold);
            p.drawText(QPointF(0.40 * U - boldMetrics.horizontalAdvance(number), y + ascent),
                       number);
            p.setFont(normal);
            p.drawText(QPointF(0.44 * U, y + ascent), Windows1252::toUnicode(t.value(r, question)));
            const struct
            {
                qreal labelX, textX, top;
                const char* label;
                int field;
            } answers[] = {
                {0.29, 0.44, 0.21, "A", answer[0]},
                {4.10, 4.29, 0.21, "C", answer[2]},
                {0.29, 0.44, 0.42, "B", answer[1]},
                {4.10, 4.29, 0.42, "D", answer[3]},
            };
            for (const auto& a : answers) {
                p.setFont(bold);
                p.drawText(QPointF(a.labelX * U, y + a.top * U + ascent), QLatin1String(a.label));
                p.setFont(normal);
                p.drawText(QPointF(a.textX * U, y + a.top * U + ascent),
                           Windows1252::toUnicode(t.value(r, a.field)));
            }
            const qreal keyLine = y + 0.62 * U + ascent;
            p.setFont(bold);
            p.drawText(QPointF(0.02 * U, keyLine), QStringLiteral("Level"));
            p.setFont(normal);
            p.drawText(QPointF(0.44 * U, keyLine), Windows1252::toUnicode(t.value(r, level)));
            p.setFont(bold);
            p.drawText(QPointF(2.00 * U, keyLine), QStringLiteral("Correct"));
            p.setFont(normal);
            p.drawText(QPointF(2.59 * U, keyLine), Windows1252::toUnicode(t.value(r, correct)));
            p.setFont(bold);
            p.drawText(QPointF(3.96 * U, keyLine), QStringLiteral("Ref:"));
            p.setFont(normal);
            p.drawText(QPointF(4.29 * U, keyLine), Windows1252::toUnicode(t.value(r, reference)));
            p.setPen(dotted);
            const qreal bottom = y + 0.85 * U - 1.0 / 96 * U;
            p.drawLine(QPointF(0, bottom), QPointF(7.5 * U, bottom));
            p.setPen(Qt::black);
            y += 0.85 * U;
        }
        footer();
        p.end();
        bytes = buffer.size();
        state.counters["pages"] = page;
    }
    state.counters["bytes"] = double(bytes);
}

constexpr double Target = 1.0;

BENCHMARK(BM_EngineTestWithKeyPdf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->UseRealTime();
BENCHMARK(BM_PlainPainterPdf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->UseRealTime();

// Prints the usual table and keeps each benchmark's median for the ratio.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    struct Times
    {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Times> milliseconds;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                milliseconds[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                            run.GetAdjustedCPUTime()};
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    fixture();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::string engine = "BM_EngineTestWithKeyPdf";
    const std::string plain = "BM_PlainPainterPdf";
    if (reporter.milliseconds.count(engine) && reporter.milliseconds.count(plain)) {
        const auto e = reporter.milliseconds[engine];
        const auto p = reporter.milliseconds[plain];
        const double ratio = e.real / p.real;
        std::printf("\nTest with key, %d questions, medians of 5: engine %.0f ms, plain painter "
                    "%.0f ms: ratio %.2f (<= %.2f) %s; CPU %.0f / %.0f ms: ratio %.2f\n",
                    questionCount, e.real, p.real, ratio, Target,
                    ratio <= Target ? "met" : "MISSED", e.cpu, p.cpu, e.cpu / p.cpu);
    }
    benchmark::Shutdown();
    return 0;
}
