// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <array>

class QuestionList;

// The reference, question and answers of a stored line as long as they are
// there. Decoding keeps the first 90 characters of the question and of each
// answer (as much as the game reads) and 25 of the reference, so a line
// another tool wrote may hold more than the panel shows, and storing the
// panel's texts would cut the rest.
class StoredTexts
{
public:
    enum Field
    {
        Reference,
        Question,
        AnswerA,
        AnswerB,
        AnswerC,
        AnswerD,
        FieldCount
    };

    // book: the book index the line decodes to; for a Bible book the
    // reference is read from its first digit, as decoding does.
    StoredTexts(QByteArrayView line, int book);

    // A text as decoding reads it, before the cut; an empty field reads as
    // a double quote.
    QByteArrayView text(Field field) const { return m_texts[field]; }
    // The fields longer than decoding keeps, in field order.
    QList<Field> overlong() const;

    static qsizetype limit(Field field) { return field == Reference ? 25 : 90; }
    // "question", "answer A", "reference".
    static QString name(Field field);
    // "question is 92 characters long, more than the 90 kept": a problem
    // line of the whole-bank check.
    static QString problem(Field field, qsizetype length);

    // False when no text of the line can be longer than decoding keeps,
    // found without decoding it.
    static bool mayHoldOverlong(QByteArrayView line);
    // How many texts of the list indexes first..last are longer than
    // decoding keeps; lines that do not decode are not counted, since they
    // cannot be edited.
    static int countOverlong(const QuestionList& list, int first, int last);

private:
    std::array<QByteArrayView, FieldCount> m_texts{};
};
