#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
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
    // A dictionary by language or by the path of its .dic file, with its
    // .aff beside it; false when it cannot be read.
    bool loadDictionary(const QString& languageOrPath);
    bool available() const;
    QString language() const { return m_language; }
    static QString noDictionaryMessage();

    // Adds every word of the Bible module, read from the list cached in
    // folder or, the first time, made from the module and saved there.
    void addBibleWords(const BibleLookup& bible, const QString& cacheFolder);
    // Reads the author's list (one word a line, UTF-8); a missing file is an
    // empty list. Later additions are written to it.
    void usePersonalList(const QString& path);
    // Adds to the author's list and its file; false when the file could not
    // be written (the word is still accepted until the program ends).
    bool addToPersonalList(const QString& word);
    // Accepted until the program ends.
    void ignore(const QString& word);
    // The Bible's words cached in the user's cache folder, and the author's
    // list in the user's data folder.
    void addAuthorLists(const BibleLookup& bible);
    static QString personalListPath();

    bool isCorrect(const QString& word) const;
    QStringList suggestions(const QString& word, int most = 5) const;
    QList<Misspelling> misspellings(QStringView text) const;

private:
    void accept(const QString& word);

    std::unique_ptr<Hunspell> m_hunspell;
    QString m_language;
    QSet<QString> m_accepted; // the Bible's, the author's and the ignored words
    QString m_personalPath;
    QStringList m_personalWords;
};
