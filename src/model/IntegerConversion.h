// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// The one text-to-integer conversion of the whole program: the line decoder,
// the reference checks, the locator and the report range all use it, so they
// accept and refuse exactly the same texts.
//
// The whole text must be one signed 32-bit integer: leading blanks and a sign
// are allowed, "$" or "0x" introduces a hexadecimal number; anything after the
// digits, an empty text or an overflow is refused.
std::optional<qint32> ParseInteger(QStringView text);

// As ParseInteger, but a refused text throws the conversion error
// "'<text>' is not a valid integer value".
qint32 StrToInt(QStringView text);
qint32 StrToIntOfAnsi(QByteArrayView ansiText);

// Every question line holds one- and two-digit numbers, so those are read
// here without a call; the rest take the general conversion.
inline qint32 StrToInt(QByteArrayView ansiText)
{
    const qsizetype size = ansiText.size();
    if (size < 1 || size > 4)
        return StrToIntOfAnsi(ansiText);
    qint32 value = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned digit = unsigned(uchar(ansiText[i])) - '0';
        if (digit > 9)
            return StrToIntOfAnsi(ansiText);
        value = value * 10 + qint32(digit);
    }
    return value;
}
