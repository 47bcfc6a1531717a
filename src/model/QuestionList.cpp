#include "QuestionList.h"

#include "ForEachQuestionLine.h"
#include "IoErrorText.h"
#include "QvedError.h"
#include "ReadWholeFile.h"
#include "SafeFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

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

void QuestionList::FillQuestionList(const QString& path, QuestionRecord& record, DecodeMode mode)
{
    QByteArray content = ReadWholeFile(path);
    try {
        fillFromContent(std::move(content), record, mode);
    } catch (const QvedError& error) {
        if (error.kind() != QvedError::Kind::Conversion)
            throw;
        throw QvedError(error.kind(), path + QStringLiteral(", ") + error.message());
    }
}

void QuestionList::fillFromContent(QByteArray content, QuestionRecord& record, DecodeMode mode)
{
    clear();
    m_source = std::move(content);
    const char* data = m_source.constData();
    const qsizetype size = m_source.size();

    m_rows.reserve(std::size_t(size / 96 + 1));
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
            throw QvedError(
                error.kind(),
                QStringLiteral("line %1: %2").arg(&r - m_rows.data() + 1).arg(error.message()));
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
