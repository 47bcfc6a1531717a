#pragma once

#include <QAbstractTableModel>

class QuestionDocument;
class QuestionList;

// The question grid's view of the list: number, deleted mark, modified mark
// and question text. Cells are decoded only when the view asks for them, so
// a file of a million questions shows at once.
class QuestionGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { NumberColumn, DeletedColumn, ModifiedColumn, QuestionColumn, ColumnCount };

    explicit QuestionGridModel(const QuestionDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // The list was replaced or emptied.
    void reload();
    // Rows first..last (list indexes) changed, and rows may have come or
    // gone at the end.
    void rowsChanged(int first, int last);

    const QuestionList& m_list;
    int m_rows = 0;
};
