// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>

class CompareDock;
class DuplicatesDialog;
class FilterBar;
class ImportExportTool;
class ProblemsDock;
class QAction;
class QuestionGridModel;
class ReferenceCheckDock;
class SimilarQuestionHint;
class TfrmFindReplace;
class ToolHost;
class UserPrompts;

// The whole-bank tools of the Tools menu: the Problems dock, the filter bar,
// Find and Replace, Statistics, Find Duplicates, Compare with File and
// Check References, File > Import and Export, and
// the panel's hint of a similar question, wired into the main window.
class BankTools : public QObject
{
    Q_OBJECT

public:
    BankTools(ToolHost& window, QuestionGridModel& model, UserPrompts& prompts);

    ProblemsDock& problems() { return *m_problems; }
    FilterBar& filterBar() { return *m_filter; }
    TfrmFindReplace& findReplace() { return *m_findReplace; }
    void mnuToolsStatisticsClick();
    void mnuToolsFindDuplicatesClick();
    void mnuToolsCompareClick();
    CompareDock& compare() { return *m_compare; }
    DuplicatesDialog* duplicates() const { return m_duplicates; }
    SimilarQuestionHint& similarHint() { return *m_similar; }
    ReferenceCheckDock& references() { return *m_references; }
    void mnuToolsCheckReferencesClick();
    // Its actions are the window's to place in the File menu.
    ImportExportTool& importExport() { return *m_importExport; }

    QAction* mnuToolsCheckFile;
    QAction* mnuToolsFilter;
    QAction* mnuToolsFindReplace;
    QAction* mnuToolsStatistics;
    QAction* mnuToolsFindDuplicates;
    QAction* mnuToolsCompare;
    QAction* mnuToolsCheckReferences;

private:
    ToolHost& m_window;
    UserPrompts& m_prompts;
    ProblemsDock* m_problems;
    FilterBar* m_filter;
    TfrmFindReplace* m_findReplace;
    DuplicatesDialog* m_duplicates = nullptr; // made when first asked for
    SimilarQuestionHint* m_similar;
    CompareDock* m_compare;
    ReferenceCheckDock* m_references;
    ImportExportTool* m_importExport;
};
