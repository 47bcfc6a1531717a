// SPDX-License-Identifier: GPL-2.0-or-later
#include "SpellingLink.h"

#include "BibleLookup.h"
#include "DetailPanel.h"
#include "EditorSettings.h"
#include "SpellChecker.h"
#include "SpellingMarks.h"
#include "UserPrompts.h"

#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTimer>
#include <QtConcurrent>

namespace {

// On the worker thread: everything the checker reads, the Bible's word list
// made from the module when no valid one is found.
std::shared_ptr<SpellChecker> loadChecker(const QString& language, const QString& module,
                                          bool fallBack,
                                          const std::shared_ptr<std::atomic<bool>>& stop)
{
    auto checker = std::make_shared<SpellChecker>();
    if (!checker->loadDictionary(language) &&
        !(fallBack && checker->loadDictionary(QStringLiteral("en_US"))))
        return {};
    BibleLookup bible;
    if (!module.isEmpty())
        bible.setModule(module);
    checker->addAuthorLists(bible, stop.get());
    if (stop->load())
        return {};
    return checker;
}

} // namespace

SpellingLink::SpellingLink(DetailPanel& panel, QMenu& tools, UserPrompts& prompts, QWidget* window)
    : QObject(window), m_panel(panel), m_prompts(prompts), m_window(window)
{
    const QString language = settingsDictionary();
    m_wanted = {language, settingsModule(), true};
    connect(&m_loading, &QFutureWatcherBase::finished, this, &SpellingLink::takeChecker);
    // Started once the window is up: until then the window has the processor.
    QTimer::singleShot(0, this, [this] {
        m_started = true;
        startLoading();
    });
    if (SpellChecker::dictionaryFile(language).isEmpty() &&
        SpellChecker::dictionaryFile(QStringLiteral("en_US")).isEmpty()) {
        // Said where the feature would be, greyed out.
        QAction* missing = tools.addAction(tr("Spelling: ") + SpellChecker::noDictionaryMessage());
        missing->setObjectName(QStringLiteral("mnuToolsSpellingMissing"));
        missing->setEnabled(false);
        return;
    }
    m_chooseLanguage =
        tools.addAction(tr("Spelling &Language..."), this, &SpellingLink::chooseLanguage);
    m_chooseLanguage->setObjectName(QStringLiteral("mnuToolsSpellingLanguage"));
    m_chooseLanguage->setEnabled(false);
}

SpellingLink::~SpellingLink()
{
    m_stop->store(true);
    m_loading.disconnect(this);
    m_loading.waitForFinished();
}

QString SpellingLink::settingsDictionary()
{
    return QSettings(EditorSettings::Organization, EditorSettings::Application)
        .value(QStringLiteral("Spelling/Language"), QStringLiteral("en_US"))
        .toString();
}

QString SpellingLink::settingsModule()
{
    return QSettings(EditorSettings::Organization, EditorSettings::Application)
        .value(QStringLiteral("Scripture/Module"))
        .toString();
}

void SpellingLink::useLanguage(const QString& dictionary, const QString& module, bool fallBack)
{
    const Request wanted{dictionary, module, fallBack};
    if (wanted == m_wanted)
        return;
    m_wanted = wanted;
    // A load under way finishes first; the wanted one follows it.
    if (m_started && !m_loading.isRunning())
        startLoading();
}

void SpellingLink::startLoading()
{
    m_loadingFor = m_wanted;
    m_loading.setFuture(QtConcurrent::run(loadChecker, m_wanted.dictionary, m_wanted.module,
                                          m_wanted.fallBack, m_stop));
}

void SpellingLink::takeChecker()
{
    // The language changed while this one was read: it is not shown.
    if (!(m_loadingFor == m_wanted)) {
        startLoading();
        return;
    }
    // The worker is done with it: from here on it lives on this thread.
    m_checker = m_loading.result();
    if (m_marks)
        m_marks->setChecker(m_checker.get());
    if (m_chooseLanguage)
        m_chooseLanguage->setEnabled(m_checker != nullptr);
    if (!m_checker)
        return;
    if (!m_marks) {
        m_marks = new SpellingMarks(*m_checker, this);
        connect(m_marks, &SpellingMarks::addToDictionaryChosen, this,
                &SpellingLink::addToDictionary);
        m_marks->watch(m_panel.mmoQuestion);
        for (QLineEdit* answer :
             {m_panel.edtAnsA, m_panel.edtAnsB, m_panel.edtAnsC, m_panel.edtAnsD})
            m_marks->watch(answer);
    }
    emit ready();
}

void SpellingLink::addToDictionary(const QString& word)
{
    if (!m_checker)
        return;
    const WriteResult result = m_checker->addToPersonalList(word);
    m_marks->recheckAll();
    if (!result.ok)
        m_prompts.information(
            m_window, tr("\"%1\" could not be added to the dictionary %2.\r\n%3")
                          .arg(word, QDir::toNativeSeparators(m_checker->personalListFile()),
                               result.platformText));
}

void SpellingLink::chooseLanguage()
{
    if (!m_checker)
        return;
    const QString chosen =
        m_prompts.chooseItem(m_window, tr("Check spelling in:"), SpellChecker::installedLanguages(),
                             m_checker->language());
    if (chosen.isEmpty() || chosen == m_checker->language())
        return;
    if (!m_checker->loadDictionary(chosen)) {
        m_prompts.information(m_window, tr("The %1 dictionary cannot be read.").arg(chosen));
        return;
    }
    QSettings(EditorSettings::Organization, EditorSettings::Application)
        .setValue(QStringLiteral("Spelling/Language"), chosen);
    m_marks->recheckAll();
}
