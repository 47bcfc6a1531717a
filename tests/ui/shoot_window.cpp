// SPDX-License-Identifier: GPL-2.0-or-later
// Takes a picture of the main window over a question file, for looking at
// its colours and sizes: shoot_window FILE.qus OUT.png [--dark]. With
// --dark the window is shown in the Fusion style with a dark palette, as a
// desktop with a dark theme shows it; QT_SCALE_FACTOR=2 shows it large.
#include "BuilderLibrary.h"
#include "DarkPalette.h"
#include "DetailPanel.h"
#include "ScriptedPrompts.h"
#include "TfrmMain.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTest>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: shoot_window FILE.qus OUT.png [--dark]\n", stderr);
        return 2;
    }
    if (arguments.contains(QStringLiteral("--dark"))) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
    }
    ScriptedPrompts prompts;
    TfrmMain::Environment environment{QApplication::applicationDirPath(), BuilderLibrary(),
                                      nullptr};
    TfrmMain window(prompts, {arguments[1]}, environment);
    window.resize(1000, 700);
    window.show();
    QTest::qWait(200);
    // The whole-file check lists its problems in its dock, the Scripture
    // dock marks the answer's words, a misspelt answer shows its mark.
    for (const char* name : {"mnuToolsCheckFile", "mnuToolsScripture"})
        if (QAction* tool = window.findChild<QAction*>(QLatin1String(name)))
            tool->trigger();
    QTest::qWait(6000);
    window.pnlDetails->edtAnsB->setText(QStringLiteral("The heavens and the erth"));
    window.statusJournal->show();
    QTest::qWait(300);
    if (!window.grab().save(arguments[2]))
        return 1;
    return 0;
}
