#include "QuestionFileLines.h"

#include "ForEachQuestionLine.h"
#include "QvedError.h"
#include "ReadWholeFile.h"
#include "Utf8Output.h"

#include <QtConcurrent/QtConcurrentMap>
#include <cstring>

QuestionFileLines::QuestionFileLines(qsizetype pieceSize)
    : m_pieceSize(std::max<qsizetype>(pieceSize, 1))
{
}

bool QuestionFileLines::read(const QString& path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        Utf8Output::error(QvedError::cannotOpenFile(path).message());
        return false;
    }
    const qint64 size = m_file.size();
    if (const uchar* mapped = size > 0 ? m_file.map(0, size) : nullptr) {
        m_bytes = QByteArrayView(reinterpret_cast<const char*>(mapped), qsizetype(size));
        splitBytes();
        return true;
    }
    // Pipes, devices and empty files are read as the editor reads them.
    m_file.close();
    try {
        split(ReadWholeFile(path));
    } catch (const QvedError& e) {
        Utf8Output::error(e.message());
        return false;
    }
    return true;
}

void QuestionFileLines::split(QByteArray content)
{
    m_content = std::move(content);
    m_bytes = m_content;
    splitBytes();
}

void QuestionFileLines::splitBytes()
{
    struct Piece
    {
        qsizetype start = 0;
        qsizetype end = 0;
        std::vector<Line> lines;
    };
    std::vector<Piece> pieces;
    const char* const data = m_bytes.data();
    const qsizetype size = m_bytes.size();
    for (qsizetype start = 0; start < size;) {
        qsizetype end = size;
        if (size - start > m_pieceSize) {
            const char* from = data + start + m_pieceSize;
            const auto* feed =
                static_cast<const char*>(std::memchr(from, '\n', std::size_t(data + size - from)));
            end = feed ? feed - data + 1 : size;
        }
        pieces.push_back(Piece{start, end, {}});
        start = end;
    }
    QtConcurrent::blockingMap(pieces, [this](Piece& piece) {
        const QByteArrayView bytes = m_bytes.sliced(piece.start, piece.end - piece.start);
        piece.lines.reserve(std::size_t(bytes.size() / 96 + 1));
        ForEachQuestionLine(bytes, [&](qsizetype offset, qsizetype length) {
            piece.lines.push_back(Line{piece.start + offset, length});
        });
    });
    std::size_t total = 0;
    for (const Piece& piece : pieces)
        total += piece.lines.size();
    m_lines.clear();
    m_lines.reserve(total);
    for (const Piece& piece : pieces)
        m_lines.insert(m_lines.end(), piece.lines.begin(), piece.lines.end());
}
