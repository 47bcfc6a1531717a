// SPDX-License-Identifier: GPL-2.0-or-later
#include "ImportPreviewModel.h"

ImportPreviewModel::ImportPreviewModel(QObject* parent) : QAbstractTableModel(parent) {}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ImportPreviewModel::statusName(ImportStatus status)
{
    switch (status) {
    case ImportStatus::Ready:
        return tr("Ready");
    case ImportStatus::Changed:
        return tr("Changed");
    case ImportStatus::Duplicate:
        return tr("Duplicate");
    case ImportStatus::Refused:
        return tr("Refused");
    }
    return {};
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ImportPreviewEntry& shown = entry(index.row());
    if (role == Qt::CheckStateRole && index.column() == StatusColumn)
        return shown.outcome.status == ImportStatus::Refused
                   ? QVariant()
                   : QVariant(isTicked(index.row()) ? Qt::Checked : Qt::Unchecked);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case StatusColumn:
        return statusName(shown.outcome.status);
    case PlaceColumn:
        return shown.outcome.place;
    case ReferenceColumn:
        return shown.reference;
    case QuestionColumn:
        return shown.question;
    case AnswersColumn:
        return shown.answers;
    case ReasonColumn:
        return shown.outcome.notes.join(role == Qt::ToolTipRole ? QStringLiteral("\n")
                                                                : QStringLiteral("; "));
    default:
        return {};
    }
}

bool ImportPreviewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != StatusColumn || !index.isValid() ||
        entry(index.row()).outcome.status == ImportStatus::Refused)
        return false;
    const bool tick = value.toInt() == Qt::Checked;
    if (tick == isTicked(index.row()))
        return true;
    m_ticked[std::size_t(index.row())] = tick;
    m_tickedCount += tick ? 1 : -1;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit tickedCountChanged(m_tickedCount);
    return true;
}

Qt::ItemFlags ImportPreviewModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == StatusColumn &&
        entry(index.row()).outcome.status != ImportStatus::Refused)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case StatusColumn:
        return tr("Status");
    case PlaceColumn:
        return tr("Place");
    case ReferenceColumn:
        return tr("Reference");
    case QuestionColumn:
        return tr("Question");
    case AnswersColumn:
        return tr("Answers");
    case ReasonColumn:
        return tr("Reason");
    default:
        return {};
    }
}

void ImportPreviewModel::setEntries(std::vector<ImportPreviewEntry> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    m_ticked.assign(m_entries.size(), false);
    m_tickedCount = 0;
    for (std::size_t row = 0; row < m_entries.size(); ++row) {
        const ImportStatus status = m_entries[row].outcome.status;
        m_ticked[row] = status == ImportStatus::Ready || status == ImportStatus::Changed;
        m_tickedCount += m_ticked[row] ? 1 : 0;
    }
    endResetModel();
    emit tickedCountChanged(m_tickedCount);
}

std::vector<QByteArray> ImportPreviewModel::tickedLines() const
{
    std::vector<QByteArray> lines;
    lines.reserve(std::size_t(m_tickedCount));
    for (std::size_t row = 0; row < m_entries.size(); ++row) {
        if (m_ticked[row])
            lines.push_back(m_entries[row].outcome.line);
    }
    return lines;
}
