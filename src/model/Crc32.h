#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// The CRC-32 of zlib and PNG (reflected polynomial 0xEDB88320), which the
// recovery journal puts on each change so a damaged one is never replayed.
quint32 Crc32(QByteArrayView bytes);
