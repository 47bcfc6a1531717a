// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionFields.h"

#include <QJsonObject>
#include <QString>

// How the matching commands show a question to people and to programs.
class QuestionText
{
public:
    // "#12 Gen. 1:1: What did God create?"
    static QString line(int number, const QuestionFields& question);
    // The question as a block of lines, one field a line, for git's textconv.
    static QString block(const QuestionFields& question);
    static QString field(const QuestionFields& question, int field);
    // Every field under the export's names, with the question's number.
    static QJsonObject json(int number, const QuestionFields& question);
};
