// SPDX-License-Identifier: GPL-2.0-or-later
#include "CompareDock.h"

#include "AddQuestionCommand.h"
#include "EditQuestionCommand.h"
#include "MarkDeletedCommand.h"
#include "QuestionDocument.h"
#include "QuestionFields.h"
#include "QvedError.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {

enum Role
{
    KindRole = Qt::UserRole, // what taking theirs does
    OursRole,                // index in the open list, or -1
    TheirsRole,              // index in the other file, or -1
    FieldRole                // the field, for a single field
};
enum Kind
{
    Added,
    Removed,
    Changed,
    ChangedField
};

QString text(const QuestionFields& question, int field)
{
    return Windows1252::toUnicode(question.shown(field));
}

QByteArray questionCell(const QuestionFields& question)
{
    return question.texts[QuestionFields::Question].left(90);
}

} // namespace

CompareDock::CompareDock(QuestionDocument& document, QUndoStack& history, QWidget* parent)
    : QDockWidget(tr("Compare"), parent), m_document(document), m_history(history)
{
    setObjectName(QStringLiteral("dckCompare"));
    auto* body = new QWidget(this);
    m_summary = new QLabel(body);
    m_summary->setWordWrap(true);
    m_tree = new QTreeWidget(body);
    m_tree->setObjectName(QStringLiteral("treCompare"));
    m_tree->setHeaderLabels({tr("Question"), tr("Ours"), tr("Theirs")});
    m_tree->header()->setSectionResizeMode(QHeaderView::Interactive);
    m_tree->setAccessibleName(tr("Differences from the other file"));
    m_take = new QPushButton(tr("Take &theirs"), body);
    m_take->setObjectName(QStringLiteral("btnTakeTheirs"));
    m_take->setEnabled(false);
    m_take->setToolTip(tr("Bring the chosen question or field of the other file over"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_take);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(m_summary);
    layout->addWidget(m_tree, 1);
    layout->addLayout(buttons);
    setWidget(body);

    connect(m_take, &QPushButton::clicked, this, &CompareDock::takeTheirs);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        m_take->setEnabled(item && item->data(0, KindRole).isValid());
    });
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QVariant ours = item->data(0, OursRole);
        if (ours.isValid() && ours.toInt() >= 0)
            emit questionChosen(ours.toInt() + 1);
    });
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &CompareDock::compared);
    connect(&document, &QuestionDocument::listReset, this, [this] {
        m_tree->clear();
        m_summary->clear();
        m_result.reset();
    });
}

CompareDock::~CompareDock()
{
    m_watcher.waitForFinished();
}

QString CompareDock::compareWith(const QString& path)
{
    if (m_comparing)
        return {};
    auto theirs = std::make_shared<Result>();
    try {
        QuestionRecord record;
        theirs->theirs.FillQuestionList(path, record, DecodeMode::QuestionOnly);
    } catch (const QvedError& error) {
        return error.message();
    }
    m_otherName = QFileInfo(path).fileName();
    m_comparing = true;
    m_summary->setText(tr("Comparing with %1...").arg(m_otherName));
    m_watcher.setFuture(QtConcurrent::run(
        [](QuestionList ours, std::shared_ptr<Result> result) {
            result->diff = BankDiff::compare(ours, result->theirs);
            return std::shared_ptr<const Result>(std::move(result));
        },
        m_document.list(), theirs));
    QDockWidget::show();
    raise();
    return {};
}

void CompareDock::compared()
{
    m_comparing = false;
    m_result = m_watcher.future().result();
    show(*m_result);
}

void CompareDock::show(const Result& result)
{
    m_tree->clear();
    const QuestionList& ours = m_document.list();
    auto item = [](QTreeWidgetItem* parent, const QString& caption, const QString& mine,
                   const QString& other) {
        auto* row = new QTreeWidgetItem(parent, {caption, mine, other});
        row->setToolTip(1, mine);
        row->setToolTip(2, other);
        return row;
    };
    auto* added = new QTreeWidgetItem(
        m_tree, {tr("Only in %1 (%2)").arg(m_otherName).arg(result.diff.added.size())});
    for (int index : result.diff.added) {
        const QuestionFields question = QuestionFields::fromLine(result.theirs.line(index));
        QTreeWidgetItem* row = item(added, text(question, QuestionFields::Reference), {},
                                    text(question, QuestionFields::Question));
        row->setData(0, KindRole, Added);
        row->setData(0, OursRole, -1);
        row->setData(0, TheirsRole, index);
    }
    auto* removed =
        new QTreeWidgetItem(m_tree, {tr("Only in this list (%1)").arg(result.diff.removed.size())});
    for (int index : result.diff.removed) {
        const QuestionFields question = QuestionFields::fromLine(ours.line(index));
        QTreeWidgetItem* row =
            item(removed, QStringLiteral("#%1 ").arg(index + 1) + text(question, QuestionFields::Reference),
                 text(question, QuestionFields::Question), {});
        row->setData(0, KindRole, Removed);
        row->setData(0, OursRole, index);
    }
    auto* changed =
        new QTreeWidgetItem(m_tree, {tr("Changed (%1)").arg(result.diff.changed.size())});
    for (const BankDiff::Change& change : result.diff.changed) {
        const QuestionFields mine = QuestionFields::fromLine(ours.line(change.before));
        const QuestionFields other = QuestionFields::fromLine(result.theirs.line(change.after));
        QTreeWidgetItem* row = item(changed, QStringLiteral("#%1 ").arg(change.before + 1) +
                                                 text(mine, QuestionFields::Reference),
                                    text(mine, QuestionFields::Question),
                                    text(other, QuestionFields::Question));
        row->setData(0, KindRole, Changed);
        row->setData(0, OursRole, change.before);
        row->setData(0, TheirsRole, change.after);
        for (const BankDiff::FieldChange& field : change.fields) {
            QTreeWidgetItem* fieldRow = item(
                row,
                QCoreApplication::translate("QuestionFields", QuestionFields::name(field.field)),
                text(mine, field.field), text(other, field.field));
            fieldRow->setData(0, KindRole, ChangedField);
            fieldRow->setData(0, OursRole, change.before);
            fieldRow->setData(0, TheirsRole, change.after);
            fieldRow->setData(0, FieldRole, field.field);
        }
    }
    m_tree->expandAll();
    m_tree->resizeColumnToContents(0);
    m_summary->setText(result.diff.same() ? tr("%1 holds the same questions.").arg(m_otherName)
                                          : tr("Against %1:").arg(m_otherName));
}

void CompareDock::takeTheirs()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item || !m_result || !item->data(0, KindRole).isValid())
        return;
    const int kind = item->data(0, KindRole).toInt();
    const int ours = item->data(0, OursRole).toInt();
    const int theirs = item->data(0, TheirsRole).toInt();
    const QuestionList& other = m_result->theirs;
    if (kind == Added) {
        const QuestionFields question = QuestionFields::fromLine(other.line(theirs));
        auto* command = new AddQuestionCommand(m_document, other.line(theirs).toByteArray(),
                                               questionCell(question));
        command->setText(tr("Take question from %1").arg(m_otherName));
        m_history.push(command);
    } else if (kind == Removed) {
        m_history.push(new MarkDeletedCommand(
            m_document, {ours},
            tr("Delete question %1, as %2 has it").arg(ours + 1).arg(m_otherName)));
    } else {
        QuestionFields taken = QuestionFields::fromLine(other.line(theirs));
        QString caption = tr("Take question %1 from %2").arg(ours + 1).arg(m_otherName);
        if (kind == ChangedField) {
            const int field = item->data(0, FieldRole).toInt();
            QuestionFields mine = QuestionFields::fromLine(m_document.list().line(ours));
            mine.texts[std::size_t(field)] = taken.texts[std::size_t(field)];
            mine.found = std::max(mine.found, field + 1);
            taken = mine;
            caption =
                tr("Take %1 of question %2 from %3")
                    .arg(QCoreApplication::translate("QuestionFields", QuestionFields::name(field)))
                    .arg(ours + 1)
                    .arg(m_otherName);
        }
        auto* command =
            new EditQuestionCommand(m_document, ours, taken.toLine(), questionCell(taken));
        command->setText(caption);
        m_history.push(command);
    }
    // What was taken is no longer a difference; a question whose every field
    // was taken goes too.
    QTreeWidgetItem* parent = item->parent();
    delete item;
    if (kind == ChangedField && parent && parent->childCount() == 0)
        delete parent;
}
