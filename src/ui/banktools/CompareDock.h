// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "BankDiff.h"
#include "QuestionList.h"

#include <QDockWidget>
#include <QFutureWatcher>
#include <memory>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUndoStack;
class QuestionDocument;

// Tools > Compare with File: the questions another file adds, lacks and
// changes against the open list, matched by content. "Take theirs" brings a
// question or a single field over as an undo step.
class CompareDock : public QDockWidget
{
    Q_OBJECT

public:
    CompareDock(QuestionDocument& document, QUndoStack& history, QWidget* parent = nullptr);
    ~CompareDock() override;

    // Compares the open list with the file; the message when it cannot be read.
    QString compareWith(const QString& path);
    bool isComparing() const { return m_comparing; }
    // Takes the chosen question or field of the other file.
    void takeTheirs();

    QTreeWidget* changes() const { return m_tree; }
    QPushButton* takeTheirsButton() const { return m_take; }

signals:
    void questionChosen(int number);

private:
    struct Result
    {
        QuestionList theirs;
        BankDiff diff;
    };
    void compared();
    void show(const Result& result);

    QuestionDocument& m_document;
    QUndoStack& m_history;
    QLabel* m_summary;
    QTreeWidget* m_tree;
    QPushButton* m_take;
    QString m_otherName;
    std::shared_ptr<const Result> m_result;
    QFutureWatcher<std::shared_ptr<const Result>> m_watcher;
    bool m_comparing = false;
};
