// SPDX-License-Identifier: GPL-2.0-or-later
// The print preview lays a long report out between its events: the first
// page shows while the rest is still being laid out, and Cancel stops it.
#include "QtReportOutput.h"
#include "QuestionLineCodec.h"
#include "ReportEngine.h"
#include "ReportLayout.h"
#include "ReportPageView.h"
#include "ReportPreview.h"
#include "ReportRun.h"
#include "ScriptedPrompts.h"
#include "TableFiles.h"

#include <QApplication>
#include <QImage>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Questions that fill 10 bands of the test with key on page 1, 11 on the
// others: 300 of them make 28 pages.
QByteArray questions(int count)
{
    QByteArray content;
    for (int n = 1; n <= count; ++n)
        content += EncodeQuestionLine(0, 0, 0, "2:7", "Question " + QByteArray::number(n), "Adam",
                                      "Noah", "Abel", "Seth") +
                   "\r\n";
    return content;
}

// Pixels of the view's paper and of its print, at the top of the view.
struct Ink
{
    int paper = 0;
    int print = 0;
};

Ink inkOf(ReportPreview& preview)
{
    const QImage image = preview.pageView()->viewport()->grab().toImage();
    Ink ink;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (c == qRgb(255, 255, 255))
                ++ink.paper;
            else if (qGray(c) < 60)
                ++ink.print;
        }
    }
    return ink;
}

constexpr int recordCount = 300;

} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT

private slots:
    void firstPageShowsBeforeTheLastIsLaidOut();
    void cancelStopsTheLayout();
    void cancelledSaveLeavesTheOlderFile();
};

// Opening the preview lays nothing out yet; the pages come in steps from
// the event loop, page 1 is drawn while later ones are still to come, and
// in the end the pages are those of a layout at once.
void TestReportPreview::firstPageShowsBeforeTheLastIsLaidOut()
{
    TableFiles files(questions(recordCount));
    const auto report = ReportRun::createReport(0, files.table);
    ReportEngine whole(*report);
    whole.paginate();

    ReportEngine engine(*report);
    ReportPreview preview(engine);
    preview.setStep(25, 0);
    QSignalSpy added(&preview, &ReportPreview::pagesAdded);
    QSignalSpy finished(&preview, &ReportPreview::layoutFinished);
    // What the window shows when its first page is ready.
    int placedAtFirst = -1;
    bool layingOutAtFirst = false;
    Ink first;
    connect(&preview, &ReportPreview::pagesAdded, this, [&] {
        if (placedAtFirst >= 0)
            return;
        placedAtFirst = engine.recordsPlaced();
        layingOutAtFirst = preview.isLayingOut();
        first = inkOf(preview);
    });
    QCOMPARE(engine.recordsPlaced(), 0);
    QVERIFY(preview.isLayingOut());
    preview.show();

    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(layingOutAtFirst);
    QVERIFY2(placedAtFirst > 0 && placedAtFirst < recordCount,
             qPrintable(QString::number(placedAtFirst)));
    QVERIFY2(first.paper > 1000 && first.print > 100,
             qPrintable(QStringLiteral("%1 paper, %2 print").arg(first.paper).arg(first.print)));
    QVERIFY(!preview.isLayingOut());
    QCOMPARE(preview.pagesReady(), whole.pageCount());
    QVERIFY(added.count() > 5);
    QCOMPARE(added.last().at(0).toInt(), whole.pageCount());
    QVERIFY(preview.findChild<QProgressBar*>("prgLayout")->isHidden());
}

// Cancel stops the layout where it is; the pages so far stay in view.
void TestReportPreview::cancelStopsTheLayout()
{
    TableFiles files(questions(recordCount));
    const auto report = ReportRun::createReport(0, files.table);
    ReportEngine engine(*report);
    ReportPreview preview(engine);
    preview.setStep(25, 0);
    QSignalSpy finished(&preview, &ReportPreview::layoutFinished);
    auto* cancel = preview.findChild<QPushButton*>("btnCancelLayout");
    QVERIFY(cancel);
    bool pressed = false;
    bool cancelShown = false;
    // The author presses Cancel as soon as the first page shows.
    connect(&preview, &ReportPreview::pagesAdded, this, [&] {
        if (pressed)
            return;
        pressed = true;
        cancelShown = cancel->isVisible();
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    preview.show();
    QTRY_VERIFY(!preview.isLayingOut());
    QVERIFY(cancelShown);
    QVERIFY(!cancel->isVisible());
    const int placed = engine.recordsPlaced();
    const int pages = preview.pagesReady();
    // As many rounds as a whole layout would take, and more.
    for (int round = 0; round < 2 * recordCount / 25; ++round)
        QCoreApplication::processEvents();
    QCOMPARE(engine.recordsPlaced(), placed);
    QVERIFY(placed < recordCount);
    QCOMPARE(preview.pagesReady(), pages);
    QCOMPARE(finished.count(), 0);
    QVERIFY(inkOf(preview).print > 100);
}

// Save as PDF from the preview shows its progress; Cancel there writes
// nothing and leaves a file of that name as it was.
void TestReportPreview::cancelledSaveLeavesTheOlderFile()
{
    TableFiles files(questions(recordCount));
    const auto report = ReportRun::createReport(0, files.table);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quiz-key.pdf"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("older report") == 12);
    }
    ScriptedPrompts prompts;
    prompts.fileNames.enqueue(path);
    QtReportOutput output(prompts);
    bool progressShown = false;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<ReportPreview*>(QApplication::activeModalWidget());
        QVERIFY(preview);
        // Runs while the first page is being drawn.
        QTimer::singleShot(0, [&] {
            auto* progress = preview->findChild<QProgressDialog*>();
            progressShown = progress != nullptr;
            if (progress)
                progress->cancel();
        });
        preview->saveAction()->trigger();
        preview->close();
    });
    output.preview(*report, path, nullptr);
    QVERIFY(progressShown);
    QCOMPARE(prompts.informations(), QStringList());
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("older report"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList("quiz-key.pdf"));
}

QTEST_MAIN(TestReportPreview)
#include "tst_ReportPreview.moc"
