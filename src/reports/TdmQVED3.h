// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "TextTable.h"

// The data module: created once at start-up, it owns the report table that
// the report setup points at each run's temporary export.
class TdmQVED3
{
public:
    TdmQVED3() = default;
    TdmQVED3(const TdmQVED3&) = delete;
    TdmQVED3& operator=(const TdmQVED3&) = delete;

    TextTable tblQuestionData;
};
