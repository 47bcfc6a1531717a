// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionGridModel.h"

#include "QuestionDocument.h"
#include "Windows1252.h"

#include <algorithm>

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
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    const int row = listIndex(index.row());
    if (row < 0 || row >= m_list.count())
        return {};
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
    static const char* const titles[ColumnCount] = {
        QT_TRANSLATE_NOOP("QuestionGridModel", "NBR"), QT_TRANSLATE_NOOP("QuestionGridModel", "D"),
        QT_TRANSLATE_NOOP("QuestionGridModel", "M"),
        QT_TRANSLATE_NOOP("QuestionGridModel", "Question")};
    return section >= 0 && section < ColumnCount ? tr(titles[section]) : QVariant();
}

void QuestionGridModel::reload()
{
    beginResetModel();
    m_filtered = false;
    m_shown = {};
    m_rows = m_list.count();
    endResetModel();
}

void QuestionGridModel::setShownRows(std::vector<int> rows)
{
    beginResetModel();
    m_filtered = true;
    m_shown = std::move(rows);
    m_rows = int(m_shown.size());
    m_listCount = m_list.count();
    endResetModel();
}

void QuestionGridModel::showAllRows()
{
    if (m_filtered)
        reload();
}

int QuestionGridModel::listIndex(int modelRow) const
{
    if (!m_filtered)
        return modelRow;
    return modelRow >= 0 && modelRow < int(m_shown.size()) ? m_shown[std::size_t(modelRow)] : -1;
}

int QuestionGridModel::modelRow(int listIndex) const
{
    if (!m_filtered)
        return listIndex >= 0 && listIndex < m_rows ? listIndex : -1;
    const auto at = std::lower_bound(m_shown.begin(), m_shown.end(), listIndex);
    return at != m_shown.end() && *at == listIndex ? int(at - m_shown.begin()) : -1;
}

void QuestionGridModel::reveal(int listIndex)
{
    if (!m_filtered || listIndex < 0 || listIndex >= m_list.count() || modelRow(listIndex) >= 0)
        return;
    const auto at = std::lower_bound(m_shown.begin(), m_shown.end(), listIndex);
    const int row = int(at - m_shown.begin());
    beginInsertRows({}, row, row);
    m_shown.insert(at, listIndex);
    m_rows = int(m_shown.size());
    endInsertRows();
}

void QuestionGridModel::rowsChanged(int first, int last)
{
    if (m_filtered) {
        filteredRowsChanged(first, last);
        return;
    }
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

void QuestionGridModel::filteredRowsChanged(int first, int last)
{
    const int count = m_list.count();
    // Rows taken back from the end of the list leave the view; rows added
    // at its end join it.
    const auto gone = std::lower_bound(m_shown.begin(), m_shown.end(), count);
    if (gone != m_shown.end()) {
        beginRemoveRows({}, int(gone - m_shown.begin()), m_rows - 1);
        m_shown.erase(gone, m_shown.end());
        m_rows = int(m_shown.size());
        endRemoveRows();
    }
    if (count > m_listCount) {
        beginInsertRows({}, m_rows, m_rows + (count - m_listCount) - 1);
        for (int index = m_listCount; index < count; ++index)
            m_shown.push_back(index);
        m_rows = int(m_shown.size());
        endInsertRows();
    }
    m_listCount = count;
    const auto from = std::lower_bound(m_shown.begin(), m_shown.end(), first);
    const auto to = std::upper_bound(m_shown.begin(), m_shown.end(), last);
    if (from < to)
        emit dataChanged(index(int(from - m_shown.begin()), 0),
                         index(int(to - m_shown.begin()) - 1, ColumnCount - 1));
}

int QuestionGridModel::listCount() const
{
    return m_list.count();
}
