#pragma once

#include <QStringList>

// Picks the command. The commands that only read run in the program itself,
// which starts as quickly as a command-line tool should; the one that draws
// pages lives in a module beside the program with the drawing libraries,
// loaded only when it runs.
class ToolCommands
{
public:
    // arguments: the program, then the command and its arguments.
    static int run(const QStringList& arguments);

    // The report command, from the module; the module starts its own
    // application.
    static int drawPages(int argc, char** argv);

    // The name of the module's entry point.
    static constexpr const char* PagesEntry = "qvedtoolDrawPages";

private:
    // The running program's folder with a trailing separator, found without
    // an application object; empty where the system searches it anyway.
    static QString programFolder();
};
