// SPDX-License-Identifier: GPL-2.0-or-later
#include "TextTable.h"

#include "BookTable.h"
#include "IntegerConversion.h"
#include "QuestionLineCodec.h"
#include "QvedError.h"
#include "ReadWholeFile.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

QvedError schemaError(const QString& path, const QString& reason)
{
    return QvedError(QvedError::Kind::Other, QStringLiteral("%1: %2").arg(path, reason));
}

// The decoded record's texts, in this order, are the fields a schema can name.
const char* const recordFields[] = {"CanonicalNbr", "Level",   "Correct", "Reference", "Question",
                                    "AnswerA",      "AnswerB", "AnswerC", "AnswerD"};

// The item the editor's radio group shows for a stored value: one above the
// group's range shows its last item, one below shows none.
int choice(int value)
{
    return value < 0 ? -1 : std::min(value, 3);
}

void appendRecordText(QByteArray& to, const QuestionRecord& record, int source)
{
    switch (source) {
    case 0:
        to += record.CanonicalNbr.view();
        break;
    case 1:
        if (choice(record.Level) >= 0)
            to += char('1' + choice(record.Level));
        break;
    case 2:
        if (choice(record.Correct) >= 0)
            to += char('A' + choice(record.Correct));
        break;
    case 3:
        // The decoder keeps the reference without its book's name.
        if (record.Book >= 0 && IsBibleBook(record.Book)) {
            to += BookAbbreviation(record.Book);
            to += ' ';
        }
        to += record.Reference.view();
        break;
    case 4:
        to += record.Question.view();
        break;
    case 5:
        to += record.AnswerA.view();
        break;
    case 6:
        to += record.AnswerB.view();
        break;
    case 7:
        to += record.AnswerC.view();
        break;
    default:
        to += record.AnswerD.view();
        break;
    }
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
        if (key.compare(u"FileType", Qt::CaseInsensitive) == 0) {
            if (value.trimmed().compare(u"Varying", Qt::CaseInsensitive) != 0)
                throw schemaError(
                    path, QCoreApplication::translate("TextTable", "unsupported file type '%1'")
                              .arg(value));
        } else if (key.startsWith(u"Field", Qt::CaseInsensitive)) {
            const QList<QStringView> parts = value.split(u',');
            if (parts.size() != 5)
                throw schemaError(
                    path, QCoreApplication::translate("TextTable", "invalid field definition '%1'")
                              .arg(line));
            const QStringView name = parts[0].trimmed();
            const auto source = std::find_if(
                std::begin(recordFields), std::end(recordFields), [name](const char* field) {
                    return name.compare(QLatin1StringView(field), Qt::CaseInsensitive) == 0;
                });
            if (source == std::end(recordFields))
                throw schemaError(
                    path, QCoreApplication::translate("TextTable", "unknown field '%1'").arg(name));
            m_fields.push_back(Field{name.toString(), int(source - std::begin(recordFields)),
                                     parts[1].trimmed().toString(), StrToInt(parts[2]),
                                     StrToInt(parts[3]), StrToInt(parts[4])});
        }
    }
    if (m_fields.empty())
        throw schemaError(path, QCoreApplication::translate("TextTable", "no fields"));
}

void TextTable::readRecords()
{
    const QByteArray file = ReadWholeFile(dataFilePath());
    const qsizetype size = file.size();
    m_data.reserve(size);
    qsizetype begin = 0;
    while (begin < size) {
        qsizetype end = file.indexOf('\n', begin);
        const qsizetype next = end < 0 ? size : end + 1;
        if (end < 0)
            end = size;
        if (end > begin && file[end - 1] == '\r')
            --end;
        addRecord(QByteArrayView(file).sliced(begin, end - begin));
        ++m_recordCount;
        begin = next;
    }
}

void TextTable::addRecord(QByteArrayView line)
{
    QuestionRecord record;
    DecodeQuestionLine(line, record, DecodeMode::Full);
    for (const Field& field : m_fields) {
        const qsizetype offset = m_data.size();
        appendRecordText(m_data, record, field.source);
        const qsizetype length =
            std::min<qsizetype>(m_data.size() - offset, std::max(field.width, 0));
        m_data.truncate(offset + length);
        m_values.push_back(Span{offset, length});
    }
}
