#pragma once

#include "UserPrompts.h"

#include <QStringList>

// Keeps every message instead of showing it; file dialogs answer savePath.
class RecordingPrompts : public UserPrompts
{
public:
    QStringList informations;
    QStringList errors;
    QString savePath;

    void information(QWidget*, const QString& text) override { informations << text; }
    Answer confirm(QWidget*, const QString&) override { return Answer::Cancel; }
    Answer checkReport(QWidget*, const QString&) override { return Answer::Cancel; }
    void error(QWidget*, const QString& text) override { errors << text; }
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return savePath; }
    void beep() override {}
};
