// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionGrid.h"

#include "QuestionGridModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

QuestionGrid::QuestionGrid(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    // Tab leaves the grid for the next control instead of walking its cells.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultSectionSize(50);
    horizontalHeader()->setMinimumSectionSize(10);
    horizontalHeader()->setStretchLastSection(false);
    // Uniform rows let the view skip measuring every row of a huge file.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

int QuestionGrid::selectionFirstRow() const
{
    const QModelIndexList rows =
        selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    if (rows.isEmpty())
        return 0;
    int first = rows.first().row();
    for (const QModelIndex& index : rows)
        first = std::min(first, index.row());
    return gridRowOf(first);
}

int QuestionGrid::selectionLastRow() const
{
    const QModelIndexList rows =
        selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    int last = -1;
    for (const QModelIndex& index : rows)
        last = std::max(last, index.row());
    return last < 0 ? 0 : gridRowOf(last);
}

int QuestionGrid::currentGridRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? gridRowOf(current.row()) : 0;
}

int QuestionGrid::rowCountWithHeader() const
{
    const auto* rows = qobject_cast<const QuestionGridModel*>(model());
    if (rows)
        return rows->listCount() + 1;
    return (model() ? model()->rowCount() : 0) + 1;
}

int QuestionGrid::gridRowOf(int modelRow) const
{
    const auto* rows = qobject_cast<const QuestionGridModel*>(model());
    return (rows ? rows->listIndex(modelRow) : modelRow) + 1;
}

int QuestionGrid::modelRowOf(int gridRow, bool reveal) const
{
    auto* rows = qobject_cast<QuestionGridModel*>(model());
    if (!rows)
        return gridRow - 1;
    // A question the commands select is shown even when the filter hid it.
    if (reveal)
        rows->reveal(gridRow - 1);
    return rows->modelRow(gridRow - 1);
}

void QuestionGrid::selectGridRow(int row)
{
    const int modelRow = row < 1 ? -1 : modelRowOf(row, true);
    if (!model() || modelRow < 0 || modelRow >= model()->rowCount())
        return;
    const QModelIndex index = model()->index(modelRow, 3);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
}

void QuestionGrid::setTopRow(int row)
{
    const int modelRow = row < 1 ? -1 : modelRowOf(row, false);
    if (!model() || modelRow < 0 || modelRow >= model()->rowCount())
        return;
    scrollTo(model()->index(modelRow, 0), QAbstractItemView::PositionAtTop);
}

void QuestionGrid::setColumnWidths()
{
    // The number column holds six digits: a bank of up to 999,999 questions.
    const int number = std::max(50, fontMetrics().horizontalAdvance(QStringLiteral("999999")) + 12);
    setColumnWidth(0, number);
    setColumnWidth(1, 20);
    setColumnWidth(2, 20);
    setColumnWidth(3, std::max(width() - number - 40, 10));
}

void QuestionGrid::mousePressEvent(QMouseEvent* event)
{
    // The right button only opens the pop-up menu, and a click below the
    // last row hits no question: neither moves the selection the commands
    // act on.
    if (event->button() != Qt::LeftButton || !indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        return;
    }
    m_leftPressed = true;
    QTableView::mousePressEvent(event);
}

void QuestionGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && m_leftPressed) {
        m_leftPressed = false;
        emit selectionMovedByUser();
    }
}

void QuestionGrid::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex before = currentIndex();
    QTableView::keyPressEvent(event);
    if (currentIndex() != before)
        emit selectionMovedByUser();
}

void QuestionGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    setColumnWidths();
}

void QuestionGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // The question column spans the whole control and so runs under the
    // vertical scroll bar; the grid only ever scrolls up and down.
    QTableView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(0);
}
