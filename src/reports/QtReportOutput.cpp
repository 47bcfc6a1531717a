#include "QtReportOutput.h"

#include "ReportEngine.h"
#include "ReportPdf.h"
#include "UserPrompts.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <optional>

namespace {

// The preview's own choices of orientation and page, found by their
// captions in the language the preview shows.
bool isPageSetupAction(const QAction* action)
{
    for (const char* caption : {"Portrait", "Landscape", "Page setup"}) {
        if (action->text() == QCoreApplication::translate("QPrintPreviewDialog", caption))
            return true;
    }
    return false;
}

} // namespace

QtReportOutput::QtReportOutput(UserPrompts& prompts) : m_prompts(prompts) {}

QString QtReportOutput::noPrinterMessage()
{
    return QStringLiteral(
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
            progress.emplace(QString(), QStringLiteral("Cancel"), 0, count, parent);
            progress->setWindowTitle(QStringLiteral("Printing"));
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(0);
        }
        progress->setLabelText(QStringLiteral("Printing page %1 of %2").arg(page).arg(count));
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
        m_prompts.information(parent,
                              QStringLiteral("The report could not be sent to the printer."));
}

void QtReportOutput::preview(const ReportLayout& report, const QString& pdfPath, QWidget* parent)
{
    // The default printer, or PDF output where there is none.
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer);
    ReportEngine engine(report);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    // The bands are placed for the report's own page. The print dialog can
    // still change the printer's page, so every drawing puts it back.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&engine](QPrinter* target) {
        target->setPageLayout(ReportEngine::pageLayout());
        engine.render(*target);
    });
    if (auto* toolBar = dialog.findChild<QToolBar*>()) {
        bool afterSeparator = false;
        for (QAction* action : toolBar->actions()) {
            // Taking the orientation pair out leaves two separators in a row.
            if (isPageSetupAction(action) || (afterSeparator && action->isSeparator()))
                toolBar->removeAction(action);
            else
                afterSeparator = action->isSeparator();
        }
        toolBar->addSeparator();
        QAction* save = toolBar->addAction(
            QIcon::fromTheme(QStringLiteral("document-save-as"),
                             dialog.style()->standardIcon(QStyle::SP_DialogSaveButton)),
            QStringLiteral("Save as PDF"));
        QObject::connect(save, &QAction::triggered, [this, &report, &pdfPath, &dialog] {
            saveAsPdf(report, pdfPath, &dialog);
        });
    }
    dialog.exec();
}

void QtReportOutput::saveAsPdf(const ReportLayout& report, const QString& pdfPath, QWidget* parent)
{
    QString path =
        m_prompts.saveFileName(parent, pdfPath, QStringLiteral("PDF Files (*.pdf);;All Files (*)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const QString error = ReportPdf::render(report, path);
    if (!error.isEmpty())
        m_prompts.information(parent, error);
}
