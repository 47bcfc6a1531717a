// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// One element of a report band. Positions and sizes are in inches from the
// band's left and top edges. Texts size themselves to their content from
// their left position and wrap words at the band's right edge, showing the
// first line only. A stretching text wraps short of the next element on its
// line and shows all its lines, pushing the band and the lines below it
// downwards.
struct ReportElement
{
    enum class Kind
    {
        Text,
        Field,
        DetailNumber,
        PageNumber,
        Picture
    };
    enum class Alignment
    {
        Left,
        CentredInBand,
        RightInBox
    };

    static ReportElement text(qreal left, qreal top, const QString& text, bool bold = false);
    static ReportElement centredText(qreal top, const QString& text, int pointSize, bool bold);
    static ReportElement field(qreal left, qreal top, const QString& fieldName);
    static ReportElement stretchingField(qreal left, qreal top, const QString& fieldName);
    // The running number of the record within the report, bold, right-aligned
    // in its box.
    static ReportElement detailNumber(qreal boxLeft, qreal boxRight, qreal top);
    static ReportElement pageNumber(qreal left, qreal top);
    // A picture resource drawn at 64 x 64 screen pixels, centred in its frame.
    static ReportElement picture(qreal left, qreal top, qreal size, const QString& resource);

    Kind kind = Kind::Text;
    Alignment alignment = Alignment::Left;
    qreal left = 0;
    qreal top = 0;
    qreal width = 0;  // boxes, pictures and texts kept short of a neighbour
    qreal height = 0; // pictures only
    QString content;  // the text, the field name or the picture resource
    int pointSize = 10;
    bool bold = false;
    bool stretches = false;
};
