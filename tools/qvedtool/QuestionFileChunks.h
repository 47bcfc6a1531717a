#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QFuture>
#include <QString>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>
#include <vector>

// A question file for the commands that only read it, a chunk at a time,
// each chunk split where the editor splits lines. A chunk ends just after a
// line ending, where a line always begins, so chunks are worked on side by
// side on every core while their results are taken in file order. Only a
// few chunks are in memory at once and their buffers are reused: a file of
// any size is read without touching fresh memory for every megabyte of it.
class QuestionFileChunks
{
public:
    // Bytes read at a time; a longer line makes its chunk longer.
    static constexpr qsizetype DefaultChunkSize = qsizetype(1) << 18;

    struct Line
    {
        qsizetype offset = 0; // in the chunk
        qsizetype length = 0;
    };

    struct Chunk
    {
        qint64 fileOffset = 0; // of the chunk's first byte
        int firstIndex = 0;    // list index of the chunk's first line
        std::vector<Line> lines;

        int count() const { return int(lines.size()); }
        QByteArrayView line(int i) const
        {
            const Line& l = lines[std::size_t(i)];
            return QByteArrayView(buffer.constData() + l.offset, l.length);
        }
        qint64 lineOffset(int i) const { return fileOffset + lines[std::size_t(i)].offset; }

    private:
        friend class QuestionFileChunks;
        QByteArray buffer; // holds more than the chunk when it was larger before
        qsizetype size = 0;
    };

    explicit QuestionFileChunks(qsizetype chunkSize = DefaultChunkSize);

    // False, with the editor's message on standard error, when the file
    // cannot be opened. A pipe or a device is read whole here, since its
    // earlier lines cannot be read again.
    bool open(const QString& path);
    // The file's size where it is known ahead, otherwise 0.
    qint64 sizeHint() const { return m_sizeHint; }

    // Runs work(chunk, result) for every chunk on the thread pool and then
    // consume(chunk, result) on this thread, in file order. Each result is
    // reused for a later chunk, so work starts by clearing what it keeps.
    // False, with the message on standard error, when reading failed part
    // way.
    template <typename Result, typename Work, typename Consume>
    bool forEachChunk(Work work, Consume consume);

    // Lines read so far; all of them once forEachChunk() has returned.
    int count() const { return m_count; }

    // The line that starts at a file offset a chunk gave, read again for an
    // earlier question whose chunk is gone. Empty when it cannot be read.
    QByteArray lineAt(qint64 offset);

private:
    // Fills the chunk with the next bytes up to the end of the last line
    // among them, or the rest of the file; false at the end or on error.
    bool readChunk(Chunk& chunk);
    // Where a chunk of these bytes may end, found among the bytes from
    // searched on, which are new; 0 when it must read on.
    static qsizetype chunkEnd(QByteArrayView bytes, qsizetype searched);
    qint64 readSome(char* to, qint64 most);
    QByteArray readAt(qint64 offset, qint64 most);
    bool failed(); // reports the read error

    const qsizetype m_chunkSize;
    QString m_path;
    QFile m_file;
    QByteArray m_content; // a pipe's whole content
    qsizetype m_contentRead = 0;
    bool m_sequential = false;
    qint64 m_sizeHint = 0;
    QByteArray m_carry;  // the start of a line the last chunk did not end
    qint64 m_offset = 0; // file offset of the next chunk
    int m_count = 0;
    bool m_atEnd = false;
    bool m_failed = false;
};

template <typename Result, typename Work, typename Consume>
bool QuestionFileChunks::forEachChunk(Work work, Consume consume)
{
    struct Slot
    {
        Chunk chunk;
        Result result;
        QFuture<void> done;
    };
    // Enough chunks in flight to keep every core busy while the oldest is
    // consumed.
    const std::size_t slotCount =
        std::size_t(QThreadPool::globalInstance()->maxThreadCount()) * 2 + 2;
    std::vector<Slot> ring(slotCount);
    std::size_t oldest = 0;
    std::size_t inFlight = 0;
    auto consumeOldest = [&] {
        Slot& slot = ring[oldest];
        slot.done.waitForFinished();
        consume(std::as_const(slot.chunk), std::as_const(slot.result));
        oldest = (oldest + 1) % slotCount;
        --inFlight;
    };
    try {
        for (;;) {
            if (inFlight == slotCount)
                consumeOldest();
            Slot& slot = ring[(oldest + inFlight) % slotCount];
            if (!readChunk(slot.chunk))
                break;
            slot.done =
                QtConcurrent::run([&work, &slot] { work(std::as_const(slot.chunk), slot.result); });
            ++inFlight;
        }
        while (inFlight > 0)
            consumeOldest();
    } catch (...) {
        // The pool's tasks use the ring: they finish before it goes.
        for (Slot& slot : ring)
            slot.done.waitForFinished();
        throw;
    }
    return !m_failed;
}
