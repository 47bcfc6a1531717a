#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <vector>

// The lines of a question file for the commands that only read it: split
// where the editor splits them, without decoding anything yet. The file is
// mapped rather than copied when the platform allows, and its pieces are
// split side by side on every core.
class QuestionFileLines
{
public:
    // Bytes of the file one thread splits at a time; each piece ends just
    // after a line feed, where a line always begins.
    static constexpr qsizetype DefaultPieceSize = qsizetype(1) << 22;

    explicit QuestionFileLines(qsizetype pieceSize = DefaultPieceSize);

    // False, with the editor's message on standard error, when the file
    // cannot be read.
    bool read(const QString& path);
    // The same from bytes already in memory.
    void split(QByteArray content);

    int count() const { return int(m_lines.size()); }
    bool isEmpty() const { return m_lines.empty(); }
    // Index is 0-based; the question number is index + 1.
    QByteArrayView line(int index) const
    {
        const Line& l = m_lines[std::size_t(index)];
        return QByteArrayView(m_bytes.data() + l.offset, l.length);
    }

private:
    struct Line
    {
        qsizetype offset = 0;
        qsizetype length = 0;
    };

    void splitBytes();

    const qsizetype m_pieceSize;
    QFile m_file;         // stays open while it is mapped
    QByteArray m_content; // the copy, where the file could not be mapped
    QByteArrayView m_bytes;
    std::vector<Line> m_lines;
};
