// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What one column of a spreadsheet-like source holds.
enum class ColumnRole
{
    Ignored,
    Question,
    AnswerA,
    AnswerB,
    AnswerC,
    AnswerD,
    Correct,
    Reference,
    Book,
    Chapter,
    Verse,
    Level,
    Title,
};
