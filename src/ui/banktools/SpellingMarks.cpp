// SPDX-License-Identifier: GPL-2.0-or-later
#include "SpellingMarks.h"

#include "PaletteColours.h"
#include "SpellChecker.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextBlock>
#include <functional>

namespace {

constexpr int MostSuggestions = 5;

void drawWave(QPainter& painter, const QColor& colour, qreal left, qreal right, qreal baseline)
{
    QPainterPath wave;
    const qreal step = 2;
    wave.moveTo(left, baseline);
    bool up = true;
    for (qreal x = left + step; x <= right; x += step, up = !up)
        wave.lineTo(x, baseline + (up ? -1.5 : 0));
    painter.setPen(QPen(colour, 1));
    painter.drawPath(wave);
}

} // namespace

SpellingMarks::SpellingMarks(SpellChecker& checker, QObject* parent)
    : QObject(parent), m_checker(&checker)
{
}

void SpellingMarks::setChecker(SpellChecker* checker)
{
    m_checker = checker;
    recheckAll();
}

void SpellingMarks::watch(QLineEdit* edit)
{
    m_lines += edit;
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, edit, qOverload<>(&QWidget::update));
}

void SpellingMarks::watch(QPlainTextEdit* edit)
{
    m_texts += edit;
    edit->viewport()->installEventFilter(this);
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit] { markPlainText(edit); });
    markPlainText(edit);
}

void SpellingMarks::recheckAll()
{
    for (QLineEdit* edit : std::as_const(m_lines))
        edit->update();
    for (QPlainTextEdit* edit : std::as_const(m_texts))
        markPlainText(edit);
}

void SpellingMarks::markPlainText(QPlainTextEdit* edit)
{
    QList<QTextEdit::ExtraSelection> marks;
    QTextCharFormat wavy;
    wavy.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    wavy.setUnderlineColor(Qt::red);
    const auto wrongs = m_checker ? m_checker->misspellings(edit->toPlainText())
                                  : QList<SpellChecker::Misspelling>();
    for (const auto& wrong : wrongs) {
        QTextCursor cursor(edit->document());
        cursor.setPosition(int(wrong.start));
        cursor.setPosition(int(wrong.start + wrong.length), QTextCursor::KeepAnchor);
        marks.append({cursor, wavy});
    }
    edit->setExtraSelections(marks);
}

// A line edit keeps its text layout to itself: the marks are placed from the
// cursor's rectangle, which it tells input methods.
void SpellingMarks::paintLineMarks(QLineEdit* edit)
{
    const QString text = edit->displayText();
    if (!m_checker)
        return;
    const auto wrongs = m_checker->misspellings(text);
    if (wrongs.isEmpty())
        return;
    const QFontMetricsF metrics(edit->font());
    const int cursor = edit->cursorPosition();
    const QRectF cursorRect = edit->inputMethodQuery(Qt::ImCursorRectangle).toRectF();
    const qreal cursorX = cursorRect.center().x();
    auto xAt = [&](qsizetype index) {
        return index >= cursor
                   ? cursorX + metrics.horizontalAdvance(text.mid(cursor, index - cursor))
                   : cursorX - metrics.horizontalAdvance(text.mid(index, cursor - index));
    };
    const QRect inside = edit->rect();
    const qreal baseline = cursorRect.center().y() + metrics.ascent() / 2 + 1.5;
    QPainter painter(edit);
    painter.setClipRect(inside.adjusted(2, 0, -2, 0));
    for (const auto& wrong : wrongs)
        drawWave(painter, PaletteColours::spelling(edit->palette()), xAt(wrong.start),
                 xAt(wrong.start + wrong.length), baseline);
}

bool SpellingMarks::addSpellingActions(QMenu& menu, const QString& text, int position,
                                       bool editable,
                                       const std::function<void(int, int, const QString&)>& replace)
{
    if (!m_checker)
        return false;
    for (const auto& wrong : m_checker->misspellings(text)) {
        if (position < wrong.start || position > wrong.start + wrong.length)
            continue;
        QAction* first = menu.actions().value(0);
        QList<QAction*> added;
        const QStringList suggestions = m_checker->suggestions(wrong.word, MostSuggestions);
        for (const QString& suggestion : suggestions) {
            auto* action = new QAction(suggestion, &menu);
            action->setEnabled(editable);
            connect(action, &QAction::triggered, this,
                    [=] { replace(int(wrong.start), int(wrong.length), suggestion); });
            added += action;
        }
        if (suggestions.isEmpty()) {
            auto* none = new QAction(tr("(No suggestions)"), &menu);
            none->setEnabled(false);
            added += none;
        }
        auto* add = new QAction(tr("Add to Dictionary"), &menu);
        add->setObjectName(QStringLiteral("actAddToDictionary"));
        connect(add, &QAction::triggered, this,
                [this, word = wrong.word] { emit addToDictionaryChosen(word); });
        auto* ignore = new QAction(tr("Ignore"), &menu);
        ignore->setObjectName(QStringLiteral("actIgnoreWord"));
        connect(ignore, &QAction::triggered, this, [this, word = wrong.word] {
            if (m_checker)
                m_checker->ignore(word);
            recheckAll();
        });
        added << add << ignore;
        menu.insertActions(first, added);
        menu.insertSeparator(first);
        return true;
    }
    return false;
}

bool SpellingMarks::eventFilter(QObject* watched, QEvent* event)
{
    if (auto* line = qobject_cast<QLineEdit*>(watched); line && m_lines.contains(line)) {
        if (event->type() == QEvent::Paint) {
            // The box paints itself first; the marks go on top.
            line->event(event);
            paintLineMarks(line);
            return true;
        }
        if (event->type() == QEvent::ContextMenu) {
            auto* menuEvent = static_cast<QContextMenuEvent*>(event);
            QMenu* menu = line->createStandardContextMenu();
            const int position = line->cursorPositionAt(menuEvent->pos());
            addSpellingActions(*menu, line->text(), position, !line->isReadOnly(),
                               [line](int start, int length, const QString& word) {
                                   line->setSelection(start, length);
                                   line->insert(word);
                               });
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(menuEvent->globalPos());
            return true;
        }
    }
    for (QPlainTextEdit* text : std::as_const(m_texts)) {
        if (watched != text->viewport() || event->type() != QEvent::ContextMenu)
            continue;
        auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        QMenu* menu = text->createStandardContextMenu(menuEvent->pos());
        const int position = text->cursorForPosition(menuEvent->pos()).position();
        addSpellingActions(*menu, text->toPlainText(), position, !text->isReadOnly(),
                           [text](int start, int length, const QString& word) {
                               QTextCursor cursor(text->document());
                               cursor.setPosition(start);
                               cursor.setPosition(start + length, QTextCursor::KeepAnchor);
                               text->setTextCursor(cursor);
                               text->insertPlainText(word);
                           });
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(menuEvent->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
