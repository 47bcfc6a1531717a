// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolCommandLine.h"

#include "Utf8Output.h"

#include <QCommandLineParser>
#include <QCoreApplication>

QString ToolCommandLine::helpText()
{
    return QCoreApplication::translate(
        "ToolCommandLine",
        "Usage: qvedtool COMMAND [options] FILE\n"
        "Checks, exports, prints and counts the questions of a question file (.qus),\n"
        "reading it as the question editor does.\n"
        "\n"
        "Commands:\n"
        "  build-test FILE --count N [--books FIRST-LAST|B1,B2,...] [--levels 1,2,...]\n"
        "             [--versions V] [--seed S] [--no-shuffle-questions]\n"
        "             [--no-shuffle-answers] [--force] -o DIR [--name NAME]\n"
        "      Builds a test in shuffled versions: question lines, test and key PDFs.\n"
        "  check FILE [--no-validate] [--table PATH]\n"
        "      Runs the editor's checks on every question and lists the problems.\n"
        "  diff OLD NEW [--format json] | diff --textconv FILE\n"
        "      Lists the questions added, removed and changed, matched by content.\n"
        "  dups FILE [--threshold T] [--format json]\n"
        "      Lists the groups of questions that are the same or nearly the same.\n"
        "  export FILE [--format json|csv|tsv|gift|aiken|moodle|qus] [-o OUT]\n"
        "      Writes every question as JSON (the default) or in another program's format.\n"
        "  git-setup\n"
        "      Sets up git's diff and merge drivers for question files in this repository.\n"
        "  import SOURCE... -o OUT.qus [--format F] [--append] [--book B] [--level L]\n"
        "         [--replace-unsupported] [--keep-duplicates] [--dry-run]\n"
        "      Takes questions from CSV, TSV, GIFT, Aiken, Moodle XML or question files.\n"
        "  merge BASE OURS THEIRS [-o OUT]\n"
        "      Merges two banks that grew from one, question by question and field by field.\n"
        "  recover FILE [-o OUT]\n"
        "      Lists the unsaved changes the editor kept for FILE; -o writes them out.\n"
        "  refcheck FILE [--module NAME] [--format json]\n"
        "      Lists the questions whose right answer is not in the verse they cite.\n"
        "  report FILE --layout key|test|list [--range B-E] -o OUT.pdf\n"
        "      Writes a test with answer key, a test or a question list to a PDF file.\n"
        "  stats FILE\n"
        "      Counts the questions by book, by level and by correct answer.\n"
        "  verse REFERENCE [--module NAME]\n"
        "      Prints the text of a verse, a range or a chapter from a Bible module.\n"
        "  spell FILE [--dictionary PATH] [--suggestions]\n"
        "      Lists the misspelt words of the questions and answers.\n"
        "\n"
        "Run \"qvedtool COMMAND --help\" for the options of a command,\n"
        "\"qvedtool --version\" for the version.\n"
        "Output is UTF-8 text on standard output; messages go to standard error.\n"
        "FILE is a question file, or \"-\" to read standard input (not for build-test).\n"
        "A folder, a FIFO, a device or a file over 1 GiB is refused, as the editor\n"
        "refuses to open it; standard input is read to the same bound.\n"
        "Exit status: 0 success or everything passed, 1 the check found problems\n"
        "or recover found nothing to recover, 2 bad usage or a file that cannot be\n"
        "read or written.\n");
}

std::optional<int> ToolCommandLine::parse(QCommandLineParser& parser, const QStringList& arguments,
                                          QString& file, const QString& what)
{
    QStringList files;
    const auto stop = parseFiles(parser, arguments, files, 1, what);
    if (!stop)
        file = files.first();
    return stop;
}

std::optional<int> ToolCommandLine::parseFiles(QCommandLineParser& parser,
                                               const QStringList& arguments, QStringList& files,
                                               int count, const QString& what)
{
    const QString command = arguments.value(1);
    parser.addHelpOption();
    if (!parser.parse(arguments))
        return usageError(command, parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        parser.setApplicationDescription(wrapped(parser.applicationDescription()));
        // The parser's usage line names the program by the path it was
        // started with and puts the command after the options.
        QString help = parser.helpText();
        help.replace(
            0, help.indexOf(u'\n'),
            QCoreApplication::translate("ToolCommandLine", "Usage: qvedtool %1 [options] %2")
                .arg(command, what));
        Utf8Output out;
        out.text(help);
        return out.flush() ? Success : Failure;
    }
    // The first positional argument is the command itself.
    const QStringList positional = parser.positionalArguments();
    if (count < 0 && positional.size() < 2)
        return usageError(command, QStringLiteral("No %1 given.").arg(what));
    if (count < 0) {
        files = positional.mid(1);
        return std::nullopt;
    }
    if (positional.size() < 1 + count) {
        if (what == u"FILE")
            return usageError(
                command, QCoreApplication::translate("ToolCommandLine", "No question file given."));
        return usageError(
            command,
            count == 1
                ? QCoreApplication::translate("ToolCommandLine", "No %1 given.").arg(what)
                : QCoreApplication::translate("ToolCommandLine", "%1 are needed.").arg(what));
    }
    if (positional.size() > 1 + count)
        return usageError(
            command, QCoreApplication::translate("ToolCommandLine", "Unexpected argument '%1'.")
                         .arg(positional[1 + count]));
    files = positional.mid(1);
    return std::nullopt;
}

QString ToolCommandLine::wrapped(const QString& text)
{
    constexpr qsizetype width = 79;
    QString result;
    qsizetype lineLength = 0;
    for (const QStringView word : QStringView(text).tokenize(u' ', Qt::SkipEmptyParts)) {
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            result += u'\n';
            lineLength = 0;
        } else if (lineLength > 0) {
            result += u' ';
            ++lineLength;
        }
        result += word;
        lineLength += word.size();
    }
    return result;
}

int ToolCommandLine::usageError(const QString& command, const QString& message)
{
    const QString name =
        command.isEmpty() ? QStringLiteral("qvedtool") : QStringLiteral("qvedtool ") + command;
    Utf8Output::error(name + QStringLiteral(": ") + message);
    Utf8Output::error(
        QCoreApplication::translate("ToolCommandLine", "Run \"%1 --help\" for help.").arg(name));
    return Failure;
}
