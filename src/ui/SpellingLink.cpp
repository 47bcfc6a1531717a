#include "SpellingLink.h"

#include "BibleLookup.h"
#include "DetailPanel.h"
#include "EditorSettings.h"
#include "SpellChecker.h"
#include "SpellingMarks.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>

SpellingLink::SpellingLink(DetailPanel& panel, QMenu& tools, QObject* parent)
    : QObject(parent), m_checker(std::make_unique<SpellChecker>())
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
}

SpellingLink::~SpellingLink() = default;
