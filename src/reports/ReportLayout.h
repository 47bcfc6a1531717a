// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ReportBand.h"

class TextTable;

// A banded page layout bound to a record source: a title band printed once
// at the top of the first page, a detail band per record in record order and
// a page footer band at the foot of every page. The three reports differ
// only in their texts, detail band and footer height.
//
// The page is US Letter portrait with 0.5 inch margins, so every band is 7.5
// inches wide and a page holds 10 inches of bands.
class ReportLayout
{
public:
    static constexpr qreal PageWidth = 8.5;
    static constexpr qreal PageHeight = 11.0;
    static constexpr qreal Margin = 0.5;
    static constexpr qreal BandWidth = PageWidth - 2 * Margin;
    static constexpr qreal BandsHeight = PageHeight - 2 * Margin;

    virtual ~ReportLayout() = default;

    const TextTable& table() const { return m_table; }
    const ReportBand& titleBand() const { return m_title; }
    const ReportBand& detailBand() const { return m_detail; }
    const ReportBand& pageFooterBand() const { return m_footer; }

    // Names what the pages are (a built test's name and version) at the
    // left of every page's footer, so printed versions are never mixed up.
    // Ordinary reports carry none.
    void setPageLabel(const QString& text);

protected:
    // The title band with the two logos, the title and, when given, the
    // subtitle; the footer with "Page" and the page number.
    ReportLayout(const TextTable& table, const QString& title, const QString& subtitle,
                 qreal footerHeight);

    ReportBand m_detail;

private:
    const TextTable& m_table;
    ReportBand m_title;
    ReportBand m_footer;
};
