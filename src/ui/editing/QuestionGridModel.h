// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <vector>

class QuestionDocument;
class QuestionList;

// The question grid's view of the list: number, deleted mark, modified mark
// and question text. Cells are decoded only when the view asks for them, so
// a file of a million questions shows at once. A filter may show only some
// rows; each keeps its file number.
class QuestionGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        NumberColumn,
        DeletedColumn,
        ModifiedColumn,
        QuestionColumn,
        ColumnCount
    };

    explicit QuestionGridModel(const QuestionDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Shows only these list indexes (ascending); rows added to the list
    // later are shown too, so a new question never vanishes.
    void setShownRows(std::vector<int> rows);
    void showAllRows();
    int listCount() const;
    bool isFiltered() const { return m_filtered; }
    // List index of a model row, and the model row of a list index (-1
    // when the filter hides it).
    int listIndex(int modelRow) const;
    int modelRow(int listIndex) const;
    // Shows a hidden row, so going to a question always lands on it.
    void reveal(int listIndex);

private:
    // The list was replaced or emptied.
    void reload();
    // Rows first..last (list indexes) changed, and rows may have come or
    // gone at the end.
    void rowsChanged(int first, int last);
    void filteredRowsChanged(int first, int last);

    const QuestionList& m_list;
    int m_rows = 0;
    bool m_filtered = false;
    int m_listCount = 0;      // the list's length when the filtered rows were last updated
    std::vector<int> m_shown; // list indexes of the rows shown while filtered
};
