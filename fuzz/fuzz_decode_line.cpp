// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as one question line: decoding must not crash, read outside the
// line or fail other than with the conversion error; a line whose fields the
// editor could have written reads back the same after encoding.
#include "BookTable.h"
#include "QuestionLineCodec.h"
#include "QvedError.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool storable(QByteArrayView text)
{
    return !text.isEmpty() && !text.contains('"');
}

void checkReadingBack(const QuestionRecord& record)
{
    if (record.Book < 0 || record.Book >= BookCount || record.Level < 0 || record.Level > 3 ||
        record.Correct < 0 || record.Correct > 3)
        return;
    const QByteArrayView texts[] = {record.Reference.view(), record.Question.view(),
                                    record.AnswerA.view(),   record.AnswerB.view(),
                                    record.AnswerC.view(),   record.AnswerD.view()};
    for (QByteArrayView text : texts) {
        if (!storable(text))
            return;
    }
    const QByteArray line =
        EncodeQuestionLine(record.Book, record.Level, record.Correct, texts[0], texts[1], texts[2],
                           texts[3], texts[4], texts[5]);
    QuestionRecord again;
    DecodeQuestionLine(line, again, DecodeMode::Full);
    // A Bible reference comes back only when it starts with its chapter.
    const bool referenceComesBack =
        !IsBibleBook(record.Book) || (texts[0][0] >= '0' && texts[0][0] <= '9');
    if (again.Book != record.Book || again.Level != record.Level ||
        again.Correct != record.Correct || again.Question != record.Question ||
        again.AnswerA != record.AnswerA || again.AnswerB != record.AnswerB ||
        again.AnswerC != record.AnswerC || again.AnswerD != record.AnswerD ||
        (referenceComesBack && again.Reference != record.Reference))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView line(reinterpret_cast<const char*>(data), qsizetype(size));
    for (DecodeMode mode : {DecodeMode::Full, DecodeMode::QuestionOnly}) {
        QuestionRecord record;
        QByteArrayView question;
        try {
            DecodeQuestionLine(line, record, mode, &question);
        } catch (const QvedError& error) {
            if (error.kind() != QvedError::Kind::Conversion)
                std::abort();
            continue;
        }
        if (question.data() &&
            (question.data() < line.data() || question.data() + question.size() > line.end()))
            std::abort();
        if (mode == DecodeMode::Full)
            checkReadingBack(record);
    }
    return 0;
}
