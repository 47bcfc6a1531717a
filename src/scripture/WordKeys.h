// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "BibleLanguage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The words of an answer or a verse folded so that the same word matches in
// either: case folded, a possessive "'s" dropped, plain suffixes stripped
// ("loveth", "loves" and "love" alike), and a number the same in words and
// figures ("forty-two", "two and forty" and "42"; "an hundred and fifty" and
// "150"). A hyphenated word is one word ("Beth-lehem" is "Bethlehem"), its
// pieces given beside it. Common words ("the", "of", "his") are marked so that they never
// decide a match.
//
// Spanish has its own rules: accents folded away ("Moisés" is "Moises", the
// old "á" is "a"), the plural -s and -es and the adverb's -mente stripped,
// and its numbers ("cuarenta y dos", "diez y seis", "ciento veinte").
class WordKeys
{
public:
    struct Word
    {
        qsizetype start = 0; // where the word (or the words of one number) is in the text
        qsizetype length = 0;
        QString key;         // what is compared
        bool common = false; // a stop word, which never counts
        QStringList parts;   // the keys of the pieces of a hyphenated word ("Beth-lehem")
    };

    // Every word of the text in order, a number in words as one.
    static QList<Word> words(QStringView text,
                             BibleLanguage::Language language = BibleLanguage::English);
    // The distinct keys of the words that are not common, in order.
    static QStringList contentKeys(QStringView text,
                                   BibleLanguage::Language language = BibleLanguage::English);
    // The key of one lower-case word with its plain suffix stripped.
    static QString stem(const QString& word,
                        BibleLanguage::Language language = BibleLanguage::English);
};
