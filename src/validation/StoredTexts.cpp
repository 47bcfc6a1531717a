// SPDX-License-Identifier: GPL-2.0-or-later
#include "StoredTexts.h"

#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "QvedError.h"

#include <cstring>

#include <QCoreApplication>

namespace {

constexpr int ReferenceField = 4; // the line's fields, counted from 1
constexpr int LastField = 9;
constexpr int OtherBooks = 66; // from here on the reference is read whole

} // namespace

StoredTexts::StoredTexts(QByteArrayView line, int book)
{
    // The fields as decoding finds them: the text between the next two
    // double quotes, two adjacent quotes reading as the closing one.
    const char* const end = line.data() + line.size();
    const char* from = line.data();
    auto nextQuote = [end](const char* at) {
        return static_cast<const char*>(std::memchr(at, '"', std::size_t(end - at)));
    };
    for (int field = 1; field <= LastField && from != end; ++field) {
        const char* const opened = nextQuote(from);
        const char* const closed = opened ? nextQuote(opened + 1) : nullptr;
        if (!closed)
            break;
        const qsizetype length = closed - opened - 1;
        QByteArrayView text =
            length > 0 ? QByteArrayView(opened + 1, length) : QByteArrayView(closed, 1);
        from = closed + 1;
        if (field < ReferenceField)
            continue;
        if (field == ReferenceField) {
            if (book < OtherBooks)
                text = text.sliced(FirstDigitPos(text) - 1);
            while (!text.isEmpty() && uchar(text[0]) <= 32)
                text = text.sliced(1);
        }
        m_texts[std::size_t(field - ReferenceField)] = text;
    }
}

QList<StoredTexts::Field> StoredTexts::overlong() const
{
    QList<Field> fields;
    for (int field = Reference; field < FieldCount; ++field) {
        if (m_texts[std::size_t(field)].size() > limit(Field(field)))
            fields << Field(field);
    }
    return fields;
}

QString StoredTexts::name(Field field)
{
    static const char* const names[FieldCount] = {QT_TRANSLATE_NOOP("StoredTexts", "reference"),
                                                  QT_TRANSLATE_NOOP("StoredTexts", "question"),
                                                  QT_TRANSLATE_NOOP("StoredTexts", "answer A"),
                                                  QT_TRANSLATE_NOOP("StoredTexts", "answer B"),
                                                  QT_TRANSLATE_NOOP("StoredTexts", "answer C"),
                                                  QT_TRANSLATE_NOOP("StoredTexts", "answer D")};
    return QCoreApplication::translate("StoredTexts", names[field]);
}

QString StoredTexts::problem(Field field, qsizetype length)
{
    return QCoreApplication::translate("StoredTexts",
                                       "%1 is %2 characters long, more than the %3 kept")
        .arg(name(field))
        .arg(length)
        .arg(limit(field));
}

bool StoredTexts::mayHoldOverlong(QByteArrayView line)
{
    // The reference field as stored is never shorter than the reference
    // read from it, so no decoding is needed to rule most lines out.
    const char* from = line.data();
    const char* const end = from + line.size();
    for (int field = 1; field <= LastField; ++field) {
        const auto* opened =
            static_cast<const char*>(std::memchr(from, '"', std::size_t(end - from)));
        const auto* closed = opened ? static_cast<const char*>(std::memchr(
                                          opened + 1, '"', std::size_t(end - opened - 1)))
                                    : nullptr;
        if (!closed)
            return false;
        const qsizetype length = closed - opened - 1;
        if (field >= ReferenceField &&
            length > limit(field == ReferenceField ? Reference : Question))
            return true;
        from = closed + 1;
    }
    return false;
}

int StoredTexts::countOverlong(const QuestionList& list, int first, int last)
{
    int count = 0;
    QuestionRecord record;
    for (int index = first; index <= last && index < list.count(); ++index) {
        const QByteArrayView line = list.line(index);
        if (!mayHoldOverlong(line))
            continue;
        ClearQuestionRecord(record);
        try {
            DecodeQuestionLine(line, record, DecodeMode::Full);
        } catch (const QvedError&) {
            continue;
        }
        count += int(StoredTexts(line, record.Book).overlong().size());
    }
    return count;
}
