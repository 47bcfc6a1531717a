// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>

class QActionGroup;
class QMenu;
class QWidget;
class UserPrompts;

// Options > Language: the system's language, English or Spanish, one checked.
// The choice is stored in the settings and taken at the next start, as every
// text of the open windows was made in the language chosen then.
class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    LanguageMenu(QMenu& menu, UserPrompts& prompts, QWidget* window);

private:
    void choose(const QString& language);

    UserPrompts& m_prompts;
    QWidget* m_window;
    QActionGroup* m_group;
};
