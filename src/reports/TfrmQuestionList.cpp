// SPDX-License-Identifier: GPL-2.0-or-later
#include "TfrmQuestionList.h"

// The list's title is the test's, "Question Test".
TfrmQuestionList::TfrmQuestionList(const TextTable& tblQuestionData)
    : ReportLayout(tblQuestionData, QStringLiteral("Question Test"), QString(), 0.23)
{
    m_detail.height = 0.23;
    m_detail.elements = {
        ReportElement::detailNumber(0.00, 0.31, 0.00),
        ReportElement::stretchingField(0.44, 0.00, QStringLiteral("Question")),
    };
}
