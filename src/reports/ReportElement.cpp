// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReportElement.h"

ReportElement ReportElement::text(qreal left, qreal top, const QString& text, bool bold)
{
    ReportElement e;
    e.left = left;
    e.top = top;
    e.content = text;
    e.bold = bold;
    return e;
}

ReportElement ReportElement::centredText(qreal top, const QString& text, int pointSize, bool bold)
{
    ReportElement e = ReportElement::text(0, top, text, bold);
    e.alignment = Alignment::CentredInBand;
    e.pointSize = pointSize;
    return e;
}

ReportElement ReportElement::field(qreal left, qreal top, const QString& fieldName)
{
    ReportElement e = ReportElement::text(left, top, fieldName);
    e.kind = Kind::Field;
    return e;
}

ReportElement ReportElement::stretchingField(qreal left, qreal top, const QString& fieldName)
{
    ReportElement e = field(left, top, fieldName);
    e.stretches = true;
    return e;
}

ReportElement ReportElement::detailNumber(qreal boxLeft, qreal boxRight, qreal top)
{
    ReportElement e;
    e.kind = Kind::DetailNumber;
    e.alignment = Alignment::RightInBox;
    e.left = boxLeft;
    e.top = top;
    e.width = boxRight - boxLeft;
    e.bold = true;
    return e;
}

ReportElement ReportElement::pageNumber(qreal left, qreal top)
{
    ReportElement e;
    e.kind = Kind::PageNumber;
    e.left = left;
    e.top = top;
    return e;
}

ReportElement ReportElement::picture(qreal left, qreal top, qreal size, const QString& resource)
{
    ReportElement e;
    e.kind = Kind::Picture;
    e.left = left;
    e.top = top;
    e.width = size;
    e.height = size;
    e.content = resource;
    return e;
}
