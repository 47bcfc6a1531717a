#include "ReportOutputFile.h"

#include <QDir>
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
