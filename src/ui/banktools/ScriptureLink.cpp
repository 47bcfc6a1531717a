// SPDX-License-Identifier: GPL-2.0-or-later
#include "ScriptureLink.h"

#include "DetailPanel.h"
#include "EditorSettings.h"
#include "RadioGroup.h"
#include "ScriptureDock.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>

namespace {

const QString ShownKey = QStringLiteral("Scripture/Shown");
const QString ModuleKey = QStringLiteral("Scripture/Module");

QSettings settings()
{
    return QSettings(EditorSettings::Organization, EditorSettings::Application);
}

} // namespace

ScriptureLink::ScriptureLink(QMainWindow& window, DetailPanel& panel, QMenu& tools)
    : QObject(&window), m_panel(panel), m_dock(new ScriptureDock(&window))
{
    window.addDockWidget(Qt::RightDockWidgetArea, m_dock);
    const QString module = settings().value(ModuleKey).toString();
    if (!module.isEmpty())
        m_dock->chooseModule(module);
    // Hidden until the author first asks for it.
    const bool shown = settings().value(ShownKey, false).toBool();
    m_dock->setVisible(shown);

    QAction* toggle = m_dock->toggleViewAction();
    toggle->setObjectName(QStringLiteral("mnuToolsScripture"));
    toggle->setText(tr("&Scripture"));
    toggle->setShortcut(QKeySequence(Qt::Key_F8));
    toggle->setStatusTip(tr("Show or hide the text of the question's verses"));
    tools.addAction(toggle);
    // Only the author's own showing and hiding is kept: the toggle does not
    // follow the window closing.
    // The panel's boxes have fixed places: the window widens for the dock
    // rather than squeezing them.
    connect(toggle, &QAction::toggled, this, [&window, this](bool shown) {
        settings().setValue(ShownKey, shown);
        if (!window.isMaximized() && !window.isFullScreen() && !m_dock->isFloating())
            window.resize(window.width() + (shown ? 1 : -1) * m_dock->sizeHint().width(),
                          window.height());
    });
    connect(m_dock, &ScriptureDock::moduleChosen, this,
            [](const QString& name) { settings().setValue(ModuleKey, name); });

    m_follow.setSingleShot(true);
    m_follow.setInterval(0);
    connect(&m_follow, &QTimer::timeout, this, &ScriptureLink::showPanelQuestion);
    connect(panel.cbxBook, &QComboBox::currentIndexChanged, this, &ScriptureLink::follow);
    for (QLineEdit* edit :
         {panel.edtRef, panel.edtAnsA, panel.edtAnsB, panel.edtAnsC, panel.edtAnsD})
        connect(edit, &QLineEdit::textChanged, this, &ScriptureLink::follow);
    for (int letter = 0; letter < 4; ++letter)
        connect(panel.rgpCorrect->button(letter), &QRadioButton::toggled, this,
                &ScriptureLink::follow);
    showPanelQuestion();
}

void ScriptureLink::follow()
{
    m_follow.start();
}

void ScriptureLink::showPanelQuestion()
{
    const QLineEdit* answers[] = {m_panel.edtAnsA, m_panel.edtAnsB, m_panel.edtAnsC,
                                  m_panel.edtAnsD};
    const int correct = m_panel.rgpCorrect->itemIndex();
    m_dock->setQuestion(m_panel.cbxBook->currentIndex(), m_panel.edtRef->text(),
                        correct >= 0 && correct < 4 ? answers[correct]->text() : QString());
}
