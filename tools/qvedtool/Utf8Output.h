// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <cstdio>

// The tool's standard output, UTF-8 text written in large blocks. A write
// that fails (a full disk, /dev/full) is said once on standard error with the
// platform's reason, and flush() then answers false.
class Utf8Output
{
public:
    Utf8Output()
    {
        m_ok = m_file.open(1, QIODevice::WriteOnly | QIODevice::Unbuffered,
                           QFileDevice::DontCloseHandle);
        if (!m_ok)
            error(QCoreApplication::translate("Utf8Output",
                                              "qvedtool: cannot write to standard output: ") +
                  m_file.errorString());
    }
    ~Utf8Output() { flush(); }
    Utf8Output(const Utf8Output&) = delete;
    Utf8Output& operator=(const Utf8Output&) = delete;

    void raw(QByteArrayView utf8)
    {
        m_buffer.append(utf8);
        if (m_buffer.size() >= BlockSize)
            flush();
    }
    void text(QStringView text) { raw(text.toUtf8()); }
    void number(qint64 value) { raw(QByteArray::number(value)); }

    // False once a write has failed.
    bool flush()
    {
        if (m_ok && m_file.write(m_buffer) != m_buffer.size()) {
            m_ok = false;
            error(QCoreApplication::translate("Utf8Output",
                                              "qvedtool: cannot write to standard output: ") +
                  m_file.errorString());
        }
        m_buffer.resize(0);
        return m_ok;
    }

    // One line to standard error, unbuffered.
    static void error(const QString& line)
    {
        std::fputs(line.toUtf8().append('\n').constData(), stderr);
        std::fflush(stderr);
    }

private:
    static constexpr qsizetype BlockSize = 1 << 16;
    QFile m_file;
    QByteArray m_buffer;
    bool m_ok = true;
};
