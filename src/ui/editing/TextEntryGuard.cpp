// SPDX-License-Identifier: GPL-2.0-or-later
#include "TextEntryGuard.h"

#include "Windows1252.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>

TextEntryGuard::TextEntryGuard(QObject* parent) : QObject(parent) {}

TextEntryGuard::Cleaned TextEntryGuard::clean(const QString& text)
{
    Cleaned cleaned;
    cleaned.text.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit == u'"') {
            cleaned.text += u'\'';
            cleaned.quoteReplaced = true;
        } else if (unit == u'\r' || unit == u'\n' || unit == 0x2028 || unit == 0x2029) {
            // CR LF is one line break, and so one blank.
            if (unit == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            cleaned.text += u' ';
        } else if (Windows1252::firstUnencodable(QStringView(text).sliced(i, 1)) >= 0) {
            cleaned.characterRefused = true;
        } else {
            cleaned.text += text[i];
        }
    }
    return cleaned;
}

void TextEntryGuard::report(const Cleaned& cleaned)
{
    if (cleaned.characterRefused)
        emit characterRefused();
    if (cleaned.quoteReplaced)
        emit quoteReplaced();
}

void TextEntryGuard::guard(QLineEdit* edit)
{
    edit->installEventFilter(this);
    // textEdited fires for every change the user makes, never for setText().
    connect(edit, &QLineEdit::textEdited, this, [this, edit] { cleanLineEdit(edit); });
}

void TextEntryGuard::cleanLineEdit(QLineEdit* edit)
{
    const QString text = edit->text();
    const Cleaned cleaned = clean(text);
    if (cleaned.text == text)
        return;
    const int cursor = edit->cursorPosition();
    const int cursorAfter = int(clean(text.left(cursor)).text.size());
    edit->setText(cleaned.text);
    edit->setCursorPosition(cursorAfter);
    report(cleaned);
}

void TextEntryGuard::guard(QPlainTextEdit* memo, int maxLength)
{
    memo->installEventFilter(this);
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo, maxLength] {
        if (!m_cleaning)
            cleanMemo(memo, maxLength);
    });
}

void TextEntryGuard::cleanMemo(QPlainTextEdit* memo, int maxLength)
{
    const QString text = memo->toPlainText();
    Cleaned cleaned = clean(text);
    if (cleaned.text == text && text.size() <= maxLength)
        return;
    const int cursor = memo->textCursor().position();
    int cursorAfter = int(clean(text.left(cursor)).text.size());
    // What just came in ends at the cursor; the excess is cut from it, so
    // the text already in the box stays whole.
    if (const qsizetype excess = cleaned.text.size() - maxLength; excess > 0) {
        const int from = std::max(0, int(cursorAfter - excess));
        cleaned.text.remove(from, excess);
        cursorAfter = from;
    }
    m_cleaning = true;
    // The cleaning joins the user's own edit, so undoing that edit never
    // brings back text that has to be cleaned again.
    QTextCursor whole(memo->document());
    whole.joinPreviousEditBlock();
    whole.select(QTextCursor::Document);
    whole.insertText(cleaned.text);
    whole.endEditBlock();
    QTextCursor placed = memo->textCursor();
    placed.setPosition(cursorAfter);
    memo->setTextCursor(placed);
    m_cleaning = false;
    report(cleaned);
}

void TextEntryGuard::setTextQuietly(QPlainTextEdit* memo, const QString& text)
{
    m_cleaning = true;
    memo->setPlainText(text);
    m_cleaning = false;
}

bool TextEntryGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return qobject_cast<QPlainTextEdit*>(watched) != nullptr;
    // Keys whose text is a control character (Backspace, Tab, Ctrl+letter)
    // edit or move; the boxes never take that text in.
    const QString typed = key->text();
    const bool typesCharacters =
        !typed.isEmpty() &&
        std::all_of(typed.begin(), typed.end(), [](QChar c) { return c >= u' ' && c != u'\x7f'; });
    if (!typesCharacters)
        return QObject::eventFilter(watched, event);
    const Cleaned cleaned = clean(typed);
    if (cleaned.text == typed)
        return QObject::eventFilter(watched, event);
    // The box receives the key with the characters it may hold, so the
    // apostrophe is typed, undone and limited like any other character.
    if (!cleaned.text.isEmpty()) {
        QKeyEvent replacement(QEvent::KeyPress, key->key(), key->modifiers(), cleaned.text,
                              key->isAutoRepeat(), key->count());
        QCoreApplication::sendEvent(watched, &replacement);
    }
    report(cleaned);
    return true;
}
