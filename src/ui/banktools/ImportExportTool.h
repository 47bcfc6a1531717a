// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class ImportDialog;
class QAction;
class QuestionFormat;
class QuestionGridModel;
class ToolHost;
class UserPrompts;

// File > Import and File > Export: questions of another format read into a
// preview and appended as one step, and the list, or the rows the filter
// shows, written in any format through the safe writer.
class ImportExportTool : public QObject
{
    Q_OBJECT

public:
    ImportExportTool(ToolHost& window, QuestionGridModel& model, UserPrompts& prompts,
                     QObject* parent = nullptr);

    void mnuFileImportClick();
    void mnuFileExportClick();
    // The preview while it is open.
    ImportDialog* importDialog() const;

    QAction* mnuFileImport;
    QAction* mnuFileExport;

private:
    void importTicked(const ImportDialog& dialog);
    // The rows to export, as list indexes; empty when the author cancelled.
    std::vector<int> rowsToExport();
    const QuestionFormat* exportFormat(const QString& path);
    void rememberFolder(const QString& path);

    ToolHost& m_window;
    QuestionGridModel& m_model;
    UserPrompts& m_prompts;
    QString m_folder;
    QPointer<ImportDialog> m_dialog;
};
