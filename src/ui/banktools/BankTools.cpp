// SPDX-License-Identifier: GPL-2.0-or-later
#include "BankTools.h"

#include "CompareDock.h"
#include "DuplicatesDialog.h"
#include "FilterBar.h"
#include "ImportExportTool.h"
#include "ProblemsDock.h"
#include "QuestionGrid.h"
#include "ReferenceCheckDock.h"
#include "ScriptureDock.h"
#include "SimilarQuestionHint.h"
#include "TfrmFindReplace.h"
#include "ToolHost.h"
#include "TfrmStatistics.h"
#include "UserPrompts.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QVBoxLayout>

BankTools::BankTools(ToolHost& window, QuestionGridModel& model, UserPrompts& prompts)
    : QObject(&window.mainWindow()), m_window(window), m_prompts(prompts)
{
    m_problems = new ProblemsDock(window.document(), window.table(), *window.mainWindow().statusBar(), &window.mainWindow());
    window.mainWindow().addDockWidget(Qt::BottomDockWidgetArea, m_problems);
    m_problems->hide();
    connect(m_problems, &ProblemsDock::questionChosen, &window.mainWindow(), [&window](int number) {
        window.runCommand([&window, number] { window.goToRow(number); });
    });

    m_filter = new FilterBar(window.document(), model, window.grid(), *m_problems,
                             window.mainWindow().centralWidget());
    // Above the grid, which the central area's layout holds first.
    if (auto* layout = qobject_cast<QVBoxLayout*>(window.mainWindow().centralWidget()->layout()))
        layout->insertWidget(0, m_filter);

    mnuToolsCheckFile = window.toolsMenu().addAction(tr("&Check File"));
    mnuToolsCheckFile->setObjectName(QStringLiteral("mnuToolsCheckFile"));
    mnuToolsCheckFile->setShortcut(Qt::Key_F7);
    mnuToolsCheckFile->setStatusTip(tr("Check every question of the list"));
    connect(mnuToolsCheckFile, &QAction::triggered, m_problems, &ProblemsDock::startCheck);

    mnuToolsFilter = window.toolsMenu().addAction(tr("&Filter"));
    mnuToolsFilter->setObjectName(QStringLiteral("mnuToolsFilter"));
    mnuToolsFilter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuToolsFilter->setStatusTip(tr("Show only the questions that match"));
    connect(mnuToolsFilter, &QAction::triggered, m_filter, &FilterBar::open);

    m_findReplace = new TfrmFindReplace(window, model, prompts);
    mnuToolsFindReplace = window.toolsMenu().addAction(tr("Find and &Replace..."));
    mnuToolsFindReplace->setObjectName(QStringLiteral("mnuToolsFindReplace"));
    mnuToolsFindReplace->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuToolsFindReplace->setStatusTip(tr("Find and replace text in the questions"));
    connect(mnuToolsFindReplace, &QAction::triggered, m_findReplace, &TfrmFindReplace::open);

    mnuToolsStatistics = window.toolsMenu().addAction(tr("S&tatistics"));
    mnuToolsStatistics->setObjectName(QStringLiteral("mnuToolsStatistics"));
    mnuToolsStatistics->setStatusTip(tr("Count the questions by book, level and answer"));
    connect(mnuToolsStatistics, &QAction::triggered, this, &BankTools::mnuToolsStatisticsClick);

    mnuToolsFindDuplicates = window.toolsMenu().addAction(tr("Find &Duplicates..."));
    mnuToolsFindDuplicates->setObjectName(QStringLiteral("mnuToolsFindDuplicates"));
    mnuToolsFindDuplicates->setStatusTip(
        tr("List the questions that are the same or nearly the same"));
    connect(mnuToolsFindDuplicates, &QAction::triggered, this,
            &BankTools::mnuToolsFindDuplicatesClick);

    m_compare = new CompareDock(window.document(), window.history(), &window.mainWindow());
    window.mainWindow().addDockWidget(Qt::BottomDockWidgetArea, m_compare);
    m_compare->hide();
    connect(m_compare, &CompareDock::questionChosen, &window.mainWindow(), [&window](int number) {
        window.runCommand([&window, number] { window.goToRow(number); });
    });
    mnuToolsCompare = window.toolsMenu().addAction(tr("Compare with &File..."));
    mnuToolsCompare->setObjectName(QStringLiteral("mnuToolsCompare"));
    mnuToolsCompare->setStatusTip(tr("Show the questions another file adds, lacks or changes"));
    connect(mnuToolsCompare, &QAction::triggered, this, &BankTools::mnuToolsCompareClick);

    m_references = new ReferenceCheckDock(window.document(), window.history(), &window.mainWindow());
    window.mainWindow().addDockWidget(Qt::BottomDockWidgetArea, m_references);
    m_references->hide();
    connect(m_references, &ReferenceCheckDock::questionChosen, &window.mainWindow(), [&window](int number) {
        window.runCommand([&window, number] { window.goToRow(number); });
    });
    mnuToolsCheckReferences = window.toolsMenu().addAction(tr("Check Refere&nces..."));
    mnuToolsCheckReferences->setObjectName(QStringLiteral("mnuToolsCheckReferences"));
    mnuToolsCheckReferences->setStatusTip(
        tr("List the questions whose right answer is not in the verse they cite"));
    connect(mnuToolsCheckReferences, &QAction::triggered, this,
            &BankTools::mnuToolsCheckReferencesClick);

    m_importExport = new ImportExportTool(window, model, prompts, this);

    m_similar = new SimilarQuestionHint(window.document(), window.panel(), window.editing(),
                                        this);
    connect(m_similar, &SimilarQuestionHint::questionChosen, &window.mainWindow(), [&window](int number) {
        window.runCommand([&window, number] { window.goToRow(number); });
    });
}

void BankTools::mnuToolsFindDuplicatesClick()
{
    if (!m_duplicates) {
        m_duplicates = new DuplicatesDialog(m_window.document(), m_window.history(), &m_window.mainWindow());
        connect(m_duplicates, &DuplicatesDialog::questionChosen, &m_window.mainWindow(), [this](int number) {
            m_window.runCommand([this, number] { m_window.goToRow(number); });
        });
    }
    m_duplicates->show();
    m_duplicates->raise();
    m_duplicates->find();
}

void BankTools::mnuToolsStatisticsClick()
{
    TfrmStatistics statistics(m_window.document().list(), &m_window.mainWindow());
    statistics.exec();
}

void BankTools::mnuToolsCompareClick()
{
    const QString path = m_prompts.openFileName(&m_window.mainWindow(), QString(),
                                                tr("Question files (*.qus);;All Files (*)"));
    if (path.isEmpty())
        return;
    const QString failure = m_compare->compareWith(path);
    if (!failure.isEmpty())
        m_prompts.error(&m_window.mainWindow(), failure);
}

void BankTools::mnuToolsCheckReferencesClick()
{
    // The Bible the Scripture dock reads, made after these tools.
    const auto* scripture = m_window.mainWindow().findChild<ScriptureDock*>();
    m_references->startCheck(scripture ? scripture->moduleName() : QString());
}
