// SPDX-License-Identifier: GPL-2.0-or-later
#include "QusFormat.h"

#include "ExportTexts.h"
#include "LineBlocks.h"
#include "QuestionLineCodec.h"
#include "QvedError.h"

#include <QCoreApplication>

namespace {

constexpr int FieldCount = 9;

} // namespace

QString QusFormat::name() const
{
    return QStringLiteral("qus");
}

QString QusFormat::title() const
{
    return QCoreApplication::translate("Interchange", "Question file");
}

QStringList QusFormat::suffixes() const
{
    return {QStringLiteral("qus"), QStringLiteral("qbk")};
}

bool QusFormat::recognises(const QByteArray& head) const
{
    // The first line holds nine quoted fields, the first a book code "C1".
    const qsizetype end = head.indexOf('\n');
    const QByteArrayView line = QByteArrayView(head).first(end < 0 ? head.size() : end);
    return line.startsWith("\"C") && line.count("\",\"") == FieldCount - 1;
}

FormatReadResult QusFormat::read(const QByteArray& source) const
{
    FormatReadResult result;
    qsizetype start = 0;
    int number = 0;
    QuestionRecord record;
    while (start < source.size()) {
        qsizetype end = source.indexOf('\n', start);
        if (end < 0)
            end = source.size();
        QByteArrayView line = QByteArrayView(source).sliced(start, end - start);
        start = end + 1;
        ++number;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QString place = QCoreApplication::translate("Interchange", "line %1").arg(number);
        ClearQuestionRecord(record);
        int fields = 0;
        try {
            fields = DecodeQuestionLine(line, record, DecodeMode::Full);
        } catch (const QvedError& error) {
            result.problems.append(place + QStringLiteral(": ") + error.message());
            continue;
        }
        if (fields != FieldCount) {
            result.problems.append(
                place + QStringLiteral(": ") +
                QCoreApplication::translate("Interchange",
                                            "it holds %1 fields; a question line holds nine")
                    .arg(fields));
            continue;
        }
        ImportRow row;
        row.place = place;
        row.question = ExportTexts::question(record);
        for (int answer = 0; answer < 4; ++answer)
            row.answers.append(ExportTexts::answer(record, answer));
        row.correct = ExportTexts::letter(record);
        if (row.correct.isEmpty())
            row.correct = QString::number(record.Correct + 1);
        row.reference = ExportTexts::text(record.Reference.view());
        row.book = ExportTexts::book(record);
        row.level = record.Level >= 0 && record.Level < 4 ? ExportTexts::level(record)
                                                          : QString::number(record.Level + 1);
        result.rows.append(row);
    }
    return result;
}

QByteArray QusFormat::write(const QList<QuestionRecord>& questions, QString*, QStringList*) const
{
    return LineBlocks::joined(int(questions.size()), [&](int first, int end) {
        QByteArray block;
        for (int index = first; index < end; ++index) {
            const QuestionRecord& r = questions[index];
            block += EncodeQuestionLine(r.Book, r.Level, r.Correct, r.Reference.view(),
                                        r.Question.view(), r.AnswerA.view(), r.AnswerB.view(),
                                        r.AnswerC.view(), r.AnswerD.view());
            block += "\r\n";
        }
        return block;
    });
}
