// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "UserPrompts.h"

// The real dialogs: Qt message boxes and the platform's file dialogs.
class QtUserPrompts : public UserPrompts
{
public:
    void information(QWidget* parent, const QString& text) override;
    Answer confirm(QWidget* parent, const QString& text) override;
    Answer checkReport(QWidget* parent, const QString& text) override;
    Answer offerReadOnly(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& folder, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& folder, const QString& filter) override;
    QString chooseItem(QWidget* parent, const QString& text, const QStringList& items,
                       const QString& current) override;
    void beep() override;
};
