// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QCommandLineParser;

// The tool's command line: qvedtool COMMAND [options] FILE. Gives every
// command the same help and usage error handling.
class ToolCommandLine
{
public:
    enum ExitStatus
    {
        Success = 0,
        ProblemsFound = 1,
        Failure = 2
    };

    // Parses one command's arguments with its options already added and
    // gives its question file (or the one argument named by what). Answers
    // the exit status when the command should stop here: its help was
    // shown, or the arguments were refused.
    static std::optional<int> parse(QCommandLineParser& parser, const QStringList& arguments,
                                    QString& file, const QString& what = QStringLiteral("FILE"));

    // As parse, for a command that takes exactly this many files (count -1:
    // one or more), named in the usage line by what.
    static std::optional<int> parseFiles(QCommandLineParser& parser, const QStringList& arguments,
                                         QStringList& files, int count, const QString& what);

    // Reports a usage error and answers the exit status for it.
    static int usageError(const QString& command, const QString& message);

    // What the tool's help shows.
    static QString helpText();

private:
    // The text broken into lines of at most 79 characters at blanks.
    static QString wrapped(const QString& text);
};
