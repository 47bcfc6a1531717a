// SPDX-License-Identifier: GPL-2.0-or-later
#include "BankLanguageLink.h"

#include "BankLanguageSettings.h"
#include "QuestionDocument.h"
#include "ScriptureDock.h"
#include "SpellChecker.h"
#include "SpellingLink.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTimer>

BankLanguageLink::BankLanguageLink(QuestionDocument& document, ScriptureDock& scripture,
                                   SpellingLink& spelling, QMenu& tools)
    : QObject(&spelling), m_document(document), m_scripture(scripture), m_spelling(spelling)
{
    QMenu* menu = tools.addMenu(tr("Bible and Dictionary &Language"));
    menu->setObjectName(QStringLiteral("mnuToolsBankLanguage"));
    menu->setStatusTip(tr("The Bible and the spelling dictionary of this question file"));
    auto* group = new QActionGroup(menu);
    for (const BibleLanguage::Language language : BibleLanguage::All) {
        QAction* action = menu->addAction(BibleLanguage::title(language));
        action->setObjectName(QStringLiteral("mnuToolsLanguage_") + BibleLanguage::code(language));
        action->setCheckable(true);
        action->setChecked(language == m_language);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { choose(language); });
        m_actions[language] = action;
    }
    m_missing = menu->addAction(QString());
    m_missing->setObjectName(QStringLiteral("mnuToolsLanguageMissing"));
    m_missing->setEnabled(false);
    m_missing->setVisible(false);

    // The list is replaced before its file is named: the choice is read once
    // the name is known, or, for the same file opened again, right after.
    connect(&document, &QuestionDocument::listReset, this, [this] {
        m_opened = true;
        QTimer::singleShot(0, this, [this] {
            if (m_opened)
                applyOpened();
        });
    });
    connect(&document, &QuestionDocument::fileNameChanged, this, [this](const QString& file) {
        if (m_opened) {
            applyOpened();
            return;
        }
        // Saved under another name: the bank keeps its language there.
        BankLanguageSettings::remember(file, m_language);
    });
}

void BankLanguageLink::choose(BibleLanguage::Language language)
{
    apply(language);
    if (!m_document.isUntitled())
        BankLanguageSettings::remember(m_document.fileName(), language);
}

void BankLanguageLink::applyOpened()
{
    m_opened = false;
    const auto chosen = m_document.isUntitled()
                            ? std::nullopt
                            : BankLanguageSettings::chosen(m_document.fileName());
    apply(chosen.value_or(BibleLanguage::guess(m_document.list())));
}

void BankLanguageLink::apply(BibleLanguage::Language language)
{
    m_language = language;
    m_actions.at(language)->setChecked(true);
    if (language == BibleLanguage::English) {
        // As before there was a choice: the settings' Bible, else the first.
        const QString module = SpellingLink::settingsModule();
        m_scripture.setBankModule(module.isEmpty() ? BibleLanguage::module(language) : module,
                                  QString());
        m_spelling.useLanguage(SpellingLink::settingsDictionary(), module, true);
    } else {
        m_scripture.setBankModule(BibleLanguage::module(language),
                                  BibleLanguage::missingModuleMessage(language));
        m_spelling.useLanguage(BibleLanguage::dictionary(language), BibleLanguage::module(language),
                               false);
    }
    const bool noDictionary =
        language != BibleLanguage::English &&
        SpellChecker::dictionaryFile(BibleLanguage::dictionary(language)).isEmpty();
    m_missing->setText(tr("Spelling: %1").arg(BibleLanguage::missingDictionaryMessage(language)));
    m_missing->setVisible(noDictionary);
}
