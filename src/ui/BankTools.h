#pragma once

#include <QObject>

class FilterBar;
class ProblemsDock;
class QAction;
class QuestionGridModel;
class TfrmFindReplace;
class TfrmMain;
class UserPrompts;

// The whole-bank tools of the Tools menu: the Problems dock, the filter bar,
// Find and Replace and Statistics, wired into the main window.
class BankTools : public QObject
{
    Q_OBJECT

public:
    BankTools(TfrmMain& window, QuestionGridModel& model, UserPrompts& prompts);

    ProblemsDock& problems() { return *m_problems; }
    FilterBar& filterBar() { return *m_filter; }
    TfrmFindReplace& findReplace() { return *m_findReplace; }
    void mnuToolsStatisticsClick();

    QAction* mnuToolsCheckFile;
    QAction* mnuToolsFilter;
    QAction* mnuToolsFindReplace;
    QAction* mnuToolsStatistics;

private:
    TfrmMain& m_window;
    ProblemsDock* m_problems;
    FilterBar* m_filter;
    TfrmFindReplace* m_findReplace;
};
