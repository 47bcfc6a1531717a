// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class QWidget;

// Every message box, confirmation and file dialog of the editor goes through
// this interface, so each command's workflow can be driven by scripted
// answers in tests.
class UserPrompts
{
public:
    enum class Answer
    {
        Yes,
        No,
        Cancel,
        Ok
    };

    virtual ~UserPrompts() = default;

    // A plain box with an OK button, captioned with the application title.
    virtual void information(QWidget* parent, const QString& text) = 0;
    // Yes, No and Cancel, captioned "Confirm"; closing the box is Cancel.
    virtual Answer confirm(QWidget* parent, const QString& text) = 0;
    // The check report: OK (default) and Cancel, captioned "Question Editor".
    virtual Answer checkReport(QWidget* parent, const QString& text) = 0;
    // A file another editor holds: "Open Read-Only" (Yes) or "Cancel", captioned
    // with the application title; closing the box is Cancel.
    virtual Answer offerReadOnly(QWidget* parent, const QString& text) = 0;
    // An application-wide error report for a failure that ended a command.
    virtual void error(QWidget* parent, const QString& text) = 0;

    // The chosen path, or an empty text when the dialog was cancelled.
    // Filters use Qt's form: "Question Files (*.qus);;All Files (*)".
    virtual QString openFileName(QWidget* parent, const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& folder, const QString& filter) = 0;

    // One of the items, chosen from a list that starts on current; an empty
    // text when the choice was cancelled.
    virtual QString chooseItem(QWidget* parent, const QString& text, const QStringList& items,
                               const QString& current) = 0;

    virtual void beep() = 0;
};
