// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

// Texts as a reader compares them: case folded, with spaces and punctuation
// left out. An apostrophe joins the parts of a word ("Noah's" is "noahs").
class TextFold
{
public:
    // Calls wordFound(QStringView) for each folded word of a question file's
    // text, in order, without building a string for it.
    template <typename WordFound> static void forEachWord(QByteArrayView ansiText, WordFound wordFound)
    {
        QVarLengthArray<QChar, 64> word;
        for (const char byte : ansiText) {
            const char16_t folded = foldedChar(uchar(byte));
            if (folded == Joiner)
                continue;
            if (folded != Boundary) {
                word.append(QChar(folded));
            } else if (!word.isEmpty()) {
                wordFound(QStringView(word.constData(), word.size()));
                word.clear();
            }
        }
        if (!word.isEmpty())
            wordFound(QStringView(word.constData(), word.size()));
    }

    // The folded words, in order.
    static QStringList words(QByteArrayView ansiText);
    // The words run together: equal for texts that differ only in case,
    // spaces and punctuation.
    static QString folded(QByteArrayView ansiText);
    // A hash of folded(), equal for equal folded texts.
    static quint64 foldedHash(QByteArrayView ansiText);

private:
    static constexpr char16_t Boundary = 0;
    static constexpr char16_t Joiner = 0xffff;
    // The folded character of a Windows-1252 byte, Boundary or Joiner.
    static char16_t foldedChar(uchar byte);
};
