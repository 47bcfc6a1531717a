// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

struct QuestionRecord;

// A record's fields as other programs' files carry them, and the level's
// names read back: what every writer and reader shares.
class ExportTexts
{
public:
    static QString text(QByteArrayView bytes); // a question line's bytes as text
    static QString question(const QuestionRecord& record);
    static QString answer(const QuestionRecord& record, int index); // 0 = A
    static QString book(const QuestionRecord& record);   // the stored abbreviation, or empty
    static QString level(const QuestionRecord& record);  // "Single" .. "Home Run", or empty
    static QString letter(const QuestionRecord& record); // "A" .. "D", or empty
    // The reference with its book for a Bible book ("Gen. 1:1"), the text
    // alone for the catechism and general categories.
    static QString reference(const QuestionRecord& record);

    // A level by name ("Home Run", "home run") or number 1-4; -1 for neither.
    static int levelOf(QStringView text);
    static QString levelName(int level);
};
