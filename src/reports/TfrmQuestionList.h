// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ReportLayout.h"

// One line per question: the running number and the question text.
class TfrmQuestionList : public ReportLayout
{
public:
    explicit TfrmQuestionList(const TextTable& tblQuestionData);
};
