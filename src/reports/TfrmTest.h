// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ReportLayout.h"

// The test without its key: question and answers A to D in two columns.
class TfrmTest : public ReportLayout
{
public:
    explicit TfrmTest(const TextTable& tblQuestionData);
};
