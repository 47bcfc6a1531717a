#pragma once

#include <QAbstractTableModel>

class QuestionList;

// The question grid's view of the list: number, deleted mark, modified mark
// and question text. Cells are decoded only when the view asks for them, so
// a file of a million questions shows at once.
class QuestionGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { NumberColumn, DeletedColumn, ModifiedColumn, QuestionColumn, ColumnCount };

    explicit QuestionGridModel(const QuestionList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The list was replaced or emptied.
    void reload();
    // Rows first..last (list indexes) changed their marks or text.
    void rowsChanged(int first, int last);
    // The list gained a row at its end.
    void rowAppended();

private:
    const QuestionList& m_list;
    int m_rows = 0;
};
