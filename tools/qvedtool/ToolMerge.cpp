// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolMerge.h"

#include "BankMerge.h"
#include "QuestionFields.h"
#include "QuestionFileReader.h"
#include "QuestionText.h"
#include "SafeFileWriter.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"
#include "Windows1252.h"

#include <QCommandLineParser>

namespace {

QString shown(const QByteArray& text)
{
    return QLatin1Char('"') + Windows1252::toUnicode(text) + QLatin1Char('"');
}

QString conflictText(const BankMerge::Conflict& conflict)
{
    if (conflict.field >= 0) {
        return QStringLiteral("question %1, %2: ours %3, theirs %4")
            .arg(conflict.question)
            .arg(QString::fromLatin1(QuestionFields::name(conflict.field)), shown(conflict.ours),
                 shown(conflict.theirs));
    }
    if (conflict.theirs.isEmpty()) {
        return QStringLiteral(
                   "question %1 was changed in ours and deleted in theirs; ours is kept: %2")
            .arg(conflict.question)
            .arg(QuestionText::line(conflict.question, QuestionFields::fromLine(conflict.ours)));
    }
    return QStringLiteral("question %1 of the base was deleted in ours and changed in theirs; "
                          "it stays deleted: %2")
        .arg(conflict.question)
        .arg(QuestionText::line(conflict.question, QuestionFields::fromLine(conflict.theirs)));
}

} // namespace

int ToolMerge::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Merges OURS and THEIRS, two banks that grew from BASE, question by question and field "
        "by field, and writes the result to OUT, or over OURS without -o (as git's merge driver "
        "\"%O %A %B\" expects). The same field changed differently on both sides is a conflict: "
        "the result keeps ours, each conflict is listed on standard error and the exit status "
        "is 1."));
    parser.addPositionalArgument(QStringLiteral("BASE"), QStringLiteral("The common ancestor."),
                                 QStringLiteral("merge BASE OURS THEIRS"));
    parser.addPositionalArgument(QStringLiteral("OURS"), QStringLiteral("Our bank."));
    parser.addPositionalArgument(QStringLiteral("THEIRS"), QStringLiteral("Their bank."));
    const QCommandLineOption outputOption(QStringLiteral("o"),
                                          QStringLiteral("Write the merged bank to OUT."),
                                          QStringLiteral("OUT"));
    parser.addOption(outputOption);
    QStringList files;
    if (const auto stop = ToolCommandLine::parseFiles(parser, arguments, files, 3,
                                                      QStringLiteral("BASE OURS THEIRS")))
        return *stop;

    QuestionList base;
    QuestionList ours;
    QuestionList theirs;
    if (!QuestionFileReader::read(files[0], base) || !QuestionFileReader::read(files[1], ours) ||
        !QuestionFileReader::read(files[2], theirs))
        return ToolCommandLine::Failure;
    const BankMerge merged = BankMerge::merge(base, ours, theirs);

    QByteArray content;
    for (const QByteArray& line : merged.lines)
        content.append(line).append("\r\n");
    const QString target = parser.isSet(outputOption) ? parser.value(outputOption) : files[1];
    const WriteResult written = SafeFileWriter::writeFile(target, content);
    if (!written.ok) {
        Utf8Output::error(
            QStringLiteral("qvedtool merge: cannot write %1: %2").arg(target, written.message()));
        return ToolCommandLine::Failure;
    }
    for (const BankMerge::Conflict& conflict : merged.conflicts)
        Utf8Output::error(QStringLiteral("qvedtool merge: conflict: ") + conflictText(conflict));
    return merged.conflicts.empty() ? ToolCommandLine::Success : ToolCommandLine::ProblemsFound;
}
