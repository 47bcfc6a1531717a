// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// A Bible reference written by hand: "Exodus 3:10", "1 Sam. 3:4-6",
// "[John 2:9]", or chapter and verse alone.
struct FoundReference
{
    int book = -1;       // book table index; -1 when only chapter and verse were given
    QString place;       // chapter and verse as the validation table reads them: "3:4-6"
    qsizetype start = 0; // the span in the text searched, brackets included
    qsizetype end = 0;
    bool bracketed = false; // in parentheses or brackets at the start or end of the text
};

class ReferenceFinder
{
public:
    // The whole text as a reference, with or without a book name.
    static std::optional<FoundReference> parse(QStringView text);

    // The first book name followed by chapter:verse in running text
    // ("According to John 3:16, ..."); only Bible books.
    static std::optional<FoundReference> find(QStringView text);

private:
    // Chapter and verse from position at: "3", "3:10", "3:4-6", "1-2";
    // end receives where it stopped. Empty when no digit stands there.
    static QString placeAt(QStringView text, qsizetype at, qsizetype* end, bool needVerse);
};
