// SPDX-License-Identifier: GPL-2.0-or-later
#include "DuplicatesDialog.h"

#include "MarkDeletedCommand.h"
#include "QuestionDocument.h"
#include "QuestionFields.h"
#include "QuestionMatcher.h"
#include "RichTextDelegate.h"
#include "TextFold.h"
#include "Windows1252.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {

constexpr int IndexRole = Qt::UserRole;

// The question's words, those the other question lacks in bold.
QString marked(const QuestionFields& question, const QuestionFields& other)
{
    const QStringList otherWords = TextFold::words(other.texts[QuestionFields::Question]);
    const QSet<QString> known(otherWords.begin(), otherWords.end());
    const QString text = Windows1252::toUnicode(question.texts[QuestionFields::Question]);
    static const QRegularExpression word(QStringLiteral("[\\w'\u2019\u2018]+"));
    QString html;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : word.globalMatch(text)) {
        html += text.mid(from, match.capturedStart() - from).toHtmlEscaped();
        const QString found = match.captured();
        const QString folded = TextFold::folded(Windows1252::fromUnicode(found));
        html += folded.isEmpty() || known.contains(folded)
                    ? found.toHtmlEscaped()
                    : QStringLiteral("<b><u>%1</u></b>").arg(found.toHtmlEscaped());
        from = match.capturedEnd();
    }
    return html + text.mid(from).toHtmlEscaped();
}

// Runs on a copy of the list, so editing goes on meanwhile.
void findInBackground(QPromise<std::vector<DuplicatesDialog::Group>>& promise,
                      const QuestionList& list, double threshold)
{
    promise.setProgressRange(0, list.count());
    const QuestionMatcher matcher(list);
    const auto groups = matcher.duplicateGroups(threshold, [&promise](int done, int) {
        promise.setProgressValue(done);
        return !promise.isCanceled();
    });
    if (promise.isCanceled())
        return;
    std::vector<DuplicatesDialog::Group> result;
    for (const QuestionMatcher::Group& group : groups) {
        DuplicatesDialog::Group shown{group.same, {}};
        const QuestionFields first = matcher.fields(group.members[0]);
        const QuestionFields second = matcher.fields(group.members[1]);
        for (int index : group.members) {
            const QuestionFields question = matcher.fields(index);
            shown.members.push_back(
                {index, Windows1252::toUnicode(question.texts[QuestionFields::Reference]),
                 marked(question, index == group.members[0] ? second : first),
                 Windows1252::toUnicode(question.rightAnswer())});
        }
        result.push_back(std::move(shown));
    }
    promise.addResult(std::move(result));
}

} // namespace

DuplicatesDialog::DuplicatesDialog(QuestionDocument& document, QUndoStack& history,
                                   QWidget* parent)
    : QDialog(parent), m_document(document), m_history(history)
{
    setObjectName(QStringLiteral("dlgDuplicates"));
    setWindowTitle(tr("Find Duplicates"));
    resize(720, 420);

    m_threshold = new QDoubleSpinBox(this);
    m_threshold->setObjectName(QStringLiteral("spnThreshold"));
    m_threshold->setRange(0.3, 1.0);
    m_threshold->setSingleStep(0.05);
    m_threshold->setValue(0.6);
    m_threshold->setToolTip(
        tr("How much of the wording two questions with the same right answer must share"));
    auto* thresholdLabel = new QLabel(tr("Wording &alike:"), this);
    thresholdLabel->setBuddy(m_threshold);
    m_find = new QPushButton(tr("&Find"), this);
    m_find->setObjectName(QStringLiteral("btnFindDuplicates"));
    m_progress = new QProgressBar(this);
    m_progress->setAccessibleName(tr("Questions compared"));
    m_progress->hide();
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("btnCancelDuplicates"));
    m_cancel->hide();
    auto* top = new QHBoxLayout;
    top->addWidget(thresholdLabel);
    top->addWidget(m_threshold);
    top->addWidget(m_find);
    top->addWidget(m_progress, 1);
    top->addWidget(m_cancel);
    top->addStretch();

    m_summary = new QLabel(this);
    m_groups = new QTreeWidget(this);
    m_groups->setObjectName(QStringLiteral("treDuplicates"));
    m_groups->setHeaderLabels({tr("Question"), tr("Reference"), tr("Text"), tr("Right answer")});
    m_groups->setItemDelegateForColumn(2, new RichTextDelegate(m_groups));
    m_groups->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_groups->header()->setStretchLastSection(false);
    m_groups->setAccessibleName(tr("Groups of duplicate questions"));

    m_keepFirst = new QPushButton(tr("&Keep the first, delete the others"), this);
    m_keepFirst->setObjectName(QStringLiteral("btnKeepFirst"));
    m_keepFirst->setEnabled(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_keepFirst, QDialogButtonBox::ActionRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_summary);
    layout->addWidget(m_groups, 1);
    layout->addWidget(buttons);

    connect(m_find, &QPushButton::clicked, this, &DuplicatesDialog::find);
    connect(m_cancel, &QPushButton::clicked, this, &DuplicatesDialog::cancel);
    connect(m_keepFirst, &QPushButton::clicked, this, &DuplicatesDialog::keepFirst);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_groups, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QVariant index = item->data(0, IndexRole);
        if (index.isValid())
            emit questionChosen(index.toInt() + 1);
    });
    connect(m_groups, &QTreeWidget::currentItemChanged, this,
            [this] { m_keepFirst->setEnabled(chosenGroup() != nullptr); });
    connect(&m_watcher, &QFutureWatcherBase::progressRangeChanged, m_progress,
            &QProgressBar::setRange);
    connect(&m_watcher, &QFutureWatcherBase::progressValueChanged, m_progress,
            &QProgressBar::setValue);
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &DuplicatesDialog::finished);
    // Rows of another list mean nothing here.
    connect(&document, &QuestionDocument::listReset, this, [this] {
        cancel();
        m_groups->clear();
        m_summary->clear();
    });
}

DuplicatesDialog::~DuplicatesDialog()
{
    cancel();
    m_watcher.waitForFinished();
}

void DuplicatesDialog::find()
{
    if (isFinding())
        return;
    m_finding = true;
    m_progress->setValue(0);
    m_progress->show();
    m_cancel->show();
    m_find->setEnabled(false);
    m_summary->setText(tr("Looking for duplicates..."));
    m_watcher.setFuture(QtConcurrent::run(findInBackground, m_document.list(), m_threshold->value()));
}

void DuplicatesDialog::cancel()
{
    if (m_watcher.isRunning())
        m_watcher.cancel();
}

void DuplicatesDialog::finished()
{
    m_finding = false;
    m_progress->hide();
    m_cancel->hide();
    m_find->setEnabled(true);
    const QFuture<std::vector<Group>> future = m_watcher.future();
    if (future.isCanceled() || future.resultCount() == 0) {
        m_summary->setText(tr("The search was cancelled."));
        return;
    }
    showGroups(future.result());
    emit searchFinished();
}

void DuplicatesDialog::showGroups(const std::vector<Group>& groups)
{
    m_groups->clear();
    int questions = 0;
    for (const Group& group : groups) {
        auto* item = new QTreeWidgetItem(m_groups);
        item->setText(0, group.same ? tr("The same question") : tr("Nearly the same"));
        item->setFirstColumnSpanned(true);
        for (const Member& member : group.members) {
            auto* row = new QTreeWidgetItem(item);
            row->setText(0, QStringLiteral("#%1").arg(member.index + 1));
            row->setData(0, IndexRole, member.index);
            row->setText(1, member.reference);
            row->setText(2, member.question);
            row->setText(3, member.rightAnswer);
        }
        questions += int(group.members.size());
    }
    m_groups->expandAll();
    m_groups->resizeColumnToContents(0);
    m_summary->setText(groups.empty()
                           ? tr("No duplicates found.")
                           : tr("%1 groups, %2 questions.").arg(groups.size()).arg(questions));
}

QTreeWidgetItem* DuplicatesDialog::chosenGroup() const
{
    QTreeWidgetItem* item = m_groups->currentItem();
    if (item && item->parent())
        item = item->parent();
    return item && item->childCount() > 1 ? item : nullptr;
}

void DuplicatesDialog::keepFirst()
{
    QTreeWidgetItem* group = chosenGroup();
    if (!group)
        return;
    std::vector<int> others;
    for (int child = 1; child < group->childCount(); ++child) {
        const int index = group->child(child)->data(0, IndexRole).toInt();
        if (index < m_document.list().count() && !m_document.list().isDeleted(index))
            others.push_back(index);
    }
    if (!others.empty()) {
        m_history.push(
            new MarkDeletedCommand(m_document, others,
                                   tr("Delete %1 duplicates of question %2")
                                       .arg(others.size())
                                       .arg(group->child(0)->data(0, IndexRole).toInt() + 1)));
    }
    delete group;
}
