// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QTableView>

// The question grid. Rows are counted as the editor counts them: row 0 is the
// header, question k is row k. The user selects whole rows in one range; the
// header can never become current. While a filter hides rows, the grid
// still speaks in file rows: the rows shown keep their numbers.
class QuestionGrid : public QTableView
{
    Q_OBJECT

public:
    explicit QuestionGrid(QWidget* parent = nullptr);

    // First and last selected rows; both 0 when no question row is selected.
    int selectionFirstRow() const;
    int selectionLastRow() const;
    int currentGridRow() const;
    int rowCountWithHeader() const;

    // Makes the row the only selection and the current row.
    void selectGridRow(int row);
    void setTopRow(int row);
    void scrollToTop() { QTableView::scrollToTop(); }
    void setColumnWidths();
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    // The user finished selecting with the mouse or moved with the keyboard.
    void selectionMovedByUser();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // File row of a model row, and the model row showing a file row (-1
    // when hidden).
    int gridRowOf(int modelRow) const;
    int modelRowOf(int gridRow, bool reveal) const;

    bool m_leftPressed = false;
};
