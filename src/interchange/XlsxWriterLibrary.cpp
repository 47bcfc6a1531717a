// SPDX-License-Identifier: GPL-2.0-or-later
#include "XlsxWriterLibrary.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

template <typename Function> bool resolve(QLibrary& library, const char* name, Function* function)
{
    *function = reinterpret_cast<Function>(library.resolve(name));
    return *function != nullptr;
}

} // namespace

const XlsxWriterLibrary* XlsxWriterLibrary::instance(QString* error)
{
    static const XlsxWriterLibrary loaded = [] {
        XlsxWriterLibrary result;
        // Never unloaded: the functions stay valid for the program's life.
        QLibrary library(QStringLiteral(QVED_XLSXWRITER_LIBRARY));
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint | QLibrary::DeepBindHint);
        if (!library.load()) {
            result.m_error = library.errorString();
            return result;
        }
        const bool all = resolve(library, "workbook_new_opt", &result.newWorkbook) &&
                         resolve(library, "workbook_add_worksheet", &result.addWorksheet) &&
                         resolve(library, "worksheet_write_string", &result.writeString) &&
                         resolve(library, "worksheet_write_number", &result.writeNumber) &&
                         resolve(library, "workbook_close", &result.closeWorkbook) &&
                         resolve(library, "lxw_strerror", &result.errorText);
        if (!all)
            result.m_error = library.errorString();
        return result;
    }();
    if (!loaded.m_error.isEmpty()) {
        *error = QCoreApplication::translate("XlsxWriterLibrary",
                                             "the XLSX writer library cannot be loaded: %1")
                     .arg(loaded.m_error);
        return nullptr;
    }
    return &loaded;
}
