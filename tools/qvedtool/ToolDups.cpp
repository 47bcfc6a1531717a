// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolDups.h"

#include "QuestionFileReader.h"
#include "QuestionMatcher.h"
#include "QuestionText.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

int ToolDups::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "ToolDups",
        "Lists the groups of questions of FILE that are the same once case, spaces and "
        "punctuation are folded and the answers taken in any order (\"same\"), and those that "
        "are nearly the same (\"near\"): the same right answer, and wording whose word pairs "
        "overlap by at least the threshold, or the same reference. Exit status 1 when any group "
        "was found."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("ToolDups", "The question file."),
                                 QStringLiteral("dups FILE"));
    const QCommandLineOption thresholdOption(
        QStringLiteral("threshold"),
        QCoreApplication::translate("ToolDups",
                                    "How alike wordings must be, from 0 to 1 (default 0.6)."),
        QStringLiteral("T"), QStringLiteral("0.6"));
    const QCommandLineOption formatOption(
        QStringLiteral("format"),
        QCoreApplication::translate("ToolDups", "text (the default) or json."),
        QStringLiteral("FORMAT"), QStringLiteral("text"));
    parser.addOption(thresholdOption);
    parser.addOption(formatOption);
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;
    bool ok = false;
    const double threshold = parser.value(thresholdOption).toDouble(&ok);
    if (!ok || threshold <= 0 || threshold > 1)
        return ToolCommandLine::usageError(
            QStringLiteral("dups"),
            QCoreApplication::translate("ToolDups",
                                        "The threshold must be a number above 0 and at most 1."));
    const QString format = parser.value(formatOption);
    if (format != u"text" && format != u"json")
        return ToolCommandLine::usageError(
            QStringLiteral("dups"),
            QCoreApplication::translate("ToolDups", "Unknown format '%1': use text or json.")
                .arg(format));

    QuestionList list;
    if (!QuestionFileReader::read(file, list))
        return ToolCommandLine::Failure;
    const QuestionMatcher matcher(list);
    const std::vector<QuestionMatcher::Group> groups = matcher.duplicateGroups(threshold);

    Utf8Output out;
    if (format == u"json") {
        QJsonArray array;
        for (const QuestionMatcher::Group& group : groups) {
            QJsonArray members;
            for (int index : group.members)
                members.append(QuestionText::json(index + 1, matcher.fields(index)));
            array.append(QJsonObject{{QStringLiteral("kind"),
                                      group.same ? QStringLiteral("same") : QStringLiteral("near")},
                                     {QStringLiteral("questions"), members}});
        }
        out.raw(QJsonDocument(array).toJson(QJsonDocument::Indented));
    } else {
        int questions = 0;
        for (const QuestionMatcher::Group& group : groups) {
            out.text(group.same ? QStringLiteral("same:\n") : QStringLiteral("near:\n"));
            for (int index : group.members)
                out.text(QStringLiteral("  ") +
                         QuestionText::line(index + 1, matcher.fields(index)) + u'\n');
            questions += int(group.members.size());
        }
        out.text(QStringLiteral("groups: %1, %2 questions\n").arg(groups.size()).arg(questions));
    }
    if (!out.flush())
        return ToolCommandLine::Failure;
    return groups.empty() ? ToolCommandLine::Success : ToolCommandLine::ProblemsFound;
}
