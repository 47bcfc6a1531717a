#include "ReportOutputFile.h"

#include "SafeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString ReportOutputFile::refusal(const QString& questionFile, const QString& output)
{
    // The same file under any name, through any links.
    const QString input = QFileInfo(questionFile).canonicalFilePath();
    if (!input.isEmpty() && input == QFileInfo(output).canonicalFilePath())
        return QStringLiteral("The output file %1 is the question file; choose another name.")
            .arg(QDir::toNativeSeparators(output));
    return {};
}

QString ReportOutputFile::notWritten(const QString& questionFile, const QString& output)
{
    QString message = QStringLiteral("%1 has no questions; no PDF was written.")
                          .arg(QDir::toNativeSeparators(questionFile));
    if (QFileInfo::exists(output))
        message += QStringLiteral(" %1 is an older file, not a report of it.")
                       .arg(QDir::toNativeSeparators(output));
    return message;
}

QString ReportOutputFile::publish(const QString& staged, const QString& output)
{
    QFile file(staged);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot read the report drawn in %1: %2")
            .arg(QDir::toNativeSeparators(staged), file.errorString());
    const QByteArray pdf = file.readAll();
    // The PDF writer does not tell when a write failed: a PDF that does not
    // end with its trailer was cut off (a full disk, a file size limit).
    if (file.error() != QFileDevice::NoError || !pdf.trimmed().endsWith("%%EOF"))
        return QStringLiteral("The report could not be drawn in full in the temporary folder "
                              "%1 (a full disk or a file size limit?); no PDF was written.")
            .arg(QDir::toNativeSeparators(QFileInfo(staged).absolutePath()));
    const WriteResult result = SafeFileWriter::writeFile(output, pdf);
    if (!result.ok)
        return QStringLiteral("Cannot write %1: %2")
            .arg(QDir::toNativeSeparators(output), result.platformText.section(u'\r', 0, 0));
    return {};
}
