// SPDX-License-Identifier: GPL-2.0-or-later
#include "ImportText.h"

#include "Windows1252.h"

#include <QCoreApplication>

namespace {

bool opensWord(QStringView text, qsizetype at)
{
    if (at == 0)
        return true;
    const QChar before = text[at - 1];
    return before.isSpace() || before == u'(' || before == u'[' || before == u'\u2014' ||
           before == u'\u2013' || before == u'-';
}

// The plain form of a character the code page lacks.
QString plainForm(char32_t character)
{
    const QString decomposed =
        QString::fromUcs4(&character, 1).normalized(QString::NormalizationForm_KD);
    QString base;
    for (const QChar c : decomposed) {
        if (!c.isMark())
            base += c;
    }
    if (!base.isEmpty() && Windows1252::firstUnencodable(base) < 0 && !base.contains(u'"'))
        return base;
    switch (character) {
    case U'\u2010':
    case U'\u2011':
    case U'\u2012':
    case U'\u2212':
        return QStringLiteral("-");
    case U'\u2032':
    case U'\u02BC':
        return QStringLiteral("'");
    case U'\u2033':
        return QStringLiteral("''");
    case U'\u00A0':
    case U'\u2009':
    case U'\u202F':
        return QStringLiteral(" ");
    default:
        return QStringLiteral("?");
    }
}

} // namespace

QString ImportText::named(char32_t character)
{
    const QString code = QString::number(uint(character), 16).toUpper().rightJustified(4, u'0');
    return QStringLiteral("\u201C%1\u201D (U+%2)").arg(QString::fromUcs4(&character, 1), code);
}

QString ImportText::repaired(QStringView text, const QString& field, QStringList* notes)
{
    bool quotes = false;
    bool breaks = false;
    QString result;
    result.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == u'"') {
            result += opensWord(text, at) ? u'\u201C' : u'\u201D';
            quotes = true;
        } else if (c == u'\r' || c == u'\n') {
            // CR LF is one break, one space.
            if (c == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n')
                ++at;
            result += u' ';
            breaks = true;
        } else {
            result += c;
        }
    }
    if (quotes)
        notes->append(QCoreApplication::translate(
                          "Interchange", "straight double quotes in %1 became typographic ones")
                          .arg(field));
    if (breaks)
        notes->append(
            QCoreApplication::translate("Interchange", "a line break in %1 became a space")
                .arg(field));
    return result;
}

bool ImportText::fitCodePage(QString& text, const QString& field, bool replace, QStringList* notes,
                             QString* refusal)
{
    qsizetype at = Windows1252::firstUnencodable(text);
    if (at < 0)
        return true;
    auto characterAt = [&text](qsizetype index) {
        const QChar c = text[index];
        if (c.isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate())
            return QChar::surrogateToUcs4(c, text[index + 1]);
        return char32_t(c.unicode());
    };
    if (!replace) {
        *refusal =
            QCoreApplication::translate(
                "Interchange", "%1 holds %2 at character %3, which a question file cannot hold "
                               "(ask for such characters to be replaced)")
                .arg(field, named(characterAt(at)))
                .arg(at + 1);
        return false;
    }
    while (at >= 0) {
        const char32_t character = characterAt(at);
        const qsizetype width = character > 0xFFFF ? 2 : 1;
        const QString plain = plainForm(character);
        notes->append(QCoreApplication::translate(
                          "Interchange", "%1: %2 at character %3 was replaced by \u201C%4\u201D")
                          .arg(field, named(character))
                          .arg(at + 1)
                          .arg(plain));
        text.replace(at, width, plain);
        const qsizetype next =
            Windows1252::firstUnencodable(QStringView(text).sliced(at + plain.size()));
        at = next < 0 ? -1 : at + plain.size() + next;
    }
    return true;
}
