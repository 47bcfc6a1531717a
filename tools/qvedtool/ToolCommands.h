#pragma once

#include <QStringList>

// Picks the command and runs it.
class ToolCommands
{
public:
    // arguments: the program, then the command and its arguments.
    static int run(const QStringList& arguments);
};
