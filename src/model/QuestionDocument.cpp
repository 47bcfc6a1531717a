// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionDocument.h"

QuestionDocument::QuestionDocument(QObject* parent) : QObject(parent) {}

void QuestionDocument::setFileName(const QString& fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    emit fileNameChanged(m_fileName);
}

void QuestionDocument::setModifiedState(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(m_modified);
}

void QuestionDocument::journalWritten(const QString& failure, bool wasKeeping)
{
    if (!failure.isEmpty())
        emit journalFailed(failure);
    if (m_journal.isKeeping() != wasKeeping)
        emit journalKeepingChanged(m_journal.isKeeping());
}

void QuestionDocument::replace(QuestionList list, const QString& fileName, bool readOnly)
{
    const bool wasKeeping = m_journal.isKeeping();
    m_list = std::move(list);
    m_loadedFile = FileStamp::of(fileName);
    m_readOnly = readOnly;
    if (readOnly)
        m_journal.detach();
    else
        m_journal.attach(fileName, m_list.content(), m_loadedFile);
    emit listReset();
    setFileName(fileName);
    setModifiedState(false);
    journalWritten({}, wasKeeping);
}

void QuestionDocument::recover(JournalReplay replayed, const QString& journalFile, bool untitled)
{
    const bool wasKeeping = m_journal.isKeeping();
    const QString failure = m_journal.resume(journalFile, replayed);
    m_list = std::move(replayed.list);
    m_readOnly = false;
    // An untitled list was never read from a file: nothing to compare a save with.
    m_loadedFile = untitled ? FileStamp() : FileStamp::of(journalFile);
    emit listReset();
    setFileName(untitled ? Untitled : journalFile);
    setModifiedState(true);
    journalWritten(failure, wasKeeping);
}

void QuestionDocument::clear()
{
    const bool wasKeeping = m_journal.isKeeping();
    m_list.clear();
    m_loadedFile = {};
    m_readOnly = false;
    m_journal.detach();
    emit listReset();
    setFileName(Untitled);
    setModifiedState(false);
    journalWritten({}, wasKeeping);
}

void QuestionDocument::discardJournal()
{
    const bool wasKeeping = m_journal.isKeeping();
    m_journal.discard();
    journalWritten({}, wasKeeping);
}

void QuestionDocument::setModified(bool modified)
{
    if (!modified)
        discardJournal();
    setModifiedState(modified);
}

void QuestionDocument::changed(int first, int last, QByteArrayView records)
{
    if (m_journal.isActive()) {
        const bool wasKeeping = m_journal.isKeeping();
        journalWritten(m_journal.append(records), wasKeeping);
    }
    setModified(true);
    emit rowsChanged(first, last);
}

void QuestionDocument::storeCommittedLine(int index, QByteArrayView line, QByteArrayView question)
{
    m_list.StoreCommittedLine(index, line, question);
    changed(index, index, RecoveryJournal::rowRecord(index, m_list.savedRow(index)));
}

int QuestionDocument::appendRow(QByteArrayView line, QByteArrayView question)
{
    const int index = m_list.AppendQuestionRow();
    m_list.StoreCommittedLine(index, line, question);
    // One journal write: a crash can never leave the new row without its line.
    changed(index, index,
            RecoveryJournal::appendRecord() +
                RecoveryJournal::rowRecord(index, m_list.savedRow(index)));
    return index;
}

int QuestionDocument::appendRow(const QuestionList::SavedRow& row)
{
    const int index = m_list.AppendQuestionRow();
    m_list.restoreRow(index, row);
    changed(index, index, RecoveryJournal::appendRecord() + RecoveryJournal::rowRecord(index, row));
    return index;
}

void QuestionDocument::removeLastRow()
{
    m_list.removeLastRow();
    const int count = m_list.count();
    changed(count, count - 1, RecoveryJournal::removeRecord());
}

void QuestionDocument::appendRows(const std::vector<NewLine>& lines)
{
    if (lines.empty())
        return;
    const int first = m_list.count();
    QByteArray records;
    for (const NewLine& added : lines) {
        const int index = m_list.AppendQuestionRow();
        m_list.StoreCommittedLine(index, added.line, added.question);
        records += RecoveryJournal::appendRecord() +
                   RecoveryJournal::rowRecord(index, m_list.savedRow(index));
    }
    changed(first, m_list.count() - 1, records);
}

void QuestionDocument::removeLastRows(int count)
{
    if (count <= 0)
        return;
    QByteArray records;
    for (int removed = 0; removed < count; ++removed) {
        m_list.removeLastRow();
        records += RecoveryJournal::removeRecord();
    }
    const int left = m_list.count();
    changed(left, left - 1, records);
}

void QuestionDocument::restoreRow(int index, const QuestionList::SavedRow& row)
{
    m_list.restoreRow(index, row);
    changed(index, index, RecoveryJournal::rowRecord(index, row));
}

void QuestionDocument::storeCommittedLines(const std::vector<CommittedLine>& lines)
{
    if (lines.empty())
        return;
    QByteArray records;
    for (const CommittedLine& committed : lines) {
        m_list.StoreCommittedLine(committed.index, committed.line, committed.question);
        records += RecoveryJournal::rowRecord(committed.index, m_list.savedRow(committed.index));
    }
    changed(lines.front().index, lines.back().index, records);
}

void QuestionDocument::restoreRows(const std::vector<std::pair<int, QuestionList::SavedRow>>& rows)
{
    if (rows.empty())
        return;
    QByteArray records;
    for (const auto& [index, row] : rows) {
        m_list.restoreRow(index, row);
        records += RecoveryJournal::rowRecord(index, row);
    }
    changed(rows.front().first, rows.back().first, records);
}

void QuestionDocument::setMarks(int first, const std::vector<quint8>& marks)
{
    QByteArray records;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        m_list.setMarks(first + int(i), marks[i]);
        records += RecoveryJournal::marksRecord(first + int(i), marks[i]);
    }
    changed(first, first + int(marks.size()) - 1, records);
}

void QuestionDocument::toggleDeleteMarks(int firstGridRow, int lastGridRow)
{
    if (firstGridRow == lastGridRow && firstGridRow < 1)
        return;
    m_list.ToggleDeleteMarks(firstGridRow, lastGridRow);
    const int first = std::max(firstGridRow, 1) - 1;
    QByteArray records;
    for (int index = first; index < lastGridRow; ++index)
        records += RecoveryJournal::marksRecord(index, m_list.marks(index));
    changed(first, lastGridRow - 1, records);
}
