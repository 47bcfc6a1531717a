#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// A read-only table over a delimited text file, described by a schema file
// of the same name with the extension ".sch" in the same directory:
//
//   [name]
//   FileType=Varying
//   Delimiter="
//   Separator=,
//   CharSet=ASCII
//   Field1=CanonicalNbr,character,3,0,0
//   ...
//
// The character set is taken as the program's single-byte text whatever the
// schema names. Every line of the data file is one record, in file order. A value is either
// enclosed in the delimiter (a separator inside it stays in the value) or runs
// to the next separator; it is cut to its field's width. A line with fewer
// values leaves the remaining fields empty. Values stay single-byte text.
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
    // "Cannot open file <path>"; a schema it cannot use throws its reason.
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
        QString type;
        int width = 0;
        int decimals = 0;
        int offset = 0;
    };
    struct Span
    {
        qint32 offset = 0;
        qint32 length = 0;
    };

    void readSchema();
    void readRecords();
    void splitLine(qsizetype begin, qsizetype end);

    QString m_directory;
    QString m_tableName;
    bool m_open = false;

    char m_delimiter = '"';
    char m_separator = ',';
    std::vector<Field> m_fields;

    QByteArray m_data;
    std::vector<Span> m_values; // recordCount x fields, row by row
    int m_recordCount = 0;
};
