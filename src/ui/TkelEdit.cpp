#include "TkelEdit.h"

#include <QApplication>
#include <QKeyEvent>

TkelEdit::TkelEdit(QWidget* parent) : QLineEdit(parent) {}

bool TkelEdit::accepts(TkelEditType type, char16_t c)
{
    if (type == TkelEditType::etKELNone || c == 8 || c == 9)
        return true;
    const bool digit = c >= u'0' && c <= u'9';
    switch (type) {
    case TkelEditType::etKELInteger:
        return digit || c == u'-';
    case TkelEditType::etKELFloat:
        return digit || c == u'-' || c == u'.';
    case TkelEditType::etKELAlpha:
        return c == u' ' || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    case TkelEditType::etKELFraction:
        return digit || c == u' ' || c == u'-' || c == u'/';
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
    // taken, so the last position still receives it.
    const bool moveOn = m_autoTab && maxLength() > 0 && cursorPosition() == maxLength() - 1 &&
                        event->key() != Qt::Key_Backspace && event->key() != Qt::Key_Tab;

    const int key = event->key();
    const bool dialogKey = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
    const QString text = event->text();
    // Enter and Escape belong to the dialog's default and cancel buttons,
    // which take them before they could reach the box as characters.
    if (m_editType != TkelEditType::etKELNone && !dialogKey && text.size() == 1 &&
        !accepts(m_editType, text.at(0).unicode())) {
        reject();
        event->accept();
    } else {
        QLineEdit::keyPressEvent(event);
    }
    if (moveOn)
        focusNextChild();
}
