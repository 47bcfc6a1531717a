// SPDX-License-Identifier: GPL-2.0-or-later
#include "LanguageMenu.h"

#include "EditorSettings.h"
#include "UserPrompts.h"

#include <QActionGroup>
#include <QMenu>

LanguageMenu::LanguageMenu(QMenu& menu, UserPrompts& prompts, QWidget* window)
    : QObject(&menu), m_prompts(prompts), m_window(window), m_group(new QActionGroup(this))
{
    // Each language is named in itself, as a reader of it looks for it.
    const std::pair<QString, QString> choices[] = {
        {QString(), tr("System Default")},
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("es"), QStringLiteral("Español")},
    };
    const QString chosen = EditorSettings::ReadLanguage();
    for (const auto& [language, name] : choices) {
        QAction* action = menu.addAction(name);
        action->setObjectName(QStringLiteral("mnuOptionsLanguage_") +
                              (language.isEmpty() ? QStringLiteral("system") : language));
        action->setCheckable(true);
        action->setChecked(language == chosen);
        action->setData(language);
        m_group->addAction(action);
    }
    connect(m_group, &QActionGroup::triggered, this,
            [this](QAction* action) { choose(action->data().toString()); });
}

void LanguageMenu::choose(const QString& language)
{
    if (language == EditorSettings::ReadLanguage())
        return;
    EditorSettings::WriteLanguage(language);
    m_prompts.information(m_window, tr("The language changes the next time the editor starts."));
}
