#include "ToolExport.h"

#include "BookTable.h"
#include "LoadWord.h"
#include "QuestionLineCodec.h"
#include "QvedError.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"

#include <QCommandLineParser>
#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

QByteArrayView abbreviation(int book)
{
    return book >= 0 && book < BookCount ? BookAbbreviation(book) : QByteArrayView();
}

constexpr quint64 Ones = 0x0101010101010101;
constexpr quint64 Highs = 0x8080808080808080;

// Whether any byte of the word is zero; exact when it answers false.
constexpr quint64 anyZero(quint64 word)
{
    return (word - Ones) & ~word & Highs;
}

constexpr quint64 anyEqual(quint64 word, char c)
{
    return anyZero(word ^ (Ones * uchar(c)));
}

// What a text format takes as it stands: plainWord tells whether eight ASCII
// bytes are, specials marks the bytes of sixteen that are not.
struct JsonBytes
{
    static bool plainWord(quint64 word)
    {
        return !((word & Highs) | ((word - Ones * 0x20) & ~word & Highs) | anyEqual(word, '"') |
                 anyEqual(word, '\\'));
    }
#if defined(__SSE2__)
    // Control bytes and bytes from 0x80 up both read as below a blank when
    // taken as signed.
    static __m128i specials(__m128i bytes)
    {
        return _mm_or_si128(_mm_cmplt_epi8(bytes, _mm_set1_epi8(0x20)),
                            _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('"')),
                                         _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\\'))));
    }
#endif
};

// Inside a quoted CSV field only a quote, which is doubled, and bytes to
// convert need more.
struct QuotedCsvBytes
{
    static bool plainWord(quint64 word) { return !((word & Highs) | anyEqual(word, '"')); }
#if defined(__SSE2__)
    // Bytes from 0x80 up read as negative when taken as signed.
    static __m128i specials(__m128i bytes)
    {
        return _mm_or_si128(_mm_cmplt_epi8(bytes, _mm_setzero_si128()),
                            _mm_cmpeq_epi8(bytes, _mm_set1_epi8('"')));
    }
#endif
};

// A field without quotes may not hold a separator or a line break either.
struct CsvBytes
{
    static bool plainWord(quint64 word)
    {
        return QuotedCsvBytes::plainWord(word) &&
               !(anyEqual(word, ',') | anyEqual(word, '\r') | anyEqual(word, '\n'));
    }
#if defined(__SSE2__)
    static __m128i specials(__m128i bytes)
    {
        return _mm_or_si128(QuotedCsvBytes::specials(bytes),
                            _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(',')),
                                         _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')),
                                                      _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')))));
    }
#endif
};

// Nearly every text of a question file goes out as it stands: such a text is
// copied to at with a few whole-word moves, and the answer is true. When a
// byte of it needs more, what was written is scratch and the answer is
// false.
template <typename Format> bool copyIfPlain(QByteArrayView text, char* at)
{
    const char* const from = text.data();
    const qsizetype size = text.size();
#if defined(__SSE2__)
    if (size >= 16) {
        __m128i special = _mm_setzero_si128();
        auto copy = [&](qsizetype i) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(at + i), bytes);
            special = _mm_or_si128(special, Format::specials(bytes));
        };
        for (qsizetype i = 0; i + 16 < size; i += 16)
            copy(i);
        copy(size - 16);
        return _mm_movemask_epi8(special) == 0;
    }
#endif
    if (size >= 8) {
        bool plain = true;
        auto copy = [&](qsizetype i) {
            const quint64 word = LoadWord<quint64>(from + i);
            std::memcpy(at + i, &word, sizeof word);
            plain = plain && Format::plainWord(word);
        };
        for (qsizetype i = 0; i + 8 < size; i += 8)
            copy(i);
        copy(size - 8);
        return plain;
    }
    if (size >= 4) {
        const quint32 first = LoadWord<quint32>(from);
        const quint32 last = LoadWord<quint32>(from + size - 4);
        std::memcpy(at, &first, sizeof first);
        std::memcpy(at + size - 4, &last, sizeof last);
        return Format::plainWord(first | quint64(last) << 32);
    }
    // Shorter texts fill a word whose other bytes are plain letters.
    quint64 word = Ones * 'a';
    for (qsizetype i = 0; i < size; ++i) {
        at[i] = from[i];
        word = word << 8 | uchar(from[i]);
    }
    return Format::plainWord(word);
}

// Whether a CSV field must be quoted: it holds a separator, a quote or a
// line break.
bool needsCsvQuotes(QByteArrayView text)
{
    const char* from = text.data();
    const char* const end = from + text.size();
#if defined(__SSE2__)
    for (; end - from >= 16; from += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const __m128i found =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(',')),
                                      _mm_cmpeq_epi8(bytes, _mm_set1_epi8('"'))),
                         _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')),
                                      _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))));
        if (_mm_movemask_epi8(found))
            return true;
    }
#endif
    bool found = false;
    for (; from < end; ++from)
        found |= (*from == ',') | (*from == '"') | (*from == '\r') | (*from == '\n');
    return found;
}

// Copies plain bytes sixteen at a time from from to at, up to the first
// special byte or fewer than sixteen left. The output needs 16 bytes of room
// beyond what it keeps.
template <typename Format> void copyPlainBlocks(const char*& from, const char* end, char*& at)
{
#if defined(__SSE2__)
    while (end - from >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(at), bytes);
        const int special = _mm_movemask_epi8(Format::specials(bytes));
        const int plain = special ? std::countr_zero(unsigned(special)) : 16;
        at += plain;
        from += plain;
        if (special)
            return;
    }
#else
    Q_UNUSED(from);
    Q_UNUSED(end);
    Q_UNUSED(at);
#endif
}

// Texts up to this size are tried as plain first; longer ones are error
// messages, written a piece at a time.
constexpr qsizetype PlainTextMost = 256;

// The CSV columns, in the order of the JSON keys, then the error.
constexpr const char* CsvHeader =
    "number,CanonicalNbr,Book,BookAbbreviation,Level,Correct,Reference,Question,"
    "AnswerA,AnswerB,AnswerC,AnswerD,Deleted,error\r\n";

} // namespace

int ToolExport::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes every question of FILE to standard output, decoded as the editor decodes it: "
        "a JSON array of objects with the keys number, CanonicalNbr, Book, BookAbbreviation, "
        "Level, Correct, Reference, Question, AnswerA, AnswerB, AnswerC, AnswerD and Deleted, "
        "or CSV with the same columns and a header row. Book, Level and Correct are indexes "
        "from 0, -1 for none. A line that does not decode gives its number and the error."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The question file."),
                                 QStringLiteral("export FILE"));
    const QCommandLineOption formatOption(QStringLiteral("format"),
                                          QStringLiteral("json (the default) or csv."),
                                          QStringLiteral("FORMAT"), QStringLiteral("json"));
    parser.addOption(formatOption);
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;

    const QString formatName = parser.value(formatOption);
    if (formatName != u"json" && formatName != u"csv")
        return ToolCommandLine::usageError(
            QStringLiteral("export"),
            QStringLiteral("Unknown format '%1': use json or csv.").arg(formatName));

    QuestionFileChunks chunks;
    if (!chunks.open(file))
        return ToolCommandLine::Failure;
    Utf8Output out(1);
    const bool read =
        ToolExport(formatName == u"csv" ? Format::Csv : Format::Json, out).exportAll(chunks);
    return out.flush() && read ? ToolCommandLine::Success : ToolCommandLine::Failure;
}

ToolExport::ToolExport(Format format, Utf8Output& out) : m_format(format), m_out(out) {}

bool ToolExport::exportAll(QuestionFileChunks& file)
{
    if (m_format == Format::Csv)
        m_out.raw(CsvHeader);
    else
        m_out.raw('[');
    const bool read = file.forEachChunk<Utf8Output>(
        [this](const QuestionFileChunks::Chunk& chunk, Utf8Output& text) {
            text.clear();
            ToolExport(m_format, text).exportChunk(chunk);
        },
        [this](const QuestionFileChunks::Chunk&, const Utf8Output& text) {
            m_out.raw(text.view());
        });
    if (m_format == Format::Json)
        m_out.raw(file.count() == 0 ? "]\n" : "\n]\n");
    return read;
}

void ToolExport::exportChunk(const QuestionFileChunks::Chunk& chunk)
{
    for (int i = 0; i < chunk.count(); ++i) {
        const int index = chunk.firstIndex + i;
        const int number = index + 1;
        // Cleared first, so a short line shows empty texts and -1.
        ClearQuestionRecord(m_record);
        QString error;
        try {
            DecodeQuestionLine(chunk.line(i), m_record, DecodeMode::Full);
        } catch (const QvedError& e) {
            error = e.message();
        }
        const QuestionRecord* record = error.isEmpty() ? &m_record : nullptr;
        if (m_format == Format::Csv) {
            writeCsv(number, record, error);
        } else {
            m_out.raw(index == 0 ? "\n" : ",\n");
            writeJson(number, record, error);
        }
    }
}

void ToolExport::writeJson(int number, const QuestionRecord* record, const QString& error)
{
    m_out.raw("{\"number\": ");
    m_out.number(number);
    if (!record) {
        m_out.raw(", \"error\": ");
        // The message quotes the field, which may hold any byte of the line.
        jsonText(error.toUtf8(), Encoding::Utf8);
        m_out.raw('}');
        return;
    }
    const QuestionRecord& r = *record;
    m_out.raw(", \"CanonicalNbr\": ");
    jsonText(r.CanonicalNbr.view());
    m_out.raw(", \"Book\": ");
    m_out.number(r.Book);
    m_out.raw(", \"BookAbbreviation\": ");
    jsonText(abbreviation(r.Book));
    m_out.raw(", \"Level\": ");
    m_out.number(r.Level);
    m_out.raw(", \"Correct\": ");
    m_out.number(r.Correct);
    m_out.raw(", \"Reference\": ");
    jsonText(r.Reference.view());
    m_out.raw(", \"Question\": ");
    jsonText(r.Question.view());
    m_out.raw(", \"AnswerA\": ");
    jsonText(r.AnswerA.view());
    m_out.raw(", \"AnswerB\": ");
    jsonText(r.AnswerB.view());
    m_out.raw(", \"AnswerC\": ");
    jsonText(r.AnswerC.view());
    m_out.raw(", \"AnswerD\": ");
    jsonText(r.AnswerD.view());
    // Deleted marks live only in the editor's list, never in a file.
    m_out.raw(", \"Deleted\": ");
    m_out.raw("false}");
}

void ToolExport::jsonText(QByteArrayView text, Encoding encoding)
{
    if (text.size() <= PlainTextMost) {
        char* at = m_out.reserve(text.size() + 2);
        *at = '"';
        if (copyIfPlain<JsonBytes>(text, at + 1)) {
            at[text.size() + 1] = '"';
            m_out.commit(at + text.size() + 2);
            return;
        }
    }
    m_out.raw('"');
    // A piece at a time, each with room for its worst case ("\u00xx" per byte).
    constexpr qsizetype piece = 4096;
    for (qsizetype start = 0; start < text.size(); start += piece) {
        const QByteArrayView part = text.sliced(start, std::min(piece, text.size() - start));
        char* at = m_out.reserve(part.size() * 6 + 16);
        const char* from = part.data();
        const char* const end = from + part.size();
        while (from < end) {
#if defined(__SSE2__)
            copyPlainBlocks<JsonBytes>(from, end, at);
            if (from == end)
                break;
#endif
            // Eight plain bytes at once; otherwise one byte.
            if (end - from >= 8 && JsonBytes::plainWord(LoadWord<quint64>(from))) {
                std::memcpy(at, from, 8);
                at += 8;
                from += 8;
                continue;
            }
            const uchar byte = uchar(*from++);
            if (byte == '"' || byte == '\\') {
                *at++ = '\\';
                *at++ = char(byte);
            } else if (byte < 0x20) {
                static constexpr char hex[] = "0123456789abcdef";
                std::memcpy(at, "\\u00", 4);
                at[4] = hex[byte >> 4];
                at[5] = hex[byte & 15];
                at += 6;
            } else if (encoding == Encoding::Windows1252) {
                at = m_out.putAnsi(at, byte);
            } else {
                *at++ = char(byte);
            }
        }
        m_out.commit(at);
    }
    m_out.raw('"');
}

void ToolExport::writeCsv(int number, const QuestionRecord* record, const QString& error)
{
    m_out.number(number);
    if (!record) {
        m_out.raw(",,,,,,,,,,,,,");
        csvText(error.toUtf8(), Encoding::Utf8);
        m_out.raw("\r\n");
        return;
    }
    const QuestionRecord& r = *record;
    m_out.raw(',');
    csvText(r.CanonicalNbr.view());
    m_out.raw(',');
    m_out.number(r.Book);
    m_out.raw(',');
    csvText(abbreviation(r.Book));
    m_out.raw(',');
    m_out.number(r.Level);
    m_out.raw(',');
    m_out.number(r.Correct);
    for (const QByteArrayView text : {r.Reference.view(), r.Question.view(), r.AnswerA.view(),
                                      r.AnswerB.view(), r.AnswerC.view(), r.AnswerD.view()}) {
        m_out.raw(',');
        csvText(text);
    }
    m_out.raw(",false,\r\n");
}

void ToolExport::csvText(QByteArrayView text, Encoding encoding)
{
    if (text.size() <= PlainTextMost) {
        char* at = m_out.reserve(text.size());
        if (copyIfPlain<CsvBytes>(text, at)) {
            m_out.commit(at + text.size());
            return;
        }
    }
    // Quoted only when it must be: a comma, a quote or a line break inside.
    const bool quote = needsCsvQuotes(text);
    if (quote)
        m_out.raw('"');
    constexpr qsizetype piece = 4096;
    for (qsizetype start = 0; start < text.size(); start += piece) {
        const QByteArrayView part = text.sliced(start, std::min(piece, text.size() - start));
        char* at = m_out.reserve(part.size() * Utf8Output::MaxBytesPerChar * 2 + 16);
        const char* from = part.data();
        const char* const end = from + part.size();
        while (from < end) {
#if defined(__SSE2__)
            copyPlainBlocks<QuotedCsvBytes>(from, end, at);
            if (from == end)
                break;
#endif
            if (end - from >= 8 && QuotedCsvBytes::plainWord(LoadWord<quint64>(from))) {
                std::memcpy(at, from, 8);
                at += 8;
                from += 8;
                continue;
            }
            const char c = *from++;
            if (c == '"')
                *at++ = '"';
            if (encoding == Encoding::Windows1252)
                at = m_out.putAnsi(at, uchar(c));
            else
                *at++ = c;
        }
        m_out.commit(at);
    }
    if (quote)
        m_out.raw('"');
}
