// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class QString;
class QWidget;
class ReportLayout;

// Where a finished report goes. The report setup hands every report to one
// of these, so tests can take the reports without a printer or a window.
class ReportOutput
{
public:
    virtual ~ReportOutput() = default;

    // Sends all pages to the default printer.
    virtual void print(const ReportLayout& report, QWidget* parent) = 0;
    // Shows the pages and returns only when the preview has been closed;
    // Save as PDF there suggests pdfPath.
    virtual void preview(const ReportLayout& report, const QString& pdfPath, QWidget* parent) = 0;
};
