#pragma once

#include "QuestionList.h"
#include "QuestionRecord.h"
#include "ValidationTable.h"

#include "FileStamp.h"

#include <QString>

// What the main window holds for its whole life: the open list, the table,
// the file it came from and the question being edited.
struct EditorSession
{
    static inline const QString Untitled = QStringLiteral("[Untitled]");

    QuestionList list;
    ValidationTable table;
    QString currentFileName = Untitled;
    FileStamp loadedFile; // the current file as it was when last read
    QString lastOpenDir;
    QString lastSaveDir;

    QuestionRecord CurrentRecord;
    int CurrentIndex = -1; // list index of the question in the panel; -1 for a new one
    int CurrentRow = 0;    // grid row current when the panel was last loaded

    // The editing options of the Options menu.
    bool autosave = true;
    bool alwaysWarn = false;
    bool resetValidate = true;
    bool helpHints = true;

    bool isUntitled() const { return currentFileName == Untitled; }
};
