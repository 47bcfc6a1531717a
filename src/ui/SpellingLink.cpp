#include "SpellingLink.h"

#include "BibleLookup.h"
#include "DetailPanel.h"
#include "EditorSettings.h"
#include "SpellChecker.h"
#include "SpellingMarks.h"
#include "UserPrompts.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>

SpellingLink::SpellingLink(DetailPanel& panel, QMenu& tools, UserPrompts& prompts, QWidget* window)
    : QObject(window), m_checker(std::make_unique<SpellChecker>()), m_prompts(prompts),
      m_window(window)
{
    const QSettings settings(EditorSettings::Organization, EditorSettings::Application);
    const QString language =
        settings.value(QStringLiteral("Spelling/Language"), QStringLiteral("en_US")).toString();
    if (!m_checker->loadDictionary(language) &&
        !m_checker->loadDictionary(QStringLiteral("en_US"))) {
        // Said where the feature would be, greyed out.
        QAction* missing =
            tools.addAction(QStringLiteral("Spelling: ") + SpellChecker::noDictionaryMessage());
        missing->setObjectName(QStringLiteral("mnuToolsSpellingMissing"));
        missing->setEnabled(false);
        return;
    }
    BibleLookup bible;
    const QString module = settings.value(QStringLiteral("Scripture/Module")).toString();
    if (!module.isEmpty())
        bible.setModule(module);
    m_checker->addAuthorLists(bible);

    m_marks = new SpellingMarks(*m_checker, this);
    m_marks->watch(panel.mmoQuestion);
    for (QLineEdit* answer : {panel.edtAnsA, panel.edtAnsB, panel.edtAnsC, panel.edtAnsD})
        m_marks->watch(answer);

    QAction* chooseLanguage = tools.addAction(QStringLiteral("Spelling &Language..."), this,
                                              &SpellingLink::chooseLanguage);
    chooseLanguage->setObjectName(QStringLiteral("mnuToolsSpellingLanguage"));
}

void SpellingLink::chooseLanguage()
{
    const QString chosen =
        m_prompts.chooseItem(m_window, QStringLiteral("Check spelling in:"),
                             SpellChecker::installedLanguages(), m_checker->language());
    if (chosen.isEmpty() || chosen == m_checker->language())
        return;
    if (!m_checker->loadDictionary(chosen)) {
        m_prompts.information(m_window,
                              QStringLiteral("The %1 dictionary cannot be read.").arg(chosen));
        return;
    }
    QSettings(EditorSettings::Organization, EditorSettings::Application)
        .setValue(QStringLiteral("Spelling/Language"), chosen);
    m_marks->recheckAll();
}

SpellingLink::~SpellingLink() = default;
