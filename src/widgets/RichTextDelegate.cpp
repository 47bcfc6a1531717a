// SPDX-License-Identifier: GPL-2.0-or-later
#include "RichTextDelegate.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>

namespace {

void prepare(QTextDocument& document, const QStyleOptionViewItem& option)
{
    document.setDefaultFont(option.font);
    document.setDocumentMargin(2);
    document.setHtml(option.text);
}

} // namespace

void RichTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    QTextDocument document;
    prepare(document, item);
    item.text.clear();
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = item.palette;
    const bool selected = item.state & QStyle::State_Selected;
    context.palette.setColor(QPalette::Text, item.palette.color(selected ? QPalette::HighlightedText
                                                                         : QPalette::Text));
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    painter->save();
    painter->translate(area.topLeft());
    painter->setClipRect(area.translated(-area.topLeft()));
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

QSize RichTextDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    QTextDocument document;
    prepare(document, item);
    return QSize(int(document.idealWidth()), int(document.size().height()));
}
