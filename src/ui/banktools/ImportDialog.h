// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ImportPreviewBuilder.h"
#include "QuestionFormat.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QList>
#include <memory>
#include <vector>

class ImportPreviewModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QVBoxLayout;
class QuestionList;
class ValidationTable;

// The preview of an import: every question the source gave, marked ready,
// changed, duplicate or refused with the reason. The source is read and the
// preview built in the background, so a large file never stalls the window.
// What a table's columns hold and the defaults for what the source leaves
// out can be changed here; each change builds the preview again. Accepting
// leaves the ticked questions' lines to the caller.
class ImportDialog : public QDialog
{
    Q_OBJECT

public:
    // The bank must stay unchanged while the dialog is open.
    ImportDialog(const QString& path, const ValidationTable& table, const QuestionList& bank,
                 QWidget* parent = nullptr);
    ~ImportDialog() override;

    ImportPreviewModel& preview() { return *m_model; }
    std::vector<QByteArray> tickedLines() const;
    // From a change until the preview shows it (or stopped).
    bool isBuilding() const { return m_building; }
    // One per column of a tabular source; none for other sources.
    const QList<QComboBox*>& roleChoices() const { return m_roleChoices; }
    QComboBox* bookChoice() const { return m_book; }
    QComboBox* levelChoice() const { return m_level; }
    QCheckBox* replaceUnsupported() const { return m_replace; }
    QPushButton* importButton() const { return m_import; }
    QPushButton* cancelButton() const { return m_cancel; }
    QTableView* table() const { return m_view; }

    // What the background work hands back: the source the first time, then
    // the preview's rows.
    struct Built
    {
        bool sourceRead = false;
        FormatReadResult source;
        QString refusal; // why the source cannot be imported at all
        std::vector<ImportPreviewEntry> entries;
    };

public slots:
    // Builds the preview again from the current roles and defaults.
    void rebuild();
    void cancelBuild();

signals:
    void previewReady();
    // The source could not be read, or holds no format the editor reads.
    void sourceRefused(const QString& message);

private:
    void addRoleChoices();
    void built();
    void showTickedCount(int count);

    QString m_path;
    bool m_sourceRead = false;
    FormatReadResult m_source;
    ImportPreviewBuilder m_builder;
    ImportPreviewModel* m_model;
    QTableView* m_view;
    QVBoxLayout* m_layout;
    QList<QComboBox*> m_roleChoices;
    QComboBox* m_book;
    QComboBox* m_level;
    QCheckBox* m_replace;
    QLabel* m_summary;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    QPushButton* m_import;
    // Shared, so taking the rows leaves the future as it was.
    QFutureWatcher<std::shared_ptr<Built>> m_watcher;
    bool m_building = false;
    bool m_rebuildWanted = false; // a setting changed while a build was running
};
