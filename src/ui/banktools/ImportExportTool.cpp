// SPDX-License-Identifier: GPL-2.0-or-later
#include "ImportExportTool.h"

#include "AppendQuestionsCommand.h"
#include "EditingWorkflow.h"
#include "ImportDialog.h"
#include "InterchangeFormats.h"
#include "QuestionDocument.h"
#include "QuestionFields.h"
#include "QuestionFormat.h"
#include "QuestionGridModel.h"
#include "QuestionLineCodec.h"
#include "SafeFileWriter.h"
#include "ToolHost.h"
#include "UserPrompts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>
#include <QUndoStack>

namespace {

// "CSV (comma-separated) (*.csv);;GIFT (*.gift *.txt)" for the formats that pass.
QString filterOf(bool (QuestionFormat::*can)() const, const QString& allTitle)
{
    QStringList filters;
    QStringList everyPattern;
    for (const QuestionFormat* format : InterchangeFormats::all()) {
        if (!(format->*can)())
            continue;
        QStringList patterns;
        for (const QString& suffix : format->suffixes())
            patterns << QStringLiteral("*.") + suffix;
        everyPattern << patterns;
        filters << QStringLiteral("%1 (%2)").arg(format->title(), patterns.join(u' '));
    }
    if (!allTitle.isEmpty()) {
        everyPattern.removeDuplicates();
        filters.prepend(QStringLiteral("%1 (%2)").arg(allTitle, everyPattern.join(u' ')));
    }
    filters << ImportExportTool::tr("All Files (*)");
    return filters.join(QStringLiteral(";;"));
}

} // namespace

ImportExportTool::ImportExportTool(ToolHost& window, QuestionGridModel& model, UserPrompts& prompts,
                                   QObject* parent)
    : QObject(parent), m_window(window), m_model(model), m_prompts(prompts)
{
    mnuFileImport = new QAction(tr("&Import..."), &window.mainWindow());
    mnuFileImport->setObjectName(QStringLiteral("mnuFileImport"));
    mnuFileImport->setStatusTip(tr("Add the questions of a file in another format"));
    connect(mnuFileImport, &QAction::triggered, this,
            [this] { m_window.runCommand([this] { mnuFileImportClick(); }); });
    mnuFileExport = new QAction(tr("E&xport..."), &window.mainWindow());
    mnuFileExport->setObjectName(QStringLiteral("mnuFileExport"));
    mnuFileExport->setStatusTip(tr("Write the questions in another format"));
    connect(mnuFileExport, &QAction::triggered, this,
            [this] { m_window.runCommand([this] { mnuFileExportClick(); }); });
}

ImportDialog* ImportExportTool::importDialog() const
{
    return m_dialog;
}

void ImportExportTool::rememberFolder(const QString& path)
{
    m_folder = QFileInfo(path).absolutePath();
}

void ImportExportTool::mnuFileImportClick()
{
    QuestionDocument& document = m_window.document();
    if (document.isReadOnly()) {
        m_prompts.information(&m_window.mainWindow(),
                              tr("The list is open read only: nothing can be added to it."));
        return;
    }
    if (m_dialog || !m_window.editing().ResolvePendingEdit())
        return;
    const QString path = m_prompts.openFileName(
        &m_window.mainWindow(), m_folder,
        filterOf(&QuestionFormat::canRead, tr("Question files of every format")));
    if (path.isEmpty())
        return;
    rememberFolder(path);
    m_dialog = new ImportDialog(path, m_window.table(), document.list(), &m_window.mainWindow());
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_dialog, &QDialog::accepted, this, [this] {
        const ImportDialog& dialog = *m_dialog;
        m_window.runCommand([this, &dialog] { importTicked(dialog); });
    });
    connect(m_dialog, &ImportDialog::sourceRefused, this, [this](const QString& message) {
        m_dialog->close();
        m_prompts.information(&m_window.mainWindow(), message);
    });
    // Window-modal: the bank stays as the preview read it.
    m_dialog->open();
}

void ImportExportTool::importTicked(const ImportDialog& dialog)
{
    std::vector<QuestionDocument::NewLine> lines;
    for (QByteArray& line : dialog.tickedLines()) {
        QByteArray question = QuestionFields::fromLine(line).texts[QuestionFields::Question];
        lines.push_back({std::move(line), std::move(question)});
    }
    if (lines.empty())
        return;
    const int count = int(lines.size());
    m_window.history().push(new AppendQuestionsCommand(m_window.document(), std::move(lines)));
    m_window.mainWindow().statusBar()->showMessage(
        count == 1 ? tr("1 question imported.") : tr("%1 questions imported.").arg(count), 5000);
}

std::vector<int> ImportExportTool::rowsToExport()
{
    const QuestionList& list = m_window.document().list();
    std::vector<int> rows;
    bool filtered = false;
    if (m_model.isFiltered()) {
        const QString whole = tr("The whole list");
        const QString shown = tr("The %1 questions the filter shows").arg(m_model.rowCount());
        const QString chosen = m_prompts.chooseItem(
            &m_window.mainWindow(), tr("Export which questions?"), {whole, shown}, whole);
        if (chosen.isEmpty())
            return {};
        filtered = chosen == shown;
    }
    // Rows marked deleted leave the export as they leave a saved file.
    const int count = filtered ? m_model.rowCount() : list.count();
    for (int at = 0; at < count; ++at) {
        const int index = filtered ? m_model.listIndex(at) : at;
        if (index >= 0 && index < list.count() && !list.isDeleted(index))
            rows.push_back(index);
    }
    if (rows.empty())
        m_prompts.information(&m_window.mainWindow(), tr("There are no questions to export."));
    return rows;
}

const QuestionFormat* ImportExportTool::exportFormat(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QList<const QuestionFormat*> writable;
    QList<const QuestionFormat*> matching;
    for (const QuestionFormat* format : InterchangeFormats::all()) {
        if (!format->canWrite())
            continue;
        writable << format;
        if (format->suffixes().contains(suffix))
            matching << format;
    }
    if (matching.size() == 1)
        return matching.front();
    // An ending several formats share (.xlsx: a workbook or Kahoot's sheet),
    // or none: the author says which.
    const QList<const QuestionFormat*>& offered = matching.isEmpty() ? writable : matching;
    QStringList titles;
    for (const QuestionFormat* format : offered)
        titles << format->title();
    const QString chosen = m_prompts.chooseItem(
        &m_window.mainWindow(), tr("Write %1 in which format?").arg(QFileInfo(path).fileName()),
        titles, titles.value(0));
    for (const QuestionFormat* format : offered) {
        if (format->title() == chosen)
            return format;
    }
    return nullptr;
}

void ImportExportTool::mnuFileExportClick()
{
    const std::vector<int> rows = rowsToExport();
    if (rows.empty())
        return;
    const QString path = m_prompts.saveFileName(&m_window.mainWindow(), m_folder,
                                                filterOf(&QuestionFormat::canWrite, {}));
    if (path.isEmpty())
        return;
    rememberFolder(path);
    const QuestionFormat* format = exportFormat(path);
    if (!format)
        return;
    const QuestionList& list = m_window.document().list();
    QList<QuestionRecord> questions;
    questions.reserve(qsizetype(rows.size()));
    for (int index : rows) {
        QuestionRecord record;
        DecodeQuestionLine(list.line(index), record, DecodeMode::Full);
        questions.append(record);
    }
    const QString shownPath = QDir::toNativeSeparators(path);
    QString error;
    QStringList notes;
    const QByteArray bytes = format->write(questions, &error, &notes);
    if (!error.isEmpty()) {
        m_prompts.information(&m_window.mainWindow(),
                              tr("Cannot export to %1: %2").arg(shownPath, error));
        return;
    }
    const WriteResult written = SafeFileWriter::writeFile(path, bytes);
    if (!written.ok) {
        m_prompts.information(&m_window.mainWindow(), written.message());
        return;
    }
    const QString done =
        questions.size() == 1
            ? tr("1 question exported to %1.").arg(shownPath)
            : tr("%1 questions exported to %2.").arg(questions.size()).arg(shownPath);
    if (notes.isEmpty()) {
        m_window.mainWindow().statusBar()->showMessage(done, 5000);
        return;
    }
    m_prompts.information(&m_window.mainWindow(),
                          done + u'\n' + tr("Not every question fits the format whole:") + u'\n' +
                              notes.join(u'\n'));
}
