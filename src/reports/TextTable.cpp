#include "TextTable.h"

#include "IntegerConversion.h"
#include "QvedError.h"
#include "ReadWholeFile.h"
#include "Windows1252.h"

#include <QFile>
#include <QFileInfo>

namespace {

QvedError schemaError(const QString& path, const QString& reason)
{
    return QvedError(QvedError::Kind::Other, QStringLiteral("%1: %2").arg(path, reason));
}

} // namespace

QString TextTable::schemaFilePath() const
{
    return m_directory + QFileInfo(m_tableName).completeBaseName() + QStringLiteral(".sch");
}

void TextTable::open()
{
    close();
    readSchema();
    readRecords();
    m_open = true;
}

void TextTable::close()
{
    m_open = false;
    m_delimiter = '"';
    m_separator = ',';
    m_fields.clear();
    m_data.clear();
    m_values.clear();
    m_recordCount = 0;
}

int TextTable::fieldIndex(QStringView name) const
{
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (name.compare(m_fields[i].name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QByteArrayView TextTable::value(int record, int field) const
{
    const Span& span = m_values[std::size_t(record) * m_fields.size() + std::size_t(field)];
    return QByteArrayView(m_data.constData() + span.offset, span.length);
}

void TextTable::readSchema()
{
    const QString path = schemaFilePath();
    const QString text = Windows1252::toUnicode(ReadWholeFile(path));
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        // The section line names the table; the files' own names say as much.
        if (line.startsWith(u'[') && line.endsWith(u']'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QStringView key = line.first(equals).trimmed();
        const QStringView value = line.sliced(equals + 1);
        // The data file is compared byte by byte.
        const char first = value.isEmpty() ? '\0' : char(value.front().unicode());
        if (key.compare(u"FileType", Qt::CaseInsensitive) == 0) {
            if (value.trimmed().compare(u"Varying", Qt::CaseInsensitive) != 0)
                throw schemaError(path, QStringLiteral("unsupported file type '%1'").arg(value));
        } else if (key.compare(u"Delimiter", Qt::CaseInsensitive) == 0) {
            m_delimiter = first;
        } else if (key.compare(u"Separator", Qt::CaseInsensitive) == 0) {
            m_separator = first;
        } else if (key.startsWith(u"Field", Qt::CaseInsensitive)) {
            const QList<QStringView> parts = value.split(u',');
            if (parts.size() != 5)
                throw schemaError(path, QStringLiteral("invalid field definition '%1'").arg(line));
            m_fields.push_back(Field{parts[0].trimmed().toString(), parts[1].trimmed().toString(),
                                     StrToInt(parts[2]), StrToInt(parts[3]), StrToInt(parts[4])});
        }
    }
    if (m_fields.empty())
        throw schemaError(path, QStringLiteral("no fields"));
}

void TextTable::readRecords()
{
    m_data = ReadWholeFile(dataFilePath());
    const qsizetype size = m_data.size();
    qsizetype begin = 0;
    while (begin < size) {
        qsizetype end = m_data.indexOf('\n', begin);
        const qsizetype next = end < 0 ? size : end + 1;
        if (end < 0)
            end = size;
        if (end > begin && m_data[end - 1] == '\r')
            --end;
        splitLine(begin, end);
        ++m_recordCount;
        begin = next;
    }
}

void TextTable::splitLine(qsizetype begin, qsizetype end)
{
    const char* data = m_data.constData();
    qsizetype pos = begin;
    for (const Field& field : m_fields) {
        qsizetype valueBegin = std::min(pos, end);
        qsizetype valueEnd = valueBegin;
        if (pos <= end) {
            if (m_delimiter && pos < end && data[pos] == m_delimiter) {
                valueBegin = pos + 1;
                valueEnd = valueBegin;
                while (valueEnd < end && data[valueEnd] != m_delimiter)
                    ++valueEnd;
                pos = valueEnd + 1;
                while (pos < end && data[pos] != m_separator)
                    ++pos;
            } else {
                while (valueEnd < end && data[valueEnd] != m_separator)
                    ++valueEnd;
                pos = valueEnd;
            }
            ++pos; // past the separator
        }
        const qsizetype length =
            std::min<qsizetype>(valueEnd - valueBegin, std::max(field.width, 0));
        m_values.push_back(Span{qint32(valueBegin), qint32(length)});
    }
}
