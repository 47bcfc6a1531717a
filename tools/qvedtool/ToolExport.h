#pragma once

#include "QuestionFileChunks.h"
#include "QuestionRecord.h"

#include <QStringList>

class Utf8Output;

// qvedtool export: every line decoded in full into a cleared record, as a
// JSON array of objects or as CSV with a header row. A line that does not
// decode gives its number and the message, and the export goes on.
class ToolExport
{
public:
    static int run(const QStringList& arguments);

private:
    enum class Format
    {
        Json,
        Csv
    };
    // Question texts are the file's bytes; messages are UTF-8 already.
    enum class Encoding
    {
        Windows1252,
        Utf8
    };

    ToolExport(Format format, Utf8Output& out);

    // False when the file could not be read to its end.
    bool exportAll(QuestionFileChunks& file);
    void exportChunk(const QuestionFileChunks::Chunk& chunk);
    void writeJson(int number, const QuestionRecord* record, const QString& error);
    void writeCsv(int number, const QuestionRecord* record, const QString& error);
    void jsonText(QByteArrayView text, Encoding encoding = Encoding::Windows1252);
    void csvText(QByteArrayView text, Encoding encoding = Encoding::Windows1252);

    const Format m_format;
    Utf8Output& m_out;
    QuestionRecord m_record;
};
