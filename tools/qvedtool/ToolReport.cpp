#include "ToolReport.h"

#include "IntegerConversion.h"
#include "QuestionFileReader.h"
#include "QuestionList.h"
#include "ReportExport.h"
#include "ReportPdf.h"
#include "ReportRun.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"

#include <QCommandLineParser>
#include <QTemporaryDir>

namespace {

const QString Command = QStringLiteral("report");

// The report setup's report types, in the order of its radio group.
const QStringList Layouts = {QStringLiteral("key"), QStringLiteral("test"), QStringLiteral("list")};

} // namespace

int ToolReport::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a report of FILE to a PDF file with the question editor's layouts: key (test "
        "format with answer key), test (test format) or list (question list). Without --range "
        "every question is reported; a range beginning below 1 starts at 1 and an end beyond "
        "the last question stops there, as in the editor's report setup."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The question file."),
                                 QStringLiteral("report FILE"));
    const QCommandLineOption layoutOption(
        QStringLiteral("layout"), QStringLiteral("key, test or list."), QStringLiteral("LAYOUT"));
    const QCommandLineOption rangeOption(
        QStringLiteral("range"), QStringLiteral("Only questions B to E, for example 10-25."),
        QStringLiteral("B-E"));
    const QCommandLineOption outputOption(
        QStringList{QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("The PDF file to write."), QStringLiteral("OUT.pdf"));
    parser.addOption(layoutOption);
    parser.addOption(rangeOption);
    parser.addOption(outputOption);
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;

    if (!parser.isSet(layoutOption))
        return ToolCommandLine::usageError(Command, QStringLiteral("No --layout given."));
    const int reportType = int(Layouts.indexOf(parser.value(layoutOption)));
    if (reportType < 0)
        return ToolCommandLine::usageError(
            Command, QStringLiteral("Unknown layout '%1': use key, test or list.")
                         .arg(parser.value(layoutOption)));
    if (!parser.isSet(outputOption))
        return ToolCommandLine::usageError(Command, QStringLiteral("No output file given (-o)."));
    std::optional<Range> range;
    if (parser.isSet(rangeOption)) {
        range = parseRange(parser.value(rangeOption));
        if (!range)
            return ToolCommandLine::usageError(
                Command, QStringLiteral("The range '%1' is not two whole numbers B-E.")
                             .arg(parser.value(rangeOption)));
    }

    QuestionList list;
    if (!QuestionFileReader::read(file, list))
        return ToolCommandLine::Failure;
    if (list.isEmpty()) {
        Utf8Output::error(QStringLiteral("%1 has no questions; no PDF was written.").arg(file));
        return ToolCommandLine::Success;
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
    const QString error = ReportPdf::write(reportType, list, chosen.beginning, chosen.end,
                                           parser.value(outputOption), *temporaryFolder);
    if (!error.isEmpty()) {
        for (const QString& line : error.split(QStringLiteral("\r\n")))
            Utf8Output::error(line);
        return ToolCommandLine::Failure;
    }
    return ToolCommandLine::Success;
}

std::optional<ToolReport::Range> ToolReport::parseRange(const QString& text)
{
    // The separating hyphen is the first one after the beginning's sign.
    const qsizetype hyphen = text.indexOf(u'-', 1);
    if (hyphen < 0)
        return std::nullopt;
    const auto beginning = ParseInteger(QStringView(text).left(hyphen));
    const auto end = ParseInteger(QStringView(text).mid(hyphen + 1));
    if (!beginning || !end)
        return std::nullopt;
    return Range{*beginning, *end};
}
