// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>

// The editor's own help for authors, shown when no help file is installed.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the one help window of the parent, creating it on first use.
    static void showHelp(QWidget* parent);
};
