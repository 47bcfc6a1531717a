// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolDiff.h"

#include "BankDiff.h"
#include "QuestionFields.h"
#include "QuestionFileReader.h"
#include "QuestionText.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

int ToolDiff::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "ToolDiff",
        "Lists the questions added, removed and changed from OLD to NEW, the changes field by "
        "field. Questions are matched by content: one that only moved is no change. Exit status "
        "0 when both hold the same questions, 1 when they differ. With --textconv FILE it prints "
        "each question of FILE as a block of lines, for git's diff driver."));
    const QCommandLineOption formatOption(
        QStringLiteral("format"),
        QCoreApplication::translate("ToolDiff", "text (the default) or json."),
        QStringLiteral("FORMAT"), QStringLiteral("text"));
    const QCommandLineOption textconvOption(
        QStringLiteral("textconv"),
        QCoreApplication::translate("ToolDiff",
                                    "Print the one FILE given readably, for git diff."));
    parser.addOption(formatOption);
    parser.addOption(textconvOption);
    parser.addPositionalArgument(QStringLiteral("OLD"),
                                 QCoreApplication::translate("ToolDiff", "The older bank."),
                                 QStringLiteral("diff OLD NEW"));
    parser.addPositionalArgument(QStringLiteral("NEW"),
                                 QCoreApplication::translate("ToolDiff", "The newer bank."));
    if (arguments.contains(QStringLiteral("--textconv"))) {
        QString file;
        if (const auto stop =
                ToolCommandLine::parse(parser, arguments, file, QStringLiteral("FILE")))
            return *stop;
        return textconv(file);
    }
    QStringList files;
    if (const auto stop =
            ToolCommandLine::parseFiles(parser, arguments, files, 2, QStringLiteral("OLD NEW")))
        return *stop;
    const QString format = parser.value(formatOption);
    if (format != u"text" && format != u"json")
        return ToolCommandLine::usageError(
            QStringLiteral("diff"),
            QCoreApplication::translate("ToolDiff", "Unknown format '%1': use text or json.")
                .arg(format));

    QuestionList before;
    QuestionList after;
    if (!QuestionFileReader::read(files[0], before) || !QuestionFileReader::read(files[1], after))
        return ToolCommandLine::Failure;
    const BankDiff diff = BankDiff::compare(before, after);
    auto fieldsOf = [](const QuestionList& list, int index) {
        return QuestionFields::fromLine(list.line(index));
    };

    Utf8Output out;
    if (format == u"json") {
        QJsonArray added;
        for (int index : diff.added)
            added.append(QuestionText::json(index + 1, fieldsOf(after, index)));
        QJsonArray removed;
        for (int index : diff.removed)
            removed.append(QuestionText::json(index + 1, fieldsOf(before, index)));
        QJsonArray changed;
        for (const BankDiff::Change& change : diff.changed) {
            const QuestionFields was = fieldsOf(before, change.before);
            const QuestionFields is = fieldsOf(after, change.after);
            QJsonArray fields;
            for (const BankDiff::FieldChange& field : change.fields) {
                fields.append(
                    QJsonObject{{QStringLiteral("field"),
                                 QString::fromLatin1(QuestionFields::name(field.field))},
                                {QStringLiteral("old"), QuestionText::field(was, field.field)},
                                {QStringLiteral("new"), QuestionText::field(is, field.field)}});
            }
            changed.append(QJsonObject{{QStringLiteral("old"), change.before + 1},
                                       {QStringLiteral("new"), change.after + 1},
                                       {QStringLiteral("fields"), fields}});
        }
        out.raw(QJsonDocument(QJsonObject{{QStringLiteral("added"), added},
                                          {QStringLiteral("removed"), removed},
                                          {QStringLiteral("changed"), changed}})
                    .toJson(QJsonDocument::Indented));
    } else {
        for (int index : diff.removed)
            out.text(QStringLiteral("removed: ") +
                     QuestionText::line(index + 1, fieldsOf(before, index)) + u'\n');
        for (int index : diff.added)
            out.text(QStringLiteral("added: ") +
                     QuestionText::line(index + 1, fieldsOf(after, index)) + u'\n');
        for (const BankDiff::Change& change : diff.changed) {
            const QuestionFields was = fieldsOf(before, change.before);
            const QuestionFields is = fieldsOf(after, change.after);
            out.text(QStringLiteral("changed: #%1 (was #%2)\n")
                         .arg(change.after + 1)
                         .arg(change.before + 1));
            for (const BankDiff::FieldChange& field : change.fields) {
                out.text(QStringLiteral("  %1: \"%2\" -> \"%3\"\n")
                             .arg(QString::fromLatin1(QuestionFields::name(field.field)),
                                  QuestionText::field(was, field.field),
                                  QuestionText::field(is, field.field)));
            }
        }
        out.text(QStringLiteral("%1 added, %2 removed, %3 changed\n")
                     .arg(diff.added.size())
                     .arg(diff.removed.size())
                     .arg(diff.changed.size()));
    }
    if (!out.flush())
        return ToolCommandLine::Failure;
    return diff.same() ? ToolCommandLine::Success : ToolCommandLine::ProblemsFound;
}

int ToolDiff::textconv(const QString& file)
{
    QuestionList list;
    if (!QuestionFileReader::read(file, list))
        return ToolCommandLine::Failure;
    Utf8Output out;
    for (int index = 0; index < list.count(); ++index) {
        out.text(QStringLiteral("#%1 ").arg(index + 1) +
                 QuestionText::block(QuestionFields::fromLine(list.line(index))));
    }
    return out.flush() ? ToolCommandLine::Success : ToolCommandLine::Failure;
}
