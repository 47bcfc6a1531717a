// SPDX-License-Identifier: GPL-2.0-or-later
#include "Windows1252.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace {

// Used only where the Qt build has no converter for the code page.
constexpr char16_t fallbackHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct CodeTables
{
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, uchar> fromUnicode;

    CodeTables()
    {
        QStringDecoder decoder("windows-1252", QStringDecoder::Flag::Stateless);
        for (int b = 0; b < 256; ++b) {
            char16_t unit = char16_t(b);
            if (decoder.isValid()) {
                const char byte = char(b);
                const QString decoded = decoder.decode(QByteArrayView(&byte, 1));
                if (decoded.size() == 1 && decoded.at(0).unicode() != 0xFFFD)
                    unit = decoded.at(0).unicode();
            } else if (b >= 0x80 && b < 0xA0) {
                unit = fallbackHighControls[b - 0x80];
            }
            // The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
            // 0x90, 0x9D) keep the C1 control of the same value, as Windows
            // itself does, so every byte survives a round trip.
            toUnicode[b] = unit;
        }
        for (int b = 0; b < 256; ++b)
            fromUnicode.insert(toUnicode[b], uchar(b));
    }
};

const CodeTables& tables()
{
    static const CodeTables instance;
    return instance;
}

} // namespace

QString Windows1252::toUnicode(QByteArrayView bytes)
{
    const auto& table = tables().toUnicode;
    QString result(bytes.size(), Qt::Uninitialized);
    QChar* to = result.data();
    for (const char byte : bytes)
        *to++ = QChar(table[uchar(byte)]);
    return result;
}

qsizetype Windows1252::firstUnencodable(QStringView text)
{
    const auto& map = tables().fromUnicode;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Only the C1 range differs between the code page and Latin-1.
        const char16_t unit = text[i].unicode();
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
            continue;
        if (!map.contains(unit))
            return i;
    }
    return -1;
}

QByteArray Windows1252::fromUnicode(QStringView text, bool* ok)
{
    const auto& map = tables().fromUnicode;
    QByteArray result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            result[i] = char(unit);
            continue;
        }
        const auto found = map.constFind(unit);
        if (found == map.constEnd()) {
            if (ok)
                *ok = false;
            return {};
        }
        result[i] = char(*found);
    }
    if (ok)
        *ok = true;
    return result;
}
