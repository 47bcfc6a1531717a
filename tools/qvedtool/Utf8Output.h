#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The tool's standard output, UTF-8 text written in large blocks. A write
// that fails (a full disk, /dev/full) is said once on standard error with the
// platform's reason, and flush() then answers false.
class Utf8Output
{
public:
    Utf8Output();
    ~Utf8Output();
    Utf8Output(const Utf8Output&) = delete;
    Utf8Output& operator=(const Utf8Output&) = delete;

    void raw(QByteArrayView utf8)
    {
        m_buffer.append(utf8);
        if (m_buffer.size() >= BlockSize)
            write();
    }
    void raw(char c) { raw(QByteArrayView(&c, 1)); }
    void text(QStringView text) { raw(text.toUtf8()); }
    void number(qint64 value) { raw(QByteArray::number(value)); }

    // False once a write has failed.
    bool flush();

    // One line to standard error, unbuffered.
    static void error(const QString& line);

private:
    void write();

    static constexpr qsizetype BlockSize = 1 << 16;
    QFile m_file;
    QByteArray m_buffer;
    bool m_ok = true;
};
