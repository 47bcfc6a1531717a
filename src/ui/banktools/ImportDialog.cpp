// SPDX-License-Identifier: GPL-2.0-or-later
#include "ImportDialog.h"

#include "BookTable.h"
#include "ImportPreviewModel.h"
#include "InterchangeFormats.h"
#include "Windows1252.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent>
#include <algorithm>

namespace {

constexpr qsizetype DetectBytes = 4096;

struct RoleName
{
    ColumnRole role;
    const char* name;
};

const RoleName RoleNames[] = {
    {ColumnRole::Ignored, QT_TRANSLATE_NOOP("ImportDialog", "(not used)")},
    {ColumnRole::Question, QT_TRANSLATE_NOOP("ImportDialog", "Question")},
    {ColumnRole::AnswerA, QT_TRANSLATE_NOOP("ImportDialog", "Answer A")},
    {ColumnRole::AnswerB, QT_TRANSLATE_NOOP("ImportDialog", "Answer B")},
    {ColumnRole::AnswerC, QT_TRANSLATE_NOOP("ImportDialog", "Answer C")},
    {ColumnRole::AnswerD, QT_TRANSLATE_NOOP("ImportDialog", "Answer D")},
    {ColumnRole::Correct, QT_TRANSLATE_NOOP("ImportDialog", "Right answer")},
    {ColumnRole::Reference, QT_TRANSLATE_NOOP("ImportDialog", "Reference")},
    {ColumnRole::Book, QT_TRANSLATE_NOOP("ImportDialog", "Book")},
    {ColumnRole::Chapter, QT_TRANSLATE_NOOP("ImportDialog", "Chapter")},
    {ColumnRole::Verse, QT_TRANSLATE_NOOP("ImportDialog", "Verse")},
    {ColumnRole::Level, QT_TRANSLATE_NOOP("ImportDialog", "Level")},
    {ColumnRole::Title, QT_TRANSLATE_NOOP("ImportDialog", "Title or tags")},
};

const char* const LevelNames[] = {
    QT_TRANSLATE_NOOP("ImportDialog", "Single"), QT_TRANSLATE_NOOP("ImportDialog", "Double"),
    QT_TRANSLATE_NOOP("ImportDialog", "Triple"), QT_TRANSLATE_NOOP("ImportDialog", "Home Run")};

// The source's bytes read by the format they are in; empty with the reason
// when the source cannot be imported.
FormatReadResult readSource(const QString& path, QString* refusal)
{
    const QString shown = QDir::toNativeSeparators(path);
    QString error;
    const QByteArray bytes = InterchangeFormats::readSource(path, &error);
    if (!error.isEmpty()) {
        *refusal = ImportDialog::tr("Cannot import %1: %2").arg(shown, error);
        return {};
    }
    const QuestionFormat* format = InterchangeFormats::detect(path, bytes.left(DetectBytes));
    if (!format || !format->canRead()) {
        *refusal = ImportDialog::tr("Cannot import %1: it is in none of the formats the editor "
                                    "reads.")
                       .arg(shown);
        return {};
    }
    FormatReadResult read = format->read(bytes);
    if (!read.error.isEmpty())
        *refusal = ImportDialog::tr("Cannot import %1: %2").arg(shown, read.error);
    return read;
}

} // namespace

ImportDialog::ImportDialog(const QString& path, const ValidationTable& table,
                           const QuestionList& bank, QWidget* parent)
    : QDialog(parent), m_path(path), m_builder(table, bank)
{
    setObjectName(QStringLiteral("dlgImport"));
    setWindowTitle(tr("Import %1").arg(QFileInfo(path).fileName()));
    resize(860, 520);

    m_book = new QComboBox(this);
    m_book->setObjectName(QStringLiteral("cbxImportBook"));
    m_book->setAccessibleName(tr("Book for questions that name none"));
    m_book->setMaxVisibleItems(20);
    m_book->addItem(tr("(none)"), -1);
    for (int book = 0; book < BookCount; ++book)
        m_book->addItem(Windows1252::toUnicode(BookAbbreviation(book)), book);
    m_level = new QComboBox(this);
    m_level->setObjectName(QStringLiteral("cbxImportLevel"));
    m_level->setAccessibleName(tr("Level for questions that name none"));
    m_level->addItem(tr("(none)"), -1);
    for (int level = 0; level < 4; ++level)
        m_level->addItem(tr(LevelNames[level]), level);
    m_replace = new QCheckBox(tr("&Replace characters Windows-1252 cannot hold"), this);
    m_replace->setObjectName(QStringLiteral("chkImportReplace"));
    m_replace->setAccessibleName(tr("Replace characters Windows-1252 cannot hold"));
    auto* defaults = new QFormLayout;
    defaults->addRow(tr("&Book when none is given:"), m_book);
    defaults->addRow(tr("&Level when none is given:"), m_level);
    defaults->addRow(m_replace);

    m_model = new ImportPreviewModel(this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("tblImportPreview"));
    m_view->setAccessibleName(tr("Questions found"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setWordWrap(false);
    // Fixed heights: the view never measures a hundred thousand rows.
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setColumnWidth(ImportPreviewModel::StatusColumn, 100);
    m_view->setColumnWidth(ImportPreviewModel::PlaceColumn, 80);
    m_view->setColumnWidth(ImportPreviewModel::ReferenceColumn, 100);
    m_view->setColumnWidth(ImportPreviewModel::QuestionColumn, 260);
    m_view->setColumnWidth(ImportPreviewModel::AnswersColumn, 200);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblImportSummary"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("prgImport"));
    m_progress->setAccessibleName(tr("Preview progress"));
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("btnImportCancelBuild"));
    m_cancel->setAccessibleName(tr("Stop building the preview"));
    auto* status = new QHBoxLayout;
    status->addWidget(m_summary, 1);
    status->addWidget(m_progress);
    status->addWidget(m_cancel);

    m_import = new QPushButton(this);
    m_import->setObjectName(QStringLiteral("btnImport"));
    m_import->setAccessibleName(tr("Import the ticked questions"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Close without importing"));
    buttons->addButton(m_import, QDialogButtonBox::AcceptRole);

    m_layout = new QVBoxLayout(this);
    m_layout->addLayout(defaults);
    m_layout->addWidget(m_view, 1);
    m_layout->addLayout(status);
    m_layout->addWidget(buttons);

    connect(m_book, &QComboBox::currentIndexChanged, this, &ImportDialog::rebuild);
    connect(m_level, &QComboBox::currentIndexChanged, this, &ImportDialog::rebuild);
    connect(m_replace, &QCheckBox::toggled, this, &ImportDialog::rebuild);
    connect(m_cancel, &QPushButton::clicked, this, &ImportDialog::cancelBuild);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_model, &ImportPreviewModel::tickedCountChanged, this, &ImportDialog::showTickedCount);
    connect(&m_watcher, &QFutureWatcherBase::progressRangeChanged, m_progress,
            &QProgressBar::setRange);
    connect(&m_watcher, &QFutureWatcherBase::progressValueChanged, m_progress,
            &QProgressBar::setValue);
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &ImportDialog::built);
    showTickedCount(0);
    rebuild();
}

ImportDialog::~ImportDialog()
{
    m_watcher.cancel();
    m_watcher.waitForFinished();
}

void ImportDialog::addRoleChoices()
{
    SourceTable& table = m_source.table;
    qsizetype columns = table.roles.size();
    for (const QStringList& row : std::as_const(table.rows))
        columns = std::max(columns, row.size());
    while (table.roles.size() < columns)
        table.roles.append(ColumnRole::Ignored);

    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("scrImportColumns"));
    area->setAccessibleName(tr("What the columns hold"));
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    auto* inner = new QWidget(area);
    auto* grid = new QGridLayout(inner);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int column = 0; column < columns; ++column) {
        const QString header =
            table.hasHeader && !table.rows.isEmpty() ? table.rows.first().value(column) : QString();
        const QString name = header.isEmpty() ? tr("Column %1").arg(column + 1) : header;
        auto* choice = new QComboBox(inner);
        choice->setObjectName(QStringLiteral("cbxImportColumn%1").arg(column + 1));
        choice->setAccessibleName(tr("What %1 holds").arg(name));
        for (const RoleName& role : RoleNames)
            choice->addItem(tr(role.name), int(role.role));
        choice->setCurrentIndex(choice->findData(int(table.roles[column])));
        auto* label = new QLabel(name, inner);
        label->setBuddy(choice);
        grid->addWidget(label, 0, column);
        grid->addWidget(choice, 1, column);
        connect(choice, &QComboBox::currentIndexChanged, this, [this, choice, column] {
            m_source.table.roles[column] = ColumnRole(choice->currentData().toInt());
            rebuild();
        });
        m_roleChoices.append(choice);
    }
    grid->setColumnStretch(int(columns), 1);
    area->setWidget(inner);
    area->setMaximumHeight(inner->sizeHint().height() + 24);
    m_layout->insertWidget(0, area);
}

void ImportDialog::rebuild()
{
    m_building = true;
    m_import->setEnabled(false);
    if (m_watcher.isRunning()) {
        // The running build reads the settings it started with; the next
        // one starts when it has stopped.
        m_rebuildWanted = true;
        m_watcher.cancel();
        return;
    }
    m_rebuildWanted = false;
    ImportDefaults defaults;
    defaults.book = m_book->currentData().toInt();
    defaults.level = m_level->currentData().toInt();
    defaults.replaceUnsupported = m_replace->isChecked();
    m_summary->setText(tr("Reading the questions..."));
    m_progress->setRange(0, 0);
    m_progress->show();
    m_cancel->show();
    m_watcher.setFuture(QtConcurrent::run(
        [builder = &m_builder, defaults](QPromise<std::shared_ptr<Built>>& promise,
                                         const QString& path, bool sourceRead,
                                         const FormatReadResult& given) {
            auto built = std::make_shared<Built>();
            Built& result = *built;
            if (!sourceRead) {
                result.sourceRead = true;
                result.source = readSource(path, &result.refusal);
                if (!result.refusal.isEmpty()) {
                    promise.addResult(std::move(built));
                    return;
                }
            }
            bool ranged = false;
            result.entries = builder->build(sourceRead ? given : result.source, defaults,
                                            [&](int done, int total) {
                                                if (!ranged) {
                                                    promise.setProgressRange(0, total);
                                                    ranged = true;
                                                }
                                                promise.setProgressValue(done);
                                                return !promise.isCanceled();
                                            });
            if (!promise.isCanceled())
                promise.addResult(std::move(built));
        },
        m_path, m_sourceRead, m_source));
}

void ImportDialog::cancelBuild()
{
    m_rebuildWanted = false;
    m_watcher.cancel();
}

void ImportDialog::built()
{
    if (m_rebuildWanted) {
        rebuild();
        return;
    }
    m_building = false;
    m_progress->hide();
    m_cancel->hide();
    const QFuture<std::shared_ptr<Built>> future = m_watcher.future();
    if (future.isCanceled() || future.resultCount() == 0) {
        m_summary->setText(tr("The preview was stopped. Change a setting to build it again."));
        return;
    }
    Built& result = *future.result();
    if (!result.refusal.isEmpty()) {
        emit sourceRefused(result.refusal);
        return;
    }
    if (result.sourceRead) {
        m_sourceRead = true;
        m_source = std::move(result.source);
        if (m_source.tabular)
            addRoleChoices();
    }
    m_model->setEntries(std::move(result.entries));
    int counts[4] = {};
    for (int row = 0; row < m_model->rowCount(); ++row)
        ++counts[int(m_model->entry(row).outcome.status)];
    m_summary->setText(tr("%1 questions found: %2 ready, %3 changed, %4 duplicate, %5 refused.")
                           .arg(m_model->rowCount())
                           .arg(counts[int(ImportStatus::Ready)])
                           .arg(counts[int(ImportStatus::Changed)])
                           .arg(counts[int(ImportStatus::Duplicate)])
                           .arg(counts[int(ImportStatus::Refused)]));
    showTickedCount(m_model->tickedCount());
    emit previewReady();
}

void ImportDialog::showTickedCount(int count)
{
    m_import->setText(count == 1 ? tr("&Import 1 question")
                                 : tr("&Import %1 questions").arg(count));
    m_import->setEnabled(count > 0 && !m_building);
}

std::vector<QByteArray> ImportDialog::tickedLines() const
{
    return m_model->tickedLines();
}
