// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QIODevice>

// Reads another device up to a number of bytes. One byte more and reading
// fails, so a reader fed through it never holds more than the bound,
// whatever the source claimed about its size. Opens itself for reading.
class BoundedReadDevice : public QIODevice
{
public:
    BoundedReadDevice(QIODevice* source, qint64 limit);

    bool isSequential() const override { return true; }
    bool atEnd() const override;
    qint64 bytesAvailable() const override;
    bool exceeded() const { return m_exceeded; }
    qint64 count() const { return m_count; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice* m_source;
    qint64 m_limit;
    qint64 m_count = 0;
    bool m_exceeded = false;
};
