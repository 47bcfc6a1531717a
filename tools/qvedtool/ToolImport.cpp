// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolImport.h"

#include "BookNames.h"
#include "BuilderLibrary.h"
#include "ExportTexts.h"
#include "ImportRowChecker.h"
#include "InterchangeFormats.h"
#include "QuestionFields.h"
#include "QuestionFileReader.h"
#include "QuestionFormat.h"
#include "QuestionMatcher.h"
#include "RowChecks.h"
#include "SafeFileWriter.h"
#include "TableLocations.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"
#include "ValidationTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <memory>

namespace {

const QString Command = QStringLiteral("import");

struct Counts
{
    int taken = 0;
    int changed = 0;
    int refused = 0;
    int skipped = 0;
};

// The questions of one source, checked; false (with the message said) when
// the source cannot be read at all.
bool importSource(const QString& source, const QuestionFormat* forced,
                  const ImportRowChecker& checker, QList<ImportedQuestion>& outcomes,
                  Counts& counts)
{
    QString error;
    const QByteArray bytes = InterchangeFormats::readSource(source, &error);
    if (!error.isEmpty()) {
        Utf8Output::error(
            QCoreApplication::translate("ToolImport", "qvedtool import: cannot read %1: %2")
                .arg(source, error));
        return false;
    }
    const QuestionFormat* format =
        forced ? forced
               : InterchangeFormats::detect(
                     source, bytes.first(std::min<qsizetype>(bytes.size(), 1 << 16)));
    if (!format) {
        Utf8Output::error(QCoreApplication::translate(
                              "ToolImport", "qvedtool import: %1: neither its content nor its name "
                                            "tells its format; name it with --format.")
                              .arg(source));
        return false;
    }
    const FormatReadResult read = format->read(bytes);
    if (!read.error.isEmpty()) {
        Utf8Output::error(QCoreApplication::translate(
                              "ToolImport", "qvedtool import: %1 cannot be read as %2: %3")
                              .arg(source, format->title(), read.error));
        return false;
    }
    if (read.tabular && !read.table.hasHeader && !read.table.rows.isEmpty()) {
        Utf8Output::error(QCoreApplication::translate(
                              "ToolImport", "qvedtool import: %1: its first row names no question "
                                            "column; add a header row (Question, A, B, C, D, "
                                            "Correct, Reference, Level).")
                              .arg(source));
        return false;
    }
    for (const QString& problem : read.problems) {
        Utf8Output::error(source + u':' + problem);
        ++counts.refused;
    }
    outcomes = RowChecks::checkAll(read.rows, checker);
    return true;
}

} // namespace

int ToolImport::run(const QStringList& arguments)
{
    QStringList readable;
    for (const QuestionFormat* format : InterchangeFormats::all()) {
        if (format->canRead())
            readable.append(format->name());
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Takes the questions of each SOURCE (%1) into the question file OUT, each through the "
            "checks the editor's panel makes. A question that fails them is refused and named on "
            "standard error as SOURCE:PLACE: reason, as is each change made (typographic quotes, "
            "a space for a line break) and each question skipped because OUT holds it already. "
            "The format is found from the content and the name unless --format names it. Exit "
            "status 0 when every question was taken, 1 when any was refused or skipped, 2 on bad "
            "usage or a source that cannot be read.")
            .arg(readable.join(QStringLiteral(", "))));
    parser.addPositionalArgument(QStringLiteral("SOURCE"),
                                 QCoreApplication::translate("ToolImport", "The files to import."),
                                 QStringLiteral("import SOURCE..."));
    const QCommandLineOption outputOption(
        QStringLiteral("o"),
        QCoreApplication::translate("ToolImport", "The question file to write."),
        QStringLiteral("OUT"));
    const QCommandLineOption formatOption(
        QStringLiteral("format"),
        QCoreApplication::translate("ToolImport", "The sources' format: %1.")
            .arg(readable.join(u'|')),
        QStringLiteral("FORMAT"));
    const QCommandLineOption appendOption(
        QStringLiteral("append"),
        QCoreApplication::translate(
            "ToolImport", "Add to an existing OUT, skipping the questions it holds already."));
    const QCommandLineOption bookOption(
        QStringLiteral("book"),
        QCoreApplication::translate("ToolImport", "The book of questions whose source names none."),
        QStringLiteral("BOOK"));
    const QCommandLineOption levelOption(
        QStringLiteral("level"),
        QCoreApplication::translate(
            "ToolImport", "The level (Single, Double, Triple, Home Run or 1-4) of questions whose "
                          "source names none."),
        QStringLiteral("LEVEL"));
    const QCommandLineOption replaceOption(
        QStringLiteral("replace-unsupported"),
        QCoreApplication::translate(
            "ToolImport", "Replace the characters a question file cannot hold, listing each, "
                          "rather than refuse the question."));
    const QCommandLineOption duplicatesOption(
        QStringLiteral("keep-duplicates"),
        QCoreApplication::translate("ToolImport",
                                    "With --append, take questions OUT holds already too."));
    const QCommandLineOption dryRunOption(
        QStringLiteral("dry-run"),
        QCoreApplication::translate("ToolImport", "Check and list, but write nothing."));
    for (const QCommandLineOption& option :
         {outputOption, formatOption, appendOption, bookOption, levelOption, replaceOption,
          duplicatesOption, dryRunOption})
        parser.addOption(option);
    QStringList sources;
    if (const auto stop = ToolCommandLine::parseFiles(parser, arguments, sources, -1,
                                                      QStringLiteral("SOURCE...")))
        return *stop;

    const bool dryRun = parser.isSet(dryRunOption);
    const bool append = parser.isSet(appendOption);
    const QString output = parser.value(outputOption);
    if (output.isEmpty() && !dryRun)
        return ToolCommandLine::usageError(
            Command, QCoreApplication::translate("ToolImport", "No question file to write "
                                                               "given (-o OUT.qus)."));
    const QuestionFormat* forced = nullptr;
    if (parser.isSet(formatOption)) {
        forced = InterchangeFormats::byName(parser.value(formatOption));
        if (!forced || !forced->canRead())
            return ToolCommandLine::usageError(
                Command, QCoreApplication::translate("ToolImport", "Unknown format '%1': use %2.")
                             .arg(parser.value(formatOption), readable.join(QStringLiteral(", "))));
    }
    ImportDefaults defaults;
    defaults.replaceUnsupported = parser.isSet(replaceOption);
    if (parser.isSet(bookOption)) {
        defaults.book = BookNames::indexOf(parser.value(bookOption));
        if (defaults.book < 0)
            return ToolCommandLine::usageError(
                Command, QCoreApplication::translate("ToolImport", "Unknown book '%1'.")
                             .arg(parser.value(bookOption)));
    }
    if (parser.isSet(levelOption)) {
        defaults.level = ExportTexts::levelOf(parser.value(levelOption));
        if (defaults.level < 0)
            return ToolCommandLine::usageError(
                Command, QCoreApplication::translate(
                             "ToolImport", "Unknown level '%1': use Single, Double, Triple, Home "
                                           "Run or 1-4.")
                             .arg(parser.value(levelOption)));
    }
    const bool exists = !output.isEmpty() && QFileInfo::exists(output);
    if (exists && !append && !dryRun) {
        Utf8Output::error(
            QCoreApplication::translate("ToolImport",
                                        "qvedtool import: %1 exists; give --append to add to it.")
                .arg(output));
        return ToolCommandLine::Failure;
    }
    QuestionList existing;
    if (exists && append && !QuestionFileReader::read(output, existing))
        return ToolCommandLine::Failure;

    // The chapters and verses are checked as the panel checks them: a
    // table that cannot be read stops the import.
    ValidationTable table;
    const QString folder = TableLocations::standard().lookupFolder();
    const auto outcome = table.LoadValTable(folder, BuilderLibrary());
    if (outcome != ValidationTable::LoadOutcome::Loaded) {
        Utf8Output::error(QCoreApplication::translate(
                              "ToolImport", "qvedtool import: the validation table %1: %2")
                              .arg(QDir::toNativeSeparators(folder + ValidationTable::FileName),
                                   ValidationTable::message(outcome)));
        return ToolCommandLine::Failure;
    }
    const ImportRowChecker checker(table, defaults);
    const std::unique_ptr<QuestionMatcher> matcher =
        append && !parser.isSet(duplicatesOption) ? std::make_unique<QuestionMatcher>(existing)
                                                  : nullptr;

    Counts counts;
    QByteArray added;
    for (const QString& source : sources) {
        QList<ImportedQuestion> outcomes;
        if (!importSource(source, forced, checker, outcomes, counts))
            return ToolCommandLine::Failure;
        for (ImportedQuestion& question : outcomes) {
            if (question.status != ImportStatus::Refused && matcher &&
                matcher->holdsSame(QuestionFields::fromLine(question.line))) {
                question.status = ImportStatus::Duplicate;
                question.notes =
                    QStringList{QStringLiteral("skipped: %1 holds it already").arg(output)};
            }
            const QString where = source + u':' + question.place + QStringLiteral(": ");
            switch (question.status) {
            case ImportStatus::Refused:
                ++counts.refused;
                Utf8Output::error(where + QStringLiteral("refused: ") +
                                  question.notes.join(QStringLiteral("; ")));
                break;
            case ImportStatus::Duplicate:
                ++counts.skipped;
                Utf8Output::error(where + question.notes.join(QStringLiteral("; ")));
                break;
            case ImportStatus::Changed:
                ++counts.changed;
                Utf8Output::error(where + QStringLiteral("changed: ") +
                                  question.notes.join(QStringLiteral("; ")));
                [[fallthrough]];
            case ImportStatus::Ready:
                ++counts.taken;
                added.append(question.line).append("\r\n");
                break;
            }
        }
    }

    if (!dryRun && counts.taken > 0) {
        QByteArray content = existing.content();
        if (!content.isEmpty() && !content.endsWith('\n'))
            content.append("\r\n");
        content.append(added);
        const WriteResult written = SafeFileWriter::writeFile(output, content);
        if (!written.ok) {
            Utf8Output::error(
                QCoreApplication::translate("ToolImport", "qvedtool import: cannot write %1: %2")
                    .arg(output, written.platformText));
            return ToolCommandLine::Failure;
        }
    }
    Utf8Output out;
    out.text(QStringLiteral("%1 imported (%2 changed), %3 refused, %4 skipped%5.\n")
                 .arg(counts.taken)
                 .arg(counts.changed)
                 .arg(counts.refused)
                 .arg(counts.skipped)
                 .arg(dryRun ? QStringLiteral(", nothing written (--dry-run)") : QString()));
    if (!out.flush())
        return ToolCommandLine::Failure;
    return counts.refused + counts.skipped > 0 ? ToolCommandLine::ProblemsFound
                                               : ToolCommandLine::Success;
}
