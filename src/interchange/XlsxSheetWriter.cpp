// SPDX-License-Identifier: GPL-2.0-or-later
#include "XlsxSheetWriter.h"

#include "XlsxPackage.h"
#include "XlsxWriterLibrary.h"

#include <QCoreApplication>
#include <QFile>

namespace {

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool startsEscape(const QByteArray& text, qsizetype i)
{
    return text[i] == '_' && i + 6 < text.size() && text[i + 1] == 'x' && text[i + 6] == '_' &&
           isHexDigit(text[i + 2]) && isHexDigit(text[i + 3]) && isHexDigit(text[i + 4]) &&
           isHexDigit(text[i + 5]);
}

// A sheet reads "_x0041_" as "A". libxlsxwriter escapes control characters
// that way but leaves such a text as it is, so its underscore is written as
// the escape of an underscore, and the text reads back as it was.
QByteArray escapedUnderscores(const QByteArray& text)
{
    if (!text.contains("_x"))
        return text;
    QByteArray out;
    out.reserve(text.size() + 7);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (startsEscape(text, i))
            out.append("_x005F_");
        else
            out.append(text[i]);
    }
    return out;
}

// The name of the part's root element: what its last tag must close.
QByteArray rootName(const QByteArray& xml)
{
    qsizetype start = 0;
    while ((start = xml.indexOf('<', start)) >= 0 && start + 1 < xml.size() &&
           (xml[start + 1] == '?' || xml[start + 1] == '!'))
        ++start;
    if (start < 0)
        return {};
    qsizetype end = start + 1;
    while (end < xml.size() && xml[end] != ' ' && xml[end] != '>' && xml[end] != '/')
        ++end;
    return xml.mid(start + 1, end - start - 1);
}

} // namespace

XlsxSheetWriter::XlsxSheetWriter() = default;

XlsxSheetWriter::~XlsxSheetWriter()
{
    // A workbook never finished is closed only to free it; its file goes
    // with the temporary folder.
    if (m_workbook)
        m_library->closeWorkbook(m_workbook);
}

bool XlsxSheetWriter::open()
{
    m_library = XlsxWriterLibrary::instance(&m_error);
    if (!m_library)
        return false;
    if (!m_folder.isValid())
        return fail(QCoreApplication::translate("XlsxSheetWriter",
                                                "no temporary folder for the workbook: %1")
                        .arg(m_folder.errorString()));
    m_folderPath = QFile::encodeName(m_folder.path());
    m_path = QFile::encodeName(m_folder.filePath(QStringLiteral("workbook.xlsx")));
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = m_folderPath.data();
    options.use_zip64 = LXW_FALSE;
    m_workbook = m_library->newWorkbook(m_path.constData(), &options);
    if (!m_workbook)
        return fail(
            QCoreApplication::translate("XlsxSheetWriter", "the workbook cannot be started."));
    m_sheet = m_library->addWorksheet(m_workbook, nullptr);
    if (!m_sheet)
        return fail(QCoreApplication::translate("XlsxSheetWriter",
                                                "the workbook's sheet cannot be added."));
    return true;
}

void XlsxSheetWriter::countRow(int row)
{
    if (row != m_lastRow)
        ++m_rows;
    m_lastRow = row;
}

bool XlsxSheetWriter::writeText(int row, int column, const QByteArray& text)
{
    if (!m_error.isEmpty())
        return false;
    if (!text.isEmpty())
        countRow(row);
    const QByteArray escaped = escapedUnderscores(text);
    return check(m_library->writeString(m_sheet, lxw_row_t(row), lxw_col_t(column),
                                        escaped.constData(), nullptr),
                 row, column);
}

bool XlsxSheetWriter::writeNumber(int row, int column, double value)
{
    if (!m_error.isEmpty())
        return false;
    countRow(row);
    return check(m_library->writeNumber(m_sheet, lxw_row_t(row), lxw_col_t(column), value, nullptr),
                 row, column);
}

QByteArray XlsxSheetWriter::finish()
{
    if (!m_error.isEmpty() || !m_workbook)
        return {};
    lxw_workbook* workbook = m_workbook;
    m_workbook = nullptr; // workbook_close frees it, whatever it answers
    const int closed = m_library->closeWorkbook(workbook);
    if (closed != LXW_NO_ERROR) {
        fail(QCoreApplication::translate("XlsxSheetWriter", "the workbook cannot be completed: %1")
                 .arg(QString::fromUtf8(m_library->errorText(lxw_error(closed)))));
        return {};
    }
    QFile file(QFile::decodeName(m_path));
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError || bytes.size() != file.size()) {
        fail(QCoreApplication::translate("XlsxSheetWriter",
                                         "the written workbook cannot be read back: %1")
                 .arg(file.errorString()));
        return {};
    }
    if (!verify(bytes))
        return {};
    return bytes;
}

// libxlsxwriter does not check the writes to its own temporary files: a full
// disk or a file-size limit can cut a part short while workbook_close()
// reports success. So the archive is read back: every part must be whole
// (its root element closed at its end, its checksum right) and the sheet
// must hold every row written.
bool XlsxSheetWriter::verify(const QByteArray& bytes)
{
    XlsxPackage package(bytes);
    QString reason;
    if (!package.open(&reason))
        return fail(QCoreApplication::translate("XlsxSheetWriter",
                                                "the written workbook cannot be read back: %1")
                        .arg(reason));
    for (const QString& part : package.parts()) {
        const QByteArray xml = package.unpack(part, &reason);
        if (!reason.isEmpty())
            return fail(QCoreApplication::translate("XlsxSheetWriter",
                                                    "the written workbook cannot be read back: %1")
                            .arg(reason));
        const QByteArray root = rootName(xml);
        if (root.isEmpty() || !xml.trimmed().endsWith("</" + root + ">"))
            return fail(QCoreApplication::translate(
                            "XlsxSheetWriter",
                            "the workbook was cut short while it was written (its part %1 "
                            "is incomplete): is the disk full?")
                            .arg(part));
        if (root == "worksheet" && xml.count("<row ") != m_rows)
            return fail(QCoreApplication::translate(
                            "XlsxSheetWriter",
                            "the workbook was cut short while it was written (%1 of %2 rows "
                            "were kept): is the disk full?")
                            .arg(xml.count("<row "))
                            .arg(m_rows));
    }
    return true;
}

bool XlsxSheetWriter::check(int result, int row, int column)
{
    if (result == LXW_NO_ERROR)
        return true;
    return fail(QCoreApplication::translate(
                    "XlsxSheetWriter", "row %1, column %2 of the workbook cannot be written: %3")
                    .arg(row + 1)
                    .arg(column + 1)
                    .arg(QString::fromUtf8(m_library->errorText(lxw_error(result)))));
}

bool XlsxSheetWriter::fail(const QString& reason)
{
    if (m_error.isEmpty())
        m_error = reason;
    return false;
}
