// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ReportLayout.h"

// The test with its answer key: question, answers A to D in two columns, and
// a key line with level, correct letter and reference.
class TfrmTestWithKey : public ReportLayout
{
public:
    explicit TfrmTestWithKey(const TextTable& tblQuestionData);
};
