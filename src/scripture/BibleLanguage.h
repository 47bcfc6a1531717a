// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

class QuestionList;

// The language a bank is written in, which picks the Bible its verses are
// read from, the Hunspell dictionary its spelling is checked with and the
// word rules of the reference check. The stored book abbreviations and the
// validation table are the same in every language.
class BibleLanguage
{
public:
    enum Language
    {
        English,
        Spanish
    };
    static constexpr Language All[] = {English, Spanish};

    // "en", "es": the command line's and the settings' word for it.
    static QString code(Language language);
    static std::optional<Language> fromCode(QStringView code);
    // By a SWORD module's language ("Lang=es" in its .conf).
    static std::optional<Language> ofModule(QStringView moduleLanguage);
    // The SWORD module by name or abbreviation: "KJV", "spaRV1909eb".
    static QString module(Language language);
    // The Hunspell dictionary: "en_US", "es_ES".
    static QString dictionary(Language language);
    // "English (King James Version)", "Español (Reina-Valera 1909)": each
    // named in its own language, so an author finds it whatever the editor's.
    static QString title(Language language);
    // The module is not installed: which Debian package brings it.
    static QString missingModuleMessage(Language language);
    static QString missingDictionaryMessage(Language language);

    // Spanish when the bank's first questions and answers hold far more of
    // the commonest Spanish words than of the English ones; English
    // otherwise, an empty bank included.
    static Language guess(const QuestionList& list);
};
