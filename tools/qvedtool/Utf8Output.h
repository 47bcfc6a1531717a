#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <array>
#include <cstring>

// Buffered UTF-8 text out of the tool. Question texts arrive as the file's
// Windows-1252 bytes and are converted on the way out, byte by byte, through
// a table taken once from the program's one code page conversion.
class Utf8Output
{
public:
    // The most bytes one Windows-1252 byte becomes.
    static constexpr qsizetype MaxBytesPerChar = 3;

    // Writes to an open file descriptor (1 for standard output).
    explicit Utf8Output(int descriptor);
    // Keeps the text in memory until view(), for a part of the output made
    // on another thread.
    Utf8Output();
    ~Utf8Output();
    Utf8Output(const Utf8Output&) = delete;
    Utf8Output& operator=(const Utf8Output&) = delete;

    // Bytes that are already UTF-8 (ASCII punctuation, names, messages).
    void raw(QByteArrayView utf8)
    {
        if (utf8.size() > m_end - m_pos && !makeRoom(utf8.size())) {
            writeThrough(utf8);
            return;
        }
        std::memcpy(m_pos, utf8.data(), std::size_t(utf8.size()));
        m_pos += utf8.size();
    }
    void raw(char c)
    {
        if (m_pos == m_end)
            makeRoom(1);
        *m_pos++ = c;
    }
    void text(QStringView text) { raw(text.toUtf8()); }
    void number(qint64 value);

    // Direct filling for the hot loops: room for at least size bytes, then
    // the end of what was put there.
    char* reserve(qsizetype size)
    {
        if (size > m_end - m_pos)
            makeRoom(size);
        return m_pos;
    }
    void commit(char* end) { m_pos = end; }
    char* putAnsi(char* at, uchar byte) const
    {
        if (byte < 0x80) {
            *at = char(byte);
            return at + 1;
        }
        const Utf8Table& table = utf8Table();
        std::memcpy(at, table.bytes[byte].data(), table.length[byte]);
        return at + table.length[byte];
    }

    // False once a write has failed (a full disk, a closed pipe).
    bool flush();
    // The text kept in memory so far, and its size.
    QByteArrayView view() const { return QByteArrayView(m_buffer.constData(), size()); }
    qsizetype size() const { return m_pos - m_buffer.constData(); }
    // Forgets the text kept in memory, keeping the buffer for the next.
    void clear() { m_pos = m_buffer.data(); }

    // One line to standard error, unbuffered.
    static void error(const QString& line);

private:
    struct Utf8Table
    {
        std::array<std::array<char, 4>, 256> bytes{};
        std::array<quint8, 256> length{};
    };
    static const Utf8Table& utf8Table();

    // Flushes, or in memory grows the buffer; true when size bytes now fit.
    bool makeRoom(qsizetype size);
    void writeThrough(QByteArrayView bytes);

    static constexpr qsizetype Capacity = 1 << 16;
    const bool m_inMemory;
    QFile m_file;
    QByteArray m_buffer;
    char* m_pos = nullptr;
    char* m_end = nullptr;
    bool m_ok = true;
};
