#include "TextFold.h"

#include "Windows1252.h"

namespace {

bool joinsWord(QChar c)
{
    return c == u'\'' || c == u'\u2019' || c == u'\u2018';
}

} // namespace

QStringList TextFold::words(QByteArrayView ansiText)
{
    const QString text = Windows1252::toUnicode(ansiText);
    QStringList result;
    QString word;
    for (const QChar c : text) {
        if (c.isLetterOrNumber()) {
            word += c.toCaseFolded();
        } else if (!joinsWord(c) && !word.isEmpty()) {
            result.append(word);
            word.clear();
        }
    }
    if (!word.isEmpty())
        result.append(word);
    return result;
}

QString TextFold::folded(QByteArrayView ansiText)
{
    return words(ansiText).join(QString());
}
