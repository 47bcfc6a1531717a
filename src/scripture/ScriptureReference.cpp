// SPDX-License-Identifier: GPL-2.0-or-later
#include "ScriptureReference.h"

#include "BookTable.h"

#include <QRegularExpression>
#include <limits>

namespace {

// The digits without leading zeros ("0" for zero).
QString withoutLeadingZeros(const QString& digits)
{
    qsizetype start = 0;
    while (start + 1 < digits.size() && digits[start] == u'0')
        ++start;
    return digits.mid(start);
}

int numberOf(const QString& digits)
{
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok ? value : std::numeric_limits<int>::max();
}

// Compares numbers of any length given without leading zeros.
bool isBelow(const QString& a, const QString& b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

} // namespace

std::optional<ScriptureReference> ScriptureReference::parse(QStringView text, Refusal* refusal)
{
    auto refuse = [refusal](Refusal why) -> std::optional<ScriptureReference> {
        if (refusal)
            *refusal = why;
        return std::nullopt;
    };
    // The shortest book name wins, so "Ps. 119" is chapter 119; a book
    // name holds a letter, so a leading number is a book's only in
    // "1 John 3", never a chapter ("1 2:3") or a sign ("Gen. -1").
    static const QString book = QStringLiteral(R"((?:[0-9]+\s*)?\p{L}[\p{L}.\s]*?)");
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(?:(%1)\s*)?([0-9]+)(?:\s*:\s*([0-9]+)(?:\s*-\s*([0-9]+))?)?\s*$)")
            .arg(book));
    static const QRegularExpression chapters(
        QStringLiteral(R"(^\s*(?:(%1)\s*)?[0-9]+\s*-\s*[0-9]+\s*$)").arg(book));
    if (text.contains(u';') || text.contains(u','))
        return refuse(Refusal::List);
    const QString whole = text.toString();
    const auto match = pattern.match(whole);
    if (!match.hasMatch())
        return refuse(chapters.match(whole).hasMatch() ? Refusal::SeveralChapters
                                                       : Refusal::NoReference);
    ScriptureReference reference;
    reference.bookName = match.captured(1);
    reference.chapterText = withoutLeadingZeros(match.captured(2));
    reference.chapter = numberOf(reference.chapterText);
    if (match.hasCaptured(3)) {
        reference.firstVerseText = withoutLeadingZeros(match.captured(3));
        reference.lastVerseText = match.hasCaptured(4) ? withoutLeadingZeros(match.captured(4))
                                                       : reference.firstVerseText;
        reference.firstVerse = numberOf(reference.firstVerseText);
        reference.lastVerse = numberOf(reference.lastVerseText);
        if (isBelow(reference.lastVerseText, reference.firstVerseText))
            return refuse(Refusal::NoReference);
    }
    return reference;
}

int ScriptureReference::bookTableIndex(QStringView name)
{
    auto plain = [](QStringView text) {
        QString simple = text.trimmed().toString().simplified().toCaseFolded();
        if (simple.endsWith(u'.'))
            simple.chop(1);
        return simple;
    };
    const QString wanted = plain(name);
    if (wanted.isEmpty())
        return -1;
    for (int book = 0; book < BookCount; ++book) {
        if (plain(QString::fromLatin1(BookAbbreviation(book))) == wanted)
            return book;
    }
    return -1;
}
