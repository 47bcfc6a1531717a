// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <array>

// The nine field texts of a question line, as the file holds them: what
// comparing and merging banks look at, so that nothing is cut or
// reinterpreted on the way.
struct QuestionFields
{
    enum Field
    {
        Book,
        Level,
        Correct,
        Reference,
        Question,
        AnswerA,
        AnswerB,
        AnswerC,
        AnswerD,
        Count
    };

    std::array<QByteArray, Count> texts;
    int found = 0; // how many fields the line held

    static QuestionFields fromLine(QByteArrayView line);
    // The line again; the same line when the fields came from one.
    QByteArray toLine() const;

    // The right answer's text; empty when the letter names none.
    QByteArrayView rightAnswer() const;
    // The export's name of a field, as json and csv call it.
    static const char* name(int field);
    // A field as the author reads it: the book's abbreviation, the level's
    // name, the letter, or the text.
    QByteArray shown(int field) const;

    friend bool operator==(const QuestionFields&, const QuestionFields&) = default;
};
