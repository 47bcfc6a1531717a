// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ImportPreviewEntry.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <vector>

// The import preview's table: a row per question found, with its status
// (ticked to be taken), place, reference, texts and reason. Ready and
// changed questions start ticked, duplicates unticked; refused ones cannot
// be ticked.
class ImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        StatusColumn,
        PlaceColumn,
        ReferenceColumn,
        QuestionColumn,
        AnswersColumn,
        ReasonColumn,
        ColumnCount
    };

    explicit ImportPreviewModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setEntries(std::vector<ImportPreviewEntry> entries);
    const ImportPreviewEntry& entry(int row) const { return m_entries[std::size_t(row)]; }
    bool isTicked(int row) const { return m_ticked[std::size_t(row)]; }
    int tickedCount() const { return m_tickedCount; }
    // The ticked questions' lines, in the source's order.
    std::vector<QByteArray> tickedLines() const;

    static QString statusName(ImportStatus status);

signals:
    void tickedCountChanged(int count);

private:
    std::vector<ImportPreviewEntry> m_entries;
    std::vector<bool> m_ticked;
    int m_tickedCount = 0;
};
