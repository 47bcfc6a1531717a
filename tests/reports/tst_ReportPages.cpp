// SPDX-License-Identifier: GPL-2.0-or-later
// The page side of the reports: pagination of the banded engine, stretching
// texts, the pages in PDF, the logo, and the printer and preview output.
#include "QtReportOutput.h"
#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "ReportEngine.h"
#include "ReportExport.h"
#include "ReportLayout.h"
#include "ReportPdf.h"
#include "ReportPreview.h"
#include "ReportRun.h"
#include "ScriptedPrompts.h"
#include "TableFiles.h"
#include "TestBuilder.h"
#include "TestFiles.h"
#include "TextTable.h"

#include <QAction>
#include <QImage>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>

namespace {

constexpr qreal U = ReportEngine::UnitsPerInch;

QByteArray lineWith(int n, QByteArrayView question, QByteArrayView answerA = "Adam")
{
    return EncodeQuestionLine(0, n == 1 ? 3 : 0, 0, "2:7", question, answerA, "Noah", "Abel",
                              "Seth");
}

QByteArray numbered(int count)
{
    QByteArray content;
    for (int n = 1; n <= count; ++n)
        content += lineWith(n, "Question " + QByteArray::number(n)) + "\r\n";
    return content;
}

QString textOfPdf(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestReportPages : public QObject
{
    Q_OBJECT

private slots:
    void pagination_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("pages");
        // Page 1 holds the title; every page keeps room for its footer.
        QTest::newRow("empty table") << 0 << 0 << 0;
        QTest::newRow("with key, page 1 full") << 0 << 10 << 1;
        QTest::newRow("with key, one over") << 0 << 11 << 2;
        QTest::newRow("with key, page 2 full") << 0 << 21 << 2;
        QTest::newRow("with key, three pages") << 0 << 22 << 3;
        QTest::newRow("test, page 1 full") << 1 << 13 << 1;
        QTest::newRow("test, one over") << 1 << 14 << 2;
        QTest::newRow("list, page 1 full") << 2 << 39 << 1;
        QTest::newRow("list, one over") << 2 << 40 << 2;
        QTest::newRow("list, page 2 full") << 2 << 81 << 2;
        QTest::newRow("list, three pages") << 2 << 82 << 3;
    }

    void pagination()
    {
        QFETCH(int, type);
        QFETCH(int, records);
        QFETCH(int, pages);
        TableFiles files(numbered(records));
        const auto report = ReportRun::createReport(type, files.table);
        ReportEngine engine(*report);
        engine.paginate();
        QCOMPARE(engine.pageCount(), pages);

        const ReportBand* title = &report->titleBand();
        const ReportBand* footer = &report->pageFooterBand();
        const qreal footerTop = (10.0 - footer->height) * U;
        int number = 0;
        for (int p = 0; p < engine.pageCount(); ++p) {
            const auto& bands = engine.page(p);
            QCOMPARE(bands.front().band == title, p == 0);
            QCOMPARE(bands.back().band, footer);
            QCOMPARE(bands.back().top, footerTop);
            for (const auto& placed : bands) {
                if (placed.band != &report->detailBand())
                    continue;
                ++number;
                QCOMPARE(placed.detailNumber, number);
                QCOMPARE(placed.record, number - 1);
                QVERIFY(placed.top + placed.band->height * U <= footerTop + 1e-6);
            }
        }
        QCOMPARE(number, records);

        // Laid out three records at a time, as the preview does between its
        // events, the pages come out the same.
        ReportEngine chunked(*report);
        chunked.startPagination();
        int calls = 1;
        while (!chunked.paginateSome(3)) {
            QCOMPARE(chunked.recordsPlaced(), 3 * calls);
            ++calls;
        }
        QCOMPARE(calls, std::max(1, (records + 2) / 3));
        QCOMPARE(chunked.pageCount(), pages);
        for (int p = 0; p < pages; ++p) {
            QCOMPARE(chunked.page(p).size(), engine.page(p).size());
            for (std::size_t b = 0; b < engine.page(p).size(); ++b) {
                QCOMPARE(chunked.page(p)[b].band, engine.page(p)[b].band);
                QCOMPARE(chunked.page(p)[b].record, engine.page(p)[b].record);
                QCOMPARE(chunked.page(p)[b].top, engine.page(p)[b].top);
            }
        }

        // Every run numbers from 1 again.
        engine.paginate();
        if (records > 0)
            QCOMPARE(engine.page(0)[1].detailNumber, 1);
    }

    void wrappedTexts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("question");
        QTest::addColumn<QByteArray>("answerA");
        QTest::addColumn<QStringList>("wrapped");

        QByteArray wide;
        while (wide.size() < 85)
            wide += "WWWW ";
        wide += "WWWW";
        const QByteArray shortText = "Who was the first man?";
        QTest::newRow("short, with key") << 0 << shortText << QByteArray("Adam") << QStringList();
        QTest::newRow("wide question, with key")
            << 0 << wide << QByteArray("Adam") << QStringList{"Question"};
        QTest::newRow("wide question, list")
            << 2 << wide << QByteArray("Adam") << QStringList{"Question"};
        QTest::newRow("wide answer, with key") << 0 << shortText << wide << QStringList{"AnswerA"};
        QTest::newRow("both wide") << 0 << wide << wide << QStringList{"Question", "AnswerA"};
        QTest::newRow("answer not in list") << 2 << shortText << wide << QStringList();
    }

    // A wrapped text shows all its words, keeps clear of the element to its
    // right, and grows its band by its extra lines.
    void wrappedTexts()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, question);
        QFETCH(QByteArray, answerA);
        QFETCH(QStringList, wrapped);
        TableFiles files(lineWith(2, question, answerA) + "\r\n" + lineWith(3, "Next") + "\r\n");
        const auto report = ReportRun::createReport(type, files.table);
        ReportEngine engine(*report);
        engine.paginate();
        const auto& first = engine.page(0)[1];
        const auto& second = engine.page(0)[2];
        const auto& elements = report->detailBand().elements;
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(100);
        const QFontMetricsF metrics(font);

        QStringList names;
        int extraLines = 0;
        for (const auto& w : first.wrapped) {
            const ReportElement& e = elements[std::size_t(w.element)];
            names << e.content;
            extraLines += int(w.lines.size()) - 1;
            QCOMPARE(w.lines.join(u' '),
                     QString::fromLatin1(e.content == u"Question" ? question : answerA));
            qreal right = ReportLayout::BandWidth;
            for (const ReportElement& other : elements) {
                if (qFuzzyCompare(other.top + 1, e.top + 1) && other.left > e.left)
                    right = std::min(right, other.left);
            }
            for (const QString& line : w.lines)
                QVERIFY(e.left * U + metrics.horizontalAdvance(line) < right * U);
        }
        QCOMPARE(names, wrapped);
        QCOMPARE(first.stretch, extraLines * metrics.lineSpacing());
        QCOMPARE(second.top, first.top + report->detailBand().height * U + first.stretch);
    }

    void pdfText_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        const QStringList always = {"Question Report|Question Test", "Who was the first man\\?",
                                    "Page\\s+1\\b", "Page\\s+2\\b", "\\b45 +Question 45"};
        const QStringList answers = {"A\\s+Adam", "B\\s+Noah", "C\\s+Abel", "D\\s+Seth"};
        const QStringList key = {"Level\\s+4", "Correct\\s+A", "Ref:\\s+Gen\\. 2:7"};
        // Only built tests name a version on their pages.
        const QStringList label = {"Version", "Seed"};
        QTest::newRow("test with key")
            << 0 << always + answers + key + QStringList("Test format w/Key") << label;
        QTest::newRow("test") << 1 << always + answers
                              << key + label + QStringList("Question Report");
        QTest::newRow("question list") << 2 << always << answers + key + label;
    }

    void pdfText()
    {
        QFETCH(int, type);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QByteArray content = lineWith(1, "Who was the first man?") + "\r\n";
        for (int n = 2; n <= 45; ++n)
            content += lineWith(n, "Question " + QByteArray::number(n)) + "\r\n";
        QuestionList list;
        QuestionRecord record;
        list.fillFromContent(content, record, DecodeMode::QuestionOnly);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QCOMPARE(ReportPdf::write(type, list, 1, list.count(), path, dir), QString());
        const QString text = textOfPdf(path);
        for (const QString& pattern : present)
            QVERIFY2(text.contains(QRegularExpression(pattern)), qPrintable(pattern));
        for (const QString& pattern : absent)
            QVERIFY2(!text.contains(QRegularExpression(pattern)), qPrintable(pattern));
    }

    void builtTestPagesNameTheirVersion_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("absent");
        QTest::addColumn<int>("pages");
        // 30 questions: three pages of the test (13 a page) and of the key (10).
        QTest::newRow("test A") << "quiz-A-test.pdf"
                                << "quiz-A\\W+Version A\\s"
                                << "Seed|Version B" << 3;
        QTest::newRow("key A") << "quiz-A-key.pdf"
                               << "quiz-A\\W+Version A\\W+Seed 31\\b"
                               << "Version B" << 3;
        QTest::newRow("test B") << "quiz-B-test.pdf"
                                << "quiz-B\\W+Version B\\s"
                                << "Seed|Version A" << 3;
        QTest::newRow("key B") << "quiz-B-key.pdf"
                               << "quiz-B\\W+Version B\\W+Seed 31\\b"
                               << "Version A" << 3;
    }

    // Versions look alike at the table: every page of every test and key
    // says which version it is, and a key also its seed.
    void builtTestPagesNameTheirVersion()
    {
        QFETCH(QString, file);
        QFETCH(QString, heading);
        QFETCH(QString, absent);
        QFETCH(int, pages);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        std::vector<QuestionRecord> questions(30);
        for (std::size_t n = 0; n < questions.size(); ++n)
            DecodeQuestionLine(lineWith(2, "Question " + QByteArray::number(n + 1)), questions[n],
                               DecodeMode::Full);
        const std::vector<TestBuilder::Version> versions{{u'A', questions}, {u'B', questions}};
        QTemporaryDir dir;
        QStringList written;
        QCOMPARE(TestFiles::write(versions, dir.path(), QStringLiteral("quiz"), 31, {}, written),
                 QString());
        QCOMPARE(written.size(), 6);

        QStringList text = textOfPdf(dir.filePath(file)).split(u'\f');
        if (text.last().trimmed().isEmpty())
            text.removeLast();
        QCOMPARE(text.size(), pages);
        for (const QString& page : text) {
            QVERIFY2(page.contains(QRegularExpression(heading)), qPrintable(page));
            QVERIFY2(!page.contains(QRegularExpression(absent)), qPrintable(page));
        }
    }

    void logoIsDrawn()
    {
        TableFiles files(numbered(1));
        const auto report = ReportRun::createReport(2, files.table);
        ReportEngine engine(*report);
        engine.paginate();
        // 100 dpi over the printable area.
        QImage image(750, 1000, QImage::Format_RGB32);
        image.setDotsPerMeterX(3937);
        image.setDotsPerMeterY(3937);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            engine.drawPage(painter, 0);
        }
        // The left end of the logo's blue band, in both logos.
        for (qreal frameLeft : {0.01, 6.80}) {
            const qreal side = 64.0 / 96.0;
            const qreal left = frameLeft + (0.67 - side) / 2 + side * 7 / 64;
            const qreal top = 0.01 + (0.67 - side) / 2 + side * 41 / 64;
            const QColor c = image.pixelColor(qRound(left * 100), qRound(top * 100));
            QVERIFY2(c.blue() > 100 && c.red() < 80, qPrintable(c.name()));
        }
    }

    void printWithoutPrinter()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer is installed");
        TableFiles files(numbered(3));
        const auto report = ReportRun::createReport(0, files.table);
        ScriptedPrompts prompts;
        QtReportOutput output(prompts);
        output.print(*report, nullptr);
        QCOMPARE(prompts.informations(), QStringList(QtReportOutput::noPrinterMessage()));
    }

    // The preview offers no page of its own (no orientation or page setup
    // to choose), so it prints and saves the report's portrait pages, and
    // Save as PDF suggests the name it was given.
    void previewSavesPdf()
    {
        TableFiles files(numbered(12));
        const auto report = ReportRun::createReport(1, files.table);
        QTemporaryDir dir;
        const QString suggested = dir.filePath(QStringLiteral("quiz-test.pdf"));
        ScriptedPrompts prompts;
        prompts.fileNames.enqueue(dir.filePath(QStringLiteral("saved")));
        QtReportOutput output(prompts);
        QStringList captions;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<ReportPreview*>(QApplication::activeModalWidget());
            QVERIFY(preview);
            for (QAction* action : preview->findChild<QToolBar*>()->actions()) {
                captions << action->text();
                if (action->text() == QLatin1String("Save as PDF"))
                    action->trigger();
            }
            preview->close();
        });
        output.preview(*report, suggested, nullptr);
        for (const char* pageChoice : {"Portrait", "Landscape", "Page setup"})
            QVERIFY2(!captions.contains(QLatin1String(pageChoice)), pageChoice);
        QVERIFY(captions.contains(QStringLiteral("Save as PDF")));
        QCOMPARE(prompts.lastSaveFolder, suggested);
        QCOMPARE(prompts.informations(), QStringList());
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("saved.pdf"))).size() > 1000);
    }

    // A PDF that cannot be written whole (here: past the file size limit)
    // leaves the older file as it was, no partial file beside it, and says
    // why.
    void pdfWriteFailure()
    {
        QuestionList list;
        QuestionRecord record;
        list.fillFromContent(numbered(45), record, DecodeMode::QuestionOnly);
        QTemporaryDir dir;
        QTemporaryDir folder;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("older report");
        }
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 16 * 1024; // above the export, below the PDF
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const QString error = ReportPdf::write(0, list, 1, list.count(), path, folder);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY2(error.contains(qt_error_string(EFBIG)), qPrintable(error));
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("older report"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList("report.pdf"));
        QCOMPARE(ReportPdf::write(0, list, 1, list.count(), path, folder), QString());
        QVERIFY(QFileInfo(path).size() > qint64(small.rlim_cur));
    }
};

QTEST_MAIN(TestReportPages)
#include "tst_ReportPages.moc"
