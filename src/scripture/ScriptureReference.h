// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <optional>

// A reference as an author types it: an optional book name, a chapter, and
// an optional verse or verse range ("Gen. 2:7", "2:7-9", "Ps. 23").
struct ScriptureReference
{
    // Why a text is not one reference.
    enum class Refusal
    {
        NoReference,     // not a book, chapter and verses at all
        List,            // several references ("1:1;2:3", "1:1,3")
        SeveralChapters, // a chapter range ("1-2")
    };

    QString bookName; // as typed, empty when only numbers were given
    // A number too large for an int is kept as the largest int: it is past
    // the end of every book and chapter. The texts are the numbers as typed,
    // without leading zeros, for messages that name them.
    int chapter = 0;
    int firstVerse = 0;
    int lastVerse = 0;
    QString chapterText;
    QString firstVerseText; // empty: the whole chapter
    QString lastVerseText;

    bool wholeChapter() const { return firstVerseText.isEmpty(); }

    // Nothing when the text is not one reference, with why in refusal when
    // given. A book name is letters, blanks and full stops after an optional
    // number ("1 John", "Song of Songs"); a range that runs backwards is no
    // reference either. A chapter or verse 0 is a reference to what is not
    // there.
    static std::optional<ScriptureReference> parse(QStringView text, Refusal* refusal = nullptr);
    // The book table's index (0..67) of an abbreviation, with or without its
    // full stop, in any case; -1 when it is none of them.
    static int bookTableIndex(QStringView name);
};
