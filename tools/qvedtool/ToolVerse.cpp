// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolVerse.h"

#include "BibleLookup.h"
#include "ToolBibleOptions.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"

#include <QCommandLineParser>
#include <QCoreApplication>

int ToolVerse::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "ToolVerse",
        "Prints the text of the verse, verses or chapter REFERENCE names, such as \"Gen. 2:7\", "
        "\"3 John 1:14\", \"Genesis 2:7-9\" or \"Ps. 23\", read from an installed SWORD Bible "
        "module (the King James Version, or with --language es the Reina-Valera 1909). Books "
        "are named by the editor's abbreviations or by SWORD's own names in English. One "
        "reference at a time: a list (\"Gen. 1:1;2:3\", \"Gen. 1:1,3\") or a range of "
        "chapters (\"Gen. 1-2\") is refused, as is a chapter or verse the book does not have, "
        "each with a message and exit status 2."));
    parser.addPositionalArgument(QStringLiteral("REFERENCE"),
                                 QCoreApplication::translate("ToolVerse", "The reference."),
                                 QStringLiteral("verse REFERENCE"));
    const ToolBibleOptions bibleOptions(parser);
    QString reference;
    if (const auto stop =
            ToolCommandLine::parse(parser, arguments, reference, QStringLiteral("REFERENCE")))
        return *stop;
    if (const auto stop = bibleOptions.refusal(QStringLiteral("verse")))
        return *stop;

    BibleLookup bible;
    if (!bibleOptions.chooseModule(bible, QStringLiteral("verse")))
        return ToolCommandLine::Failure;
    const Passage passage = bible.passage(reference);
    if (passage.outcome != Passage::Outcome::Found) {
        Utf8Output::error(QCoreApplication::translate("ToolVerse", "qvedtool verse: ") +
                          passage.message);
        return ToolCommandLine::Failure;
    }
    Utf8Output out;
    out.text(passage.title + u'\n');
    for (const Passage::Verse& verse : passage.verses) {
        // A single verse needs no number: the title names it.
        if (passage.verses.size() > 1)
            out.text(QString::number(verse.number) + u' ');
        out.text(verse.text + u'\n');
    }
    return out.flush() ? ToolCommandLine::Success : ToolCommandLine::Failure;
}
