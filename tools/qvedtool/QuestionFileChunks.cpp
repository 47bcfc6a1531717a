#include "QuestionFileChunks.h"

#include "ForEachQuestionLine.h"
#include "QvedError.h"
#include "Utf8Output.h"

#include <algorithm>
#include <cstring>
#include <limits>

QuestionFileChunks::QuestionFileChunks(qsizetype chunkSize)
    : m_chunkSize(std::max<qsizetype>(chunkSize, 1))
{
}

bool QuestionFileChunks::open(const QString& path)
{
    m_path = path;
    m_file.setFileName(path);
    // Unbuffered: the chunks are the buffer.
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        Utf8Output::error(QvedError::cannotOpenFile(path).message());
        return false;
    }
    m_sequential = m_file.isSequential();
    if (m_sequential) {
        m_content = m_file.readAll();
        if (m_file.error() != QFileDevice::NoError) {
            Utf8Output::error(QvedError::cannotOpenFile(path).message());
            return false;
        }
        m_file.close();
    } else {
        m_sizeHint = m_file.size();
    }
    return true;
}

qint64 QuestionFileChunks::readSome(char* to, qint64 most)
{
    if (!m_sequential)
        return m_file.read(to, most);
    const qint64 available = std::min<qint64>(most, m_content.size() - m_contentRead);
    std::memcpy(to, m_content.constData() + m_contentRead, std::size_t(available));
    m_contentRead += available;
    return available;
}

bool QuestionFileChunks::failed()
{
    if (!m_failed)
        Utf8Output::error(QvedError::cannotOpenFile(m_path).message());
    m_failed = true;
    return false;
}

bool QuestionFileChunks::readChunk(Chunk& chunk)
{
    if (m_atEnd || m_failed)
        return false;
    qsizetype have = m_carry.size();
    if (chunk.buffer.size() < have + m_chunkSize)
        chunk.buffer.resize(have + m_chunkSize);
    std::memcpy(chunk.buffer.data(), m_carry.constData(), std::size_t(have));
    m_carry.resize(0);
    for (;;) {
        if (chunk.buffer.size() < have + m_chunkSize)
            chunk.buffer.resize(have + m_chunkSize);
        const qint64 got = readSome(chunk.buffer.data() + have, m_chunkSize);
        if (got < 0)
            return failed();
        if (got == 0) {
            m_atEnd = true;
            break;
        }
        const qsizetype searched = have;
        have += qsizetype(got);
        const qsizetype end = chunkEnd(QByteArrayView(chunk.buffer.constData(), have), searched);
        if (end > 0) {
            m_carry.append(chunk.buffer.constData() + end, have - end);
            have = end;
            break;
        }
    }
    if (have == 0)
        return false;
    chunk.size = have;
    chunk.fileOffset = m_offset;
    chunk.firstIndex = m_count;
    chunk.lines.clear();
    ForEachQuestionLine(QByteArrayView(chunk.buffer.constData(), have),
                        [&chunk](qsizetype offset, qsizetype length) {
                            chunk.lines.push_back(Line{offset, length});
                        });
    if (chunk.lines.size() > std::size_t(std::numeric_limits<int>::max() - m_count)) {
        Utf8Output::error(QStringLiteral("%1 has more lines than can be counted.").arg(m_path));
        m_failed = true;
        return false;
    }
    m_offset += have;
    m_count += chunk.count();
    return true;
}

qsizetype QuestionFileChunks::chunkEnd(QByteArrayView bytes, qsizetype searched)
{
    // A line feed always ends a line: the chunk ends after the last one.
    const qsizetype feed = bytes.sliced(searched).lastIndexOf('\n');
    if (feed >= 0)
        return searched + feed + 1;
    // Without one (a file with carriage returns alone), a carriage return
    // ends a line once the byte after it is known: it is not a line feed.
    const qsizetype from = std::max<qsizetype>(searched - 1, 0);
    const qsizetype known = bytes.size() - 1 - from;
    const qsizetype carriageReturn = known > 0 ? bytes.sliced(from, known).lastIndexOf('\r') : -1;
    return carriageReturn >= 0 ? from + carriageReturn + 1 : 0;
}

QByteArray QuestionFileChunks::readAt(qint64 offset, qint64 most)
{
    if (m_sequential)
        return m_content.mid(qsizetype(offset), qsizetype(most));
    // The handle the chunks come from, put back where it was: the file is
    // read again as it was opened, even if it has been replaced since.
    const qint64 position = m_file.pos();
    QByteArray bytes;
    if (m_file.seek(offset))
        bytes = m_file.read(most);
    if (!m_file.seek(position))
        failed();
    return bytes;
}

QByteArray QuestionFileChunks::lineAt(qint64 offset)
{
    // A window at a time, twice as long each time, until the line ends
    // inside it or the file does.
    for (qint64 window = 4096;; window *= 2) {
        const QByteArray bytes = readAt(offset, window);
        qsizetype length = -1;
        ForEachQuestionLine(bytes, [&length](qsizetype, qsizetype lineLength) {
            if (length < 0)
                length = lineLength;
        });
        if (length < 0)
            return {};
        if (length < bytes.size() || bytes.size() < window)
            return bytes.first(length);
    }
}
