// SPDX-License-Identifier: GPL-2.0-or-later
#include "TkelEdit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <algorithm>

namespace {

// The characters a key types. Platforms disagree on the text of Ctrl+letter
// (the control character, the letter, or nothing); it types the control
// character, which is what keeps Ctrl+V and the like out of a filtered box.
// Delete types nothing, though X11 attaches 0x7F to it.
QList<uint> typedCharacters(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const int key = event.key();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && key >= Qt::Key_A &&
        key <= Qt::Key_Z)
        return {uint(key - Qt::Key_A + 1)};
    if (key == Qt::Key_Delete)
        return {};
    return event.text().toUcs4();
}

} // namespace

TkelEdit::TkelEdit(QWidget* parent) : QLineEdit(parent) {}

bool TkelEdit::accepts(TkelEditType type, char32_t c)
{
    if (type == TkelEditType::etKELNone || c == 8 || c == 9)
        return true;
    const bool digit = c >= U'0' && c <= U'9';
    switch (type) {
    case TkelEditType::etKELInteger:
        return digit || c == U'-';
    case TkelEditType::etKELFloat:
        return digit || c == U'-' || c == U'.';
    case TkelEditType::etKELAlpha:
        return c == U' ' || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
    case TkelEditType::etKELFraction:
        return digit || c == U' ' || c == U'-' || c == U'/';
    case TkelEditType::etKELNone:
        break;
    }
    return true;
}

void TkelEdit::reject()
{
    if (m_audibleError)
        QApplication::beep();
    emit OnKELEditError(this);
}

void TkelEdit::keyPressEvent(QKeyEvent* event)
{
    // Auto-tab is decided when the key goes down, before its character is
    // taken, so the last position still receives it. The caret counts from
    // the start of a selection.
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    const int key = event->key();
    const bool moveOn = m_autoTab && maxLength() > 0 && caret == maxLength() - 1 &&
                        key != Qt::Key_Backspace && key != Qt::Key_Tab;

    const bool dialogKey = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
    const QList<uint> typed = typedCharacters(*event);
    const bool refused =
        std::any_of(typed.begin(), typed.end(), [this](uint c) { return !accepts(m_editType, c); });
    // Enter and Escape belong to the dialog's default and cancel buttons,
    // which take them before they could reach the box as characters.
    if (refused && !dialogKey) {
        reject();
        event->accept();
    } else {
        QLineEdit::keyPressEvent(event);
    }
    if (moveOn)
        focusNextChild();
}

void TkelEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // Composed characters (dead keys, input methods) arrive here rather than
    // as key presses; each one the type refuses is dropped like a typed one.
    const QString committed = event->commitString();
    if (m_editType == TkelEditType::etKELNone || committed.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString kept;
    for (const char32_t c : committed.toUcs4()) {
        if (accepts(m_editType, c))
            kept += QStringView(QChar::fromUcs4(c));
        else
            reject();
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}
