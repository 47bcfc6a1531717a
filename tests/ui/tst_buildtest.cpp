// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionList.h"
#include "ScriptedPrompts.h"
#include "TfrmBuildTest.h"
#include "ValidationTable.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class BuildTestDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void buildAsksBeforeReplacing();
    void buildNeverReplacesTheQuestionFile();
    void builtPagesNameTheirVersionAndSeed();
};

// The eligible count follows the levels, Build writes every version's three
// files, a second Build replaces nothing until the author agrees, and the
// folder opens only when asked.
void BuildTestDialogTest::buildAsksBeforeReplacing()
{
    const QString sample = qEnvironmentVariable("QVED_SOURCE_DIR") + "/samples/sample.qus";
    QFile file(sample);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    const auto homeRuns = std::count_if(lines.begin(), lines.end(),
                                        [](const QByteArray& l) { return l.contains(",\"4\","); });
    QTemporaryDir folder;
    const QString questionFile = folder.filePath("quiz.qus");
    QVERIFY(QFile::copy(sample, questionFile));
    QuestionList list;
    QuestionRecord record;
    list.FillQuestionList(questionFile, record, DecodeMode::QuestionOnly);

    ScriptedPrompts prompts;
    const ValidationTable table;
    TfrmBuildTest dialog(list, table, prompts, questionFile);
    QStringList opened;
    dialog.openFolder = [&opened](const QString& path) { opened << path; };
    auto* eligible = dialog.findChild<QLabel*>("lblEligible");
    QCOMPARE(eligible->text(), QStringLiteral("of %1 eligible").arg(list.count()));
    for (int level = 1; level <= 3; ++level)
        dialog.findChild<QCheckBox*>(QStringLiteral("chkLevel%1").arg(level))->setChecked(false);
    QCOMPARE(eligible->text(), QStringLiteral("of %1 eligible").arg(homeRuns));
    for (int level = 1; level <= 3; ++level)
        dialog.findChild<QCheckBox*>(QStringLiteral("chkLevel%1").arg(level))->setChecked(true);
    dialog.findChild<QSpinBox*>("spnCount")->setValue(20);
    QVERIFY(dialog.findChild<QPlainTextEdit*>("memPreview")->toPlainText().startsWith("1. "));

    prompts.answers << UserPrompts::Answer::No; // not the folder
    dialog.btnBuildClick();
    const QDir dir(folder.path());
    QCOMPARE(dir.entryList({"quiz-?*"}, QDir::Files).size(), 9);
    QVERIFY(opened.isEmpty());

    QFile changed(dir.filePath("quiz-B-key.pdf"));
    QVERIFY(changed.open(QIODevice::WriteOnly) && changed.write("mine") == 4);
    changed.close();
    prompts.answers << UserPrompts::Answer::No; // keep the files
    dialog.btnBuildClick();
    QVERIFY(changed.open(QIODevice::ReadOnly));
    QCOMPARE(changed.readAll(), QByteArray("mine"));
    changed.close();

    prompts.answers << UserPrompts::Answer::Yes << UserPrompts::Answer::Yes;
    dialog.btnBuildClick();
    QVERIFY(changed.open(QIODevice::ReadOnly));
    QVERIFY(changed.readAll().startsWith("%PDF"));
    QCOMPARE(opened, QStringList{folder.path()});
    QVERIFY(prompts.unexpected.isEmpty());
    QVERIFY(prompts.errors().isEmpty());
}

// The open file carries a test's name: Build says so and writes nothing,
// even though the author would agree to replace what is there.
void BuildTestDialogTest::buildNeverReplacesTheQuestionFile()
{
    const QString sample = qEnvironmentVariable("QVED_SOURCE_DIR") + "/samples/sample.qus";
    QTemporaryDir folder;
    const QString questionFile = folder.filePath("bank-A.qus");
    QVERIFY(QFile::copy(sample, questionFile));
    QFile file(questionFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QuestionList list;
    QuestionRecord record;
    list.FillQuestionList(questionFile, record, DecodeMode::QuestionOnly);

    ScriptedPrompts prompts;
    const ValidationTable table;
    TfrmBuildTest dialog(list, table, prompts, questionFile);
    dialog.openFolder = [](const QString&) {};
    dialog.findChild<QLineEdit*>("edtName")->setText("bank");
    dialog.findChild<QSpinBox*>("spnCount")->setValue(5);
    prompts.answers << UserPrompts::Answer::Yes << UserPrompts::Answer::Yes;
    dialog.btnBuildClick();
    QCOMPARE(prompts.informations(),
             QStringList{QStringLiteral("The output file %1 is the question file; choose "
                                        "another name.")
                             .arg(QDir::toNativeSeparators(questionFile))});
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"bank-A.qus"});
}

// The seed in the dialog is the one every key's pages show, beside the
// name and version that every page of the test and the key shows.
void BuildTestDialogTest::builtPagesNameTheirVersionAndSeed()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    const QString sample = qEnvironmentVariable("QVED_SOURCE_DIR") + "/samples/sample.qus";
    QTemporaryDir folder;
    const QString questionFile = folder.filePath("quiz.qus");
    QVERIFY(QFile::copy(sample, questionFile));
    QuestionList list;
    QuestionRecord record;
    list.FillQuestionList(questionFile, record, DecodeMode::QuestionOnly);
    ScriptedPrompts prompts;
    const ValidationTable table;
    TfrmBuildTest dialog(list, table, prompts, questionFile);
    dialog.findChild<QSpinBox*>("spnCount")->setValue(24);
    dialog.findChild<QSpinBox*>("spnSeed")->setValue(8128);
    prompts.answers << UserPrompts::Answer::No; // not the folder
    dialog.btnBuildClick();
    QVERIFY(prompts.errors().isEmpty());

    for (const char* file : {"quiz-C-test.pdf", "quiz-C-key.pdf"}) {
        QProcess process;
        process.start("pdftotext", {"-layout", folder.filePath(file), "-"});
        QVERIFY(process.waitForFinished(60000));
        QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
        if (pages.last().trimmed().isEmpty())
            pages.removeLast();
        QVERIFY2(pages.size() >= 2, file);
        const bool key = QByteArrayView(file).endsWith("key.pdf");
        for (const QString& page : pages) {
            QVERIFY2(page.contains(QRegularExpression("quiz-C\\W+Version C\\b")), file);
            QCOMPARE(page.contains(QRegularExpression("Seed 8128\\b")), key);
        }
    }
}

QTEST_MAIN(BuildTestDialogTest)
#include "tst_buildtest.moc"
