// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "BankCheck.h"

#include <QDockWidget>
#include <QFutureWatcher>
#include <climits>
#include <vector>

class ProblemListModel;
class QListView;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QuestionDocument;
class ValidationTable;

// The Problems dock: the whole-bank check run over the open list in the
// background, with its progress and a Cancel in the status bar, and one
// line a problem. A question's lines are checked again when it changes.
class ProblemsDock : public QDockWidget
{
    Q_OBJECT

public:
    ProblemsDock(const QuestionDocument& document, const ValidationTable& table,
                 QStatusBar& statusBar, QWidget* parent);

    void startCheck();
    void cancelCheck();
    bool isChecking() const { return m_watcher.isRunning(); }
    ProblemListModel& problems() { return *m_problems; }
    QListView* problemView() { return m_view; }

signals:
    // Double-click or Enter on a line.
    void questionChosen(int number);
    void checkFinished();

private:
    void finished();
    void questionsChanged(int first, int last);

    const QuestionDocument& m_document;
    const ValidationTable& m_table;
    ProblemListModel* m_problems;
    QListView* m_view;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    QFutureWatcher<std::vector<BankCheck::Problem>> m_watcher;
    // List indexes changed while a check ran; none when first > last.
    int m_changedFirst = INT_MAX;
    int m_changedLast = -1;
    bool m_restart = false; // a check was asked for while a cancelled one ran
};
