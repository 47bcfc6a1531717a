// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ReportOutput.h"

#include <QString>

class QPrinter;
class UserPrompts;

// The printer with a progress window, and the print preview window, from
// which the report can also be printed (to the default printer, as Print
// does) or saved as PDF. The pages are always the report's own (US Letter
// portrait): the preview offers no page setup, so what is printed or saved
// is what was shown.
class QtReportOutput : public ReportOutput
{
public:
    explicit QtReportOutput(UserPrompts& prompts);

    static QString noPrinterMessage();

    void print(const ReportLayout& report, QWidget* parent) override;
    void preview(const ReportLayout& report, const QString& pdfPath, QWidget* parent) override;

private:
    static void setUp(QPrinter& printer);
    void saveAsPdf(const ReportLayout& report, const QString& pdfPath, QWidget* parent);

    UserPrompts& m_prompts;
};
