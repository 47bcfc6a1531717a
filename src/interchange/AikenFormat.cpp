// SPDX-License-Identifier: GPL-2.0-or-later
#include "AikenFormat.h"

#include "BookTable.h"
#include "ExportTexts.h"
#include "LineBlocks.h"
#include "QuestionRecord.h"
#include "SourceText.h"

#include <QCoreApplication>

namespace {

// "A." or "A)" and the answer after it; the letter, or 0.
char16_t optionLetter(QStringView line, QStringView* text)
{
    if (line.size() < 2 || line[0] < u'A' || line[0] > u'Z' || (line[1] != u'.' && line[1] != u')'))
        return 0;
    if (line.size() > 2 && !line[2].isSpace())
        return 0;
    *text = line.sliced(2).trimmed();
    return line[0].unicode();
}

bool isAnswerLine(QStringView line, QStringView* letter)
{
    if (!line.startsWith(u"ANSWER:", Qt::CaseInsensitive))
        return false;
    *letter = line.sliced(7).trimmed();
    return true;
}

} // namespace

QString AikenFormat::name() const
{
    return QStringLiteral("aiken");
}

QString AikenFormat::title() const
{
    return QCoreApplication::translate("Interchange", "Aiken (Moodle)");
}

QStringList AikenFormat::suffixes() const
{
    return {QStringLiteral("aiken"), QStringLiteral("txt")};
}

bool AikenFormat::recognises(const QByteArray& head) const
{
    return (head.startsWith("ANSWER:") || head.contains("\nANSWER:")) &&
           (head.contains("\nA.") || head.contains("\nA)"));
}

FormatReadResult AikenFormat::read(const QByteArray& source) const
{
    FormatReadResult result;
    const QString text = SourceText::decode(source, &result.error);
    if (!result.error.isEmpty())
        return result;
    ImportRow row;
    int lineNumber = 0;
    bool open = false;
    auto problem = [&result](const QString& place, const QString& reason) {
        result.problems.append(place + QStringLiteral(": ") + reason);
    };
    for (QStringView line : QStringView(text).tokenize(u'\n')) {
        ++lineNumber;
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        QStringView rest;
        if (isAnswerLine(line, &rest)) {
            if (!open) {
                problem(QCoreApplication::translate("Interchange", "line %1").arg(lineNumber),
                        QCoreApplication::translate("Interchange",
                                                    "an ANSWER line follows no question"));
                continue;
            }
            row.correct = rest.toString();
            result.rows.append(row);
            open = false;
            continue;
        }
        const char16_t letter = open ? optionLetter(line, &rest) : 0;
        if (letter && letter == u'A' + row.answers.size()) {
            row.answers.append(rest.toString());
        } else if (open && row.answers.isEmpty()) {
            // A question over several lines: its breaks become spaces.
            row.question += u'\n';
            row.question += line;
        } else {
            if (open)
                problem(row.place, QCoreApplication::translate(
                                       "Interchange", "no ANSWER line ends this question"));
            row = ImportRow();
            row.place = QCoreApplication::translate("Interchange", "line %1").arg(lineNumber);
            row.question = line.toString();
            open = true;
        }
    }
    if (open)
        problem(row.place,
                QCoreApplication::translate("Interchange", "no ANSWER line ends this question"));
    return result;
}

QByteArray AikenFormat::write(const QList<QuestionRecord>& questions, QString*, QStringList*) const
{
    // Aiken has no reference: a Bible reference stands in brackets at the
    // end of the question, where reading it back finds it.
    return LineBlocks::joined(int(questions.size()), [&](int first, int end) {
        QString block;
        for (int index = first; index < end; ++index) {
            const QuestionRecord& r = questions[index];
            block += ExportTexts::question(r);
            if (r.Book >= 0 && IsBibleBook(r.Book))
                block += QStringLiteral(" (%1)").arg(ExportTexts::reference(r));
            block += u'\n';
            for (int answer = 0; answer < 4; ++answer)
                block += QChar(u'A' + answer) + QStringLiteral(". ") +
                         ExportTexts::answer(r, answer) + u'\n';
            block += QStringLiteral("ANSWER: ") + ExportTexts::letter(r) + QStringLiteral("\n\n");
        }
        return block.toUtf8();
    });
}
