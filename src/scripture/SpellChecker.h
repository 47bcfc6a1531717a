// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "WriteResult.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>

class BibleLookup;
class Hunspell;

// Spelling by Hunspell, with two lists of words beside the dictionary: the
// words of a Bible module (names and old forms the dictionary lacks) and
// the author's own list. It only marks words: it never changes a text.
class SpellChecker
{
public:
    struct Misspelling
    {
        qsizetype start = 0;
        qsizetype length = 0;
        QString word;
    };

    SpellChecker();
    ~SpellChecker();
    SpellChecker(const SpellChecker&) = delete;
    SpellChecker& operator=(const SpellChecker&) = delete;

    // The languages ("en_US") of the Hunspell dictionaries installed.
    static QStringList installedLanguages();
    // The .dic file of a language or path, its .aff beside it; empty when
    // there is none. Looks at files only: quick enough for any thread.
    static QString dictionaryFile(const QString& languageOrPath);
    // A dictionary by language or by the path of its .dic file, with its
    // .aff beside it; false when it cannot be read.
    bool loadDictionary(const QString& languageOrPath);
    bool available() const;
    QString language() const { return m_language; }
    static QString noDictionaryMessage();

    // Adds every word of the Bible module, from the first valid list of the
    // prebuilt folders and cacheFolder, or made from the module and cached
    // in cacheFolder. Stops early, adding nothing, once *stop is set.
    void addBibleWords(const BibleLookup& bible, const QString& cacheFolder,
                       const QStringList& prebuiltFolders = {},
                       const std::atomic<bool>* stop = nullptr);
    // Reads the author's list (one word a line, UTF-8); a missing file is an
    // empty list. Later additions are written to it.
    void usePersonalList(const QString& path);
    // Adds to the author's list and its file: under a lock beside it, the
    // words other editors added since are read back and kept. A failure says
    // why; the word is still accepted until the program ends.
    WriteResult addToPersonalList(const QString& word);
    QString personalListFile() const { return m_personalPath; }
    // Accepted until the program ends.
    void ignore(const QString& word);
    // The Bible's words (prebuilt with the program, or cached in the user's
    // cache folder), and the author's list in the user's data folder.
    void addAuthorLists(const BibleLookup& bible, const std::atomic<bool>* stop = nullptr);
    static QString personalListPath();

    bool isCorrect(const QString& word) const;
    QStringList suggestions(const QString& word, int most = 5) const;
    QList<Misspelling> misspellings(QStringView text) const;

private:
    void accept(const QString& word);

    std::unique_ptr<Hunspell> m_hunspell;
    QString m_language;
    QSet<QString> m_accepted; // the Bible's, the author's and the ignored words
    // Hunspell's answers so far: a question bank repeats its words.
    mutable QHash<QString, bool> m_answers;
    QString m_personalPath;
    QStringList m_personalWords;
};
