#include "Utf8Output.h"

#include "Windows1252.h"

#include <cstdio>

Utf8Output::Utf8Output(int descriptor)
{
    m_ok = m_file.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered,
                       QFileDevice::DontCloseHandle);
    m_buffer.reserve(FlushSize + 4096);
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        const QByteArray utf8 = Windows1252::toUnicode(QByteArrayView(&byte, 1)).toUtf8();
        m_length[b] = quint8(utf8.size());
        std::copy(utf8.begin(), utf8.end(), m_table[b].begin());
    }
}

Utf8Output::~Utf8Output()
{
    flush();
}

void Utf8Output::number(qint64 value)
{
    char digits[24];
    const int length = std::snprintf(digits, sizeof digits, "%lld", static_cast<long long>(value));
    raw(QByteArrayView(digits, length));
}

void Utf8Output::ansi(QByteArrayView windows1252)
{
    // Runs of ASCII go out in one piece.
    const char* data = windows1252.data();
    const qsizetype size = windows1252.size();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (uchar(data[i]) < 0x80)
            continue;
        m_buffer.append(data + runStart, i - runStart);
        m_buffer.append(m_table[uchar(data[i])].data(), m_length[uchar(data[i])]);
        runStart = i + 1;
    }
    m_buffer.append(data + runStart, size - runStart);
    flushWhenFull();
}

bool Utf8Output::flush()
{
    if (!m_buffer.isEmpty()) {
        if (m_ok && m_file.write(m_buffer) != m_buffer.size())
            m_ok = false;
        m_buffer.resize(0);
    }
    return m_ok;
}

void Utf8Output::error(const QString& line)
{
    std::fputs(line.toUtf8().append('\n').constData(), stderr);
    std::fflush(stderr);
}
