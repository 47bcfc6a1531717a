// SPDX-License-Identifier: GPL-2.0-or-later
#include "SourceText.h"

#include "Windows1252.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <cstring>

bool SourceText::isUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        int follow = 0;
        if ((*p & 0xE0) == 0xC0 && *p >= 0xC2)
            follow = 1;
        else if ((*p & 0xF0) == 0xE0)
            follow = 2;
        else if ((*p & 0xF8) == 0xF0 && *p <= 0xF4)
            follow = 3;
        else
            return false;
        if (end - p <= follow)
            return false;
        for (int i = 1; i <= follow; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
        }
        p += follow + 1;
    }
    return true;
}

QString SourceText::decode(const QByteArray& source, QString* error)
{
    QByteArrayView bytes = source;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                            : QStringDecoder::Utf16BE);
        QString text = decoder.decode(bytes.sliced(2));
        if (decoder.hasError() || text.contains(QChar(0))) {
            *error = QCoreApplication::translate(
                "Interchange", "it is not UTF-16 text throughout, as its first bytes say");
            return {};
        }
        return text;
    }
    if (std::memchr(bytes.data(), 0, size_t(bytes.size())) != nullptr) {
        *error = QCoreApplication::translate("Interchange",
                                             "it is not a text file (it holds NUL bytes)");
        return {};
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    return isUtf8(bytes) ? QString::fromUtf8(bytes) : Windows1252::toUnicode(bytes);
}
