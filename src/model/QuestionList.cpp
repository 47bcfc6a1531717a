// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionList.h"

#include "ForEachQuestionLine.h"
#include "IoErrorText.h"
#include "LargePages.h"
#include "QvedError.h"
#include "ReadWholeFile.h"
#include "SafeFileWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <system_error>
#include <thread>

namespace {

// The start of the line after the one holding byte from (size at the end):
// a block of lines starting there splits into the same lines as the whole.
qsizetype nextLineStart(const char* data, qsizetype size, qsizetype from)
{
    for (qsizetype i = from; i < size; ++i) {
        if (data[i] == '\n')
            return i + 1;
        if (data[i] == '\r')
            return i + 1 < size && data[i + 1] == '\n' ? i + 2 : i + 1;
    }
    return size;
}

// A line sets its fields from the first on, so the fields 1 to `fields` of
// a later block's record are the ones its own lines set last.
void copyFields(const QuestionRecord& from, QuestionRecord& to, int fields)
{
    if (fields >= 1) {
        to.CanonicalNbr = from.CanonicalNbr;
        to.Book = from.Book;
    }
    if (fields >= 2)
        to.Level = from.Level;
    if (fields >= 3)
        to.Correct = from.Correct;
    if (fields >= 4)
        to.Reference = from.Reference;
    if (fields >= 5)
        to.Question = from.Question;
    if (fields >= 6)
        to.AnswerA = from.AnswerA;
    if (fields >= 7)
        to.AnswerB = from.AnswerB;
    if (fields >= 8)
        to.AnswerC = from.AnswerC;
    if (fields >= 9)
        to.AnswerD = from.AnswerD;
}

} // namespace

// One block of lines decoded on its own, from a copy of the record as the
// load began.
struct QuestionList::Part
{
    qsizetype begin = 0;
    qsizetype end = 0;
    std::size_t first = 0; // the block's first row in the list
    std::size_t count = 0; // and how many it has
    QuestionRecord record;
    int fields = 0; // the most fields a line of the block gave
    // The rows before the block's first question field show the question
    // of the blocks before.
    std::size_t leading = 0;
    bool hasQuestion = false;
    qsizetype questionOffset = 0; // the block's last question field
    quint8 questionLength = 0;
    std::exception_ptr error;
};

const QuestionList::Row& QuestionList::row(int index) const
{
    if (index < 0 || index >= count())
        throw QvedError::listIndex(index);
    return m_rows[std::size_t(index)];
}

QuestionList::Row& QuestionList::row(int index)
{
    if (index < 0 || index >= count())
        throw QvedError::listIndex(index);
    return m_rows[std::size_t(index)];
}

QByteArrayView QuestionList::line(int index) const
{
    const Row& r = row(index);
    const QByteArray& block = (r.flags & LineEdited) ? m_edits : m_source;
    return QByteArrayView(block).sliced(r.lineOffset, r.lineLength);
}

QByteArrayView QuestionList::questionCell(int index) const
{
    const Row& r = row(index);
    if (!(r.flags & QuestionShown))
        return {};
    const QByteArray& block = (r.flags & QuestionEdited) ? m_edits : m_source;
    return QByteArrayView(block).sliced(r.questionOffset, r.questionLength);
}

qsizetype QuestionList::appendEdit(QByteArrayView bytes)
{
    const qsizetype offset = m_edits.size();
    m_edits.append(bytes);
    return offset;
}

void QuestionList::clear()
{
    m_source.clear();
    m_edits.clear();
    m_rows.clear();
    m_modifiedCount = 0;
}

void QuestionList::FillQuestionList(const QString& path, QuestionRecord& record, DecodeMode mode,
                                    int parts)
{
    QByteArray content = parts > 1 ? ReadWholeFileInParts(path, parts) : ReadWholeFile(path);
    try {
        fillFromContent(std::move(content), record, mode, parts);
    } catch (const QvedError& error) {
        if (error.kind() != QvedError::Kind::Conversion)
            throw;
        throw QvedError(error.kind(), path + QStringLiteral(", ") + error.message());
    }
}

void QuestionList::fillFromContent(QByteArray content, QuestionRecord& record, DecodeMode mode,
                                   int parts)
{
    clear();
    m_source = std::move(content);
    if (parts > 1 && fillInParts(record, mode, parts))
        return;
    // One pass: also the one that stops at the first line that fails.
    m_edits.clear();
    m_rows.clear();
    const char* data = m_source.constData();
    const qsizetype size = m_source.size();

    reserveRows(std::size_t(size / 96 + 1));
    ForEachQuestionLine(m_source, [this](qsizetype offset, qsizetype length) {
        m_rows.push_back(Row{offset, 0, length, 0, 0});
    });

    // A line without a question field shows the question the decode of the
    // line above left in the record; for the first line that is whatever the
    // record held before the load.
    qsizetype carriedOffset = appendEdit(record.Question.view());
    quint8 carriedLength = quint8(record.Question.size());
    bool carriedFromEdits = true;

    for (Row& r : m_rows) {
        r.flags = NumberShown;
        const QByteArrayView lineText(data + r.lineOffset, r.lineLength);
        QByteArrayView questionField;
        try {
            DecodeQuestionLine(lineText, record, mode, &questionField);
        } catch (const QvedError& error) {
            throw QvedError(error.kind(), QCoreApplication::translate("QuestionList", "line %1: %2")
                                              .arg(&r - m_rows.data() + 1)
                                              .arg(error.message()));
        }
        if (questionField.data()) {
            carriedOffset = questionField.data() - data;
            carriedLength = quint8(questionField.size());
            carriedFromEdits = false;
        }
        r.questionOffset = carriedOffset;
        r.questionLength = carriedLength;
        r.flags |= QuestionShown | (carriedFromEdits ? QuestionEdited : 0);
    }
}

void QuestionList::decodePart(Part& part, const QuestionRecord& record, DecodeMode mode)
{
    try {
        const char* data = m_source.constData();
        Row* const rows = m_rows.data() + part.first;
        std::size_t found = 0;
        ForEachQuestionLine(QByteArrayView(data + part.begin, part.end - part.begin),
                            [&](qsizetype offset, qsizetype length) {
                                if (found < part.count)
                                    rows[found] = Row{part.begin + offset, 0, length, 0, 0};
                                ++found;
                            });
        part.record = record;
        for (Row* r = rows; r != rows + part.count; ++r) {
            r->flags = NumberShown | QuestionShown;
            QByteArrayView questionField;
            part.fields = std::max(
                part.fields, DecodeQuestionLine(QByteArrayView(data + r->lineOffset, r->lineLength),
                                                part.record, mode, &questionField));
            if (questionField.data()) {
                part.questionOffset = questionField.data() - data;
                part.questionLength = quint8(questionField.size());
                part.hasQuestion = true;
            } else if (!part.hasQuestion) {
                ++part.leading;
                continue;
            }
            r->questionOffset = part.questionOffset;
            r->questionLength = part.questionLength;
        }
    } catch (...) {
        part.error = std::current_exception();
    }
}

void QuestionList::reserveRows(std::size_t count)
{
    m_rows.reserve(count);
    AdviseLargePages(m_rows.data(), qsizetype(m_rows.capacity() * sizeof(Row)));
}

bool QuestionList::fillInParts(QuestionRecord& record, DecodeMode mode, int parts)
{
    // Below this a thread costs more than it saves.
    constexpr qsizetype SmallestPart = qsizetype(1) << 18;
    const char* data = m_source.constData();
    const qsizetype size = m_source.size();
    parts = int(std::min<qsizetype>(parts, size / SmallestPart));
    if (parts < 2)
        return false;

    std::vector<Part> blocks(std::size_t(parts), Part{});
    qsizetype begin = 0;
    for (std::size_t k = 0; k < blocks.size(); ++k) {
        Part& part = blocks[k];
        part.begin = begin;
        part.end =
            k + 1 == blocks.size()
                ? size
                : std::max(begin, nextLineStart(data, size, size / parts * qsizetype(k + 1)));
        begin = part.end;
    }
    // Each block on a thread of its own, the first on this one.
    auto onEveryBlock = [&blocks](const auto& work) {
        std::vector<std::jthread> threads;
        for (std::size_t k = 1; k < blocks.size(); ++k) {
            try {
                threads.emplace_back(work, std::ref(blocks[k]));
            } catch (const std::system_error&) {
                work(blocks[k]);
            }
        }
        work(blocks[0]);
    };
    // The lines are counted first, so every block fills its own rows of the
    // list in place: none is copied after.
    onEveryBlock([data](Part& part) {
        ForEachQuestionLine(QByteArrayView(data + part.begin, part.end - part.begin),
                            [&part](qsizetype, qsizetype) { ++part.count; });
    });
    std::size_t total = 0;
    for (Part& part : blocks) {
        part.first = total;
        total += part.count;
    }
    m_rows.clear();
    reserveRows(total);
    m_rows.resize(total);
    onEveryBlock([&](Part& part) { decodePart(part, record, mode); });
    for (const Part& part : blocks)
        if (part.error)
            return false;

    // The blocks joined in file order, each carrying the question into the
    // rows before its own first one.
    qsizetype carriedOffset = appendEdit(record.Question.view());
    quint8 carriedLength = quint8(record.Question.size());
    bool carriedFromEdits = true;
    QuestionRecord last = record;
    for (const Part& part : blocks) {
        const std::size_t first = part.first;
        for (std::size_t i = first; i < first + part.leading; ++i) {
            Row& r = m_rows[i];
            r.questionOffset = carriedOffset;
            r.questionLength = carriedLength;
            if (carriedFromEdits)
                r.flags |= QuestionEdited;
        }
        if (part.hasQuestion) {
            carriedOffset = part.questionOffset;
            carriedLength = part.questionLength;
            carriedFromEdits = false;
        }
        copyFields(part.record, last, part.fields);
    }
    record = last;
    return true;
}

void QuestionList::ToggleDeleteMark(int gridRow)
{
    Row& r = row(gridRow - 1);
    if (r.flags & Deleted) {
        r.flags &= ~Deleted;
        return;
    }
    r.flags |= Deleted;
    if (!(r.flags & Modified)) {
        r.flags |= Modified;
        ++m_modifiedCount;
    }
}

void QuestionList::ToggleDeleteMarks(int firstGridRow, int lastGridRow)
{
    if (firstGridRow == lastGridRow && firstGridRow < 1)
        return;
    for (int gridRow = std::max(firstGridRow, 1); gridRow <= lastGridRow; ++gridRow)
        ToggleDeleteMark(gridRow);
}

int QuestionList::AppendQuestionRow()
{
    Row r;
    r.lineOffset = appendEdit(" ");
    r.lineLength = 1;
    r.flags = LineEdited;
    m_rows.push_back(r);
    return count() - 1;
}

void QuestionList::StoreCommittedLine(int index, QByteArrayView line, QByteArrayView question)
{
    Row& r = row(index);
    r.lineOffset = appendEdit(line);
    r.lineLength = line.size();
    const QByteArrayView shown = question.first(std::min<qsizetype>(question.size(), 255));
    r.questionOffset = appendEdit(shown);
    r.questionLength = quint8(shown.size());
    if (!(r.flags & Modified))
        ++m_modifiedCount;
    r.flags |= LineEdited | QuestionEdited | NumberShown | QuestionShown | Modified;
}

QuestionList::SavedRow QuestionList::savedRow(int index) const
{
    return SavedRow{line(index).toByteArray(), questionCell(index).toByteArray(), marks(index)};
}

void QuestionList::restoreRow(int index, const SavedRow& saved)
{
    Row& r = row(index);
    r.lineOffset = appendEdit(saved.line);
    r.lineLength = saved.line.size();
    const QByteArrayView shown =
        QByteArrayView(saved.question).first(std::min<qsizetype>(saved.question.size(), 255));
    r.questionOffset = appendEdit(shown);
    r.questionLength = quint8(shown.size());
    r.flags |= LineEdited | QuestionEdited;
    setMarks(index, saved.marks);
}

void QuestionList::setMarks(int index, quint8 marks)
{
    Row& r = row(index);
    const bool wasModified = r.flags & Modified;
    r.flags = quint8((r.flags & ~AllMarks) | (marks & AllMarks));
    const bool isModified = r.flags & Modified;
    m_modifiedCount += int(isModified) - int(wasModified);
}

void QuestionList::removeLastRow()
{
    if (m_rows.empty())
        throw QvedError::listIndex(0);
    if (m_rows.back().flags & Modified)
        --m_modifiedCount;
    m_rows.pop_back();
}

bool QuestionList::writeLines(const Sink& sink, int first, int last, bool skipDeleted) const
{
    // Lines go out in large blocks: one write call per line would dominate
    // the time for big files.
    constexpr qsizetype blockSize = 1 << 20;
    QByteArray block;
    block.reserve(std::min(blockSize, m_source.size() + m_edits.size()) + 4096);
    for (int i = first; i <= last; ++i) {
        const Row& r = m_rows[std::size_t(i)];
        if (skipDeleted && (r.flags & Deleted))
            continue;
        const QByteArray& source = (r.flags & LineEdited) ? m_edits : m_source;
        block.append(source.constData() + r.lineOffset, r.lineLength);
        block.append("\r\n", 2);
        if (block.size() >= blockSize) {
            if (!sink(block))
                return false;
            block.resize(0);
        }
    }
    return block.isEmpty() || sink(block);
}

WriteResult QuestionList::WriteQuestionFile(const QString& path) const
{
    // A file carrying the read-only attribute is refused even where the
    // platform would let this user replace it.
    const QFileInfo target(path);
    if (target.isFile() && !(target.permissions() & QFileDevice::WriteOwner))
        return WriteResult::failure(EACCES, true);

    SafeFileWriter file(path);
    if (file.open() && writeLines([&file](QByteArrayView block) { return file.write(block); }, 0,
                                  count() - 1, true))
        file.commit();
    return file.result();
}
