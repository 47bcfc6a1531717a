// SPDX-License-Identifier: GPL-2.0-or-later
#include "XlsxSheetReader.h"

#include "XlsxPackage.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QXmlStreamReader>
#include <cmath>

namespace {

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// "_x0009_" and the like: how a sheet writes characters XML cannot hold, and
// "_x005F_" an underscore that would otherwise start one. Read left to
// right, once, as the sheet's writer meant.
QString decodeEscapes(QString text)
{
    if (!text.contains(u"_x"))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'_' && i + 6 < text.size() && text[i + 1] == u'x' && text[i + 6] == u'_' &&
            isHexDigit(text[i + 2]) && isHexDigit(text[i + 3]) && isHexDigit(text[i + 4]) &&
            isHexDigit(text[i + 5])) {
            out.append(QChar(char16_t(QStringView(text).mid(i + 2, 4).toUInt(nullptr, 16))));
            i += 6;
        } else {
            out.append(text[i]);
        }
    }
    return out;
}

// The text of a shared or inline string: its own <t>, or its runs' joined;
// phonetic guides (<rPh>) are not part of the text.
QString richText(QXmlStreamReader& xml)
{
    QString text;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"t") {
            text += xml.readElementText();
        } else if (xml.name() == u"r") {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"t")
                    text += xml.readElementText();
                else
                    xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return decodeEscapes(std::move(text));
}

// A number as the sheet shows it: 20, not 20.0 or 2E1.
QString shownNumber(const QString& raw)
{
    bool ok = false;
    const double value = raw.toDouble(&ok);
    if (!ok)
        return raw;
    if (std::isfinite(value) && value == std::trunc(value) && std::abs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

// The column of a reference such as "C8" (2), or -1.
int columnOf(QStringView reference)
{
    int column = 0;
    qsizetype letters = 0;
    while (letters < reference.size() && reference[letters] >= u'A' && reference[letters] <= u'Z') {
        column = column * 26 + (reference[letters].unicode() - u'A' + 1);
        if (++letters > 3)
            return -1;
    }
    return letters == 0 ? -1 : column - 1;
}

struct Relationship
{
    QString type;
    QString target; // resolved against the part's folder
};

// A relationship target as a part name: relative to the folder of the part
// that names it, or from the package root when it begins with "/".
QString resolve(const QString& folder, const QString& target)
{
    if (target.startsWith(u'/'))
        return QDir::cleanPath(target.mid(1));
    return QDir::cleanPath(folder.isEmpty() ? target : folder + u'/' + target);
}

QString folderOf(const QString& part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash);
}

// The relationships of part, by their id; none when it has no .rels part.
bool relationshipsOf(const XlsxPackage& package, const QString& part,
                     QHash<QString, Relationship>* relationships, QString* error)
{
    const QString folder = folderOf(part);
    const QString rels = (folder.isEmpty() ? QString() : folder + u'/') + QStringLiteral("_rels/") +
                         part.mid(part.lastIndexOf(u'/') + 1) + QStringLiteral(".rels");
    if (!package.contains(rels))
        return true;
    return package.parse(
        rels,
        [&](QXmlStreamReader& xml) {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"Relationship") {
                    const auto attributes = xml.attributes();
                    relationships->insert(
                        attributes.value(QLatin1StringView("Id")).toString(),
                        {attributes.value(QLatin1StringView("Type")).toString(),
                         resolve(folder,
                                 attributes.value(QLatin1StringView("Target")).toString())});
                }
                xml.skipCurrentElement();
            }
            return true;
        },
        error);
}

QString targetOfType(const QHash<QString, Relationship>& relationships, QStringView type)
{
    for (const Relationship& relationship : relationships) {
        if (relationship.type.endsWith(type))
            return relationship.target;
    }
    return {};
}

// The relationship id of the workbook's first sheet, empty when it names none.
bool firstSheetId(const XlsxPackage& package, const QString& workbook, QString* id, QString* error)
{
    return package.parse(
        workbook,
        [&](QXmlStreamReader& xml) {
            while (!xml.atEnd() && id->isEmpty()) {
                if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"sheet")
                    continue;
                // r:id, whatever prefix the relationships' namespace has.
                for (const QXmlStreamAttribute& attribute : xml.attributes()) {
                    if (attribute.name() == u"id")
                        *id = attribute.value().toString();
                }
            }
            return true;
        },
        error);
}

bool sharedStrings(const XlsxPackage& package, const QString& part, QStringList* strings,
                   QString* error)
{
    return package.parse(
        part,
        [&](QXmlStreamReader& xml) {
            while (xml.readNextStartElement()) {
                if (xml.name() != u"si") {
                    xml.skipCurrentElement();
                    continue;
                }
                strings->append(richText(xml));
                if (strings->size() > XlsxSheetReader::MaxCells) {
                    *error = QCoreApplication::translate(
                                 "XlsxSheetReader",
                                 "the workbook holds more than %1 texts: it is refused.")
                                 .arg(XlsxSheetReader::MaxCells);
                    return false;
                }
            }
            return true;
        },
        error);
}

class SheetCells
{
public:
    SheetCells(const QStringList& strings, SourceTable& table, QList<int>* numbers, QString* error)
        : m_strings(strings), m_table(table), m_numbers(numbers), m_error(error)
    {
    }

    bool read(QXmlStreamReader& xml)
    {
        int lastRow = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"row")
                continue;
            bool numbered = false;
            const int number = xml.attributes().value(QLatin1StringView("r")).toInt(&numbered);
            lastRow = numbered ? number : lastRow + 1;
            QStringList row;
            if (!readRow(xml, lastRow, row))
                return false;
            if (!row.isEmpty()) {
                m_table.rows.append(row);
                m_table.places.append(
                    QCoreApplication::translate("XlsxSheetReader", "row %1").arg(lastRow));
                if (m_numbers)
                    m_numbers->append(lastRow);
            }
        }
        return true;
    }

private:
    bool readRow(QXmlStreamReader& xml, int rowNumber, QStringList& row)
    {
        int next = 0;
        while (xml.readNextStartElement()) {
            if (xml.name() != u"c") {
                xml.skipCurrentElement();
                continue;
            }
            const QStringView reference = xml.attributes().value(QLatin1StringView("r"));
            const int column = reference.isEmpty() ? next : columnOf(reference);
            if (column < 0 || column >= XlsxSheetReader::MaxColumns)
                return fail(
                    QCoreApplication::translate("XlsxSheetReader",
                                                "row %1 has a cell %2 outside the sheet's columns.")
                        .arg(rowNumber)
                        .arg(reference));
            QString value;
            if (!readCell(xml, &value))
                return fail(QCoreApplication::translate(
                                "XlsxSheetReader",
                                "cell %1 names a shared text the workbook does not hold.")
                                .arg(reference));
            next = column + 1;
            if (value.isEmpty())
                continue;
            if (column >= row.size()) {
                m_cells += column + 1 - row.size();
                if (m_cells > XlsxSheetReader::MaxCells)
                    return fail(
                        QCoreApplication::translate(
                            "XlsxSheetReader", "the sheet holds more than %1 cells: it is refused.")
                            .arg(XlsxSheetReader::MaxCells));
                row.resize(column + 1);
            }
            row[column] = std::move(value);
        }
        return true;
    }

    bool readCell(QXmlStreamReader& xml, QString* value)
    {
        const QString type = xml.attributes().value(QLatin1StringView("t")).toString();
        QString raw;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"v")
                raw = xml.readElementText();
            else if (xml.name() == u"is")
                *value = richText(xml);
            else
                xml.skipCurrentElement();
        }
        if (type == u"inlineStr")
            return true;
        if (type == u"s") {
            bool ok = false;
            const qsizetype index = raw.toLongLong(&ok);
            if (!ok || index < 0 || index >= m_strings.size())
                return false;
            *value = m_strings.at(index);
        } else if (type == u"b") {
            *value = raw == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        } else if (type == u"str") {
            *value = decodeEscapes(raw);
        } else if (type.isEmpty() || type == u"n") {
            *value = shownNumber(raw);
        } else {
            *value = raw; // errors ("#N/A") and ISO dates, as written
        }
        return true;
    }

    bool fail(const QString& reason)
    {
        *m_error = reason;
        return false;
    }

    const QStringList& m_strings;
    SourceTable& m_table;
    QList<int>* m_numbers;
    QString* m_error;
    qint64 m_cells = 0;
};

} // namespace

SourceTable XlsxSheetReader::read(const QByteArray& workbook, QString* error,
                                  QList<int>* rowNumbers)
{
    XlsxPackage package(workbook);
    if (!package.open(error))
        return {};
    QHash<QString, Relationship> root;
    if (!relationshipsOf(package, QString(), &root, error))
        return {};
    QString book = targetOfType(root, u"/officeDocument");
    if (book.isEmpty())
        book = QStringLiteral("xl/workbook.xml");
    QString sheetId;
    QHash<QString, Relationship> parts;
    if (!firstSheetId(package, book, &sheetId, error) ||
        !relationshipsOf(package, book, &parts, error))
        return {};
    const QString sheet = parts.value(sheetId).target;
    if (sheet.isEmpty()) {
        *error = QCoreApplication::translate("XlsxSheetReader", "the workbook names no sheet.");
        return {};
    }
    QStringList strings;
    const QString stringsPart = targetOfType(parts, u"/sharedStrings");
    if (!stringsPart.isEmpty() && package.contains(stringsPart) &&
        !sharedStrings(package, stringsPart, &strings, error))
        return {};
    SourceTable table;
    SheetCells cells(strings, table, rowNumbers, error);
    if (!package.parse(
            sheet, [&](QXmlStreamReader& xml) { return cells.read(xml); }, error)) {
        if (rowNumbers)
            rowNumbers->clear();
        return {};
    }
    return table;
}
