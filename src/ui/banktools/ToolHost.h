// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <functional>

class DetailPanel;
class EditingWorkflow;
class QMainWindow;
class QMenu;
class QUndoStack;
class QuestionDocument;
class QuestionGrid;
class ValidationTable;

// What the bank tools use of the window they serve: its list and history,
// the grid and panel, the Tools menu they fill, and the commands to go to a
// question and to run a command whose error is shown. The main window is
// one; the tools never need to know it.
class ToolHost
{
public:
    virtual QMainWindow& mainWindow() = 0;
    virtual QuestionDocument& document() = 0;
    virtual QUndoStack& history() = 0;
    virtual const ValidationTable& table() const = 0;
    virtual EditingWorkflow& editing() = 0;
    virtual QuestionGrid& grid() = 0;
    virtual DetailPanel& panel() = 0;
    virtual QMenu& toolsMenu() = 0;
    // Selects the question's row, puts it at the top and opens it.
    virtual void goToRow(int row) = 0;
    // Runs a command; an error that escapes it is shown and the program goes on.
    virtual void runCommand(const std::function<void()>& command) = 0;

protected:
    ~ToolHost() = default;
};
