// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

struct ImportRow;

// One GIFT question's pieces: its title, its text and the answers between
// the braces, escapes undone and feedback left out.
class GiftAnswers
{
public:
    // False with the reason when the text is no multiple-choice question
    // with one right answer.
    static bool parseQuestion(const QString& text, QString* title, ImportRow* row,
                              QString* problem);

    // The text with \~ \= \# \{ \} \: and \\ undone and \n as a line break.
    static QString unescaped(QStringView text);
};
