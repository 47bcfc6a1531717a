#include "Utf8Output.h"

#include "Windows1252.h"

#include <charconv>
#include <cstdio>
#include <limits>

Utf8Output::Utf8Output(int descriptor) : m_inMemory(false), m_buffer(Capacity, Qt::Uninitialized)
{
    m_ok = m_file.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered,
                       QFileDevice::DontCloseHandle);
    m_pos = m_buffer.data();
    m_end = m_pos + m_buffer.size();
}

Utf8Output::Utf8Output() : m_inMemory(true), m_buffer(Capacity, Qt::Uninitialized)
{
    m_pos = m_buffer.data();
    m_end = m_pos + m_buffer.size();
}

Utf8Output::~Utf8Output()
{
    flush();
}

const Utf8Output::Utf8Table& Utf8Output::utf8Table()
{
    static const Utf8Table table = [] {
        Utf8Table made;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QByteArray utf8 = Windows1252::toUnicode(QByteArrayView(&byte, 1)).toUtf8();
            made.length[b] = quint8(utf8.size());
            std::copy(utf8.begin(), utf8.end(), made.bytes[b].begin());
        }
        return made;
    }();
    return table;
}

void Utf8Output::number(qint64 value)
{
    char* at = reserve(std::numeric_limits<qint64>::digits10 + 2);
    commit(std::to_chars(at, at + std::numeric_limits<qint64>::digits10 + 2, value).ptr);
}

bool Utf8Output::makeRoom(qsizetype size)
{
    if (m_inMemory) {
        const qsizetype used = m_pos - m_buffer.data();
        m_buffer.resize(std::max(m_buffer.size() * 2, used + size));
        m_pos = m_buffer.data() + used;
        m_end = m_buffer.data() + m_buffer.size();
        return true;
    }
    flush();
    return size <= m_end - m_pos;
}

void Utf8Output::writeThrough(QByteArrayView bytes)
{
    if (m_ok && m_file.write(bytes.data(), bytes.size()) != bytes.size())
        m_ok = false;
}

bool Utf8Output::flush()
{
    if (m_inMemory)
        return true;
    writeThrough(QByteArrayView(m_buffer.data(), m_pos - m_buffer.data()));
    m_pos = m_buffer.data();
    return m_ok;
}

void Utf8Output::error(const QString& line)
{
    std::fputs(line.toUtf8().append('\n').constData(), stderr);
    std::fflush(stderr);
}
