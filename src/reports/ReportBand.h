// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ReportElement.h"

#include <vector>

// A horizontal strip of a report page: the title, one record's detail or the
// page footer. The height is in inches; a stretching element adds to it.
struct ReportBand
{
    enum class Border
    {
        None,
        Solid,
        Dotted
    };

    qreal height = 0;
    Border bottomBorder = Border::None;
    std::vector<ReportElement> elements;
};
