// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// The CRC-32 of zlib and PNG (reflected polynomial 0xEDB88320): the recovery
// journal puts it on each change so a damaged one is never replayed, and the
// Bible word list on its body so a damaged one is made again.
quint32 Crc32(QByteArrayView bytes);
