// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <vector>

class ProblemsDock;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTimer;
class QuestionDocument;
class QuestionGrid;
class QuestionGridModel;

// The bar above the grid that shows only the questions matching a text, a
// book, a level and, when asked, a problem. Filtering waits for a short
// pause in typing and runs in the background; Escape clears and hides it.
class FilterBar : public QWidget
{
    Q_OBJECT

public:
    FilterBar(const QuestionDocument& document, QuestionGridModel& model, QuestionGrid& grid,
              ProblemsDock& problems, QWidget* parent);

    // Shows the bar with the focus in its text box.
    void open();
    // Empties the bar, shows every row and hides the bar.
    void clearAndHide();
    // Filters now instead of after the pause.
    void applyNow();
    // A filter runs whose rows are not shown yet.
    bool isFiltering() const { return m_filtering; }

    QLineEdit* textBox() { return m_text; }
    QComboBox* bookChoice() { return m_book; }
    QComboBox* levelChoice() { return m_level; }
    QCheckBox* problemsOnly() { return m_problemsOnly; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void filtered();

    const QuestionDocument& m_document;
    QuestionGridModel& m_model;
    QuestionGrid& m_grid;
    ProblemsDock& m_problems;
    QLineEdit* m_text;
    QComboBox* m_book;
    QComboBox* m_level;
    QCheckBox* m_problemsOnly;
    QTimer* m_pause;
    QFutureWatcher<std::vector<int>> m_watcher;
    bool m_pending = false; // the criteria changed while a filter ran
    bool m_filtering = false;
    bool m_discard = false; // the bar was cleared while a filter ran
};
