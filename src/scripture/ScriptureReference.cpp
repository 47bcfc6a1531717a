#include "ScriptureReference.h"

#include "BookTable.h"

#include <QRegularExpression>

std::optional<ScriptureReference> ScriptureReference::parse(QStringView text)
{
    // The shortest book name wins, so "Ps. 119" is chapter 119, and a
    // leading digit stays with the name in "1 John 3".
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(.*?)\s*(\d{1,3})(?:\s*:\s*(\d{1,3})(?:\s*-\s*(\d{1,3}))?)?\s*$)"));
    const auto match = pattern.match(text.toString());
    if (!match.hasMatch())
        return std::nullopt;
    ScriptureReference reference;
    reference.bookName = match.captured(1);
    reference.chapter = match.captured(2).toInt();
    reference.firstVerse = match.captured(3).toInt();
    reference.lastVerse = match.hasCaptured(4) ? match.captured(4).toInt() : reference.firstVerse;
    if (reference.chapter == 0 || (match.hasCaptured(3) && reference.firstVerse == 0) ||
        reference.lastVerse < reference.firstVerse)
        return std::nullopt;
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
