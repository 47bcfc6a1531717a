// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionLineCodec.h"
#include "WriteResult.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

// The lines of the open question file, verbatim and in file order, with the
// deleted and modified marks and the grid's number and question columns.
//
// The file's bytes are kept in one block and each row points into it, so a
// file of a million questions costs little more than its own size. A commit
// appends its new line to a second block and re-points the row.
class QuestionList
{
public:
    int count() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }

    // Index is the 0-based list index; the grid row is index + 1.
    QByteArrayView line(int index) const;
    bool isDeleted(int index) const { return row(index).flags & Deleted; }
    bool isModified(int index) const { return row(index).flags & Modified; }
    bool hasNumber(int index) const { return row(index).flags & NumberShown; }
    bool hasQuestionCell(int index) const { return row(index).flags & QuestionShown; }
    QByteArrayView questionCell(int index) const;

    void clear();

    // Reads the whole file, replacing the list, then fills the columns.
    // A file that cannot be read throws "Cannot open file <path>: <why>" and
    // leaves the list as it was; a line that does not decode throws the
    // conversion error, located as "<path>, line <n>: ", with every line
    // stored and the rows before it filled.
    //
    // With parts above 1, a large file's lines are decoded in up to that
    // many blocks side by side; rows, columns, record and errors come out
    // exactly as from one pass.
    void FillQuestionList(const QString& path, QuestionRecord& record, DecodeMode mode,
                          int parts = 1);
    void fillFromContent(QByteArray content, QuestionRecord& record, DecodeMode mode,
                         int parts = 1);
    // The bytes the list was read from, whatever was changed since.
    const QByteArray& content() const { return m_source; }

    bool HasUnsavedChanges() const { return m_modifiedCount > 0; }
    void ToggleDeleteMark(int gridRow);
    // The delete toggle over a selection of grid rows; the header row (0) is
    // never toggled.
    void ToggleDeleteMarks(int firstGridRow, int lastGridRow);

    // Adds an unmarked row with a placeholder line; returns its index.
    int AppendQuestionRow();
    // A commit: replaces the line, shows its number and question, marks it
    // modified and leaves the deleted mark alone.
    void StoreCommittedLine(int index, QByteArrayView line, QByteArrayView question);

    // A row as the author sees it, kept by value so it can be put back
    // exactly even after the list was read again.
    struct SavedRow
    {
        QByteArray line;
        QByteArray question;
        quint8 marks = 0; // the Mark bits
    };
    enum Mark : quint8
    {
        DeletedMark = 1,
        ModifiedMark = 2,
        NumberMark = 4,
        QuestionMark = 8,
        AllMarks = 15,
    };
    SavedRow savedRow(int index) const;
    // Puts the line, question cell and marks back as saved.
    void restoreRow(int index, const SavedRow& saved);
    quint8 marks(int index) const { return row(index).flags & AllMarks; }
    void setMarks(int index, quint8 marks);
    // Takes back AppendQuestionRow.
    void removeLastRow();

    // Writes every row not marked deleted, CR LF after each, through a
    // temporary file that replaces the target only when all was written.
    WriteResult WriteQuestionFile(const QString& path) const;

    // Hands lines first..last (list indexes), CR LF after each, to the sink
    // in large blocks, optionally leaving out the rows marked deleted. False
    // as soon as the sink refuses a block.
    using Sink = std::function<bool(QByteArrayView block)>;
    bool writeLines(const Sink& sink, int first, int last, bool skipDeleted) const;

private:
    enum Flag : quint8
    {
        Deleted = DeletedMark,
        Modified = ModifiedMark,
        NumberShown = NumberMark,
        QuestionShown = QuestionMark,
        LineEdited = 16,     // the line lives in m_edits, not in m_source
        QuestionEdited = 32, // the question cell lives in m_edits
    };
    struct Row
    {
        qsizetype lineOffset = 0;
        qsizetype questionOffset = 0;
        qsizetype lineLength = 0; // a single line may pass 2 GiB
        quint8 questionLength = 0;
        quint8 flags = 0;
    };

    struct Part;

    const Row& row(int index) const;
    Row& row(int index);
    void decodePart(Part& part, const QuestionRecord& record, DecodeMode mode);
    void reserveRows(std::size_t count);
    bool fillInParts(QuestionRecord& record, DecodeMode mode, int parts);
    qsizetype appendEdit(QByteArrayView bytes);

    QByteArray m_source;
    QByteArray m_edits;
    std::vector<Row> m_rows;
    int m_modifiedCount = 0;
};
