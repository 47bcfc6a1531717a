#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <array>

// Buffered UTF-8 text out of the tool. Question texts arrive as the file's
// Windows-1252 bytes and are converted on the way out, byte by byte, through
// a table taken once from the program's one code page conversion.
class Utf8Output
{
public:
    // Writes to an open file descriptor (1 for standard output).
    explicit Utf8Output(int descriptor);
    ~Utf8Output();
    Utf8Output(const Utf8Output&) = delete;
    Utf8Output& operator=(const Utf8Output&) = delete;

    // Bytes that are already UTF-8 (ASCII punctuation, names, numbers).
    void raw(QByteArrayView utf8)
    {
        m_buffer.append(utf8);
        flushWhenFull();
    }
    void raw(char c)
    {
        m_buffer.append(c);
        flushWhenFull();
    }
    void text(QStringView text) { raw(text.toUtf8()); }
    void number(qint64 value);
    // A byte of the question file, converted to UTF-8.
    void ansi(uchar byte) { raw(QByteArrayView(m_table[byte].data(), m_length[byte])); }
    void ansi(QByteArrayView windows1252);

    // False once a write has failed (a full disk, a closed pipe).
    bool flush();
    bool ok() const { return m_ok; }

    // One line to standard error, unbuffered.
    static void error(const QString& line);

private:
    void flushWhenFull()
    {
        if (m_buffer.size() >= FlushSize)
            flush();
    }

    static constexpr qsizetype FlushSize = 1 << 16;
    QFile m_file;
    QByteArray m_buffer;
    std::array<std::array<char, 4>, 256> m_table{};
    std::array<quint8, 256> m_length{};
    bool m_ok = true;
};
