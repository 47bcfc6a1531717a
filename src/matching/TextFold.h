#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Texts as a reader compares them: case folded, with spaces and punctuation
// left out. An apostrophe joins the parts of a word ("Noah's" is "noahs").
class TextFold
{
public:
    // The words of a question file's text, folded, in order.
    static QStringList words(QByteArrayView ansiText);
    // The words run together: equal for texts that differ only in case,
    // spaces and punctuation.
    static QString folded(QByteArrayView ansiText);
};
