#include "QuestionGridModel.h"

#include "QuestionDocument.h"
#include "Windows1252.h"

QuestionGridModel::QuestionGridModel(const QuestionDocument& document, QObject* parent)
    : QAbstractTableModel(parent), m_list(document.list())
{
    connect(&document, &QuestionDocument::listReset, this, &QuestionGridModel::reload);
    connect(&document, &QuestionDocument::rowsChanged, this, &QuestionGridModel::rowsChanged);
    reload();
}

int QuestionGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int QuestionGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant QuestionGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_list.count())
        return {};
    const int row = index.row();
    if (role == Qt::TextAlignmentRole && index.column() != QuestionColumn)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    if (role == Qt::ToolTipRole && index.column() != QuestionColumn)
        return {};
    switch (index.column()) {
    case NumberColumn:
        return m_list.hasNumber(row) ? QVariant(row + 1) : QVariant();
    case DeletedColumn:
        return m_list.isDeleted(row) ? QStringLiteral("D") : QString();
    case ModifiedColumn:
        return m_list.isModified(row) ? QStringLiteral("M") : QString();
    case QuestionColumn:
        return Windows1252::toUnicode(m_list.questionCell(row));
    default:
        return {};
    }
}

QVariant QuestionGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titles[ColumnCount] = {"NBR", "D", "M", "Question"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QVariant();
}

void QuestionGridModel::reload()
{
    beginResetModel();
    m_rows = m_list.count();
    endResetModel();
}

void QuestionGridModel::rowsChanged(int first, int last)
{
    const int count = m_list.count();
    if (count > m_rows) {
        beginInsertRows({}, m_rows, count - 1);
        m_rows = count;
        endInsertRows();
    } else if (count < m_rows) {
        beginRemoveRows({}, count, m_rows - 1);
        m_rows = count;
        endRemoveRows();
    }
    last = std::min(last, count - 1);
    if (first <= last)
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
}
