#include "QuestionFileReader.h"

#include "QvedError.h"
#include "Utf8Output.h"

bool QuestionFileReader::read(const QString& path, QuestionList& list)
{
    QuestionRecord record;
    try {
        list.FillQuestionList(path, record, DecodeMode::QuestionOnly);
    } catch (const QvedError& e) {
        if (e.kind() != QvedError::Kind::Conversion) {
            Utf8Output::error(e.message());
            return false;
        }
    }
    return true;
}
