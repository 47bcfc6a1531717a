// SPDX-License-Identifier: GPL-2.0-or-later
// The floor of the start-up benchmark: the least a Qt Widgets program with
// the editor's shape (menu bar, table, status bar) takes to show its window.
// Says "shown" and ends once it is up, as qved3 does for the benchmark.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open..."));
    file->addAction(QStringLiteral("E&xit"), &application, &QCoreApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("&Edit"))->addAction(QStringLiteral("&Find..."));
    auto* table = new QTableWidget(64, 9, &window);
    for (int row = 0; row < 64; ++row)
        table->setItem(row, 0, new QTableWidgetItem(QStringLiteral("Question %1").arg(row + 1)));
    window.setCentralWidget(table);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(630, 450);
    window.show();
    QTimer::singleShot(0, &application, [] {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return application.exec();
}
