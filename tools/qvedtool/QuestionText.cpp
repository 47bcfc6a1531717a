// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionText.h"

#include "Windows1252.h"

#include <QCoreApplication>

QString QuestionText::field(const QuestionFields& question, int field)
{
    return Windows1252::toUnicode(question.shown(field));
}

QString QuestionText::line(int number, const QuestionFields& question)
{
    return QStringLiteral("#%1 %2: %3")
        .arg(number)
        .arg(field(question, QuestionFields::Reference), field(question, QuestionFields::Question));
}

QString QuestionText::block(const QuestionFields& question)
{
    QString text =
        QStringLiteral("%1 | %2 | %3 | correct %4\n")
            .arg(field(question, QuestionFields::Book), field(question, QuestionFields::Reference),
                 field(question, QuestionFields::Level), field(question, QuestionFields::Correct));
    text += QStringLiteral("  Q: ") + field(question, QuestionFields::Question) + u'\n';
    for (int answer = 0; answer < 4; ++answer) {
        text += QStringLiteral("  %1: ").arg(QChar(u'A' + answer)) +
                field(question, QuestionFields::AnswerA + answer) + u'\n';
    }
    return text;
}

QJsonObject QuestionText::json(int number, const QuestionFields& question)
{
    QJsonObject object{{QStringLiteral("number"), number}};
    for (int at = 0; at < QuestionFields::Count; ++at)
        object.insert(QString::fromLatin1(QuestionFields::name(at)), field(question, at));
    return object;
}
