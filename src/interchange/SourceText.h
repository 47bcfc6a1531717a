// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A text source's characters: UTF-8 with or without a byte-order mark,
// UTF-16 with one, else Windows-1252.
class SourceText
{
public:
    // The text, or empty with the reason in error (NUL bytes: not text).
    static QString decode(const QByteArray& source, QString* error);

    // Whether the bytes are UTF-8 throughout (plain ASCII is).
    static bool isUtf8(QByteArrayView bytes);
};
