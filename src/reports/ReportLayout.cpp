// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReportLayout.h"

namespace {
const QString logo = QStringLiteral(":/reports/logo.svg");
}

ReportLayout::ReportLayout(const TextTable& table, const QString& title, const QString& subtitle,
                           qreal footerHeight)
    : m_table(table)
{
    m_title.height = 0.73;
    m_title.bottomBorder = ReportBand::Border::Solid;
    m_title.elements = {
        ReportElement::picture(0.01, 0.01, 0.67, logo),
        ReportElement::picture(6.80, 0.01, 0.67, logo),
        ReportElement::centredText(0.10, title, 14, true),
    };
    if (!subtitle.isEmpty())
        m_title.elements.push_back(ReportElement::centredText(0.40, subtitle, 10, false));

    m_footer.height = footerHeight;
    m_footer.elements = {
        ReportElement::text(6.69, 0, QStringLiteral("Page")),
        ReportElement::pageNumber(7.07, 0),
    };
}

void ReportLayout::setPageLabel(const QString& text)
{
    // Bold, and kept clear of "Page": a long name loses its end, never
    // the page number.
    ReportElement label = ReportElement::text(0, 0, text, true);
    label.width = 6.69 - 0.1 - label.left;
    m_footer.elements.push_back(label);
}
