// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "UserPrompts.h"

#include <QQueue>
#include <QStringList>

// Answers every prompt from a script and records what was shown, so a
// command's whole workflow runs headless. A prompt nobody scripted is
// recorded as unexpected and answered with Cancel.
class ScriptedPrompts : public UserPrompts
{
public:
    QQueue<Answer> answers;    // for confirm(), checkReport() and offerReadOnly()
    QQueue<QString> fileNames; // for openFileName() and saveFileName(); "" cancels
    QQueue<QString> choices;   // for chooseItem(); "" cancels
    QStringList shown;         // every text shown, in order, prefixed by its kind
    QStringList unexpected;
    QString lastOpenFolder;
    QString lastOpenFilter;
    QString lastSaveFolder;
    QString lastSaveFilter;
    int beeps = 0;

    void information(QWidget*, const QString& text) override { shown << "info: " + text; }
    void error(QWidget*, const QString& text) override { shown << "error: " + text; }
    Answer confirm(QWidget*, const QString& text) override
    {
        shown << "confirm: " + text;
        return next(text);
    }
    Answer checkReport(QWidget*, const QString& text) override
    {
        shown << "report: " + text;
        return next(text);
    }
    Answer offerReadOnly(QWidget*, const QString& text) override
    {
        shown << "read-only: " + text;
        return next(text);
    }
    QString openFileName(QWidget*, const QString& folder, const QString& filter) override
    {
        lastOpenFolder = folder;
        lastOpenFilter = filter;
        shown << "open dialog";
        return nextFile();
    }
    QString saveFileName(QWidget*, const QString& folder, const QString& filter) override
    {
        lastSaveFolder = folder;
        lastSaveFilter = filter;
        shown << "save dialog";
        return nextFile();
    }
    QString chooseItem(QWidget*, const QString& text, const QStringList& items,
                       const QString& current) override
    {
        shown << "choose: " + text + " [" + items.join(", ") + "] (" + current + ")";
        if (choices.isEmpty()) {
            unexpected << text;
            return {};
        }
        return choices.dequeue();
    }
    void beep() override { ++beeps; }

    // The texts of one kind, without their prefix.
    QStringList informations() const { return ofKind("info: "); }
    QStringList errors() const { return ofKind("error: "); }

    QStringList takeShown()
    {
        QStringList result = shown;
        shown.clear();
        return result;
    }

private:
    QStringList ofKind(const QString& prefix) const
    {
        QStringList texts;
        for (const QString& text : shown) {
            if (text.startsWith(prefix))
                texts << text.mid(prefix.size());
        }
        return texts;
    }
    Answer next(const QString& text)
    {
        if (answers.isEmpty()) {
            unexpected << text;
            return Answer::Cancel;
        }
        return answers.dequeue();
    }
    QString nextFile()
    {
        if (fileNames.isEmpty()) {
            unexpected << QStringLiteral("file dialog");
            return {};
        }
        return fileNames.dequeue();
    }
};
