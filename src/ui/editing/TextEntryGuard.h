// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>

class QLineEdit;
class QPlainTextEdit;

// Keeps what the user types or pastes storable in a question line: a double
// quote becomes an apostrophe, a line break a blank, and a character the
// file's code page cannot hold is refused. Typed characters are changed
// before they reach the box; text that arrives otherwise (pasted, dropped,
// composed) is cleaned as soon as it is in. Text set by the program is left
// alone, so the record checks still see what a decode produced.
class TextEntryGuard : public QObject
{
    Q_OBJECT

public:
    explicit TextEntryGuard(QObject* parent = nullptr);

    void guard(QLineEdit* edit);
    // The memo also refuses Enter and keeps at most maxLength characters.
    void guard(QPlainTextEdit* memo, int maxLength);
    // Shows text the program decoded, as it stands.
    void setTextQuietly(QPlainTextEdit* memo, const QString& text);

    struct Cleaned
    {
        QString text;
        bool quoteReplaced = false;
        bool characterRefused = false;
    };
    static Cleaned clean(const QString& text);

signals:
    void quoteReplaced();
    void characterRefused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cleanLineEdit(QLineEdit* edit);
    void cleanMemo(QPlainTextEdit* memo, int maxLength);
    void report(const Cleaned& cleaned);

    bool m_cleaning = false;
};
