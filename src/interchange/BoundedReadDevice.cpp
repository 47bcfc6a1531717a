// SPDX-License-Identifier: GPL-2.0-or-later
#include "BoundedReadDevice.h"

#include <algorithm>

BoundedReadDevice::BoundedReadDevice(QIODevice* source, qint64 limit)
    : m_source(source), m_limit(limit)
{
    open(QIODevice::ReadOnly);
}

bool BoundedReadDevice::atEnd() const
{
    return m_exceeded || (QIODevice::bytesAvailable() == 0 && m_source->atEnd());
}

qint64 BoundedReadDevice::bytesAvailable() const
{
    return QIODevice::bytesAvailable() + (m_exceeded ? 0 : m_source->bytesAvailable());
}

qint64 BoundedReadDevice::readData(char* data, qint64 maxSize)
{
    if (m_exceeded)
        return -1;
    // One byte past the bound is asked for, so a source of exactly the bound
    // still reads whole.
    const qint64 room = m_limit - m_count + 1;
    const qint64 read = m_source->read(data, std::min(maxSize, room));
    if (read < 0)
        return -1;
    m_count += read;
    if (m_count > m_limit) {
        m_exceeded = true;
        return -1;
    }
    return read;
}
