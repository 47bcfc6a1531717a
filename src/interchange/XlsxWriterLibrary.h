// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <xlsxwriter.h>

#include <QString>

// libxlsxwriter, loaded when the first workbook is written.
//
// It is not linked: Debian's libxlsxwriter calls zipOpen() and the other
// minizip functions of the system's libminizip, and QuaZip (which reads
// workbooks) exports functions of the same names from its own modified
// minizip, whose zipOpen() takes a QIODevice, not a path. Linked into one
// program, the loader binds libxlsxwriter's calls to QuaZip's and the first
// workbook_close() crashes. Loaded with RTLD_DEEPBIND, libxlsxwriter binds
// to its own libminizip, and QuaZip never sees it.
class XlsxWriterLibrary
{
public:
    decltype(&workbook_new_opt) newWorkbook = nullptr;
    decltype(&workbook_add_worksheet) addWorksheet = nullptr;
    decltype(&worksheet_write_string) writeString = nullptr;
    decltype(&worksheet_write_number) writeNumber = nullptr;
    decltype(&workbook_close) closeWorkbook = nullptr;
    decltype(&lxw_strerror) errorText = nullptr;

    // The library, or nullptr with the loader's reason in error.
    static const XlsxWriterLibrary* instance(QString* error);

private:
    XlsxWriterLibrary() = default;
    QString m_error;
};
