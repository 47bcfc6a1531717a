// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionFileReader.h"

#include "QvedError.h"
#include "ReadWholeFile.h"
#include "Utf8Output.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString StandardInputName =
    QCoreApplication::translate("QuestionFileReader", "standard input");

// Standard input as the shell gave it: a device other than a terminal
// (< /dev/zero) is no question file and might never end.
QByteArray readStandardInput()
{
#ifndef Q_OS_WIN
    struct stat status;
    if (::fstat(STDIN_FILENO, &status) == 0 &&
        (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)) && !::isatty(STDIN_FILENO))
        throw QvedError::cannotOpenFile(
            StandardInputName, QCoreApplication::translate("QuestionFileReader",
                                                           "it is a device, not a question file"));
#endif
    QFile stream;
    if (!stream.open(stdin, QIODevice::ReadOnly))
        throw QvedError::cannotOpenFile(StandardInputName, stream.errorString());
    return ReadWholeStream(stream, StandardInputName);
}

} // namespace

QString QuestionFileReader::displayName(const QString& path)
{
    return isStandardInput(path) ? StandardInputName : QDir::toNativeSeparators(path);
}

bool QuestionFileReader::read(const QString& path, QuestionList& list, QString* firstBadLine)
{
    QuestionRecord record;
    try {
        if (isStandardInput(path)) {
            try {
                list.fillFromContent(readStandardInput(), record, DecodeMode::QuestionOnly);
            } catch (const QvedError& e) {
                if (e.kind() != QvedError::Kind::Conversion)
                    throw;
                throw QvedError(e.kind(), StandardInputName + QStringLiteral(", ") + e.message());
            }
        } else {
            list.FillQuestionList(path, record, DecodeMode::QuestionOnly);
        }
    } catch (const QvedError& e) {
        if (e.kind() != QvedError::Kind::Conversion) {
            Utf8Output::error(e.message());
            return false;
        }
        if (firstBadLine)
            *firstBadLine = e.message();
    }
    return true;
}
