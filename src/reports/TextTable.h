// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// A read-only table over the report's data file of question lines, described
// by a schema file of the same name with the extension ".sch" in the same
// directory:
//
//   [name]
//   FileType=Varying
//   Field1=CanonicalNbr,character,3,0,0
//   Field2=Level,character,1,0,3
//   ...
//
// Every line of the data file is one record, in file order, read with the
// editor's own line decoder, so a report shows each question as the editor
// does. The schema names the fields (the decoded record's: CanonicalNbr,
// Level, Correct, Reference, Question, AnswerA..AnswerD) and their widths; a
// value is cut to its field's width. Level and Correct read as the editor's
// choices ("1".."4", "A".."D", empty for none) and Reference with its book's
// abbreviation in front, as a save writes it. Values stay single-byte text.
class TextTable
{
public:
    // The directory ends in the platform's separator; the table name is the
    // data file's name with its extension.
    void setDirectory(const QString& directory) { m_directory = directory; }
    void setTableName(const QString& tableName) { m_tableName = tableName; }
    QString dataFilePath() const { return m_directory + m_tableName; }
    QString schemaFilePath() const;

    // Reads the schema and all records. A missing file throws
    // "Cannot open file <path>"; a schema it cannot use throws its reason,
    // and a line the decoder refuses throws the decoder's error.
    void open();
    void close();
    bool isOpen() const { return m_open; }

    // -1 when the schema has no field of that name (case-insensitive).
    int fieldIndex(QStringView name) const;
    int recordCount() const { return m_recordCount; }
    QByteArrayView value(int record, int field) const;

private:
    // One "FieldN=name,type,width,decimals,offset" line of the schema.
    struct Field
    {
        QString name;
        int source = 0; // which of the record's texts
        QString type;
        int width = 0;
        int decimals = 0;
        int offset = 0;
    };
    struct Span
    {
        qsizetype offset = 0;
        qsizetype length = 0;
    };

    void readSchema();
    void readRecords();
    void addRecord(QByteArrayView line);

    QString m_directory;
    QString m_tableName;
    bool m_open = false;

    std::vector<Field> m_fields;

    QByteArray m_data;          // the values of every record, one after the other
    std::vector<Span> m_values; // recordCount x fields, row by row
    int m_recordCount = 0;
};
