// SPDX-License-Identifier: GPL-2.0-or-later
// What the editor must not let pass silently: a validation table it cannot
// read, and texts of another tool's file longer than the editor keeps.
#include "WindowFixture.h"

#include "ValidationTable.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QUndoStack>

namespace {

using Answer = UserPrompts::Answer;

// 92 characters: the panel shows the first 90, without "t.".
const QByteArray LongQuestion =
    "What did Moses see when he turned aside to look at the bush, that burned, and was not burnt.";

QByteArray genesis(const QByteArray& question, const QByteArray& answerB = "Beta",
                   const QByteArray& answerD = "Delta")
{
    return EncodeQuestionLine(0, 1, 2, "3:2", question, "Alpha", answerB, "Gamma", answerD);
}

const QString LongTexts =
    " longer than the editor keeps: 90 characters for the question and each answer (as much as "
    "the game reads), 25 for the reference. Tools > Check File lists them. Storing an edit of "
    "such a question cuts them, after asking.";

} // namespace

class ChecksTest : public QObject
{
    Q_OBJECT

private slots:
    void tableMessageNamesTheTable_data();
    void tableMessageNamesTheTable();
    void openSaysHowManyTextsAreLong_data();
    void openSaysHowManyTextsAreLong();
    void storingARowWithLongTextsAsksFirst_data();
    void storingARowWithLongTextsAsksFirst();
};

void ChecksTest::tableMessageNamesTheTable_data()
{
    QTest::addColumn<QByteArray>("table"); // null: a folder in its place
    QTest::addColumn<QString>("message");
    QTest::newRow("a table cut short")
        << QByteArray(100, '\1')
        << "Error loading the validation table. Validation functions will be inoperative.";
    QTest::newRow("a folder where the table should be")
        << QByteArray()
        << "Unable to load the validation table. Validation functions will be inoperative.";
}

void ChecksTest::tableMessageNamesTheTable()
{
    QFETCH(QByteArray, table);
    QFETCH(QString, message);
    WindowFixture f;
    const QString path = f.path(ValidationTable::FileName);
    if (table.isNull())
        QVERIFY(QDir(f.dir.path()).mkdir(ValidationTable::FileName));
    else
        f.writeFile(ValidationTable::FileName, {table});
    TfrmMain& w = f.start();
    QVERIFY(!w.table().ValidationTableLoaded());
    QCOMPARE(f.prompts.shown,
             QStringList{"info: " + message + "\r\n" + QDir::toNativeSeparators(path) +
                         "\r\nOptions > Rebuild Validation Table writes it again."});
}

void ChecksTest::openSaysHowManyTextsAreLong_data()
{
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addColumn<QStringList>("shown"); // on each open
    const QByteArray sound = genesis("Who spoke from the bush?");
    QTest::newRow("no text too long: nothing is said")
        << QList<QByteArray>{sound, genesis(LongQuestion.first(90))} << QStringList();
    QTest::newRow("a 92-character question and a 95-character answer")
        << QList<QByteArray>{sound, genesis(LongQuestion),
                             genesis("Who?", "Beta", QByteArray(95, 'd'))}
        << QStringList{"info: 2 texts of this file are" + LongTexts};
    // The abbreviation is not part of the reference the panel shows.
    QTest::newRow("a 26-character reference")
        << QList<QByteArray>{EncodeQuestionLine(0, 1, 2, "3:2 and the verses around.",
                                                "Who spoke from the bush?", "Alpha", "Beta",
                                                "Gamma", "Delta"),
                             EncodeQuestionLine(0, 1, 2, "3:2 and the verses around",
                                                "Who spoke from the bush?", "Alpha", "Beta",
                                                "Gamma", "Delta")}
        << QStringList{"info: 1 text of this file is" + LongTexts};
}

void ChecksTest::openSaysHowManyTextsAreLong()
{
    QFETCH(QList<QByteArray>, lines);
    QFETCH(QStringList, shown);
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", lines);
    TfrmMain& w = f.start({file});
    QCOMPARE(w.document().list().count(), lines.size());
    QCOMPARE(f.prompts.takeShown(), shown);

    // Each open says it once more.
    f.open(file);
    QCOMPARE(f.prompts.takeShown(), QStringList{"open dialog"} + shown);
    QCOMPARE(f.prompts.unexpected, QStringList());
}

void ChecksTest::storingARowWithLongTextsAsksFirst_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("answer"); // to the question; -1: none is asked
    QTest::addColumn<QString>("question");
    QTest::addColumn<QByteArray>("stored"); // row 1 afterwards
    const QString cutQuestion = "confirm: Question 1 holds texts longer than the editor keeps; "
                                "storing it cuts them:\r\nquestion: 92 characters, cut to 90";
    QTest::newRow("answer D changed, No: the edit stays in the panel")
        << genesis(LongQuestion) << int(Answer::No) << cutQuestion + "\r\nStore the question?"
        << genesis(LongQuestion);
    QTest::newRow("answer D changed, Cancel: the edit stays in the panel")
        << genesis(LongQuestion) << int(Answer::Cancel) << cutQuestion + "\r\nStore the question?"
        << genesis(LongQuestion);
    QTest::newRow("answer D changed, Yes: the question is cut")
        << genesis(LongQuestion) << int(Answer::Yes) << cutQuestion + "\r\nStore the question?"
        << genesis(LongQuestion.first(90), "Beta", "Delta changed");
    QTest::newRow("every long text is named")
        << genesis(LongQuestion, QByteArray(93, 'b')) << int(Answer::No)
        << cutQuestion + "\r\nanswer B: 93 characters, cut to 90\r\nStore the question?"
        << genesis(LongQuestion, QByteArray(93, 'b'));
    QTest::newRow("a row without long texts is stored without asking")
        << genesis(LongQuestion.first(90)) << -1 << QString()
        << genesis(LongQuestion.first(90), "Beta", "Delta changed");
}

void ChecksTest::storingARowWithLongTextsAsksFirst()
{
    QFETCH(QByteArray, line);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(QByteArray, stored);
    WindowFixture f;
    TfrmMain& w = f.start({f.writeFile("quiz.qus", {line, f.question(2)})});
    f.prompts.takeShown();
    const int steps = w.history().count();

    // Only answer D changes; moving to row 2 stores the edit.
    w.pnlDetails->edtAnsD->setText("Delta changed");
    if (answer >= 0)
        f.prompts.answers.enqueue(Answer(answer));
    f.clickRow(2);

    QCOMPARE(f.prompts.shown, question.isEmpty() ? QStringList() : QStringList{question});
    QCOMPARE(w.document().list().line(0).toByteArray(), stored);
    const bool kept = stored == line;
    QCOMPARE(w.history().count(), steps + (kept ? 0 : 1));
    QCOMPARE(w.document().list().isModified(0), !kept);
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), kept ? QString("# 1") : QString("# 2"));
    if (kept) {
        QCOMPARE(w.stgQuestions->currentGridRow(), 1);
        QCOMPARE(w.pnlDetails->edtAnsD->text(), QStringLiteral("Delta changed"));
        QVERIFY(w.editing().IsQuestionChanged());
    }
}

QTEST_MAIN(ChecksTest)
#include "tst_checks.moc"
