// SPDX-License-Identifier: GPL-2.0-or-later
#include "TfrmTest.h"

TfrmTest::TfrmTest(const TextTable& tblQuestionData)
    : ReportLayout(tblQuestionData, QStringLiteral("Question Test"), QString(), 0.23)
{
    m_detail.height = 0.65;
    m_detail.bottomBorder = ReportBand::Border::Dotted;
    // A long answer wraps inside its column and stretches the band like the
    // question, instead of running into the answer beside it.
    m_detail.elements = {
        ReportElement::detailNumber(0.00, 0.33, 0.00),
        ReportElement::stretchingField(0.44, 0.00, QStringLiteral("Question")),
        ReportElement::text(0.23, 0.21, QStringLiteral("A"), true),
        ReportElement::stretchingField(0.44, 0.21, QStringLiteral("AnswerA")),
        ReportElement::text(4.06, 0.21, QStringLiteral("C"), true),
        ReportElement::stretchingField(4.27, 0.21, QStringLiteral("AnswerC")),
        ReportElement::text(0.23, 0.42, QStringLiteral("B"), true),
        ReportElement::stretchingField(0.44, 0.42, QStringLiteral("AnswerB")),
        ReportElement::text(4.06, 0.42, QStringLiteral("D"), true),
        ReportElement::stretchingField(4.27, 0.42, QStringLiteral("AnswerD")),
    };
}
