// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "BibleLanguage.h"

#include <QObject>
#include <map>

class QAction;
class QMenu;
class QuestionDocument;
class ScriptureDock;
class SpellingLink;

// Tools > Bible and Dictionary Language: the open bank's language, which
// picks the Scripture dock's Bible (and so the reference check's) and the
// spelling dictionary with its Bible's words. Chosen per question file and
// remembered; a file opened without a choice gets a guess from its texts.
// English is the settings' Bible and dictionary, as before there was a
// choice; Spanish is the Reina-Valera 1909 and es_ES.
class BankLanguageLink : public QObject
{
    Q_OBJECT

public:
    BankLanguageLink(QuestionDocument& document, ScriptureDock& scripture, SpellingLink& spelling,
                     QMenu& tools);

    BibleLanguage::Language language() const { return m_language; }
    QAction* action(BibleLanguage::Language language) const { return m_actions.at(language); }
    // The author's choice from the menu: applied and remembered for the file.
    void choose(BibleLanguage::Language language);

private:
    // A file was opened, made new or recovered: its choice, or the guess.
    void applyOpened();
    void apply(BibleLanguage::Language language);

    QuestionDocument& m_document;
    ScriptureDock& m_scripture;
    SpellingLink& m_spelling;
    BibleLanguage::Language m_language = BibleLanguage::English;
    std::map<BibleLanguage::Language, QAction*> m_actions;
    QAction* m_missing; // the dictionary the language needs is not installed
    // The list was replaced and its file name may be about to change.
    bool m_opened = false;
};
