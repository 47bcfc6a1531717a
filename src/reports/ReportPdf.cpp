// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReportPdf.h"

#include "QvedError.h"
#include "ReportEngine.h"
#include "ReportRun.h"
#include "SafeFileWriter.h"
#include "TdmQVED3.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

namespace {

// The writer stamps the document with the time it was drawn, always in the
// same width; the stamp is replaced in place so no offset moves.
void stampCreationDate(QByteArray& pdf, const QDateTime& created)
{
    static constexpr QByteArrayView key = "/CreationDate (D:";
    const qsizetype start = pdf.indexOf(key);
    const qsizetype end = start < 0 ? -1 : pdf.indexOf(')', start);
    const QByteArray stamp =
        created.toUTC().toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1() + 'Z';
    if (end - start - key.size() == stamp.size())
        pdf.replace(start + key.size(), stamp.size(), stamp);
}

} // namespace

QString ReportPdf::render(const ReportLayout& report, const QString& path, const QDateTime& created,
                          const std::function<bool(int page, int count)>& progress)
{
    ReportEngine engine(report);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        // The writer finishes the document when it goes.
        QPdfWriter writer(&pdf);
        writer.setPageLayout(ReportEngine::pageLayout());
        writer.setCreator(QStringLiteral("Question Editor"));
        if (!engine.render(writer, progress))
            return QCoreApplication::translate("ReportPdf", "Cannot create file %1").arg(path);
    }
    if (engine.pageCount() == 0)
        return QCoreApplication::translate("ReportPdf",
                                           "The report has no questions; no file was written.");
    if (created.isValid())
        stampCreationDate(pdf.buffer(), created);
    const WriteResult result = SafeFileWriter::writeFile(path, pdf.data());
    if (!result.ok)
        return QCoreApplication::translate("ReportPdf", "Cannot create file %1\r\n%2")
            .arg(path, result.platformText);
    return {};
}

QString ReportPdf::write(int reportType, const QuestionList& list, int first, int last,
                         const QString& path, const QTemporaryDir& folder, const QDateTime& created,
                         const QString& pageLabel)
{
    TdmQVED3 dataModule;
    QStringList messages;
    ReportRun run(list, dataModule.tblQuestionData, folder,
                  [&messages](const QString& text) { messages << text; });
    run.setPageLabel(pageLabel);
    try {
        run.PrepareData(ReportRun::Mode::Range, QString::number(first), QString::number(last),
                        reportType, [&](const ReportLayout& report) {
                            const QString error = render(report, path, created);
                            if (!error.isEmpty())
                                messages << error;
                        });
    } catch (const QvedError& e) {
        messages << e.message();
    }
    return messages.join(QStringLiteral("\r\n"));
}

QString ReportPdf::suggestedPath(const QString& questionFile, int reportType)
{
    if (questionFile.isEmpty())
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    static const char* const layouts[] = {"key", "test", "list"};
    const QFileInfo file(questionFile);
    const QString name =
        QStringLiteral("%1-%2.pdf")
            .arg(file.completeBaseName(), QLatin1StringView(layouts[std::clamp(reportType, 0, 2)]));
    return QDir(file.absolutePath()).filePath(name);
}
