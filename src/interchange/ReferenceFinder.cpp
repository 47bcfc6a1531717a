// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReferenceFinder.h"

#include "BookNames.h"
#include "BookTable.h"

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipSpaces(QStringView text, qsizetype at)
{
    while (at < text.size() && text[at].isSpace())
        ++at;
    return at;
}

qsizetype digitsEnd(QStringView text, qsizetype at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'.';
}

QChar closingOf(QChar open)
{
    return open == u'(' ? u')' : u']';
}

} // namespace

QString ReferenceFinder::placeAt(QStringView text, qsizetype at, qsizetype* end, bool needVerse)
{
    qsizetype pos = digitsEnd(text, at);
    if (pos == at)
        return {};
    QString place = text.sliced(at, pos - at).toString();
    bool verse = false;
    qsizetype next = skipSpaces(text, pos);
    if (next < text.size() && text[next] == u':') {
        const qsizetype from = skipSpaces(text, next + 1);
        const qsizetype to = digitsEnd(text, from);
        if (to > from) {
            place += u':';
            place += text.sliced(from, to - from);
            pos = to;
            verse = true;
        }
    }
    next = skipSpaces(text, pos);
    if (next < text.size() && (text[next] == u'-' || text[next] == u'\u2013')) {
        const qsizetype from = skipSpaces(text, next + 1);
        const qsizetype to = digitsEnd(text, from);
        if (to > from) {
            place += u'-';
            place += text.sliced(from, to - from);
            pos = to;
        }
    }
    if (needVerse && !verse)
        return {};
    *end = pos;
    return place;
}

std::optional<FoundReference> ReferenceFinder::parse(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    // The place begins at a digit after a book name (or at the start);
    // "1 Sam. 3:4" has its book's own digit first.
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (!isDigit(text[at]) || (at > 0 && isDigit(text[at - 1])))
            continue;
        int book = -1;
        if (at > 0) {
            book = BookNames::indexOf(text.first(at));
            if (book < 0)
                continue;
        }
        qsizetype end = 0;
        const QString place = placeAt(text, at, &end, false);
        if (!place.isEmpty() && end == text.size()) {
            FoundReference found;
            found.book = book;
            found.place = place;
            found.end = text.size();
            return found;
        }
    }
    return std::nullopt;
}

std::optional<FoundReference> ReferenceFinder::find(QStringView text)
{
    constexpr int MostWords = 3;
    for (qsizetype at = 1; at < text.size(); ++at) {
        if (!isDigit(text[at]) || isDigit(text[at - 1]))
            continue;
        qsizetype end = 0;
        const QString place = placeAt(text, at, &end, true);
        if (place.isEmpty())
            continue;
        // The words before the chapter, longest name first.
        qsizetype nameEnd = at;
        while (nameEnd > 0 && text[nameEnd - 1].isSpace())
            --nameEnd;
        qsizetype starts[MostWords];
        int words = 0;
        qsizetype pos = nameEnd;
        while (words < MostWords) {
            qsizetype wordStart = pos;
            while (wordStart > 0 && isWordChar(text[wordStart - 1]))
                --wordStart;
            if (wordStart == pos)
                break;
            starts[words++] = wordStart;
            pos = wordStart;
            if (pos == 0 || text[pos - 1] != u' ')
                break;
            while (pos > 0 && text[pos - 1] == u' ')
                --pos;
        }
        for (int word = words - 1; word >= 0; --word) {
            const int book = BookNames::indexOf(text.sliced(starts[word], nameEnd - starts[word]));
            if (book < 0 || !IsBibleBook(book))
                continue;
            FoundReference found;
            found.book = book;
            found.place = place;
            found.start = starts[word];
            found.end = end;
            qsizetype before = found.start;
            while (before > 0 && text[before - 1].isSpace())
                --before;
            const qsizetype after = skipSpaces(text, end);
            if (before > 0 && (text[before - 1] == u'(' || text[before - 1] == u'[') &&
                after < text.size() && text[after] == closingOf(text[before - 1])) {
                const bool atStart = text.first(before - 1).trimmed().isEmpty();
                const bool atEnd = text.sliced(after + 1).trimmed().isEmpty();
                if (atStart || atEnd) {
                    found.bracketed = true;
                    found.start = before - 1;
                    found.end = after + 1;
                }
            }
            return found;
        }
    }
    return std::nullopt;
}
