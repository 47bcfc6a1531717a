// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolRefcheck.h"

#include "BibleLookup.h"
#include "QuestionFileReader.h"
#include "ReferenceCheck.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject json(const ReferenceCheck::Finding& finding)
{
    return QJsonObject{
        {QStringLiteral("number"), finding.number},
        {QStringLiteral("reference"), finding.reference},
        {QStringLiteral("kind"), finding.kind()},
        {QStringLiteral("verdict"), finding.message()},
        {QStringLiteral("suggestion"), finding.suggestion.isEmpty()
                                           ? QJsonValue(QJsonValue::Null)
                                           : QJsonValue(finding.suggestion)},
        {QStringLiteral("verse"), finding.verse},
        {QStringLiteral("matched"), QJsonArray::fromStringList(finding.matched)},
    };
}

} // namespace

int ToolRefcheck::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Compares the right answer of each question of a Bible book in FILE with the text of "
        "the verse or verses it cites, read from an installed SWORD Bible module, and lists the "
        "suspects as \"N: REFERENCE: verdict\": \"answer in REF\" when a verse within three in "
        "the same chapter holds the answer instead (REF is the suggested reference), \"the verse "
        "names answer X: is the letter right?\" when a wrong answer is in the verse and the "
        "right one is not, \"answer not found near REF\" when neither the verse nor its "
        "neighbours hold it. Words are compared with case folded, common words left out, plain "
        "word endings (-s, -es, -eth, -ed) stripped and numbers alike in words and figures; an "
        "answer of three or more words needs two thirds of them. Questions without verse text "
        "(catechism and general questions, whole chapters, verses the module lacks) and answers "
        "of common words only are left out and counted. With --format json: a list of objects "
        "with number, reference, kind, verdict, suggestion (or null), verse (the text compared) "
        "and matched. Exit status 1 when any question is suspect, 2 when no Bible module is "
        "installed."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The question file."),
                                 QStringLiteral("refcheck FILE"));
    const QCommandLineOption moduleOption(
        QStringLiteral("module"),
        QStringLiteral("The Bible module, by name or abbreviation (default KJV)."),
        QStringLiteral("NAME"));
    const QCommandLineOption formatOption(QStringLiteral("format"),
                                          QStringLiteral("text (the default) or json."),
                                          QStringLiteral("FORMAT"), QStringLiteral("text"));
    parser.addOption(moduleOption);
    parser.addOption(formatOption);
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;
    const QString format = parser.value(formatOption);
    if (format != u"text" && format != u"json")
        return ToolCommandLine::usageError(
            QStringLiteral("refcheck"),
            QStringLiteral("Unknown format '%1': use text or json.").arg(format));

    BibleLookup bible;
    if (!bible.available()) {
        Utf8Output::error(QStringLiteral("qvedtool refcheck: ") + BibleLookup::noModuleMessage());
        return ToolCommandLine::Failure;
    }
    if (parser.isSet(moduleOption) && !bible.setModule(parser.value(moduleOption))) {
        Utf8Output::error(QStringLiteral("qvedtool refcheck: no Bible module '%1' is installed.")
                              .arg(parser.value(moduleOption)));
        return ToolCommandLine::Failure;
    }
    QuestionList list;
    if (!QuestionFileReader::read(file, list))
        return ToolCommandLine::Failure;
    const std::vector<ReferenceCheck::Finding> findings =
        ReferenceCheck(bible).check(ReferenceCheck::questions(list));
    const ReferenceCheck::Summary summary = ReferenceCheck::summarize(findings);

    Utf8Output out;
    if (format == u"json") {
        QJsonArray array;
        for (const ReferenceCheck::Finding& finding : findings) {
            if (finding.suspect())
                array.append(json(finding));
        }
        out.raw(QJsonDocument(array).toJson(QJsonDocument::Indented));
    } else {
        for (const ReferenceCheck::Finding& finding : findings) {
            if (finding.suspect())
                out.text(QStringLiteral("%1: %2: %3\n")
                             .arg(finding.number)
                             .arg(finding.reference, finding.message()));
        }
        out.text(QStringLiteral("checked: %1 questions, %2 fine, %3 suspect, %4 left out (%5 "
                                "without verse text, %6 without content words)\n")
                     .arg(summary.questions)
                     .arg(summary.fine)
                     .arg(summary.suspects)
                     .arg(summary.noVerseText + summary.noContentWords)
                     .arg(summary.noVerseText)
                     .arg(summary.noContentWords));
    }
    if (!out.flush())
        return ToolCommandLine::Failure;
    return summary.suspects > 0 ? ToolCommandLine::ProblemsFound : ToolCommandLine::Success;
}
