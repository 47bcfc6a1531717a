// SPDX-License-Identifier: GPL-2.0-or-later
#include "IntegerConversion.h"

#include "QvedError.h"
#include "Windows1252.h"

namespace {

char16_t unit(QStringView text, qsizetype i) { return text[i].unicode(); }
// Bytes above 0x7F are never digits, signs or blanks, whatever they stand for.
char16_t unit(QByteArrayView text, qsizetype i) { return uchar(text[i]); }

// One parser for Qt strings and for the file's single-byte text, so both
// accept exactly the same texts.
template <typename Text>
std::optional<qint32> parse(Text text)
{
    auto at = [&](qsizetype i) { return unit(text, i); };
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && at(i) == u' ')
        ++i;
    bool negative = false;
    if (i < n && (at(i) == u'-' || at(i) == u'+')) {
        negative = at(i) == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && at(i) == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && at(i) == u'0' && (at(i + 1) == u'x' || at(i + 1) == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;

    // Accumulate as a positive magnitude; the negative range is one larger.
    const qint64 limit = negative ? qint64(1) << 31 : (qint64(1) << 31) - 1;
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = at(i);
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return qint32(negative ? -value : value);
}

} // namespace

std::optional<qint32> ParseInteger(QStringView text)
{
    return parse(text);
}

qint32 StrToInt(QStringView text)
{
    if (const auto value = ParseInteger(text))
        return *value;
    throw QvedError::conversion(text.toString());
}

qint32 StrToIntOfAnsi(QByteArrayView ansiText)
{
    if (const auto value = parse(ansiText))
        return *value;
    throw QvedError::conversion(Windows1252::toUnicode(ansiText));
}
