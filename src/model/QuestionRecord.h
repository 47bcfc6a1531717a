// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "FixedText.h"

#include <QtGlobal>

// One decoded question. -1 in Level, Correct or Book means "none".
struct QuestionRecord
{
    FixedText<3> CanonicalNbr;
    qint16 Level = -1;   // 0 Single, 1 Double, 2 Triple, 3 Home Run
    qint16 Correct = -1; // 0 = A .. 3 = D
    FixedText<25> Reference;
    FixedText<90> Question;
    FixedText<90> AnswerA;
    FixedText<90> AnswerB;
    FixedText<90> AnswerC;
    FixedText<90> AnswerD;
    qint16 Book = -1; // book table index 0..67

    friend bool operator==(const QuestionRecord&, const QuestionRecord&) = default;
};
