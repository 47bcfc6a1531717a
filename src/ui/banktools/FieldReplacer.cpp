// SPDX-License-Identifier: GPL-2.0-or-later
#include "FieldReplacer.h"

#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "QvedError.h"
#include "Windows1252.h"

#include <QCoreApplication>

namespace {

constexpr qsizetype TextLength = 90;
constexpr qsizetype ReferenceLength = 25;

bool isAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

QByteArray bytes(const QString& text)
{
    return Windows1252::fromUnicode(text);
}

} // namespace

FieldReplacer::FieldReplacer(const Options& options) : m_in(options.in)
{
    m_replacement = options.replaceWith;
    m_replacement.replace(u'"', u'\'');
    m_replacement.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    m_replacement.replace(u'\r', u' ');
    m_replacement.replace(u'\n', u' ');
    if (options.find.isEmpty()) {
        m_refusal = QCoreApplication::translate("FieldReplacer", "Type the text to find.");
        return;
    }
    if (const qsizetype at = Windows1252::firstUnencodable(m_replacement); at >= 0) {
        m_refusal =
            QCoreApplication::translate(
                "FieldReplacer", "The replacement holds '%1', which question files cannot hold.")
                .arg(m_replacement.mid(at, m_replacement[at].isHighSurrogate() ? 2 : 1));
        return;
    }
    QString pattern = QRegularExpression::escape(options.find);
    if (options.wholeWords)
        pattern = QStringLiteral("(?<!\\w)") + pattern + QStringLiteral("(?!\\w)");
    QRegularExpression::PatternOptions flags = QRegularExpression::UseUnicodePropertiesOption;
    if (!options.matchCase)
        flags |= QRegularExpression::CaseInsensitiveOption;
    m_pattern = QRegularExpression(pattern, flags);
    m_pattern.optimize();
    // Outside ASCII, case folding may pair characters whose bytes differ in
    // other ways than a to z; those lines are all searched in full.
    if (isAscii(options.find))
        m_prefilter.emplace(bytes(options.find));
}

std::vector<QString*> FieldReplacer::fieldsOf(PanelValues& v) const
{
    switch (m_in) {
    case Fields::Question:
        return {&v.question};
    case Fields::Answers:
        return {&v.answerA, &v.answerB, &v.answerC, &v.answerD};
    case Fields::Reference:
        return {&v.reference};
    case Fields::All:
        break;
    }
    return {&v.reference, &v.question, &v.answerA, &v.answerB, &v.answerC, &v.answerD};
}

bool FieldReplacer::lineMayMatch(QByteArrayView line) const
{
    return m_refusal.isEmpty() && (!m_prefilter || m_prefilter->find(line) >= 0);
}

bool FieldReplacer::matches(const PanelValues& values) const
{
    if (!m_refusal.isEmpty())
        return false;
    PanelValues copy = values;
    for (const QString* text : fieldsOf(copy)) {
        if (m_pattern.match(*text).hasMatch())
            return true;
    }
    return false;
}

int FieldReplacer::replaceIn(PanelValues& values, bool& tooLong) const
{
    tooLong = false;
    if (!m_refusal.isEmpty())
        return 0;
    PanelValues result = values;
    int count = 0;
    for (QString* text : fieldsOf(result)) {
        QString replaced;
        qsizetype from = 0;
        int changes = 0;
        for (auto it = m_pattern.globalMatch(*text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            replaced += QStringView(*text).sliced(from, match.capturedStart() - from);
            replaced += m_replacement;
            from = match.capturedEnd();
            // "Lord" found for "LORD" without matching case and replaced
            // with "Lord" changes nothing, and is not counted.
            if (match.capturedView() != m_replacement)
                ++changes;
        }
        if (changes == 0)
            continue;
        count += changes;
        replaced += QStringView(*text).sliced(from);
        const qsizetype limit = text == &result.reference ? ReferenceLength : TextLength;
        if (bytes(replaced).size() > limit) {
            tooLong = true;
            return 0;
        }
        *text = replaced;
    }
    values = result;
    return count;
}

QByteArray FieldReplacer::encoded(const PanelValues& values)
{
    return EncodeQuestionLine(values.book, values.level, values.correct, bytes(values.reference),
                              bytes(values.question), bytes(values.answerA), bytes(values.answerB),
                              bytes(values.answerC), bytes(values.answerD));
}

FieldReplacer::Outcome FieldReplacer::replaceAll(const QuestionList& list, const Shown& shown) const
{
    Outcome outcome;
    QuestionRecord record;
    for (int index = 0; index < list.count(); ++index) {
        const QByteArrayView line = list.line(index);
        if ((shown && !shown(index)) || !lineMayMatch(line))
            continue;
        ClearQuestionRecord(record);
        try {
            DecodeQuestionLine(line, record, DecodeMode::Full);
        } catch (const QvedError&) {
            continue;
        }
        const PanelValues stored = PanelValuesOf(record);
        PanelValues values = stored;
        bool tooLong = false;
        const int count = replaceIn(values, tooLong);
        if (tooLong)
            outcome.tooLong << index + 1;
        if (count == 0)
            continue;
        if (encoded(stored) != line) {
            outcome.notAsStored << index + 1;
            continue;
        }
        outcome.replacements += count;
        // Stored as a commit from the panel would store it.
        outcome.lines.push_back({index, encoded(values), bytes(values.question)});
    }
    return outcome;
}
