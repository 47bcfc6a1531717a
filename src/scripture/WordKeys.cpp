// SPDX-License-Identifier: GPL-2.0-or-later
#include "WordKeys.h"

#include <QHash>
#include <QSet>
#include <utility>

namespace {

// Words that carry no answer: articles, pronouns, joining words, and the
// forms of "be". Kept short, since a short answer needs every word it has.
QSet<QString> wordSet(std::initializer_list<const char*> words)
{
    QSet<QString> set;
    for (const char* word : words)
        set.insert(QString::fromLatin1(word));
    return set;
}

const QSet<QString>& commonWords(BibleLanguage::Language language)
{
    static const QSet<QString> english = wordSet(
        {"a",   "an",   "the",  "of",    "and",  "to",    "in",  "into", "on",  "at",   "by",
         "for", "from", "with", "unto",  "upon", "or",    "as",  "he",   "his", "him",  "she",
         "her", "it",   "its",  "they",  "them", "their", "is",  "was",  "be",  "been", "were",
         "are", "that", "this", "which", "who",  "whom",  "i",   "me",   "my",  "we",   "us",
         "our", "ye",   "you",  "your",  "thou", "thee",  "thy", "thine"});
    // Accents are folded before the words are looked up: "él" is "el".
    static const QSet<QString> spanish = wordSet(
        {"el",    "la",    "lo",    "los",   "las",   "un",   "una",   "unos", "unas",   "de",
         "del",   "al",    "a",     "y",     "e",     "o",    "u",     "en",   "con",    "por",
         "para",  "sin",   "sobre", "que",   "quien", "cual", "su",    "sus",  "se",     "le",
         "les",   "me",    "te",    "nos",   "os",    "mi",   "mis",   "tu",   "tus",    "ella",
         "ellos", "ellas", "yo",    "es",    "era",   "fue",  "son",   "eran", "fueron", "ser",
         "este",  "esta",  "estos", "estas", "ese",   "esa",  "aquel", "como", "mas",    "pero"});
    return language == BibleLanguage::Spanish ? spanish : english;
}

enum class NumberKind
{
    None,
    Unit,     // one to nine
    Teen,     // ten to nineteen
    Tens,     // twenty to ninety, threescore, fourscore; "diez", which "y seis" follows
    Hundreds, // "ciento", "doscientos": a hundred or more in one word
    Multiplier
};

struct NumberWord
{
    NumberKind kind = NumberKind::None;
    int value = 0;
};

using NumberTable = QHash<QString, NumberWord>;

void addWords(NumberTable& table, NumberKind kind, std::initializer_list<const char*> words,
              int first, int step)
{
    int value = first;
    for (const char* word : words) {
        table.insert(QString::fromLatin1(word), {kind, value});
        value += step;
    }
}

const NumberTable& englishNumbers()
{
    static const NumberTable table = [] {
        NumberTable words;
        addWords(words, NumberKind::Unit,
                 {"one", "two", "three", "four", "five", "six", "seven", "eight", "nine"}, 1, 1);
        addWords(words, NumberKind::Teen,
                 {"ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen",
                  "seventeen", "eighteen", "nineteen"},
                 10, 1);
        addWords(words, NumberKind::Tens,
                 {"twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"}, 20,
                 10);
        words.insert(QStringLiteral("threescore"), {NumberKind::Tens, 60});
        words.insert(QStringLiteral("fourscore"), {NumberKind::Tens, 80});
        words.insert(QStringLiteral("score"), {NumberKind::Multiplier, 20});
        words.insert(QStringLiteral("hundred"), {NumberKind::Multiplier, 100});
        words.insert(QStringLiteral("thousand"), {NumberKind::Multiplier, 1000});
        return words;
    }();
    return table;
}

// Accents folded, as the words are read. "un" and "una" are articles first.
const NumberTable& spanishNumbers()
{
    static const NumberTable table = [] {
        NumberTable words;
        addWords(words, NumberKind::Unit,
                 {"uno", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve"}, 1, 1);
        addWords(words, NumberKind::Teen,
                 {"once", "doce", "trece", "catorce", "quince", "dieciseis", "diecisiete",
                  "dieciocho", "diecinueve"},
                 11, 1);
        addWords(words, NumberKind::Teen,
                 {"veintiuno", "veintidos", "veintitres", "veinticuatro", "veinticinco",
                  "veintiseis", "veintisiete", "veintiocho", "veintinueve"},
                 21, 1);
        addWords(words, NumberKind::Tens,
                 {"diez", "veinte", "treinta", "cuarenta", "cincuenta", "sesenta", "setenta",
                  "ochenta", "noventa"},
                 10, 10);
        addWords(words, NumberKind::Hundreds, {"cien", "ciento"}, 100, 0);
        addWords(words, NumberKind::Hundreds,
                 {"doscientos", "trescientos", "cuatrocientos", "quinientos", "seiscientos",
                  "setecientos", "ochocientos", "novecientos"},
                 200, 100);
        addWords(words, NumberKind::Hundreds,
                 {"doscientas", "trescientas", "cuatrocientas", "quinientas", "seiscientas",
                  "setecientas", "ochocientas", "novecientas"},
                 200, 100);
        words.insert(QStringLiteral("mil"), {NumberKind::Multiplier, 1000});
        return words;
    }();
    return table;
}

// What differs between the languages' words.
struct Rules
{
    BibleLanguage::Language language;
    const QSet<QString>& common;
    const NumberTable& numbers;
    QLatin1StringView joining; // "two and twenty", "cuarenta y dos"

    NumberWord number(const QString& word) const { return numbers.value(word); }
};

const Rules& rules(BibleLanguage::Language language)
{
    static const Rules english{BibleLanguage::English, commonWords(BibleLanguage::English),
                               englishNumbers(), QLatin1StringView("and")};
    static const Rules spanish{BibleLanguage::Spanish, commonWords(BibleLanguage::Spanish),
                               spanishNumbers(), QLatin1StringView("y")};
    return language == BibleLanguage::Spanish ? spanish : english;
}

// "Moisés" and "Moises", "á" and "a" alike: authors leave accents out, and
// the 1909 text puts them where today's spelling does not.
QString withoutAccents(const QString& word)
{
    QString plain;
    plain.reserve(word.size());
    for (const QChar c : word.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c;
    }
    return plain;
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
bool joinable(const QString& piece, const Rules& rules)
{
    return !isFigures(piece) && rules.number(piece).kind == NumberKind::None;
}

QString folded(QStringView text, const Rules& rules)
{
    const QString lower = text.toString().toCaseFolded();
    return rules.language == BibleLanguage::Spanish ? withoutAccents(lower) : lower;
}

QList<Token> tokens(QStringView text, const Rules& rules)
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
        Token token{start, i - start, folded(text.mid(start, i - start), rules), {}};
        while (i + 1 < size && text[i] == u'-' && text[i + 1].isLetterOrNumber() &&
               joinable(token.pieces.isEmpty() ? token.lower : token.pieces.last(), rules)) {
            const qsizetype to = run(i + 1);
            const QString piece = folded(text.mid(i + 1, to - i - 1), rules);
            if (!joinable(piece, rules))
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

QString WordKeys::stem(const QString& word, BibleLanguage::Language language)
{
    QString s = word;
    if (language == BibleLanguage::Spanish) {
        // "fielmente" and "fiel"; "reyes" and "rey", "ciudades" and "ciudad"
        // (a vowel before -es is the word's own: "hombres", "hombre"); then
        // the final -e, so that "hombres" and "hombre" meet at "hombr".
        const auto isVowel = [](QChar c) { return QStringView(u"aeiou").contains(c); };
        if (s.size() > 7 && s.endsWith(QLatin1StringView("mente")))
            s.chop(5);
        else if (s.size() > 4 && s.endsWith(QLatin1StringView("es")) && !isVowel(s[s.size() - 3]))
            s.chop(2);
        else if (s.size() > 3 && s.endsWith(u's') && !s.endsWith(QLatin1StringView("ss")))
            s.chop(1);
        if (s.size() > 3 && s.endsWith(u'e'))
            s.chop(1);
        return s;
    }
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
    const std::pair<const char*, qsizetype> endings[] = {
        {"eth", 5}, {"est", 6}, {"ing", 6}, {"ed", 4}};
    for (const auto& [ending, shortest] : endings) {
        if (strip(ending, shortest))
            break;
    }
    // "love" and "lov(eth)" alike.
    if (s.size() > 3 && s.endsWith(u'e'))
        s.chop(1);
    return s;
}

QList<WordKeys::Word> WordKeys::words(QStringView text, BibleLanguage::Language language)
{
    const Rules& rules = ::rules(language);
    const QList<Token> raw = tokens(text, rules);
    QList<Word> result;
    result.reserve(raw.size());
    const QSet<QString>& common = rules.common;
    for (qsizetype i = 0; i < raw.size();) {
        const Token& token = raw[i];
        NumberWord number = rules.number(token.lower);
        if (number.kind == NumberKind::None) {
            if (isFigures(token.lower))
                result.append({token.start, token.length, figures(token.lower), false, {}});
            else {
                QStringList parts;
                for (const QString& piece : token.pieces)
                    parts.append(stem(piece, language));
                result.append({token.start, token.length, stem(token.lower, language),
                               common.contains(token.lower), parts});
            }
            ++i;
            continue;
        }
        // A number in words: its pieces join as they are read aloud ("forty
        // two", "two and twenty", "an hundred and fifty", "threescore and
        // ten", "ciento y veinte"); a piece that cannot follow starts another
        // number ("two and two").
        long long total = 0;
        long long current = 0;
        NumberKind last = NumberKind::None;
        qsizetype j = i;
        qsizetype end = i;
        while (j < raw.size()) {
            qsizetype next = j;
            bool joined = false;
            if (last != NumberKind::None && raw[j].lower == rules.joining && j + 1 < raw.size())
                next = j + 1;
            const NumberWord piece = rules.number(raw[next].lower);
            const bool viaAnd = next != j;
            const bool afterHundreds =
                last == NumberKind::Multiplier || last == NumberKind::Hundreds;
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
            case NumberKind::Hundreds:
                joined = !viaAnd && (last == NumberKind::None || last == NumberKind::Multiplier);
                break;
            case NumberKind::Tens:
                // "two and twenty" is English only: "dos y veinte" is a list.
                joined = last == NumberKind::None || afterHundreds ||
                         (viaAnd && last == NumberKind::Unit && current % 10 == current &&
                          language == BibleLanguage::English);
                break;
            case NumberKind::Unit:
            case NumberKind::Teen:
                // "forty two", "threescore and ten", "diez y seis".
                joined = last == NumberKind::None || afterHundreds ||
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
        result.append(
            {token.start, stop - token.start, QString::number(total + current), false, {}});
        i = end;
    }
    return result;
}

QStringList WordKeys::contentKeys(QStringView text, BibleLanguage::Language language)
{
    QStringList keys;
    for (const Word& word : words(text, language)) {
        if (!word.common && !keys.contains(word.key))
            keys.append(word.key);
    }
    return keys;
}
