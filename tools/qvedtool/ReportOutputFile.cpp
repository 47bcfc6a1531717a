// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReportOutputFile.h"

#include "FileIdentity.h"
#include "QuestionFileReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ReportOutputFile::refusal(const QString& questionFile, const QString& output)
{
    // A safe write replaces the name it writes to: under the question
    // file's own name the author's questions would be gone.
    if (FileIdentity::same(questionFile, output))
        return QCoreApplication::translate(
                   "ReportOutputFile",
                   "The output file %1 is the question file; choose another name.")
            .arg(QDir::toNativeSeparators(output));
    return {};
}

QString ReportOutputFile::notWritten(const QString& questionFile, const QString& output)
{
    QString message =
        QCoreApplication::translate("ReportOutputFile", "%1 has no questions; no PDF was written.")
            .arg(QuestionFileReader::displayName(questionFile));
    if (QFileInfo::exists(output))
        message += QCoreApplication::translate("ReportOutputFile",
                                               " %1 is an older file, not a report of it.")
                       .arg(QDir::toNativeSeparators(output));
    return message;
}
