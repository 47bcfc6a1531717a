// SPDX-License-Identifier: GPL-2.0-or-later
#include "ProblemsDock.h"

#include "ProblemListModel.h"
#include "QuestionDocument.h"
#include "ValidationTable.h"

#include <QListView>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QStatusBar>
#include <QtConcurrent>
#include <climits>
#include <utility>

namespace {

using Problems = std::vector<BankCheck::Problem>;

// Runs on a copy of the list and the table, so editing goes on meanwhile.
void checkInBackground(QPromise<Problems>& promise, const QuestionList& list,
                       const ValidationTable& table)
{
    promise.setProgressRange(0, list.count());
    Problems found;
    // As qvedtool check run without --no-validate.
    BankCheck(table, true)
        .checkList(
            list, [&found](const BankCheck::Problem& problem) { found.push_back(problem); },
            [&promise](int checked) {
                promise.setProgressValue(checked);
                return !promise.isCanceled();
            });
    if (!promise.isCanceled())
        promise.addResult(std::move(found));
}

} // namespace

ProblemsDock::ProblemsDock(const QuestionDocument& document, const ValidationTable& table,
                           QStatusBar& statusBar, QWidget* parent)
    : QDockWidget(tr("Problems"), parent), m_document(document), m_table(table)
{
    setObjectName(QStringLiteral("dckProblems"));
    m_problems = new ProblemListModel(this);
    m_view = new QListView(this);
    m_view->setObjectName(QStringLiteral("lstProblems"));
    m_view->setModel(m_problems);
    m_view->setAccessibleName(tr("Problems"));
    m_view->setAccessibleDescription(tr("The problems of the file; Enter opens the question"));
    m_view->setUniformItemSizes(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWidget(m_view);
    // activated: a double-click or Enter, as the platform has it.
    connect(m_view, &QListView::activated, this, [this](const QModelIndex& index) {
        if (const int number = m_problems->numberAt(index.row()))
            emit questionChosen(number);
    });

    m_progress = new QProgressBar(&statusBar);
    m_progress->setObjectName(QStringLiteral("prbCheck"));
    m_progress->setMaximumWidth(160);
    m_progress->setAccessibleName(tr("Questions checked"));
    m_cancel = new QPushButton(tr("Cancel"), &statusBar);
    m_cancel->setObjectName(QStringLiteral("btnCancelCheck"));
    statusBar.addPermanentWidget(m_progress);
    statusBar.addPermanentWidget(m_cancel);
    m_progress->hide();
    m_cancel->hide();
    connect(m_cancel, &QPushButton::clicked, this, &ProblemsDock::cancelCheck);
    connect(&m_watcher, &QFutureWatcherBase::progressRangeChanged, m_progress,
            &QProgressBar::setRange);
    connect(&m_watcher, &QFutureWatcherBase::progressValueChanged, m_progress,
            &QProgressBar::setValue);
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &ProblemsDock::finished);

    connect(&document, &QuestionDocument::rowsChanged, this, &ProblemsDock::questionsChanged);
    connect(&document, &QuestionDocument::listReset, this, [this] {
        cancelCheck();
        m_changedFirst = INT_MAX;
        m_changedLast = -1;
        m_problems->clear();
    });
}

void ProblemsDock::startCheck()
{
    // A cancelled check still winding down is followed by the new one.
    if (isChecking()) {
        m_restart = m_restart || m_watcher.isCanceled();
        return;
    }
    m_progress->setValue(0);
    m_progress->show();
    m_cancel->show();
    m_watcher.setFuture(QtConcurrent::run(checkInBackground, m_document.list(), m_table));
}

void ProblemsDock::cancelCheck()
{
    if (isChecking())
        m_watcher.cancel();
}

void ProblemsDock::finished()
{
    m_progress->hide();
    m_cancel->hide();
    const int changedFirst = std::exchange(m_changedFirst, INT_MAX);
    const int changedLast = std::exchange(m_changedLast, -1);
    if (std::exchange(m_restart, false)) {
        startCheck();
        return;
    }
    const QFuture<Problems> future = m_watcher.future();
    // A cancelled check leaves the last complete list in place.
    if (future.isCanceled() || future.resultCount() == 0)
        return;
    m_problems->setProblems(future.result());
    // A check that found nothing says so, not just an empty list.
    setWindowTitle(m_problems->rowCount() == 0 ? tr("Problems: none found") : tr("Problems"));
    if (changedFirst <= changedLast)
        questionsChanged(changedFirst, changedLast);
    show();
    raise();
    emit checkFinished();
}

void ProblemsDock::questionsChanged(int first, int last)
{
    // The running check reads the list as it was when it started: what
    // changes meanwhile is checked again when it ends.
    if (isChecking()) {
        m_changedFirst = std::min(m_changedFirst, first);
        m_changedLast = std::max(m_changedLast, last);
        return;
    }
    if (!m_problems->hasChecked())
        return;
    // A change of many rows at once (Replace All, its undo) is checked
    // again as a whole, in the background.
    constexpr int MostRowsRechecked = 10000;
    if (last - first >= MostRowsRechecked) {
        startCheck();
        return;
    }
    const QuestionList& list = m_document.list();
    m_problems->dropAfter(list.count());
    BankCheck check(m_table, true);
    // A changed question is checked on its own; a repeat of another is
    // found again by the next whole check.
    for (int index = first; index <= std::min(last, list.count() - 1); ++index) {
        Problems found;
        check.checkQuestion(
            index + 1, list.line(index),
            [&found](const BankCheck::Problem& problem) { found.push_back(problem); });
        m_problems->replaceQuestion(index + 1, found);
    }
}
