// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ReferenceCheck.h"

#include <QDockWidget>
#include <QFutureWatcher>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTextBrowser;
class QTreeWidget;
class QUndoStack;
class QuestionDocument;

// Tools > Check References: the questions whose right answer is not in the
// verse they cite, checked in the background with progress and Cancel. The
// chosen suspect's verses show with the answer's words marked; "Use the
// suggested reference" moves the question to the verse that holds its
// answer as one undo step.
class ReferenceCheckDock : public QDockWidget
{
    Q_OBJECT

public:
    ReferenceCheckDock(QuestionDocument& document, QUndoStack& history, QWidget* parent = nullptr);
    ~ReferenceCheckDock() override;

    // module: the Bible to read, by name; empty for the default one.
    void startCheck(const QString& module);
    void cancelCheck();
    bool isChecking() const { return m_watcher.isRunning(); }
    // Stores the chosen suspect's suggested reference.
    void useSuggestion();

    QTreeWidget* suspects() const { return m_tree; }
    QTextBrowser* verses() const { return m_verses; }
    QPushButton* useButton() const { return m_use; }
    QLabel* summary() const { return m_summary; }

signals:
    void questionChosen(int number);
    void checkFinished();

private:
    struct Outcome
    {
        std::vector<ReferenceCheck::Finding> suspects;
        ReferenceCheck::Summary summary;
    };
    void finished();
    void showChosen();
    const ReferenceCheck::Finding* chosen() const;

    QuestionDocument& m_document;
    QUndoStack& m_history;
    QLabel* m_summary;
    QTreeWidget* m_tree;
    QTextBrowser* m_verses;
    QPushButton* m_use;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    std::vector<ReferenceCheck::Finding> m_suspects;
    // The words of the Bible checked against are marked by its rules.
    BibleLanguage::Language m_language = BibleLanguage::English;
    QFutureWatcher<Outcome> m_watcher;
};
