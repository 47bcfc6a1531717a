// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QContextMenuEvent;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QWidget;
class SpellChecker;

// Underlines the misspelt words of text boxes with the platform's wavy
// line, and puts suggestions, "Add to Dictionary" and "Ignore" at the top
// of a misspelt word's right-button menu. Only marks: the text changes only
// when the author picks a suggestion, as if it were typed.
class SpellingMarks : public QObject
{
    Q_OBJECT

public:
    SpellingMarks(SpellChecker& checker, QObject* parent = nullptr);

    void watch(QLineEdit* edit);
    void watch(QPlainTextEdit* edit);
    // After the dictionary or a word list changed.
    void recheckAll();
    // Another language's checker; none takes every mark away.
    void setChecker(SpellChecker* checker);

signals:
    // "Add to Dictionary": the owner writes the author's list, which may
    // fail, and says so.
    void addToDictionaryChosen(const QString& word);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void markPlainText(QPlainTextEdit* edit);
    void paintLineMarks(QLineEdit* edit);
    // The menu's spelling part for the word at a character position; false
    // when the word there is spelt right.
    bool addSpellingActions(QMenu& menu, const QString& text, int position, bool editable,
                            const std::function<void(int, int, const QString&)>& replace);

    SpellChecker* m_checker;
    QList<QLineEdit*> m_lines;
    QList<QPlainTextEdit*> m_texts;
};
