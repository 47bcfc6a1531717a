// SPDX-License-Identifier: GPL-2.0-or-later
#include "WindowFixture.h"

#include "HelpWindow.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QUrl>

namespace {

// What File > Open Recent shows, item by item.
QStringList recentItems(TfrmMain& w)
{
    QStringList texts;
    for (QAction* item : w.findChild<QMenu*>("mnuFileRecent")->actions())
        if (item->isVisible())
            texts << item->text();
    return texts;
}

QString helpPage()
{
    QFile page(":/help/help.html");
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

} // namespace

class HabitsTest : public QObject
{
    Q_OBJECT

private slots:
    void recentFilesListTheLastEight_data();
    void recentFilesListTheLastEight();
    void recentFileOpensAndAMissingOneGoes();
    void droppedFileOpens_data();
    void droppedFileOpens();
    void openDialogStartsInTheBanksFolder_data();
    void openDialogStartsInTheBanksFolder();
    void windowComesBackAsLeft_data();
    void windowComesBackAsLeft();
    void standardKeysRunTheirCommands_data();
    void standardKeysRunTheirCommands();
    void helpNamesEveryChapterAndKey();
};

void HabitsTest::recentFilesListTheLastEight_data()
{
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("newest first") << QStringList{"a", "b", "c"} << QStringList{"c", "b", "a"};
    QTest::newRow("reopened moves to the top")
        << QStringList{"a", "b", "c", "a"} << QStringList{"a", "c", "b"};
    QTest::newRow("the same file twice in a row is one entry")
        << QStringList{"a", "a"} << QStringList{"a"};
    QTest::newRow("another spelling of a listed file")
        << QStringList{"a", "b", "./a"} << QStringList{"a", "b"};
    QTest::newRow("nine keep the last eight")
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"}
        << QStringList{"9", "8", "7", "6", "5", "4", "3", "2"};
}

void HabitsTest::recentFilesListTheLastEight()
{
    QFETCH(QStringList, opened);
    QFETCH(QStringList, listed);
    WindowFixture f;
    QDir(f.dir.path()).mkdir("banks");
    TfrmMain& w = f.start();
    for (const QString& name : opened) {
        const QString file = "banks/" + QString(name).remove("./") + ".qus";
        if (!QFileInfo::exists(f.path(file)))
            f.writeFile(file, {f.question(1)});
        f.open(f.folder() + "banks/" + name + ".qus");
    }
    QStringList items;
    for (qsizetype i = 0; i < listed.size(); ++i)
        items << QString("&%1 %2").arg(i + 1).arg(
            QDir::toNativeSeparators(f.folder() + "banks/" + listed[i] + ".qus"));
    QCOMPARE(recentItems(w), items);
    QCOMPARE(QSettings(EditorSettings::Organization, EditorSettings::Application)
                 .value("RecentFiles/Files")
                 .toStringList()
                 .size(),
             listed.size());
    // The next run lists them too.
    f.start();
    QCOMPARE(recentItems(*f.window), items);
    QCOMPARE(f.prompts.unexpected, QStringList());
}

void HabitsTest::recentFileOpensAndAMissingOneGoes()
{
    WindowFixture f;
    const QString kept = f.writeFile("kept.qus", {f.question(1)});
    const QString gone = f.writeFile("gone.qus", {f.question(2), f.question(3)});
    f.start({gone});
    f.open(kept);
    QFile::remove(gone);
    f.start();
    TfrmMain& w = *f.window;
    QCOMPARE(recentItems(w).size(), 2);
    f.prompts.takeShown();

    w.findChild<QMenu*>("mnuFileRecent")->actions().at(1)->trigger();
    QCOMPARE(f.prompts.takeShown(),
             QStringList{"info: " + QDir::toNativeSeparators(gone) +
                         " cannot be found. It was taken off the recent files."});
    QVERIFY(w.document().isUntitled());
    QCOMPARE(recentItems(w), QStringList{"&1 " + QDir::toNativeSeparators(kept)});

    w.findChild<QMenu*>("mnuFileRecent")->actions().at(0)->trigger();
    QCOMPARE(w.document().fileName(), kept);
    QCOMPARE(w.stgQuestions->model()->rowCount(), 1);
    f.start();
    QCOMPARE(recentItems(*f.window), QStringList{"&1 " + QDir::toNativeSeparators(kept)});
}

void HabitsTest::droppedFileOpens_data()
{
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<bool>("opens");
    QTest::newRow("question file") << "file:quiz.qus" << true;
    QTest::newRow("backup file") << "file:quiz.qbk" << true;
    QTest::newRow("the first of two files") << "file:quiz.qus file:other.qus" << true;
    QTest::newRow("text") << "text:quiz.qus" << false;
    QTest::newRow("web address") << "url:http://example.org/quiz.qus" << false;
    QTest::newRow("file that is not there") << "file:missing.qus" << false;
    QTest::newRow("folder") << "file:sub" << false;
}

void HabitsTest::droppedFileOpens()
{
    QFETCH(QString, dropped);
    QFETCH(bool, opens);
    WindowFixture f;
    const QString quiz = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    QFile::copy(quiz, f.path("quiz.qbk"));
    f.writeFile("other.qus", {f.question(3)});
    QDir(f.dir.path()).mkdir("sub");
    TfrmMain& w = f.start();

    QMimeData data;
    QList<QUrl> urls;
    QString first;
    for (const QString& part : dropped.split(' ')) {
        const QString value = part.section(':', 1);
        if (part.startsWith("text:"))
            data.setText(f.path(value));
        else if (part.startsWith("url:"))
            urls << QUrl(value);
        else
            urls << QUrl::fromLocalFile(f.path(value));
        if (first.isEmpty())
            first = f.path(value);
    }
    if (!urls.isEmpty())
        data.setUrls(urls);

    const QPoint at = w.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    QCOMPARE(enter.isAccepted(), opens);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    QCOMPARE(drop.isAccepted(), opens);
    QCoreApplication::processEvents();
    QCOMPARE(w.document().fileName(), opens ? first : QStringLiteral("[Untitled]"));
    QCOMPARE(w.stgQuestions->model()->rowCount(), opens ? 2 : 0);
    QCOMPARE(f.prompts.unexpected, QStringList());
}

void HabitsTest::openDialogStartsInTheBanksFolder_data()
{
    QTest::addColumn<QString>("openFrom");
    QTest::addColumn<QString>("lastFolder");
    QTest::addColumn<QString>("starts");
    QTest::newRow("first run: home, not the program's folder") << ""
                                                               << "program"
                                                               << "home";
    QTest::newRow("the folder last opened from") << ""
                                                 << "b"
                                                 << "b";
    QTest::newRow("the open file's folder over the last one") << "a"
                                                              << "b"
                                                              << "a";
    QTest::newRow("a bank in the program's folder") << "."
                                                    << "b"
                                                    << ".";
    QTest::newRow("last folder removed since") << ""
                                               << "gone"
                                               << "home";
    QTest::newRow("no folder stored") << ""
                                      << ""
                                      << "home";
}

void HabitsTest::openDialogStartsInTheBanksFolder()
{
    QFETCH(QString, openFrom);
    QFETCH(QString, lastFolder);
    QFETCH(QString, starts);
    WindowFixture f;
    QDir(f.dir.path()).mkdir("a");
    QDir(f.dir.path()).mkdir("b");
    const auto folder = [&](const QString& name) {
        if (name == "home")
            return QDir::homePath() + '/';
        if (name == "program")
            return f.folder();
        if (name == "gone")
            return f.folder() + "gone/";
        return name.isEmpty() ? QString() : QDir::cleanPath(f.folder() + name) + '/';
    };
    TfrmMain& w = f.start();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    if (!openFrom.isEmpty())
        f.open(f.writeFile(openFrom == "." ? "quiz.qus" : openFrom + "/quiz.qus", {f.question(1)}));
    w.preferences().lastOpenDir = folder(lastFolder);
    f.prompts.fileNames.enqueue("");
    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f.prompts.lastOpenFolder, folder(starts));
}

void HabitsTest::windowComesBackAsLeft_data()
{
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("panelHeight");
    QTest::newRow("large, tall panel") << QRect(60, 40, 1000, 760) << 330;
    QTest::newRow("small, smallest panel") << QRect(20, 30, 640, 480) << 226;
}

void HabitsTest::windowComesBackAsLeft()
{
    QFETCH(QRect, geometry);
    QFETCH(int, panelHeight);
    WindowFixture f;
    TfrmMain& first = f.start();
    first.setGeometry(geometry);
    QCoreApplication::processEvents();
    QSplitter* splitter = first.splCentral;
    splitter->setSizes({splitter->height() - panelHeight, panelHeight});
    QCOMPARE(first.pnlDetails->height(), panelHeight);
    QVERIFY(first.close());

    TfrmMain& w = f.start();
    QCoreApplication::processEvents();
    QCOMPARE(w.geometry(), geometry);
    QCOMPARE(w.pnlDetails->height(), panelHeight);
    // The answers keep their margin to the panel's right edge, and the
    // answers their place under the question, at any size.
    DetailPanel& panel = *w.pnlDetails;
    const auto rightMargin = [&panel](QWidget* box) {
        return panel.width() - box->mapTo(&panel, QPoint(box->width(), 0)).x();
    };
    QCOMPARE(rightMargin(panel.edtAnsA), 16);
    QCOMPARE(rightMargin(panel.edtAnsD), 16);
    QCOMPARE(rightMargin(panel.mmoQuestion), 8);
    QCOMPARE(panel.gbxAnswers->geometry().bottom(), panelHeight - 5);
}

void HabitsTest::standardKeysRunTheirCommands_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("Ctrl+O opens the open dialog") << QKeySequence("Ctrl+O") << "open dialog";
    QTest::newRow("Ctrl+N starts a new list") << QKeySequence("Ctrl+N") << "new list";
    QTest::newRow("Ctrl+S saves") << QKeySequence("Ctrl+S") << "saved";
    QTest::newRow("F1 shows the help") << QKeySequence("F1") << "help";
}

void HabitsTest::standardKeysRunTheirCommands()
{
    QFETCH(QKeySequence, key);
    QFETCH(QString, outcome);
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // A changed list: New asks first, Save has something to write.
    w.pnlDetails->edtAnsA->setFocus();
    QTest::keyClicks(w.pnlDetails->edtAnsA, "x");
    w.stgQuestions->setFocus();
    f.clickRow(2);
    QVERIFY(w.document().isModified());
    f.prompts.takeShown();
    f.prompts.fileNames.enqueue("");
    f.prompts.answers.enqueue(UserPrompts::Answer::No);

    QTest::keySequence(&w, key);
    if (outcome == "open dialog")
        QVERIFY(f.prompts.shown.contains("open dialog"));
    if (outcome == "new list") {
        QVERIFY(w.document().isUntitled());
        QVERIFY(w.pnlDetails->btnSaveNew->isVisible());
    }
    if (outcome == "saved") {
        QVERIFY(!w.document().isModified());
        QVERIFY(f.readFile(file).contains("\"Alphax\""));
    }
    auto* help = w.findChild<HelpWindow*>();
    QCOMPARE(help && help->isVisible(), outcome == "help");
}

void HabitsTest::helpNamesEveryChapterAndKey()
{
    const QString page = helpPage();
    QVERIFY(!page.isEmpty());
    const QString contents = page.section("<p><b>Contents</b></p>", 1).section("</ul>", 0, 0);
    QStringList chapters;
    for (const auto& match :
         QRegularExpression(R"re(<h2><a name="([^"]+)"></a>)re").globalMatch(page))
        chapters << match.captured(1);
    QVERIFY(chapters.contains("scripture"));
    for (const QString& chapter : chapters)
        QVERIFY2(contents.contains("href=\"#" + chapter + "\""), qPrintable(chapter));

    WindowFixture f;
    TfrmMain& w = f.start();
    const QString keys = page.section("<a name=\"keys\"></a>", 1).section("<h2>", 0, 0);
    for (QAction* item : w.findChildren<QAction*>()) {
        for (const QKeySequence& key : item->shortcuts()) {
            const QString text = key.toString(QKeySequence::PortableText);
            QVERIFY2(QRegularExpression("<td>([^<]*, )?" + QRegularExpression::escape(text) +
                                        "(,[^<]*)?</td>")
                         .match(keys)
                         .hasMatch(),
                     qPrintable(item->objectName() + ": " + text));
        }
    }
}

QTEST_MAIN(HabitsTest)
#include "tst_habits.moc"
