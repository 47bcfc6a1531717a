#pragma once

#include <QString>
#include <optional>

// A reference as an author types it: an optional book name, a chapter, and
// an optional verse or verse range ("Gen. 2:7", "2:7-9", "Ps. 23").
struct ScriptureReference
{
    QString bookName; // as typed, empty when only numbers were given
    int chapter = 0;
    int firstVerse = 0; // 0: the whole chapter
    int lastVerse = 0;

    bool wholeChapter() const { return firstVerse == 0; }

    // Nothing when the text is no reference; a range that runs backwards is
    // no reference either.
    static std::optional<ScriptureReference> parse(QStringView text);
    // The book table's index (0..67) of an abbreviation, with or without its
    // full stop, in any case; -1 when it is none of them.
    static int bookTableIndex(QStringView name);
};
