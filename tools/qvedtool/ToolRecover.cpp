// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolRecover.h"

#include "RecoveryJournal.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString Command = QStringLiteral("recover");

QString rowList(const QList<int>& rows)
{
    QStringList numbers;
    for (const int index : rows)
        numbers << QString::number(index + 1);
    return (rows.size() == 1 ? QStringLiteral("question ") : QStringLiteral("questions ")) +
           numbers.join(QStringLiteral(", "));
}

bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    const QString canonicalFirst = first.canonicalFilePath();
    return !canonicalFirst.isEmpty() ? canonicalFirst == second.canonicalFilePath()
                                     : first.absoluteFilePath() == second.absoluteFilePath();
}

} // namespace

int ToolRecover::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "ToolRecover",
        "Lists the unsaved changes the question editor's recovery journal holds for FILE: how "
        "many, when each was made and which questions it changed, and whether the journal was "
        "cut short. With -o, writes the list as recovered, as the editor's Save would, leaving "
        "out the questions marked deleted; the journal stays. Exit status 0 when changes were "
        "recovered, 1 when there is nothing to recover, 2 on errors."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("ToolRecover", "The question file."),
                                 QStringLiteral("recover FILE"));
    const QCommandLineOption outputOption(
        QStringList{QStringLiteral("o"), QStringLiteral("output")},
        QCoreApplication::translate("ToolRecover", "The question file to write."),
        QStringLiteral("OUT"));
    parser.addOption(outputOption);
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;

    const QString name = QDir::toNativeSeparators(file);
    const QString journal = RecoveryJournal::journalPathOf(file);
    if (!QFileInfo::exists(journal)) {
        Utf8Output::error(
            QCoreApplication::translate("ToolRecover",
                                        "qvedtool recover: no unsaved changes are kept for %1.")
                .arg(name));
        return ToolCommandLine::ProblemsFound;
    }
    QuestionRecord record;
    JournalReplay replayed = RecoveryJournal::replay(file, record);
    if (!replayed.error.isEmpty()) {
        Utf8Output::error(
            QCoreApplication::translate("ToolRecover",
                                        "qvedtool recover: the unsaved changes of %1 cannot be "
                                        "recovered: %2.")
                .arg(name, replayed.error));
        return ToolCommandLine::Failure;
    }

    Utf8Output out;
    out.text(QStringLiteral("%1: %2 unsaved change%3 in %4\n")
                 .arg(name)
                 .arg(replayed.changes())
                 .arg(replayed.changes() == 1 ? QString() : QStringLiteral("s"),
                      QDir::toNativeSeparators(journal)));
    for (int change = 0; change < replayed.changes(); ++change) {
        out.text(QStringLiteral("  %1  %2  %3\n")
                     .arg(change + 1)
                     .arg(replayed.changeTimes[change].toLocalTime().toString(
                              QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                          rowList(replayed.changedRows[change])));
    }
    out.text(replayed.cutShort()
                 ? QStringLiteral("The journal is cut short (%1): any change after that is lost.\n")
                       .arg(replayed.damage)
                 : QStringLiteral("The journal is complete.\n"));
    if (replayed.fileChanged)
        out.text(QStringLiteral("%1 was changed since: the changes apply to the file as it was "
                                "when they were made, which the journal keeps.\n")
                     .arg(name));
    if (replayed.changes() == 0)
        return out.flush() ? ToolCommandLine::ProblemsFound : ToolCommandLine::Failure;

    if (parser.isSet(outputOption)) {
        const QString output = parser.value(outputOption);
        if (replayed.fileChanged && sameFile(output, file)) {
            out.flush();
            return ToolCommandLine::usageError(
                Command,
                QCoreApplication::translate(
                    "ToolRecover", "%1 was changed since the changes were made: write them "
                                   "to another file.")
                    .arg(name));
        }
        const WriteResult result = replayed.list.WriteQuestionFile(output);
        if (!result.ok) {
            out.flush();
            Utf8Output::error(
                QCoreApplication::translate("ToolRecover", "qvedtool recover: cannot write %1: %2")
                    .arg(QDir::toNativeSeparators(output), result.platformText));
            return ToolCommandLine::Failure;
        }
        out.text(QStringLiteral("Written: %1\n").arg(QDir::toNativeSeparators(output)));
    }
    return out.flush() ? ToolCommandLine::Success : ToolCommandLine::Failure;
}
