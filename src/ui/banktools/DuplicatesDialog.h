// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <vector>

class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUndoStack;
class QuestionDocument;

// Tools > Find Duplicates: the groups of questions that are the same or
// nearly the same, found in the background, with the words that differ
// marked. A double-click goes to a question; one step keeps the first of a
// group and marks the others deleted.
class DuplicatesDialog : public QDialog
{
    Q_OBJECT

public:
    struct Member
    {
        int index = 0;
        QString reference;
        QString question; // rich text, the differing words marked
        QString rightAnswer;
    };
    struct Group
    {
        bool same = false;
        std::vector<Member> members;
    };

    DuplicatesDialog(QuestionDocument& document, QUndoStack& history, QWidget* parent = nullptr);
    ~DuplicatesDialog() override;

    // Starts a search of the list as it is now.
    void find();
    void cancel();
    // From find() until its groups are shown.
    bool isFinding() const { return m_finding; }
    // Marks every member of the chosen group but the first deleted.
    void keepFirst();

    QTreeWidget* groupList() const { return m_groups; }
    QPushButton* keepFirstButton() const { return m_keepFirst; }

signals:
    void questionChosen(int number);
    void searchFinished();

private:
    void finished();
    void showGroups(const std::vector<Group>& groups);
    QTreeWidgetItem* chosenGroup() const;

    QuestionDocument& m_document;
    QUndoStack& m_history;
    QDoubleSpinBox* m_threshold;
    QPushButton* m_find;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    QLabel* m_summary;
    QTreeWidget* m_groups;
    QPushButton* m_keepFirst;
    QFutureWatcher<std::vector<Group>> m_watcher;
    bool m_finding = false;
};
