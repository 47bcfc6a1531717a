// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolBuildTest.h"

#include "BuilderLibrary.h"
#include "IntegerConversion.h"
#include "QuestionFileReader.h"
#include "TableLocations.h"
#include "TestBuilder.h"
#include "TestFiles.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"
#include "ValidationTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString Command = QStringLiteral("build-test");

std::optional<int> wholeNumber(const QCommandLineParser& parser, const QCommandLineOption& option)
{
    return ParseInteger(parser.value(option));
}

} // namespace

int ToolBuildTest::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "ToolBuildTest",
        "Builds a test from FILE: COUNT questions chosen from the books and levels given, in "
        "VERSIONS versions, each with its questions and answers in its own order and its "
        "correct letters spread evenly. Questions marked deleted or failing the editor's checks "
        "are never chosen. Writes NAME-V.qus, NAME-V-test.pdf and NAME-V-key.pdf for each "
        "version V (A, B, ...) into DIR and prints the seed, which builds the same test again. "
        "An output file that is FILE itself, under any name or link, is refused, --force or "
        "not."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("ToolBuildTest", "The question file."),
                                 QStringLiteral("build-test FILE"));
    const QCommandLineOption countOption(
        QStringLiteral("count"),
        QCoreApplication::translate("ToolBuildTest", "The number of questions."),
        QStringLiteral("N"));
    const QCommandLineOption booksOption(
        QStringLiteral("books"),
        QCoreApplication::translate(
            "ToolBuildTest", "FIRST-LAST or B1,B2,... by their abbreviations (default: all)."),
        QStringLiteral("BOOKS"));
    const QCommandLineOption levelsOption(
        QStringLiteral("levels"),
        QCoreApplication::translate("ToolBuildTest", "Levels 1 to 4, such as 1,2 (default: all)."),
        QStringLiteral("L"));
    const QCommandLineOption versionsOption(
        QStringLiteral("versions"),
        QCoreApplication::translate("ToolBuildTest", "1 to 26 versions (default 1)."),
        QStringLiteral("V"));
    const QCommandLineOption seedOption(
        QStringLiteral("seed"),
        QCoreApplication::translate("ToolBuildTest", "The seed (default: a new one)."),
        QStringLiteral("S"));
    const QCommandLineOption keepQuestions(
        QStringLiteral("no-shuffle-questions"),
        QCoreApplication::translate("ToolBuildTest", "Keep the questions in file order."));
    const QCommandLineOption keepAnswers(
        QStringLiteral("no-shuffle-answers"),
        QCoreApplication::translate("ToolBuildTest", "Keep each question's answers as written."));
    const QCommandLineOption forceOption(
        QStringLiteral("force"),
        QCoreApplication::translate("ToolBuildTest", "Replace files that exist."));
    const QCommandLineOption outputOption(
        QStringList{QStringLiteral("o"), QStringLiteral("output")},
        QCoreApplication::translate("ToolBuildTest", "The folder to write into."),
        QStringLiteral("DIR"));
    const QCommandLineOption nameOption(
        QStringLiteral("name"),
        QCoreApplication::translate("ToolBuildTest", "The files' NAME (default: FILE's name)."),
        QStringLiteral("NAME"));
    parser.addOptions({countOption, booksOption, levelsOption, versionsOption, seedOption,
                       keepQuestions, keepAnswers, forceOption, outputOption, nameOption});
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;

    TestBuilder::Choices choices;
    const auto count = wholeNumber(parser, countOption);
    if (!parser.isSet(countOption) || !count || *count < 1)
        return ToolCommandLine::usageError(
            Command, QCoreApplication::translate("ToolBuildTest",
                                                 "--count needs a number of questions from 1."));
    choices.count = *count;
    if (parser.isSet(versionsOption)) {
        const auto versions = wholeNumber(parser, versionsOption);
        if (!versions || *versions < 1 || *versions > TestBuilder::MaxVersions)
            return ToolCommandLine::usageError(
                Command,
                QCoreApplication::translate("ToolBuildTest", "--versions must be 1 to 26."));
        choices.versions = *versions;
    }
    if (parser.isSet(booksOption)) {
        QString problem;
        const auto books = TestBuilder::parseBooks(parser.value(booksOption), problem);
        if (!books)
            return ToolCommandLine::usageError(Command, problem);
        choices.books = *books;
    }
    if (parser.isSet(levelsOption)) {
        choices.levels.fill(false);
        for (const QString& piece : parser.value(levelsOption).split(u',')) {
            const auto level = ParseInteger(piece);
            if (!level || *level < 1 || *level > TestBuilder::LevelCount)
                return ToolCommandLine::usageError(
                    Command,
                    QCoreApplication::translate("ToolBuildTest", "Unknown level '%1': use 1 to 4.")
                        .arg(piece));
            choices.levels[std::size_t(*level - 1)] = true;
        }
    }
    choices.seed = TestBuilder::newSeed();
    if (parser.isSet(seedOption)) {
        bool ok = false;
        choices.seed = parser.value(seedOption).toUInt(&ok);
        if (!ok)
            return ToolCommandLine::usageError(
                Command,
                QCoreApplication::translate("ToolBuildTest",
                                            "--seed must be a whole number from 0 to 4294967295."));
    }
    choices.shuffleQuestions = !parser.isSet(keepQuestions);
    choices.shuffleAnswers = !parser.isSet(keepAnswers);
    if (!parser.isSet(outputOption))
        return ToolCommandLine::usageError(
            Command, QCoreApplication::translate("ToolBuildTest", "No output folder given (-o)."));
    const QString folder = parser.value(outputOption);
    const QString name =
        parser.isSet(nameOption) ? parser.value(nameOption) : QFileInfo(file).completeBaseName();
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\'))
        return ToolCommandLine::usageError(
            Command,
            QCoreApplication::translate("ToolBuildTest", "The name '%1' cannot name a file.")
                .arg(name));
    // The files are dated as the question file, so the same seed writes the
    // same bytes again: standard input has no date.
    if (QuestionFileReader::isStandardInput(file))
        return ToolCommandLine::usageError(
            Command, QCoreApplication::translate(
                         "ToolBuildTest", "build-test reads a question file, not standard input."));
    // Whatever --force says: writing over the question file would lose it.
    if (const QString refused = TestFiles::questionFileAmong(folder, name, choices.versions, file);
        !refused.isEmpty())
        return ToolCommandLine::usageError(Command, refused);

    QuestionList list;
    if (!QuestionFileReader::read(file, list))
        return ToolCommandLine::Failure;
    // As the editor: without its table every check but chapters and verses.
    ValidationTable table;
    table.LoadValTable(TableLocations::standard().lookupFolder(), BuilderLibrary());

    QString problem;
    const auto versions = TestBuilder(list, table).build(choices, problem);
    if (versions.empty())
        return ToolCommandLine::usageError(Command, problem);
    if (!parser.isSet(forceOption)) {
        const QStringList there = TestFiles::existing(folder, name, choices.versions);
        if (!there.isEmpty()) {
            for (const QString& path : there)
                Utf8Output::error(QCoreApplication::translate(
                                      "ToolBuildTest", "%1 exists; use --force to replace it.")
                                      .arg(QDir::toNativeSeparators(path)));
            return ToolCommandLine::Failure;
        }
    }
    QStringList written;
    // Dated as the question file, so the same file and choices give the
    // same bytes.
    const QString error = TestFiles::write(versions, folder, name, choices.seed,
                                           QFileInfo(file).lastModified(), written);
    Utf8Output out;
    out.raw("seed: ");
    out.raw(QByteArray::number(choices.seed));
    out.raw("\n");
    for (const QString& path : written) {
        out.raw(QDir::toNativeSeparators(path).toUtf8());
        out.raw("\n");
    }
    if (!out.flush())
        return ToolCommandLine::Failure;
    if (!error.isEmpty()) {
        for (const QString& line : error.split(QStringLiteral("\r\n")))
            Utf8Output::error(line);
        return ToolCommandLine::Failure;
    }
    return ToolCommandLine::Success;
}
