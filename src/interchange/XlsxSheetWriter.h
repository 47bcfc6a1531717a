// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class XlsxWriterLibrary;
struct lxw_workbook;
struct lxw_worksheet;

// A workbook of one sheet, written row by row (libxlsxwriter's constant
// memory mode: each row goes to disk when the next begins, and texts are
// written in their cells, without a shared table), into a private temporary
// folder; finish() gives the file's bytes, for the caller to write safely,
// once they were read back whole.
// The first failure stops everything after it and is kept in error().
class XlsxSheetWriter
{
public:
    XlsxSheetWriter();
    ~XlsxSheetWriter();
    XlsxSheetWriter(const XlsxSheetWriter&) = delete;
    XlsxSheetWriter& operator=(const XlsxSheetWriter&) = delete;

    bool open();
    // Rows in increasing order; text is UTF-8 and ends with a NUL, as
    // QByteArray's data does.
    bool writeText(int row, int column, const QByteArray& text);
    bool writeNumber(int row, int column, double value);
    // The workbook's bytes; empty when anything failed.
    QByteArray finish();

    const QString& error() const { return m_error; }

private:
    void countRow(int row);
    bool check(int result, int row, int column);
    bool verify(const QByteArray& bytes);
    bool fail(const QString& reason);

    const XlsxWriterLibrary* m_library = nullptr;
    QTemporaryDir m_folder;
    QByteArray m_path;
    QByteArray m_folderPath;
    lxw_workbook* m_workbook = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    int m_lastRow = -1;
    qsizetype m_rows = 0; // rows with a cell written
    QString m_error;
};
