// SPDX-License-Identifier: GPL-2.0-or-later
#include "LocatorSearch.h"
#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "ScriptedPrompts.h"
#include "TfrmGoTo.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

namespace {

// n lines; line 7 (row 8) alone holds "Zacchaeus", lines 0 to 6 hold "Seth".
QuestionList questions(int n)
{
    QByteArray content;
    for (int i = 0; i < n; ++i)
        content += EncodeQuestionLine(i % 66, i % 4, i % 4, QByteArray::number(i + 1) + ":1",
                                      "Question " + QByteArray::number(i + 1) + "?",
                                      i == 7 ? "Zacchaeus" : "Adam", "Noah", "Abel",
                                      i < 7 ? "Seth" : "Enoch") +
                   "\r\n";
    QuestionList list;
    QuestionRecord record;
    list.fillFromContent(content, record, DecodeMode::QuestionOnly);
    return list;
}

// Steps: "number:<typed>" types into the number box, "text:<text>" sets the
// search text, "click:<control>" clicks a control, "type:<text>" and
// "key:<Tab|Backtab|Return|Escape>" go to the control with the focus.
void run(TfrmGoTo& dialog, const QStringList& steps)
{
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    for (const QString& step : steps) {
        const QString verb = step.section(u':', 0, 0), argument = step.section(u':', 1);
        if (verb == u"number")
            QTest::keyClicks(dialog.findChild<QWidget*>("edtGoTo"), argument);
        else if (verb == u"text")
            dialog.findChild<QLineEdit*>("edtLookupText")->setText(argument);
        else if (verb == u"click")
            QTest::mouseClick(dialog.findChild<QWidget*>(argument), Qt::LeftButton);
        else if (verb == u"type")
            QTest::keyClicks(QApplication::focusWidget(), argument);
        else
            QTest::keyClick(QApplication::focusWidget(), argument == u"Tab"       ? Qt::Key_Tab
                                                         : argument == u"Backtab" ? Qt::Key_Backtab
                                                         : argument == u"Return"  ? Qt::Key_Return
                                                                                  : Qt::Key_Escape);
    }
}

} // namespace

class TestTfrmGoTo : public QObject
{
    Q_OBJECT

private slots:
    void findAgreesWithPlainSearch();
    void layout();
    void go_data();
    void go();
    void search_data();
    void search();
    void keyboard_data();
    void keyboard();
};

// The skip table is where a fast search goes wrong: compare it with the
// plain definition over short texts from a small alphabet that holds the
// neighbours of a letter's other case ("[" and "{") and accented letters,
// none of which fold.
void TestTfrmGoTo::findAgreesWithPlainSearch()
{
    const QByteArray longText = QByteArray(300, 'X') + 'Y'; // beyond the 255 a shift can hold
    QCOMPARE(LocatorSearch(longText).find("qqqqq" + longText.toLower()), 5);
    QRandomGenerator random(1);
    const QByteArray alphabet("aAbB[{ \xc9\xe9");
    const auto randomText = [&](int longest) {
        QByteArray text;
        for (int n = random.bounded(longest + 1); n > 0; --n)
            text += alphabet[random.bounded(int(alphabet.size()))];
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        const QByteArray line = randomText(30), text = randomText(4);
        const qsizetype expected = text.isEmpty() ? -1 : line.toUpper().indexOf(text.toUpper());
        QVERIFY2(LocatorSearch(text).find(line) == expected, line + " / " + text);
    }
}

// The fixed client area holds every control whole, whatever the font.
void TestTfrmGoTo::layout()
{
    const QuestionList list = questions(1);
    ScriptedPrompts prompts;
    TfrmGoTo dialog(list, prompts);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), QSize(311, 209));
    QCOMPARE(dialog.findChild<QPlainTextEdit*>("mmoQuestion")->size(), QSize(293, 57));
    for (const QWidget* child : dialog.findChildren<QWidget*>()) {
        if (!child->isVisible() || child->isWindow())
            continue;
        QVERIFY2(child->parentWidget()->rect().contains(child->geometry()),
                 qPrintable(child->objectName()));
        if (const auto* button = qobject_cast<const QPushButton*>(child))
            QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(button->text()) +
                                            button->iconSize().width(),
                     qPrintable(button->objectName()));
    }
}

void TestTfrmGoTo::go_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("target");
    const QString between = "info: Please enter a number between 1 and ";
    // clang-format off
    QTest::newRow("empty")        << 12 << "" << "info: Please enter a number!" << 0;
    QTest::newRow("00012")        << 12 << "00012" << "" << 12;
    QTest::newRow("first row")    << 12 << "1" << "" << 1;
    QTest::newRow("above n")      << 12 << "13" << between + "12" << 0;
    QTest::newRow("zero")         << 12 << "0" << between + "12" << 0;
    QTest::newRow("negative")     << 12 << "-5" << between + "12" << 0;
    QTest::newRow("no questions") << 0 << "1" << between + "0" << 0;
    QTest::newRow("minus alone")  << 12 << "-" << "error: '-' is not a valid integer value" << 0;
    QTest::newRow("minus after a digit") << 12 << "1-" << "error: '1-' is not a valid integer value" << 0;
    // clang-format on
}

void TestTfrmGoTo::go()
{
    QFETCH(int, n);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, target);
    const QuestionList list = questions(n);
    ScriptedPrompts prompts;
    TfrmGoTo dialog(list, prompts);
    run(dialog, {"number:" + typed, "click:btnGo"});
    QCOMPARE(prompts.shown.join(u'\n'), shown);
    QCOMPARE(dialog.GoToTarget(), target);
    QCOMPARE(dialog.isVisible(), target == 0);
}

void TestTfrmGoTo::search_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("found"); // the line in the memo, -1 none
    QTest::addColumn<QString>("selected");
    const QString after = " was not found after the current position.";
    const QString prior = " was not found prior to the current position.";
    const QString next = "click:btnNext", prev = "click:btnPrev";
    // clang-format off
    QTest::newRow("c is the book code") << 12 << QStringList{"text:c", next} << "" << 0 << "C";
    QTest::newRow("prev at once")       << 12 << QStringList{"text:c", prev} << "info: c" + prior << -1 << "";
    QTest::newRow("empty text")         << 12 << QStringList{"text:", next} << "info: " + after << -1 << "";
    QTest::newRow("no questions")       << 0 << QStringList{"text:c", next, prev}
                                        << "info: c" + after + "\ninfo: c" + prior << -1 << "";
    QTest::newRow("jump after a failed next") << 12 << QStringList{"text:zacchaeus", next, next}
                                              << "info: zacchaeus" + after << 7 << "Zacchaeus";
    QTest::newRow("new text from the line found last")
        << 12 << QStringList{"text:question 8", next, "text:question 1", next} << "" << 9 << "Question 1";
    QTest::newRow("prev from a found line")
        << 12 << QStringList{"text:zacchaeus", next, "text:SETH", prev} << "" << 6 << "Seth";
    QTest::newRow("no wrap-around")
        << 12 << QStringList{"text:seth", next, prev} << "info: seth" + prior << 0 << "Seth";
    QTest::newRow("outside the code page")
        << 12 << QStringList{"text:\u2200", next} << "info: \u2200" + after << -1 << "";
    // clang-format on
}

// Each showing ends with Jump To, which goes to the line in the memo.
void TestTfrmGoTo::search()
{
    QFETCH(int, n);
    QFETCH(QStringList, steps);
    QFETCH(QString, shown);
    QFETCH(int, found);
    QFETCH(QString, selected);
    const QuestionList list = questions(n);
    ScriptedPrompts prompts;
    TfrmGoTo dialog(list, prompts);
    run(dialog, steps);
    const auto* memo = dialog.findChild<QPlainTextEdit*>("mmoQuestion");
    const QString line = found < 0 ? QString() : QString::fromLatin1(list.line(found));
    QCOMPARE(memo->toPlainText(), line);
    // The first occurrence is selected, as stored.
    QCOMPARE(memo->textCursor().selectionStart(), line.indexOf(selected));
    QCOMPARE(memo->textCursor().selectedText(), selected);
    run(dialog, {"click:btnjumpTo"});
    QCOMPARE(prompts.shown.join(u'\n'), shown);
    QCOMPARE(dialog.GoToTarget(), found + 1);
    QCOMPARE(dialog.isVisible(), found < 0);
}

void TestTfrmGoTo::keyboard_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("searched"); // Next ran and found line 7
    // clang-format off
    QTest::newRow("enter in the number box") << QStringList{"type:3", "key:Return"} << 3 << false;
    QTest::newRow("enter in the search box")
        << QStringList{"click:edtLookupText", "type:zacchaeus", "key:Return"} << 0 << true;
    QTest::newRow("enter after tabbing back")
        << QStringList{"key:Tab", "key:Tab", "key:Tab", "type:zacchaeus",
                       "key:Backtab", "key:Backtab", "key:Backtab", "type:3", "key:Return"} << 0 << true;
    QTest::newRow("enter after clicking back")
        << QStringList{"click:edtLookupText", "type:zacchaeus", "click:edtGoTo", "type:3", "key:Return"} << 3 << false;
    QTest::newRow("escape")        << QStringList{"type:3", "key:Escape"} << 0 << false;
    QTest::newRow("second cancel") << QStringList{"type:3", "click:btnCancel2"} << 0 << false;
    // clang-format on
}

void TestTfrmGoTo::keyboard()
{
    QFETCH(QStringList, steps);
    QFETCH(int, target);
    QFETCH(bool, searched);
    const QuestionList list = questions(12);
    ScriptedPrompts prompts;
    TfrmGoTo dialog(list, prompts);
    run(dialog, steps);
    QCOMPARE(dialog.GoToTarget(), target);
    QCOMPARE(dialog.findChild<QPlainTextEdit*>("mmoQuestion")->toPlainText(),
             searched ? QString::fromLatin1(list.line(7)) : QString());
    // Only a search keeps the dialog open; Go, Cancel and Escape close it.
    QCOMPARE(dialog.isVisible(), searched);
    QVERIFY(prompts.shown.isEmpty());
}

QTEST_MAIN(TestTfrmGoTo)
#include "tst_TfrmGoTo.moc"
