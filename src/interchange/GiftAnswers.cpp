// SPDX-License-Identifier: GPL-2.0-or-later
#include "GiftAnswers.h"

#include "HtmlText.h"
#include "ImportRow.h"

#include <QCoreApplication>

namespace {

// The first unescaped occurrence of what at or after from, or -1.
qsizetype findUnescaped(QStringView text, QStringView what, qsizetype from = 0)
{
    for (qsizetype at = from; at < text.size(); ++at) {
        if (text[at] == u'\\') {
            ++at;
            continue;
        }
        if (text.sliced(at).startsWith(what))
            return at;
    }
    return -1;
}

// A question written over several lines is one line of text: GIFT reads a
// line break as a space (and "\n" as a break).
QString joinedLines(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QStringView line : text.tokenize(u'\n')) {
        if (!result.isEmpty())
            result += u' ';
        result += line.trimmed();
    }
    return result;
}

struct Answer
{
    QString text;
    bool right = false;
    bool matching = false;
};

// The answers between the braces; each begins with an unescaped "=" or
// "~", and an unescaped "#" begins its feedback.
QList<Answer> answersOf(QStringView body)
{
    QList<Answer> answers;
    qsizetype at = 0;
    while (at < body.size()) {
        if (body[at] == u'\\') {
            at += 2;
            continue;
        }
        if (body[at] != u'=' && body[at] != u'~') {
            ++at;
            continue;
        }
        const bool right = body[at] == u'=';
        qsizetype end = at + 1;
        while (end < body.size() && !(body[end] == u'=' || body[end] == u'~')) {
            end += body[end] == u'\\' ? 2 : 1;
        }
        end = std::min(end, body.size());
        QStringView piece = body.sliced(at + 1, end - at - 1);
        const qsizetype feedback = findUnescaped(piece, u"#");
        if (feedback >= 0)
            piece = piece.first(feedback);
        Answer answer;
        answer.right = right;
        // "~%100%text" is right, "~%-25%text" wrong.
        QStringView trimmed = piece.trimmed();
        if (trimmed.startsWith(u'%')) {
            const qsizetype close = trimmed.indexOf(u'%', 1);
            if (close > 0) {
                answer.right = trimmed.sliced(1, close - 1).toDouble() >= 100;
                trimmed = trimmed.sliced(close + 1).trimmed();
            }
        }
        answer.matching = findUnescaped(trimmed, u"->") >= 0;
        answer.text = GiftAnswers::unescaped(trimmed).trimmed();
        answers.append(answer);
        at = end;
    }
    return answers;
}

} // namespace

QString GiftAnswers::unescaped(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == u'\\' && at + 1 < text.size()) {
            ++at;
            result += text[at] == u'n' ? QChar(u'\n') : text[at];
        } else {
            result += text[at];
        }
    }
    return result;
}

bool GiftAnswers::parseQuestion(const QString& whole, QString* title, ImportRow* row,
                                QString* problem)
{
    QStringView text = QStringView(whole).trimmed();
    if (text.startsWith(u"::")) {
        const qsizetype close = findUnescaped(text, u"::", 2);
        if (close > 0) {
            *title = unescaped(text.sliced(2, close - 2)).trimmed();
            text = text.sliced(close + 2).trimmed();
        }
    }
    bool html = false;
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(u']');
        const QStringView marker = close > 0 ? text.sliced(1, close - 1) : QStringView();
        if (marker == u"html" || marker == u"moodle" || marker == u"plain" ||
            marker == u"markdown") {
            html = marker == u"html" || marker == u"moodle";
            text = text.sliced(close + 1);
        }
    }
    const qsizetype open = findUnescaped(text, u"{");
    const qsizetype close = open < 0 ? -1 : findUnescaped(text, u"}", open + 1);
    if (open < 0 || close < 0) {
        *problem = QCoreApplication::translate("Interchange", "it has no answers in braces");
        return false;
    }
    const QStringView body = text.sliced(open + 1, close - open - 1).trimmed();
    const QString before = unescaped(joinedLines(text.first(open))).trimmed();
    const QString after = unescaped(joinedLines(text.sliced(close + 1))).trimmed();
    const QList<Answer> answers = answersOf(body);
    if (answers.isEmpty()) {
        *problem = body.startsWith(u'#')
                       ? QCoreApplication::translate(
                             "Interchange", "it is a numerical question, not multiple choice")
                   : body.isEmpty()
                       ? QCoreApplication::translate("Interchange", "it has no answers in braces")
                       : QCoreApplication::translate(
                             "Interchange", "it is a true-false question, not multiple choice");
        return false;
    }
    // Matching pairs are "=a -> b" throughout.
    if (std::all_of(answers.begin(), answers.end(),
                    [](const Answer& answer) { return answer.right && answer.matching; })) {
        *problem = QCoreApplication::translate("Interchange",
                                               "it is a matching question, not multiple choice");
        return false;
    }
    int right = 0;
    bool wrong = false;
    for (qsizetype index = 0; index < answers.size(); ++index) {
        if (answers[index].right) {
            ++right;
            row->correct = QChar(u'A' + int(std::min<qsizetype>(index, 25)));
        } else {
            wrong = true;
        }
        row->answers.append(answers[index].text);
    }
    if (!wrong) {
        *problem = QCoreApplication::translate(
            "Interchange", "it is a short-answer question: every answer is right");
        return false;
    }
    if (right == 0) {
        *problem = QCoreApplication::translate("Interchange", "it has no right answer");
        return false;
    }
    if (right > 1) {
        *problem = QCoreApplication::translate("Interchange", "it has more than one right answer");
        return false;
    }
    // A blank in the middle ("missing word") keeps its place.
    row->question = after.isEmpty() ? before : before + QStringLiteral(" _____ ") + after;
    if (html)
        row->question = HtmlText::plain(row->question);
    return true;
}
