// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Question files are single-byte Windows-1252 text. Lines stay bytes
// everywhere; this is the only place where they meet Qt strings.
class Windows1252
{
public:
    static QString toUnicode(QByteArrayView bytes);

    // Index of the first character that Windows-1252 cannot hold, or -1.
    static qsizetype firstUnencodable(QStringView text);

    // Encodes text that firstUnencodable() accepted. A character that cannot
    // be held is never replaced silently: the result is empty and ok false.
    static QByteArray fromUnicode(QStringView text, bool* ok = nullptr);
};
