// SPDX-License-Identifier: GPL-2.0-or-later
#include "QtReportOutput.h"

#include "ReportEngine.h"
#include "ReportPdf.h"
#include "ReportPreview.h"
#include "UserPrompts.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QStandardPaths>
#include <optional>

QtReportOutput::QtReportOutput(UserPrompts& prompts) : m_prompts(prompts) {}

QString QtReportOutput::noPrinterMessage()
{
    return QCoreApplication::translate(
        "QtReportOutput",
        "No printer is available. Use Preview to view the report or save it as PDF.");
}

void QtReportOutput::setUp(QPrinter& printer)
{
    printer.setPageLayout(ReportEngine::pageLayout());
    printer.setCopyCount(1);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPaperSource(QPrinter::Upper);
}

void QtReportOutput::print(const ReportLayout& report, QWidget* parent)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        m_prompts.information(parent, noPrinterMessage());
        return;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    setUp(printer);
    ReportEngine engine(report);

    // Made at the first page, so an empty report shows no window at all.
    std::optional<QProgressDialog> progress;
    bool cancelled = false;
    const bool printed = engine.render(printer, [&](int page, int count) {
        if (!progress) {
            progress.emplace(QString(), QCoreApplication::translate("QtReportOutput", "Cancel"), 0,
                             count, parent);
            progress->setWindowTitle(QCoreApplication::translate("QtReportOutput", "Printing"));
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(0);
        }
        progress->setLabelText(
            QCoreApplication::translate("QtReportOutput", "Printing page %1 of %2")
                .arg(page)
                .arg(count));
        progress->setValue(page - 1);
        QApplication::processEvents();
        if (progress->wasCanceled()) {
            printer.abort();
            cancelled = true;
            return false;
        }
        return true;
    });
    if (!printed && !cancelled)
        m_prompts.information(
            parent, QCoreApplication::translate("QtReportOutput",
                                                "The report could not be sent to the printer."));
}

void QtReportOutput::preview(const ReportLayout& report, const QString& pdfPath, QWidget* parent)
{
    // The preview draws the report's own pages (US Letter portrait) and
    // offers no page setup, so what is printed or saved is what was shown.
    ReportEngine engine(report);
    ReportPreview dialog(engine, parent);
    QObject::connect(dialog.printAction(), &QAction::triggered,
                     [this, &report, &dialog] { print(report, &dialog); });
    QObject::connect(dialog.saveAction(), &QAction::triggered,
                     [this, &report, &pdfPath, &dialog] { saveAsPdf(report, pdfPath, &dialog); });
    dialog.exec();
}

void QtReportOutput::saveAsPdf(const ReportLayout& report, const QString& pdfPath, QWidget* parent)
{
    QString path = m_prompts.saveFileName(
        parent, pdfPath,
        QCoreApplication::translate("QtReportOutput", "PDF Files (*.pdf);;All Files (*)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    // Thousands of pages take a while: the window keeps answering, with a
    // Cancel that writes no file.
    std::optional<QProgressDialog> progress;
    bool cancelled = false;
    const QString error = ReportPdf::render(report, path, {}, [&](int page, int count) {
        if (!progress) {
            progress.emplace(QString(), QCoreApplication::translate("QtReportOutput", "Cancel"), 0,
                             count, parent);
            progress->setWindowTitle(QCoreApplication::translate("QtReportOutput", "Save as PDF"));
            progress->setWindowModality(Qt::WindowModal);
        }
        progress->setLabelText(
            QCoreApplication::translate("QtReportOutput", "Drawing page %1 of %2")
                .arg(page)
                .arg(count));
        progress->setValue(page - 1);
        QApplication::processEvents();
        cancelled = progress->wasCanceled();
        return !cancelled;
    });
    if (!error.isEmpty() && !cancelled)
        m_prompts.information(parent, error);
}
