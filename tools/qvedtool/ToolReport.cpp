// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolReport.h"

#include "IntegerConversion.h"
#include "QuestionFileReader.h"
#include "QuestionList.h"
#include "ReportExport.h"
#include "ReportOutputFile.h"
#include "ReportPdf.h"
#include "ReportRun.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>

namespace {

const QString Command = QStringLiteral("report");

// The report setup's report types, in the order of its radio group.
const QStringList Layouts = {QStringLiteral("key"), QStringLiteral("test"), QStringLiteral("list")};

} // namespace

int ToolReport::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "ToolReport",
        "Writes a report of FILE to a PDF file with the question editor's layouts: key (test "
        "format with answer key), test (test format) or list (question list). Without --range "
        "every question is reported; a range beginning below 1 starts at 1 and an end beyond "
        "the last question stops there, as in the editor's report setup."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("ToolReport", "The question file."),
                                 QStringLiteral("report FILE"));
    const QCommandLineOption layoutOption(
        QStringLiteral("layout"), QCoreApplication::translate("ToolReport", "key, test or list."),
        QStringLiteral("LAYOUT"));
    const QCommandLineOption rangeOption(
        QStringLiteral("range"),
        QCoreApplication::translate("ToolReport", "Only questions B to E, for example 10-25."),
        QStringLiteral("B-E"));
    const QCommandLineOption outputOption(
        QStringList{QStringLiteral("o"), QStringLiteral("output")},
        QCoreApplication::translate("ToolReport", "The PDF file to write."),
        QStringLiteral("OUT.pdf"));
    parser.addOption(layoutOption);
    parser.addOption(rangeOption);
    parser.addOption(outputOption);
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;

    if (!parser.isSet(layoutOption))
        return ToolCommandLine::usageError(
            Command, QCoreApplication::translate("ToolReport", "No --layout given."));
    const int reportType = int(Layouts.indexOf(parser.value(layoutOption)));
    if (reportType < 0)
        return ToolCommandLine::usageError(
            Command,
            QCoreApplication::translate("ToolReport", "Unknown layout '%1': use key, test or list.")
                .arg(parser.value(layoutOption)));
    if (!parser.isSet(outputOption))
        return ToolCommandLine::usageError(
            Command, QCoreApplication::translate("ToolReport", "No output file given (-o)."));
    const QString output = parser.value(outputOption);
    if (const QString refused = ReportOutputFile::refusal(file, output); !refused.isEmpty())
        return ToolCommandLine::usageError(Command, refused);
    std::optional<Range> range;
    if (parser.isSet(rangeOption)) {
        QString problem;
        range = parseRange(parser.value(rangeOption), problem);
        if (!range)
            return ToolCommandLine::usageError(Command, problem);
    }

    // The pages show each question as the editor would; a file the editor
    // cannot open is not printed either.
    QuestionList list;
    QString badLine;
    if (!QuestionFileReader::read(file, list, &badLine))
        return ToolCommandLine::Failure;
    if (!badLine.isEmpty()) {
        Utf8Output::error(badLine);
        return ToolCommandLine::Failure;
    }
    if (list.isEmpty()) {
        Utf8Output::error(ReportOutputFile::notWritten(file, output));
        return ToolCommandLine::Failure;
    }
    if (range && range->beginning > list.count()) {
        Utf8Output::error(
            QCoreApplication::translate("ToolReport",
                                        "The range %1 begins past the last question (%2 in %3).")
                .arg(parser.value(rangeOption))
                .arg(list.count())
                .arg(QuestionFileReader::displayName(file)));
        return ToolCommandLine::Failure;
    }

    const Range chosen = range.value_or(Range{1, list.count()});
    int beginning = chosen.beginning;
    int end = chosen.end;
    if (!ReportExport::CheckRange(beginning, end, list.count())) {
        for (const QString& line : ReportExport::RangeErrorMessage().split(QStringLiteral("\r\n")))
            Utf8Output::error(line);
        return ToolCommandLine::Failure;
    }
    // A folder of this run's own keeps reports run side by side (a build
    // script's parallel jobs) from sharing their temporary files.
    const std::unique_ptr<QTemporaryDir> temporaryFolder = ReportRun::newTemporaryFolder();
    const QString error =
        ReportPdf::write(reportType, list, chosen.beginning, chosen.end, output, *temporaryFolder);
    if (!error.isEmpty()) {
        for (const QString& line : error.split(QStringLiteral("\r\n")))
            Utf8Output::error(line);
        return ToolCommandLine::Failure;
    }
    return ToolCommandLine::Success;
}

std::optional<ToolReport::Range> ToolReport::parseRange(const QString& text, QString& problem)
{
    problem =
        QCoreApplication::translate("ToolReport", "The range '%1' is not two whole numbers B-E.")
            .arg(text);
    // The separating hyphen is the first one after the beginning's sign.
    const qsizetype hyphen = text.indexOf(u'-', 1);
    if (hyphen < 0)
        return std::nullopt;
    const QStringView pieces[] = {QStringView(text).left(hyphen),
                                  QStringView(text).mid(hyphen + 1)};
    const auto beginning = ParseInteger(pieces[0]);
    const auto end = ParseInteger(pieces[1]);
    // Whole numbers that do not convert are beyond what a range can hold.
    for (const QStringView piece : pieces) {
        QStringView digits = piece.trimmed();
        if (digits.startsWith(u'-') || digits.startsWith(u'+'))
            digits = digits.sliced(1);
        if (!ParseInteger(piece) && !digits.isEmpty() &&
            std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }))
            problem =
                QCoreApplication::translate("ToolReport", "The number %1 is too large for a range.")
                    .arg(piece);
    }
    if (!beginning || !end)
        return std::nullopt;
    return Range{*beginning, *end};
}
