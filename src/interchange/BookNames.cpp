// SPDX-License-Identifier: GPL-2.0-or-later
#include "BookNames.h"

#include "BookTable.h"

#include <QHash>

namespace {

// Folded names of each book, in the book table's order; the stored
// abbreviations are added from the table itself.
constexpr const char* names[BookCount] = {
    "genesis|gen|ge|gn",
    "exodus|exod|exo|ex",
    "leviticus|lev|le|lv",
    "numbers|num|nu|nm|numb",
    "deuteronomy|deut|deu|dt",
    "joshua|josh|jos",
    "judges|judg|jdg|jg",
    "ruth|ru|rth",
    "1 samuel|1 sam|1 sa|1 sm",
    "2 samuel|2 sam|2 sa|2 sm",
    "1 kings|1 kgs|1 ki|1 king",
    "2 kings|2 kgs|2 ki|2 king",
    "1 chronicles|1 chron|1 chr|1 ch",
    "2 chronicles|2 chron|2 chr|2 ch",
    "ezra|ezr",
    "nehemiah|neh|ne",
    "esther|esth|est",
    "job|jb",
    "psalms|psalm|ps|psa|pss",
    "proverbs|prov|pro|prv|pr",
    "ecclesiastes|eccles|eccl|ecc|qoh",
    "song of solomon|song of songs|song of sol|song|sos|canticles",
    "isaiah|isa|is",
    "jeremiah|jer|je",
    "lamentations|lam|la",
    "ezekiel|ezek|eze|ez",
    "daniel|dan|da|dn",
    "hosea|hos|ho",
    "joel|jl",
    "amos|am",
    "obadiah|obad|ob",
    "jonah|jon|jnh",
    "micah|mic|mi",
    "nahum|nah|na",
    "habakkuk|hab",
    "zephaniah|zeph|zep",
    "haggai|hag|hg",
    "zechariah|zech|zec",
    "malachi|mal",
    "matthew|matt|mat|mt",
    "mark|mrk|mar|mk",
    "luke|luk|lk",
    "john|joh|jhn|jn",
    "acts|act|ac",
    "romans|rom|ro|rm",
    "1 corinthians|1 cor|1 co",
    "2 corinthians|2 cor|2 co",
    "galatians|gal|ga",
    "ephesians|ephes|eph",
    "philippians|phil|php",
    "colossians|col",
    "1 thessalonians|1 thess|1 thes|1 th",
    "2 thessalonians|2 thess|2 thes|2 th",
    "1 timothy|1 tim|1 ti",
    "2 timothy|2 tim|2 ti",
    "titus|tit",
    "philemon|philem|phlm|phm",
    "hebrews|heb",
    "james|jas|jam",
    "1 peter|1 pet|1 pe|1 pt",
    "2 peter|2 pet|2 pe|2 pt",
    "1 john|1 jn|1 jhn|1 jo",
    "2 john|2 jn|2 jhn|2 jo",
    "3 john|3 jn|3 jhn|3 jo",
    "jude|jud",
    "revelation|revelations|rev|re|apocalypse",
    "catechism|ctsm|cat",
    "other|othr|general",
};

const QHash<QString, int>& table()
{
    static const QHash<QString, int> byName = [] {
        QHash<QString, int> result;
        for (int book = 0; book < BookCount; ++book) {
            for (const QString& name : QString::fromLatin1(names[book]).split(u'|'))
                result.insert(name, book);
            result.insert(BookNames::folded(QString::fromLatin1(BookAbbreviation(book))), book);
        }
        return result;
    }();
    return byName;
}

} // namespace

QString BookNames::folded(QStringView name)
{
    QString result;
    result.reserve(name.size() + 1);
    for (const QChar c : name) {
        if (c == u'.')
            continue;
        if (c.isSpace()) {
            if (!result.isEmpty() && !result.endsWith(u' '))
                result += u' ';
            continue;
        }
        // "1Sam": the number stands apart from the name.
        if (c.isLetter() && result.size() == 1 && result.at(0).isDigit())
            result += u' ';
        result += c.toLower();
    }
    if (result.endsWith(u' '))
        result.chop(1);
    static const std::pair<QLatin1StringView, QLatin1StringView> numbers[] = {
        {QLatin1StringView("iii "), QLatin1StringView("3 ")},
        {QLatin1StringView("ii "), QLatin1StringView("2 ")},
        {QLatin1StringView("i "), QLatin1StringView("1 ")},
        {QLatin1StringView("first "), QLatin1StringView("1 ")},
        {QLatin1StringView("second "), QLatin1StringView("2 ")},
        {QLatin1StringView("third "), QLatin1StringView("3 ")},
        {QLatin1StringView("1st "), QLatin1StringView("1 ")},
        {QLatin1StringView("2nd "), QLatin1StringView("2 ")},
        {QLatin1StringView("3rd "), QLatin1StringView("3 ")},
    };
    for (const auto& [written, digit] : numbers) {
        if (result.startsWith(written)) {
            result.replace(0, written.size(), digit);
            break;
        }
    }
    return result;
}

int BookNames::indexOf(QStringView name)
{
    return table().value(folded(name), -1);
}
