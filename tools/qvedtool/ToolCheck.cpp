// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolCheck.h"

#include "BankCheck.h"
#include "BuilderLibrary.h"
#include "QuestionFileReader.h"
#include "QvedError.h"
#include "TableLocations.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"
#include "ValidationTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

int ToolCheck::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "ToolCheck",
        "Runs the question editor's checks on every question of FILE, as the editor's panel "
        "would show it, and lists each problem as \"N: problem\". Also lists what the editor "
        "would refuse to store (a level outside 1 to 4, a correct answer outside A to D, a book "
        "number outside 1 to 68, a field holding a double quote), texts longer than the editor "
        "keeps (90 characters, 25 for the reference) and questions whose question and four "
        "answers repeat an earlier one. Exit status 1 when a problem was found, 2 when the "
        "validation table cannot be read."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("ToolCheck", "The question file."),
                                 QStringLiteral("check FILE"));
    const QCommandLineOption noValidate(
        QStringLiteral("no-validate"),
        QCoreApplication::translate(
            "ToolCheck", "Do not check chapters and verses against the validation table."));
    const QCommandLineOption tableOption(
        QStringLiteral("table"),
        QCoreApplication::translate(
            "ToolCheck", "The validation table file to use instead of the one the programs find."),
        QStringLiteral("PATH"));
    parser.addOption(noValidate);
    parser.addOption(tableOption);
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;

    QuestionList list;
    if (!QuestionFileReader::read(file, list))
        return ToolCommandLine::Failure;

    ValidationTable table;
    const bool validate = !parser.isSet(noValidate);
    if (validate && parser.isSet(tableOption)) {
        if (!loadGivenTable(parser.value(tableOption), table))
            return ToolCommandLine::Failure;
    } else if (validate) {
        // Checking without the table would pass every chapter and verse:
        // a table that cannot be read stops the check.
        const QString folder = TableLocations::standard().lookupFolder();
        const auto outcome = table.LoadValTable(folder, BuilderLibrary());
        if (outcome != ValidationTable::LoadOutcome::Loaded) {
            Utf8Output::error(unusableTable(folder + ValidationTable::FileName, outcome));
            return ToolCommandLine::Failure;
        }
    }

    Utf8Output out;
    const int withProblems =
        BankCheck(table, validate).checkList(list, [&out](const BankCheck::Problem& problem) {
            out.number(problem.number);
            out.raw(": ");
            out.raw(problem.text.toUtf8());
            out.raw("\n");
        });

    out.raw("checked: ");
    out.number(list.count());
    out.raw(" questions, ");
    out.number(withProblems);
    out.raw(" with problems\n");
    if (!out.flush())
        return ToolCommandLine::Failure;
    return withProblems > 0 ? ToolCommandLine::ProblemsFound : ToolCommandLine::Success;
}

QString ToolCheck::unusableTable(const QString& path, ValidationTable::LoadOutcome outcome)
{
    const QString what = outcome == ValidationTable::LoadOutcome::Damaged
                             ? QCoreApplication::translate(
                                   "ToolCheck", "is damaged (delete it to have it written again)")
                             : QCoreApplication::translate("ToolCheck", "cannot be read");
    return QCoreApplication::translate(
               "ToolCheck", "qvedtool check: the validation table %1 %2. Name another with "
                            "--table PATH, or check without it with --no-validate.")
        .arg(QDir::toNativeSeparators(path), what);
}

bool ToolCheck::loadGivenTable(const QString& path, ValidationTable& table)
{
    // Anything but a regular file (a FIFO, a device) could keep the copy
    // below waiting for ever.
    const QFileInfo given(path);
    if (given.exists() && !given.isFile()) {
        Utf8Output::error(
            QCoreApplication::translate("ToolCheck", "qvedtool check: %1 is not a regular file.")
                .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    // The loader reads the table under its own name from a folder, so the
    // given file is copied under that name into a folder of its own.
    const QTemporaryDir folder;
    const QString copy = folder.filePath(ValidationTable::FileName);
    if (!folder.isValid() || !QFile::copy(path, copy)) {
        Utf8Output::error(QvedError::cannotOpenFile(path).message());
        return false;
    }
    const auto outcome = table.LoadValTable(QDir::toNativeSeparators(folder.path() + u'/'), {});
    if (outcome != ValidationTable::LoadOutcome::Loaded) {
        Utf8Output::error(path + QStringLiteral(": ") + ValidationTable::message(outcome));
        return false;
    }
    return true;
}
