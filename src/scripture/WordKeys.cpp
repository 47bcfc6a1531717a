// SPDX-License-Identifier: GPL-2.0-or-later
#include "WordKeys.h"

#include <QHash>
#include <QSet>
#include <utility>

namespace {

// Words that carry no answer: articles, pronouns, joining words, and the
// forms of "be". Kept short, since a short answer needs every word it has.
const QSet<QString>& commonWords()
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const char* word :
             {"a",    "an",   "the",  "of",   "and",  "to",   "in",   "into", "on",   "at",
              "by",   "for",  "from", "with", "unto", "upon", "or",   "as",   "he",   "his",
              "him",  "she",  "her",  "it",   "its",  "they", "them", "their", "is",  "was",
              "be",   "been", "were", "are",  "that", "this", "which", "who", "whom", "i",
              "me",   "my",   "we",   "us",   "our",  "ye",   "you",  "your", "thou", "thee",
              "thy",  "thine"})
            set.insert(QString::fromLatin1(word));
        return set;
    }();
    return words;
}

enum class NumberKind
{
    None,
    Unit, // one to nine
    Teen, // ten to nineteen
    Tens, // twenty to ninety, threescore, fourscore
    Multiplier
};

struct NumberWord
{
    NumberKind kind = NumberKind::None;
    int value = 0;
};

NumberWord numberWord(const QString& word)
{
    static const QHash<QString, NumberWord> table = [] {
        QHash<QString, NumberWord> words;
        const char* units[] = {"one", "two", "three", "four", "five",
                               "six", "seven", "eight", "nine"};
        for (int i = 0; i < 9; ++i)
            words.insert(QString::fromLatin1(units[i]), {NumberKind::Unit, i + 1});
        const char* teens[] = {"ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                               "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
        for (int i = 0; i < 10; ++i)
            words.insert(QString::fromLatin1(teens[i]), {NumberKind::Teen, i + 10});
        const char* tens[] = {"twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty",
                              "ninety"};
        for (int i = 0; i < 8; ++i)
            words.insert(QString::fromLatin1(tens[i]), {NumberKind::Tens, (i + 2) * 10});
        words.insert(QStringLiteral("threescore"), {NumberKind::Tens, 60});
        words.insert(QStringLiteral("fourscore"), {NumberKind::Tens, 80});
        words.insert(QStringLiteral("score"), {NumberKind::Multiplier, 20});
        words.insert(QStringLiteral("hundred"), {NumberKind::Multiplier, 100});
        words.insert(QStringLiteral("thousand"), {NumberKind::Multiplier, 1000});
        return words;
    }();
    return table.value(word);
}

struct Token
{
    qsizetype start;
    qsizetype length;
    QString lower;
    QStringList pieces; // of a hyphenated word
};

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == QChar(0x2019);
}

bool isFigures(const QString& word)
{
    for (QChar c : word) {
        if (!c.isDigit())
            return false;
    }
    return !word.isEmpty();
}

// A piece that a hyphen may join: "forty-two" stays a number.
bool joinable(const QString& piece)
{
    return !isFigures(piece) && numberWord(piece).kind == NumberKind::None;
}

QList<Token> tokens(QStringView text)
{
    QList<Token> found;
    qsizetype i = 0;
    const qsizetype size = text.size();
    auto run = [&text, size](qsizetype from) {
        qsizetype to = from;
        while (to < size && text[to].isLetterOrNumber())
            ++to;
        return to;
    };
    while (i < size) {
        if (!text[i].isLetterOrNumber()) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        i = run(i);
        Token token{start, i - start, text.mid(start, i - start).toString().toCaseFolded(), {}};
        while (i + 1 < size && text[i] == u'-' && text[i + 1].isLetterOrNumber() &&
               joinable(token.pieces.isEmpty() ? token.lower : token.pieces.last())) {
            const qsizetype to = run(i + 1);
            const QString piece = text.mid(i + 1, to - i - 1).toString().toCaseFolded();
            if (!joinable(piece))
                break;
            if (token.pieces.isEmpty())
                token.pieces.append(token.lower);
            token.pieces.append(piece);
            token.lower += piece;
            i = to;
            token.length = i - start;
        }
        found.append(token);
        // "Balaam's": the possessive is the name.
        if (i + 1 < size && isApostrophe(text[i]) && (text[i + 1] == u's' || text[i + 1] == u'S') &&
            (i + 2 == size || !text[i + 2].isLetterOrNumber()))
            i += 2;
    }
    return found;
}

// The figures of a number typed as figures, without leading zeros.
QString figures(const QString& digits)
{
    qsizetype start = 0;
    while (start + 1 < digits.size() && digits[start] == u'0')
        ++start;
    return digits.mid(start);
}

} // namespace

QString WordKeys::stem(const QString& word)
{
    QString s = word;
    auto strip = [&s](const char* suffix, qsizetype shortest) {
        const QLatin1StringView end(suffix);
        if (s.size() >= shortest && s.endsWith(end)) {
            s.chop(end.size());
            return true;
        }
        return false;
    };
    // The plural first, then the verb's ending: "firstlings" and
    // "firstling", "settings" and "setting" alike.
    if (s.size() > 4 && s.endsWith(QLatin1StringView("ies"))) {
        s.chop(3);
        s += u'y';
    } else if (s.size() > 3 && s.endsWith(u's') && !s.endsWith(QLatin1StringView("ss"))) {
        s.chop(1);
    }
    const std::pair<const char*, qsizetype> endings[] = {{"eth", 5}, {"est", 6}, {"ing", 6},
                                                         {"ed", 4}};
    for (const auto& [ending, shortest] : endings) {
        if (strip(ending, shortest))
            break;
    }
    // "love" and "lov(eth)" alike.
    if (s.size() > 3 && s.endsWith(u'e'))
        s.chop(1);
    return s;
}

QList<WordKeys::Word> WordKeys::words(QStringView text)
{
    const QList<Token> raw = tokens(text);
    QList<Word> result;
    result.reserve(raw.size());
    const QSet<QString>& common = commonWords();
    for (qsizetype i = 0; i < raw.size();) {
        const Token& token = raw[i];
        NumberWord number = numberWord(token.lower);
        if (number.kind == NumberKind::None) {
            if (isFigures(token.lower))
                result.append({token.start, token.length, figures(token.lower), false, {}});
            else {
                QStringList parts;
                for (const QString& piece : token.pieces)
                    parts.append(stem(piece));
                result.append({token.start, token.length, stem(token.lower),
                               common.contains(token.lower), parts});
            }
            ++i;
            continue;
        }
        // A number in words: its pieces join as they are read aloud ("forty
        // two", "two and twenty", "an hundred and fifty", "threescore and
        // ten"); a piece that cannot follow starts another number ("two and
        // two").
        long long total = 0;
        long long current = 0;
        NumberKind last = NumberKind::None;
        qsizetype j = i;
        qsizetype end = i;
        while (j < raw.size()) {
            qsizetype next = j;
            bool joined = false;
            if (last != NumberKind::None && raw[j].lower == u"and" && j + 1 < raw.size())
                next = j + 1;
            const NumberWord piece = numberWord(raw[next].lower);
            const bool viaAnd = next != j;
            switch (piece.kind) {
            case NumberKind::None:
                break;
            case NumberKind::Multiplier:
                joined = !viaAnd && (last != NumberKind::Multiplier || piece.value > 100);
                if (joined) {
                    current = std::max<long long>(current, 1) * piece.value;
                    if (piece.value >= 1000) {
                        total += current;
                        current = 0;
                    }
                }
                break;
            case NumberKind::Tens:
                joined = last == NumberKind::None || last == NumberKind::Multiplier ||
                         (viaAnd && last == NumberKind::Unit && current % 10 == current);
                break;
            case NumberKind::Unit:
            case NumberKind::Teen:
                // "forty two", "threescore and ten".
                joined = last == NumberKind::None || last == NumberKind::Multiplier ||
                         (last == NumberKind::Tens && (piece.kind == NumberKind::Unit || viaAnd));
                break;
            }
            if (!joined)
                break;
            if (piece.kind != NumberKind::Multiplier)
                current += piece.value;
            last = piece.kind;
            end = next + 1;
            j = next + 1;
        }
        const qsizetype stop = raw[end - 1].start + raw[end - 1].length;
        result.append({token.start, stop - token.start, QString::number(total + current), false, {}});
        i = end;
    }
    return result;
}

QStringList WordKeys::contentKeys(QStringView text)
{
    QStringList keys;
    for (const Word& word : words(text)) {
        if (!word.common && !keys.contains(word.key))
            keys.append(word.key);
    }
    return keys;
}
