// SPDX-License-Identifier: GPL-2.0-or-later
#include "TkelEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using Type = TkelEditType;

class TestTkelEdit : public QObject
{
    Q_OBJECT

private slots:
    void characterRule_data();
    void characterRule();
    void typing_data();
    void typing();
    void composedCharacters();
};

void TestTkelEdit::characterRule_data()
{
    QTest::addColumn<Type>("type");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<QString>("rejected");
    // Enter, Escape, Ctrl+C and Ctrl+V as characters, and the neighbours of
    // each accepted range.
    const QString controls = "\r\x1b\x03\x16", tabs = "\b\t";
    // clang-format off
    QTest::newRow("none")     << Type::etKELNone << "aZ09 .-/@{\u00e9\U0001F600" + controls + tabs << "";
    QTest::newRow("integer")  << Type::etKELInteger << "0123456789-" + tabs << "./: +aZ\u00e9\U0001F600" + controls;
    QTest::newRow("float")    << Type::etKELFloat << "0123456789-." + tabs << "/: ,aZ" + controls;
    QTest::newRow("alpha")    << Type::etKELAlpha << "AZaz " + tabs << "@[`{09-.\u00c9\u00e9" + controls;
    QTest::newRow("fraction") << Type::etKELFraction << "0123456789 -/" + tabs << ".:aZ" + controls;
    // clang-format on
}

void TestTkelEdit::characterRule()
{
    QFETCH(Type, type);
    QFETCH(QString, accepted);
    QFETCH(QString, rejected);
    for (const char32_t c : accepted.toUcs4())
        QVERIFY2(TkelEdit::accepts(type, c), qPrintable(QString::number(c)));
    for (const char32_t c : rejected.toUcs4())
        QVERIFY2(!TkelEdit::accepts(type, c), qPrintable(QString::number(c)));
}

// The box takes at most 5 characters and is followed by another control;
// the clipboard holds "77". Keys are typed one by one; three stand for keys
// QTest cannot spell: "\x16" is Ctrl+V and "\x7f" Delete with the text X11
// gives them, "^" is Ctrl+V with the plain letter, as some platforms give it.
void TestTkelEdit::typing_data()
{
    QTest::addColumn<Type>("type");
    QTest::addColumn<bool>("autoTab");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("errors");
    QTest::addColumn<bool>("moved");
    const Type integer = Type::etKELInteger;
    // clang-format off
    QTest::newRow("letter dropped")        << integer << false << "12a" << "12" << 1 << false;
    QTest::newRow("hyphens, no period")    << integer << false << "-1-2.3" << "-1-23" << 1 << false;
    QTest::newRow("two periods")           << Type::etKELFloat << false << "1..5" << "1..5" << 0 << false;
    QTest::newRow("alpha")                 << Type::etKELAlpha << false << "ab 1c!" << "ab c" << 2 << false;
    QTest::newRow("mixed number")          << Type::etKELFraction << false << "1 3/4." << "1 3/4" << 1 << false;
    QTest::newRow("none")                  << Type::etKELNone << false << "a1.!" << "a1.!" << 0 << false;
    QTest::newRow("backspace")             << integer << false << "123\b4" << "124" << 0 << false;
    QTest::newRow("Ctrl+V")                << integer << false << "1\x16" << "1" << 1 << false;
    QTest::newRow("Ctrl+V as a letter")    << Type::etKELAlpha << false << "a^" << "a" << 1 << false;
    QTest::newRow("Ctrl+V unfiltered")     << Type::etKELNone << false << "a\x16" << "a77" << 0 << false;
    QTest::newRow("Delete")                << integer << false << "12\x7f" << "12" << 0 << false;
    QTest::newRow("Enter for the dialog")  << integer << false << "1\r" << "1" << 0 << false;
    QTest::newRow("auto-tab on the fifth") << integer << true << "12345" << "12345" << 0 << true;
    QTest::newRow("backspace at the last") << integer << true << "1234\b" << "123" << 0 << false;
    QTest::newRow("refused at the last")   << integer << true << "1234a" << "1234" << 1 << true;
    QTest::newRow("auto-tab off")          << integer << false << "12345" << "12345" << 0 << false;
    // clang-format on
}

void TestTkelEdit::typing()
{
    QFETCH(Type, type);
    QFETCH(bool, autoTab);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, errors);
    QFETCH(bool, moved);
    QApplication::clipboard()->setText("77");
    QWidget window;
    auto* edit = new TkelEdit(&window);
    auto* next = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(next);
    edit->setKELEditType(type);
    edit->setKELAutoTab(autoTab);
    edit->setMaxLength(5);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QSignalSpy spy(edit, &TkelEdit::OnKELEditError);
    for (const QChar key : keys) {
        if (key == u'\x16' || key == u'^')
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_V,
                                key == u'^' ? QString("v") : QString(key), Qt::ControlModifier);
        else if (key == u'\x7f')
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Delete, QString(key), Qt::NoModifier);
        else
            QTest::keyClick(edit, key.toLatin1());
    }
    QCOMPARE(edit->text(), text);
    QCOMPARE(spy.size(), errors);
    if (errors)
        QCOMPARE(spy.first().first().value<TkelEdit*>(), edit);
    QCOMPARE(QApplication::focusWidget(), moved ? next : static_cast<QWidget*>(edit));
}

void TestTkelEdit::composedCharacters()
{
    TkelEdit edit;
    edit.setKELEditType(Type::etKELInteger);
    QSignalSpy spy(&edit, &TkelEdit::OnKELEditError);
    QInputMethodEvent composed;
    composed.setCommitString("1\u00e92");
    QApplication::sendEvent(&edit, &composed);
    QCOMPARE(edit.text(), "12");
    QCOMPARE(spy.size(), 1);
}

QTEST_MAIN(TestTkelEdit)
#include "tst_TkelEdit.moc"
