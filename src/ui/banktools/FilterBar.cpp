// SPDX-License-Identifier: GPL-2.0-or-later
#include "FilterBar.h"

#include "BookTable.h"
#include "ProblemListModel.h"
#include "ProblemsDock.h"
#include "QuestionDocument.h"
#include "QuestionFilter.h"
#include "QuestionGrid.h"
#include "QuestionGridModel.h"
#include "Windows1252.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtConcurrent>
#include <utility>

namespace {

constexpr int PauseMs = 250;

} // namespace

FilterBar::FilterBar(const QuestionDocument& document, QuestionGridModel& model, QuestionGrid& grid,
                     ProblemsDock& problems, QWidget* parent)
    : QWidget(parent), m_document(document), m_model(model), m_grid(grid), m_problems(problems)
{
    setObjectName(QStringLiteral("pnlFilter"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("edtFilter"));
    m_text->setPlaceholderText(tr("Question, answers or reference"));
    m_text->setClearButtonEnabled(true);
    m_book = new QComboBox(this);
    m_book->setObjectName(QStringLiteral("cbxFilterBook"));
    m_book->addItem(tr("Any book"), -1);
    m_book->setMaxVisibleItems(20);
    for (int book = 0; book < BookCount; ++book)
        m_book->addItem(Windows1252::toUnicode(BookAbbreviation(book)), book);
    m_level = new QComboBox(this);
    m_level->setObjectName(QStringLiteral("cbxFilterLevel"));
    m_level->addItem(tr("Any level"), -1);
    const QString levels[] = {tr("Single"), tr("Double"), tr("Triple"), tr("Home Run")};
    for (int level = 0; level < 4; ++level)
        m_level->addItem(levels[level], level);
    m_problemsOnly = new QCheckBox(tr("Problems only"), this);
    m_problemsOnly->setObjectName(QStringLiteral("chkProblemsOnly"));
    auto* label = new QLabel(tr("Filter:"), this);
    label->setBuddy(m_text);
    layout->addWidget(label);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_book);
    layout->addWidget(m_level);
    layout->addWidget(m_problemsOnly);
    // The main window leaves Escape in the bar to the bar.
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_text, m_book, m_level, m_problemsOnly})
        control->setProperty("handlesEscape", true);

    m_pause = new QTimer(this);
    m_pause->setSingleShot(true);
    m_pause->setInterval(PauseMs);
    connect(m_pause, &QTimer::timeout, this, &FilterBar::applyNow);
    connect(m_text, &QLineEdit::textChanged, m_pause, qOverload<>(&QTimer::start));
    connect(m_book, &QComboBox::currentIndexChanged, this, &FilterBar::applyNow);
    connect(m_level, &QComboBox::currentIndexChanged, this, &FilterBar::applyNow);
    connect(m_problemsOnly, &QCheckBox::toggled, this, [this](bool on) {
        // Without a check to go by, one is run first.
        if (on && !m_problems.problems().hasChecked())
            m_problems.startCheck();
        else
            applyNow();
    });
    connect(&m_problems, &ProblemsDock::checkFinished, this, [this] {
        if (m_problemsOnly->isChecked())
            applyNow();
    });
    connect(&document, &QuestionDocument::listReset, this, [this] {
        if (!isVisible())
            return;
        // The new list's problems are not known yet.
        if (m_problemsOnly->isChecked())
            m_problems.startCheck();
        applyNow();
    });
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &FilterBar::filtered);
    hide();
}

void FilterBar::open()
{
    show();
    m_text->setFocus();
    m_text->selectAll();
}

void FilterBar::clearAndHide()
{
    const QSignalBlocker text(m_text), book(m_book), level(m_level), only(m_problemsOnly);
    m_pause->stop();
    m_text->clear();
    m_book->setCurrentIndex(0);
    m_level->setCurrentIndex(0);
    m_problemsOnly->setChecked(false);
    m_pending = false;
    m_discard = m_filtering;
    const int current = m_grid.currentGridRow();
    m_model.showAllRows();
    m_grid.setSelectionMode(QAbstractItemView::ContiguousSelection);
    if (current > 0) {
        m_grid.selectGridRow(current);
        m_grid.scrollTo(m_grid.currentIndex(), QAbstractItemView::PositionAtCenter);
    }
    hide();
    m_grid.setFocus();
}

void FilterBar::applyNow()
{
    m_pause->stop();
    if (m_filtering) {
        m_pending = true;
        return;
    }
    QuestionFilter::Criteria criteria;
    bool encodable = true;
    criteria.text = Windows1252::fromUnicode(m_text->text(), &encodable);
    if (!encodable) {
        // No question can hold a character outside the files' code page.
        m_model.setShownRows({});
        m_grid.setSelectionMode(QAbstractItemView::SingleSelection);
        return;
    }
    criteria.book = m_book->currentData().toInt();
    criteria.level = m_level->currentData().toInt();
    criteria.problemsOnly = m_problemsOnly->isChecked();
    if (criteria.problemsOnly)
        criteria.problemNumbers = m_problems.problems().problemNumbers();
    QuestionFilter filter(std::move(criteria));
    if (filter.isEmpty()) {
        m_model.showAllRows();
        m_grid.setSelectionMode(QAbstractItemView::ContiguousSelection);
        return;
    }
    // The list is copied, cheaply: its lines are shared, not duplicated.
    m_filtering = true;
    m_discard = false;
    m_watcher.setFuture(
        QtConcurrent::run([](const QuestionFilter& filter,
                             const QuestionList& list) { return filter.matchingRows(list); },
                          std::move(filter), m_document.list()));
}

void FilterBar::filtered()
{
    m_filtering = false;
    const bool discard = std::exchange(m_discard, false);
    if (m_pending) {
        m_pending = false;
        applyNow();
        return;
    }
    if (discard)
        return;
    const int current = m_grid.currentGridRow();
    m_model.setShownRows(m_watcher.result());
    // A range of shown rows would span hidden ones, so one row at a time.
    m_grid.setSelectionMode(QAbstractItemView::SingleSelection);
    if (current > 0 && m_model.modelRow(current - 1) >= 0)
        m_grid.selectGridRow(current);
}

void FilterBar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        clearAndHide();
        return;
    }
    QWidget::keyPressEvent(event);
}
