// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionRecord.h"

#include <QByteArray>

enum class DecodeMode {
    Full,
    QuestionOnly, // stops after the question field; the answers keep their values
};

// Fills the record from a question line and answers how many fields it
// found. Only the fields present in the line are overwritten. A book number or level that is not an integer throws the
// conversion error after the fields before it have been stored.
// When questionField is given, it receives the view of the line that the
// Question field was taken from (untouched when the line has no such field).
int DecodeQuestionLine(QByteArrayView line, QuestionRecord& record, DecodeMode mode,
                       QByteArrayView* questionField = nullptr);

// Composes a line from the editor's values, inserted exactly as passed.
QByteArray EncodeQuestionLine(int book, int level, int correct, QByteArrayView reference,
                              QByteArrayView question, QByteArrayView answerA,
                              QByteArrayView answerB, QByteArrayView answerC,
                              QByteArrayView answerD);

void ClearQuestionRecord(QuestionRecord& record);

// 1-based position of the first decimal digit at position 2 or later;
// 1 when the text is shorter than two characters or has no such digit.
inline int FirstDigitPos(QByteArrayView text)
{
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (unsigned(uchar(text[i])) - '0' <= 9)
            return int(i + 1);
    }
    return 1;
}
