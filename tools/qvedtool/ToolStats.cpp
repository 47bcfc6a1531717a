// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolStats.h"

#include "BookTable.h"
#include "QuestionFileReader.h"
#include "QuestionStatistics.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const QString LevelNames[] = {QStringLiteral("Single"), QStringLiteral("Double"),
                              QStringLiteral("Triple"), QStringLiteral("Home Run")};
const QString NoValue = QStringLiteral("(none)");
constexpr int NameWidth = 10;
constexpr int Choices = QuestionStatistics::Choices;

} // namespace

int ToolStats::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "ToolStats",
        "Counts the questions of FILE by book, by level and by correct answer, and gives each "
        "letter's share of the questions that have a correct answer A to D. A value that is "
        "missing or outside its list counts as (none); lines that do not decode are counted "
        "apart."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("ToolStats", "The question file."),
                                 QStringLiteral("stats FILE"));
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;

    QuestionList list;
    if (!QuestionFileReader::read(file, list))
        return ToolCommandLine::Failure;
    const QuestionStatistics counts(list);
    const auto& books = counts.books;
    const auto& levels = counts.levels;
    const auto& letters = counts.letters;
    const int notDecoded = counts.notDecoded;

    Utf8Output out;
    const int width = int(QString::number(list.count()).size());
    auto row = [&](const QString& name, int count, const QString& after = QStringLiteral("\n")) {
        out.text(QStringLiteral("  %1 %2").arg(name, -NameWidth).arg(count, width) + after);
    };
    out.text(QStringLiteral("questions: %1\nby book:\n").arg(list.count()));
    for (int book = 0; book <= BookCount; ++book) {
        // Books without questions would only hide the others.
        if (books[book] > 0)
            row(book < BookCount ? QString::fromLatin1(BookAbbreviation(book)) : NoValue,
                books[book]);
    }
    out.raw("by level:\n");
    for (int level = 0; level <= Choices; ++level) {
        if (level < Choices || levels[level] > 0)
            row(level < Choices ? LevelNames[level] : NoValue, levels[level]);
    }
    out.raw("by correct answer:\n");
    for (int letter = 0; letter < Choices; ++letter) {
        row(QString(QChar(u'A' + letter)), letters[letter],
            QStringLiteral(" %1%\n").arg(counts.share(letter), 6, 'f', 1));
    }
    if (letters[Choices] > 0)
        row(NoValue, letters[Choices]);
    if (notDecoded > 0)
        out.text(QStringLiteral("not decoded: %1\n").arg(notDecoded));
    return out.flush() ? ToolCommandLine::Success : ToolCommandLine::Failure;
}
