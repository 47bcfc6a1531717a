// SPDX-License-Identifier: GPL-2.0-or-later
#include "BibleLanguage.h"

#include "ForEachQuestionField.h"
#include "QuestionList.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

namespace {

// A bank's opening questions tell its language; reading more costs time at
// every open and tells nothing new.
constexpr int GuessedQuestions = 200;
// Fewer marker words than this say nothing either way.
constexpr int FewestMarkers = 8;

// Words that are frequent in one language and rare or absent in the other
// ("a", "no" and "me" are both, and left out).
const QSet<QString>& spanishMarkers()
{
    static const QSet<QString> words{
        QStringLiteral("el"),   QStringLiteral("la"),      QStringLiteral("los"),
        QStringLiteral("las"),  QStringLiteral("del"),     QStringLiteral("de"),
        QStringLiteral("que"),  QStringLiteral("qué"),     QStringLiteral("quién"),
        QStringLiteral("cuál"), QStringLiteral("cuántos"), QStringLiteral("y"),
        QStringLiteral("en"),   QStringLiteral("por"),     QStringLiteral("para"),
        QStringLiteral("con"),  QStringLiteral("una"),     QStringLiteral("su"),
        QStringLiteral("sus"),  QStringLiteral("se"),      QStringLiteral("es"),
        QStringLiteral("fue"),  QStringLiteral("dijo"),    QStringLiteral("rey")};
    return words;
}

const QSet<QString>& englishMarkers()
{
    static const QSet<QString> words{
        QStringLiteral("the"),   QStringLiteral("of"),   QStringLiteral("and"),
        QStringLiteral("to"),    QStringLiteral("who"),  QStringLiteral("what"),
        QStringLiteral("which"), QStringLiteral("in"),   QStringLiteral("was"),
        QStringLiteral("is"),    QStringLiteral("his"),  QStringLiteral("did"),
        QStringLiteral("he"),    QStringLiteral("for"),  QStringLiteral("with"),
        QStringLiteral("how"),   QStringLiteral("king"), QStringLiteral("said")};
    return words;
}

QString translated(const char* text)
{
    return QCoreApplication::translate("BibleLanguage", text);
}

} // namespace

QString BibleLanguage::code(Language language)
{
    return language == Spanish ? QStringLiteral("es") : QStringLiteral("en");
}

std::optional<BibleLanguage::Language> BibleLanguage::fromCode(QStringView code)
{
    for (const Language language : All) {
        if (code.compare(BibleLanguage::code(language), Qt::CaseInsensitive) == 0)
            return language;
    }
    return std::nullopt;
}

std::optional<BibleLanguage::Language> BibleLanguage::ofModule(QStringView moduleLanguage)
{
    // "es", "es-ES", "es_MX" alike.
    return fromCode(moduleLanguage.left(2));
}

QString BibleLanguage::module(Language language)
{
    return language == Spanish ? QStringLiteral("spaRV1909eb") : QStringLiteral("KJV");
}

QString BibleLanguage::dictionary(Language language)
{
    return language == Spanish ? QStringLiteral("es_ES") : QStringLiteral("en_US");
}

QString BibleLanguage::title(Language language)
{
    return language == Spanish ? translated("Español (Reina-Valera 1909)")
                               : translated("English (King James Version)");
}

QString BibleLanguage::missingModuleMessage(Language language)
{
    return language == Spanish
               ? translated("The Reina-Valera 1909 Bible is not installed (install "
                            "sword-text-sparv).")
               : translated("The King James Version is not installed (install sword-text-kjv).");
}

QString BibleLanguage::missingDictionaryMessage(Language language)
{
    return language == Spanish
               ? translated("The Spanish spelling dictionary is not installed (install "
                            "hunspell-es).")
               : translated("The English spelling dictionary is not installed (install "
                            "hunspell-en-us).");
}

BibleLanguage::Language BibleLanguage::guess(const QuestionList& list)
{
    static const QRegularExpression word(QStringLiteral(R"(\p{L}+)"));
    int spanish = 0;
    int english = 0;
    for (int i = 0, read = 0; i < list.count() && read < GuessedQuestions; ++i) {
        if (list.isDeleted(i))
            continue;
        ++read;
        // The question and the four answers; the reference's book is English
        // in every bank.
        ForEachQuestionField(list.line(i), 9, [&](int field, QByteArrayView text) {
            if (field < 5)
                return;
            const QString decoded = Windows1252::toUnicode(text);
            for (auto it = word.globalMatch(decoded); it.hasNext();) {
                const QString folded = it.next().captured().toCaseFolded();
                spanish += spanishMarkers().contains(folded) ? 1 : 0;
                english += englishMarkers().contains(folded) ? 1 : 0;
            }
        });
    }
    return spanish >= FewestMarkers && spanish > 3 * english ? Spanish : English;
}
