// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "BuilderLibrary.h"
#include "DetailPanel.h"
#include "EditingWorkflow.h"
#include "EditorSettings.h"
#include "FileCommands.h"
#include "QuestionDocument.h"
#include "QuestionGrid.h"
#include "QuestionLineCodec.h"
#include "ScriptedPrompts.h"
#include "TfrmMain.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// A main window over a private folder: its own validation table (written by
// the real builder), its own question files and fresh settings.
struct WindowFixture
{
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<TfrmMain> window;

    WindowFixture() { QSettings(EditorSettings::Organization, EditorSettings::Application).clear(); }

    QString folder() const { return dir.path() + u'/'; }
    QString path(const QString& name) const { return dir.filePath(name); }

    TfrmMain& start(const QStringList& arguments = {})
    {
        TfrmMain::Environment environment{folder(), BuilderLibrary(), nullptr};
        window = std::make_unique<TfrmMain>(prompts, arguments, environment);
        window->show();
        return *window;
    }

    // Writes lines with CR LF endings; returns the path.
    QString writeFile(const QString& name, const QList<QByteArray>& lines) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write test file");
        for (const QByteArray& line : lines)
            file.write(line + "\r\n");
        return file.fileName();
    }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // A complete question that passes every check.
    static QByteArray question(int number, int book = 0, const char* reference = "1:1")
    {
        const QByteArray text = "Question " + QByteArray::number(number) + "?";
        return EncodeQuestionLine(book, number % 4, (number + 1) % 4, reference, text, "Alpha",
                                  "Beta", "Gamma", "Delta");
    }

    // Opens a file through File > Open.
    void open(const QString& filePath)
    {
        prompts.fileNames.enqueue(filePath);
        window->runCommand([this] { window->fileCommands().mnuFileOpenClick(); });
    }

    // Clicks a question row as the user would.
    void clickRow(int row)
    {
        QuestionGrid* grid = window->stgQuestions;
        grid->scrollTo(grid->model()->index(row - 1, 3));
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, 3));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
};
