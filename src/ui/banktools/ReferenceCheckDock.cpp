// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReferenceCheckDock.h"

#include "BibleLookup.h"
#include "EditQuestionCommand.h"
#include "PaletteColours.h"
#include "QuestionDocument.h"
#include "QuestionFields.h"
#include "Windows1252.h"
#include "WordKeys.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QtConcurrent>
#include <memory>

namespace {

constexpr int FindingRole = Qt::UserRole;

// The text with the words whose keys matched marked.
QString marked(const QString& text, const QStringList& matched, BibleLanguage::Language language,
               const QColor& background)
{
    QString html;
    qsizetype done = 0;
    for (const WordKeys::Word& word : WordKeys::words(text, language)) {
        if (word.common || !matched.contains(word.key))
            continue;
        html += text.mid(done, word.start - done).toHtmlEscaped();
        html += QStringLiteral("<span style=\"background-color:%1\">%2</span>")
                    .arg(background.name(), text.mid(word.start, word.length).toHtmlEscaped());
        done = word.start + word.length;
    }
    return html + text.mid(done).toHtmlEscaped();
}

QString paragraph(const QString& title, const QString& body)
{
    return QStringLiteral("<p><b>%1</b><br>%2</p>").arg(title.toHtmlEscaped(), body);
}

} // namespace

ReferenceCheckDock::ReferenceCheckDock(QuestionDocument& document, QUndoStack& history,
                                       QWidget* parent)
    : QDockWidget(tr("References"), parent), m_document(document), m_history(history)
{
    setObjectName(QStringLiteral("dckReferences"));
    auto* body = new QWidget(this);
    m_summary = new QLabel(body);
    m_summary->setObjectName(QStringLiteral("lblReferenceSummary"));
    m_summary->setWordWrap(true);
    m_tree = new QTreeWidget(body);
    m_tree->setObjectName(QStringLiteral("treReferences"));
    m_tree->setRootIsDecorated(false);
    m_tree->setHeaderLabels({tr("Question"), tr("Reference"), tr("Verdict")});
    m_tree->header()->setSectionResizeMode(QHeaderView::Interactive);
    m_tree->setAccessibleName(tr("Questions whose answer is not in their verse"));
    m_verses = new QTextBrowser(body);
    m_verses->setObjectName(QStringLiteral("txtReferenceVerses"));
    m_verses->setOpenLinks(false);
    m_verses->setAccessibleName(tr("Verses"));
    auto* split = new QSplitter(Qt::Horizontal, body);
    split->addWidget(m_tree);
    split->addWidget(m_verses);
    m_use = new QPushButton(tr("&Use the suggested reference"), body);
    m_use->setObjectName(QStringLiteral("btnUseSuggestion"));
    m_use->setEnabled(false);
    m_progress = new QProgressBar(body);
    m_progress->setObjectName(QStringLiteral("prbReferences"));
    m_progress->setMaximumWidth(160);
    m_progress->setAccessibleName(tr("Questions checked"));
    m_cancel = new QPushButton(tr("Cancel"), body);
    m_cancel->setObjectName(QStringLiteral("btnCancelReferences"));
    m_progress->hide();
    m_cancel->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_use);
    buttons->addStretch();
    buttons->addWidget(m_progress);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(m_summary);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    setWidget(body);

    connect(m_use, &QPushButton::clicked, this, &ReferenceCheckDock::useSuggestion);
    connect(m_cancel, &QPushButton::clicked, this, &ReferenceCheckDock::cancelCheck);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &ReferenceCheckDock::showChosen);
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const std::size_t at = item->data(0, FindingRole).toULongLong();
        if (at < m_suspects.size())
            emit questionChosen(m_suspects[at].number);
    });
    connect(&m_watcher, &QFutureWatcherBase::progressRangeChanged, m_progress,
            &QProgressBar::setRange);
    connect(&m_watcher, &QFutureWatcherBase::progressValueChanged, m_progress,
            &QProgressBar::setValue);
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &ReferenceCheckDock::finished);
    connect(&document, &QuestionDocument::listReset, this, [this] {
        cancelCheck();
        m_tree->clear();
        m_suspects.clear();
        m_verses->clear();
        m_summary->clear();
    });
}

ReferenceCheckDock::~ReferenceCheckDock()
{
    m_watcher.cancel();
    m_watcher.waitForFinished();
}

void ReferenceCheckDock::startCheck(const QString& module)
{
    if (isChecking())
        return;
    // Made here, where SWORD was first set up; the check alone uses it.
    auto bible = std::make_shared<BibleLookup>();
    const bool chosen = module.isEmpty() || bible->setModule(module);
    QDockWidget::show();
    raise();
    if (!bible->available()) {
        m_summary->setText(BibleLookup::noModuleMessage());
        return;
    }
    // Another Bible than the bank's would find every answer missing.
    if (!chosen) {
        m_summary->setText(module == BibleLanguage::module(BibleLanguage::Spanish)
                               ? BibleLanguage::missingModuleMessage(BibleLanguage::Spanish)
                               : tr("No Bible module '%1' is installed.").arg(module));
        return;
    }
    m_language = bible->moduleLanguage();
    m_summary->setText(tr("Checking the references against %1...").arg(bible->moduleName()));
    m_progress->setValue(0);
    m_progress->show();
    m_cancel->show();
    m_watcher.setFuture(QtConcurrent::run(
        [](QPromise<Outcome>& promise, std::shared_ptr<BibleLookup> lookup,
           std::vector<ReferenceCheck::Question> questions) {
            promise.setProgressRange(0, int(questions.size()));
            const auto findings = ReferenceCheck(*lookup).check(questions, [&promise](int done) {
                promise.setProgressValue(done);
                return !promise.isCanceled();
            });
            if (promise.isCanceled())
                return;
            Outcome outcome;
            outcome.summary = ReferenceCheck::summarize(findings);
            for (const ReferenceCheck::Finding& finding : findings) {
                if (finding.suspect())
                    outcome.suspects.push_back(finding);
            }
            promise.addResult(std::move(outcome));
        },
        bible, ReferenceCheck::questions(m_document.list())));
}

void ReferenceCheckDock::cancelCheck()
{
    if (isChecking())
        m_watcher.cancel();
}

void ReferenceCheckDock::finished()
{
    m_progress->hide();
    m_cancel->hide();
    const QFuture<Outcome> future = m_watcher.future();
    // A cancelled check leaves the last complete list in place.
    if (future.isCanceled() || future.resultCount() == 0) {
        m_summary->setText(tr("The check was cancelled."));
        return;
    }
    const Outcome outcome = future.result();
    m_suspects = outcome.suspects;
    m_tree->clear();
    m_verses->clear();
    for (std::size_t at = 0; at < m_suspects.size(); ++at) {
        const ReferenceCheck::Finding& finding = m_suspects[at];
        auto* item = new QTreeWidgetItem(
            m_tree, {QString::number(finding.number), finding.shown, finding.message()});
        item->setData(0, FindingRole, qulonglong(at));
        item->setToolTip(2, finding.message());
    }
    m_tree->resizeColumnToContents(0);
    m_tree->resizeColumnToContents(1);
    const ReferenceCheck::Summary& summary = outcome.summary;
    m_summary->setText(tr("%1 suspect of %2 questions; %3 fine; %4 left out without verse text or "
                          "words to compare.")
                           .arg(summary.suspects)
                           .arg(summary.questions)
                           .arg(summary.fine)
                           .arg(summary.noVerseText + summary.noContentWords));
    if (m_tree->topLevelItemCount() > 0)
        m_tree->setCurrentItem(m_tree->topLevelItem(0));
    emit checkFinished();
}

const ReferenceCheck::Finding* ReferenceCheckDock::chosen() const
{
    const QTreeWidgetItem* item = m_tree->currentItem();
    if (!item)
        return nullptr;
    const std::size_t at = item->data(0, FindingRole).toULongLong();
    return at < m_suspects.size() ? &m_suspects[at] : nullptr;
}

void ReferenceCheckDock::showChosen()
{
    const ReferenceCheck::Finding* finding = chosen();
    m_use->setEnabled(finding && !finding->suggestion.isEmpty());
    if (!finding) {
        m_verses->clear();
        return;
    }
    // The cited verse marks the words it shares with the answer it names;
    // the neighbour, those of the right answer.
    const bool citedHolds = finding->verdict == ReferenceCheck::Verdict::OtherLetter;
    const QColor mark = PaletteColours::mark(palette());
    QString html = paragraph(finding->verseTitle,
                             citedHolds ? marked(finding->verse, finding->matched, m_language, mark)
                                        : finding->verse.toHtmlEscaped());
    if (finding->verdict == ReferenceCheck::Verdict::Nearby)
        html += paragraph(finding->foundTitle,
                          marked(finding->foundVerse, finding->matched, m_language, mark));
    m_verses->setHtml(html);
}

void ReferenceCheckDock::useSuggestion()
{
    const ReferenceCheck::Finding* finding = chosen();
    if (!finding || finding->suggestion.isEmpty())
        return;
    const int index = finding->number - 1;
    const QuestionList& list = m_document.list();
    if (index < 0 || index >= list.count())
        return;
    QuestionFields fields = QuestionFields::fromLine(list.line(index));
    // A question edited since the check keeps the author's own reference.
    if (fields.found <= QuestionFields::Reference ||
        Windows1252::toUnicode(fields.texts[QuestionFields::Reference]).trimmed() !=
            finding->reference)
        return;
    bool ok = false;
    const QByteArray reference = Windows1252::fromUnicode(finding->suggestion, &ok);
    if (!ok)
        return;
    fields.texts[QuestionFields::Reference] = reference;
    auto* command = new EditQuestionCommand(m_document, index, fields.toLine(),
                                            fields.texts[QuestionFields::Question].left(90));
    command->setText(tr("Use the suggested reference %1 for question %2")
                         .arg(finding->suggestion)
                         .arg(finding->number));
    m_history.push(command);
    delete m_tree->currentItem();
}
