#include "QuestionLineCodec.h"

#include "BookTable.h"
#include "IntegerConversion.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The double quotes of a line, one after the other. Fields are short, so
// a search per quote costs more than finding every quote of 64 bytes at
// once, which also keeps very long lines fast.
class QuoteFinder
{
public:
    explicit QuoteFinder(QByteArrayView line) : m_line(line) { m_quotes = quotesOfBlock(); }

    // The next quote, or the end of the line when there is none.
    const char* next()
    {
        while (m_quotes == 0) {
            if (m_line.size() - m_block <= BlockSize)
                return m_line.data() + m_line.size();
            m_block += BlockSize;
            m_quotes = quotesOfBlock();
        }
        const char* quote = m_line.data() + m_block + std::countr_zero(m_quotes);
        m_quotes &= m_quotes - 1;
        return quote;
    }

private:
    static constexpr qsizetype BlockSize = 64;

    // One bit for each quote among the 64 bytes from m_block; never reads
    // past the line.
    quint64 quotesOfBlock() const
    {
        const char* const from = m_line.data() + m_block;
        const qsizetype available = std::min<qsizetype>(m_line.size() - m_block, BlockSize);
        quint64 quotes = 0;
        qsizetype i = 0;
#if defined(__SSE2__)
        const __m128i quote = _mm_set1_epi8('"');
        for (; i + 16 <= available; i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
            quotes |= quint64(quint16(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, quote)))) << i;
        }
#endif
        for (; i < available; ++i)
            quotes |= quint64(from[i] == '"') << i;
        return quotes;
    }

    const QByteArrayView m_line;
    qsizetype m_block = 0; // offset of the block m_quotes belongs to
    quint64 m_quotes = 0;
};

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

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
    const char* const begin = line.data();
    const char* const end = begin + line.size();
    const char* opened = nullptr;
    int fieldNumber = 1;
    // Only double quotes matter: jump from one to the next.
    QuoteFinder quotes(line);
    while (fieldNumber <= lastField) {
        const char* quote = quotes.next();
        if (quote == end)
            break;
        if (!opened) {
            opened = quote;
            continue;
        }
        // Two adjacent quotes read as a text of one character: the closing
        // quote itself.
        const qsizetype length = quote - opened - 1;
        const QByteArrayView text =
            length > 0 ? QByteArrayView(opened + 1, length) : QByteArrayView(quote, 1);
        storeField(fieldNumber, text, record, questionField);
        ++fieldNumber;
        opened = nullptr;
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

int FirstDigitPos(QByteArrayView text)
{
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (isDigit(text[i]))
            return int(i + 1);
    }
    return 1;
}
