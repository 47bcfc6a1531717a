#pragma once

#include "UserPrompts.h"

#include <QStringList>

// Records the messages a dialog shows instead of showing them; the locator
// asks no questions, so every question is answered Cancel.
class ScriptedPrompts : public UserPrompts
{
public:
    QStringList shown; // "information: <text>" or "error: <text>"

    void information(QWidget*, const QString& text) override { shown << "information: " + text; }
    void error(QWidget*, const QString& text) override { shown << "error: " + text; }
    Answer confirm(QWidget*, const QString&) override { return Answer::Cancel; }
    Answer checkReport(QWidget*, const QString&) override { return Answer::Cancel; }
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    void beep() override {}
};
