// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

class DetailPanel;
class QAction;
class QMenu;
class SpellChecker;
class SpellingMarks;
class UserPrompts;

// Checks the spelling of the panel's question and answers (never the
// reference) with the dictionary of the settings' language, en_US unless
// chosen, the Bible's words and the author's own list; a bank in another
// language asks for that language's dictionary and Bible instead.
//
// The dictionary and the word lists are read on a worker thread: the window
// opens at once and the marks appear when they are ready. The panel never
// waits for them.
class SpellingLink : public QObject
{
    Q_OBJECT

public:
    SpellingLink(DetailPanel& panel, QMenu& tools, UserPrompts& prompts, QWidget* window);
    ~SpellingLink() override;

    // Null until the dictionary and the word lists are read.
    SpellChecker* checker() { return m_checker.get(); }
    bool isReady() const { return m_checker != nullptr; }

    // Tools > Spelling Language: another installed dictionary, kept in the
    // settings.
    void chooseLanguage();
    // Adds the word to the author's dictionary; a failure is said.
    void addToDictionary(const QString& word);
    // The bank's language: its dictionary and the words of its Bible module,
    // read in the background; the marks change when they are ready. Without
    // fallBack, a dictionary that is not installed leaves no marks rather
    // than those of English.
    void useLanguage(const QString& dictionary, const QString& module, bool fallBack);
    // The dictionary and module the settings give an English bank.
    static QString settingsDictionary();
    static QString settingsModule();

signals:
    // The checker is ready and the marks are shown.
    void ready();

private:
    struct Request
    {
        QString dictionary;
        QString module;
        bool fallBack = true;
        bool operator==(const Request&) const = default;
    };
    void startLoading();
    void takeChecker();

    DetailPanel& m_panel;
    UserPrompts& m_prompts;
    QWidget* m_window;
    QAction* m_chooseLanguage = nullptr;
    std::shared_ptr<SpellChecker> m_checker;
    SpellingMarks* m_marks = nullptr;
    Request m_wanted;
    Request m_loadingFor;
    bool m_started = false; // the first load waits for the window to be up
    // Set when the window goes before the lists are read: the worker stops.
    std::shared_ptr<std::atomic<bool>> m_stop = std::make_shared<std::atomic<bool>>(false);
    QFutureWatcher<std::shared_ptr<SpellChecker>> m_loading;
};
