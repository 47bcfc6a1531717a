// SPDX-License-Identifier: GPL-2.0-or-later
#include "TextFold.h"

#include "Windows1252.h"

#include <QHash>
#include <array>

char16_t TextFold::foldedChar(uchar byte)
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> result{};
        for (int code = 0; code < 256; ++code) {
            const char ansi = char(code);
            const QString text = Windows1252::toUnicode(QByteArrayView(&ansi, 1));
            const QChar c = text.isEmpty() ? QChar() : text.front();
            if (c == u'\'' || c == u'\u2019' || c == u'\u2018')
                result[std::size_t(code)] = Joiner;
            else if (c.isLetterOrNumber())
                result[std::size_t(code)] = c.toCaseFolded().unicode();
            else
                result[std::size_t(code)] = Boundary;
        }
        return result;
    }();
    return table[byte];
}

QStringList TextFold::words(QByteArrayView ansiText)
{
    QStringList result;
    forEachWord(ansiText, [&result](QStringView word) { result.append(word.toString()); });
    return result;
}

QString TextFold::folded(QByteArrayView ansiText)
{
    QString result;
    forEachWord(ansiText, [&result](QStringView word) { result += word; });
    return result;
}

quint64 TextFold::foldedHash(QByteArrayView ansiText)
{
    QVarLengthArray<QChar, 128> joined;
    forEachWord(ansiText, [&joined](QStringView word) { joined.append(word.data(), word.size()); });
    return qHash(QStringView(joined.constData(), joined.size()), size_t(0));
}
