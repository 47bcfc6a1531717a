#include "Utf8Output.h"

#include <cstdio>

Utf8Output::Utf8Output()
{
    m_buffer.reserve(BlockSize + 4096);
    if (!m_file.open(1, QIODevice::WriteOnly | QIODevice::Unbuffered,
                     QFileDevice::DontCloseHandle)) {
        m_ok = false;
        error(QStringLiteral("qvedtool: cannot write to standard output: ") + m_file.errorString());
    }
}

Utf8Output::~Utf8Output()
{
    flush();
}

void Utf8Output::write()
{
    if (m_ok && m_file.write(m_buffer) != m_buffer.size()) {
        m_ok = false;
        error(QStringLiteral("qvedtool: cannot write to standard output: ") + m_file.errorString());
    }
    m_buffer.resize(0);
}

bool Utf8Output::flush()
{
    write();
    return m_ok;
}

void Utf8Output::error(const QString& line)
{
    std::fputs(line.toUtf8().append('\n').constData(), stderr);
    std::fflush(stderr);
}
