// SPDX-License-Identifier: GPL-2.0-or-later
#include "TfrmTestWithKey.h"

TfrmTestWithKey::TfrmTestWithKey(const TextTable& tblQuestionData)
    : ReportLayout(tblQuestionData, QStringLiteral("Question Report"),
                   QStringLiteral("Test format w/Key"), 0.42)
{
    m_detail.height = 0.85;
    m_detail.bottomBorder = ReportBand::Border::Dotted;
    // A long answer wraps inside its column and stretches the band like the
    // question, instead of running into the answer beside it.
    m_detail.elements = {
        ReportElement::detailNumber(0.06, 0.40, 0.00),
        ReportElement::stretchingField(0.44, 0.00, QStringLiteral("Question")),
        ReportElement::text(0.29, 0.21, QStringLiteral("A"), true),
        ReportElement::stretchingField(0.44, 0.21, QStringLiteral("AnswerA")),
        ReportElement::text(4.10, 0.21, QStringLiteral("C"), true),
        ReportElement::stretchingField(4.29, 0.21, QStringLiteral("AnswerC")),
        ReportElement::text(0.29, 0.42, QStringLiteral("B"), true),
        ReportElement::stretchingField(0.44, 0.42, QStringLiteral("AnswerB")),
        ReportElement::text(4.10, 0.42, QStringLiteral("D"), true),
        ReportElement::stretchingField(4.29, 0.42, QStringLiteral("AnswerD")),
        ReportElement::text(0.02, 0.62, QStringLiteral("Level"), true),
        ReportElement::field(0.44, 0.62, QStringLiteral("Level")),
        ReportElement::text(2.00, 0.62, QStringLiteral("Correct"), true),
        ReportElement::field(2.59, 0.62, QStringLiteral("Correct")),
        ReportElement::text(3.96, 0.62, QStringLiteral("Ref:"), true),
        ReportElement::field(4.29, 0.62, QStringLiteral("Reference")),
    };
}
