#include "QuestionLineCodec.h"

#include "BookTable.h"
#include "IntegerConversion.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Positions of the first double quotes of a line. Fields are short, so
// finding every quote of 64 bytes at once costs less than a search per
// quote, and writing eight positions at a time without asking whether
// there are eight costs less than a branch per quote.
class LineQuotes
{
public:
    static constexpr int Most = 18; // the quotes of nine fields

    LineQuotes(QByteArrayView line, int wanted)
    {
        Q_ASSERT(wanted <= Most);
        const char* const data = line.data();
        const qsizetype size = line.size();
        for (qsizetype block = 0; block < size && m_count < wanted; block += 64) {
            quint64 quotes = quotesOfBlock(data, size, block);
            while (quotes != 0) {
                for (int k = 0; k < 8; ++k) {
                    m_offsets[m_count] = block + std::countr_zero(quotes);
                    m_count += quotes != 0;
                    quotes &= quotes - 1;
                }
            }
        }
        m_count = std::min(m_count, wanted);
    }

    int count() const { return m_count; }
    qsizetype at(int i) const { return m_offsets[i]; }

private:
    // One bit for each quote among the 64 bytes from block; never reads
    // outside the line.
    static quint64 quotesOfBlock(const char* data, qsizetype size, qsizetype block)
    {
        const char* const from = data + block;
        const qsizetype available = std::min<qsizetype>(size - block, 64);
        quint64 quotes = 0;
        qsizetype i = 0;
#if defined(__SSE2__)
        const __m128i quote = _mm_set1_epi8('"');
        for (; i + 16 <= available; i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
            quotes |= quint64(quint16(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, quote)))) << i;
        }
        if (i < available && size >= 16) {
            // The line's last 16 bytes, of which the ones not yet seen are
            // the top ones.
            const __m128i bytes =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + size - 16));
            const quint32 tail = quint32(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, quote)));
            return quotes | (quint64(tail >> (16 - (available - i))) << i);
        }
#endif
        for (; i < available; ++i)
            quotes |= quint64(from[i] == '"') << i;
        return quotes;
    }

    // A block's quotes are written in groups of eight, so there is room for
    // a last group that runs past the wanted ones.
    qsizetype m_offsets[Most + 64 + 8];
    int m_count = 0;
};

char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

void storeField(int number, QByteArrayView text, QuestionRecord& record,
                QByteArrayView* questionField)
{
    switch (number) {
    case 1: {
        record.CanonicalNbr.assign(text);
        // The first character is not examined: the book number is the
        // second and third characters.
        const QByteArrayView code = record.CanonicalNbr.view();
        const int book = StrToInt(code.size() > 1 ? code.sliced(1) : QByteArrayView()) - 1;
        record.Book = qint16(book < 0 ? 67 : book);
        break;
    }
    case 2:
        // Any 32-bit level is kept in 16 bits; the subtraction itself must
        // not overflow for the smallest one.
        record.Level = qint16(qint64(StrToInt(text)) - 1);
        break;
    case 3:
        record.Correct = qint16(uchar(upperAscii(text[0])) - uchar('A'));
        break;
    case 4: {
        QByteArrayView reference = text;
        if (record.Book < 66)
            reference = reference.sliced(FirstDigitPos(reference) - 1);
        while (!reference.isEmpty() && uchar(reference[0]) <= 32)
            reference = reference.sliced(1);
        record.Reference.assign(reference);
        break;
    }
    case 5:
        record.Question.assign(text);
        if (questionField)
            *questionField = text.first(std::min<qsizetype>(text.size(), 90));
        break;
    case 6:
        record.AnswerA.assign(text);
        break;
    case 7:
        record.AnswerB.assign(text);
        break;
    case 8:
        record.AnswerC.assign(text);
        break;
    case 9:
        record.AnswerD.assign(text);
        break;
    default:
        break;
    }
}

} // namespace

void DecodeQuestionLine(QByteArrayView line, QuestionRecord& record, DecodeMode mode,
                        QByteArrayView* questionField)
{
    const int lastField = mode == DecodeMode::QuestionOnly ? 5 : 9;
    const LineQuotes quotes(line, 2 * lastField);
    const int fields = quotes.count() / 2;
    const char* const data = line.data();
    for (int field = 0; field < fields; ++field) {
        const qsizetype opened = quotes.at(2 * field);
        const qsizetype closed = quotes.at(2 * field + 1);
        // Two adjacent quotes read as a text of one character: the closing
        // quote itself.
        const qsizetype length = closed - opened - 1;
        const QByteArrayView text = length > 0 ? QByteArrayView(data + opened + 1, length)
                                               : QByteArrayView(data + closed, 1);
        storeField(field + 1, text, record, questionField);
    }
}

QByteArray EncodeQuestionLine(int book, int level, int correct, QByteArrayView reference,
                              QByteArrayView question, QByteArrayView answerA,
                              QByteArrayView answerB, QByteArrayView answerC,
                              QByteArrayView answerD)
{
    QByteArray line;
    line.reserve(64 + reference.size() + question.size() + answerA.size() + answerB.size() +
                 answerC.size() + answerD.size());
    line += "\"C";
    line += QByteArray::number(book + 1);
    line += "\",\"";
    line += QByteArray::number(level + 1);
    line += "\",\"";
    line += char(correct + 'A');
    line += "\",\"";
    if (IsBibleBook(book)) {
        line += BookAbbreviation(book);
        line += ' ';
    }
    line += reference;
    for (QByteArrayView text : {question, answerA, answerB, answerC, answerD}) {
        line += "\",\"";
        line += text;
    }
    line += '"';
    return line;
}

void ClearQuestionRecord(QuestionRecord& record)
{
    // Field by field: only the lengths of the texts need resetting.
    record.CanonicalNbr.clear();
    record.Level = -1;
    record.Correct = -1;
    record.Reference.clear();
    record.Question.clear();
    record.AnswerA.clear();
    record.AnswerB.clear();
    record.AnswerC.clear();
    record.AnswerD.clear();
    record.Book = -1;
}
