#include "TkelEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using Type = TkelEditType;
Q_DECLARE_METATYPE(TkelEditType)

class TestTkelEdit : public QObject
{
    Q_OBJECT

private slots:
    void characterRule_data();
    void characterRule();
    void typing_data();
    void typing();
    void controlKeys_data();
    void controlKeys();
    void composedCharacters();
    void autoTab_data();
    void autoTab();
};

void TestTkelEdit::characterRule_data()
{
    QTest::addColumn<Type>("type");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<QString>("rejected");

    // Enter, Escape, Ctrl+C and Ctrl+V as characters, and the neighbours of
    // each accepted range.
    const QString controls = QStringLiteral("\r\x1b\x03\x16");
    const QString tabs = QStringLiteral("\b\t");
    QTest::newRow("none") << Type::etKELNone << "aZ09 .-/@{\u00e9\U0001F600" + controls + tabs
                          << QString();
    QTest::newRow("integer") << Type::etKELInteger << "0123456789-" + tabs
                             << "./: +aZ\u00e9\U0001F600" + controls;
    QTest::newRow("float") << Type::etKELFloat << "0123456789-." + tabs << "/: ,aZ" + controls;
    QTest::newRow("alpha") << Type::etKELAlpha << "AZaz " + tabs
                           << "@[`{09-.\u00c9\u00e9\U0001F600" + controls;
    QTest::newRow("fraction") << Type::etKELFraction << "0123456789 -/" + tabs << ".:aZ" + controls;
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

void TestTkelEdit::typing_data()
{
    QTest::addColumn<Type>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");

    QTest::newRow("integer drops a letter") << Type::etKELInteger << "12a"
                                            << "12";
    QTest::newRow("hyphen anywhere, no period") << Type::etKELInteger << "-1-2.3"
                                                << "-1-23";
    QTest::newRow("two periods") << Type::etKELFloat << "1..5"
                                 << "1..5";
    QTest::newRow("alpha") << Type::etKELAlpha << "ab 1c!"
                           << "ab c";
    QTest::newRow("mixed number") << Type::etKELFraction << "1 3/4."
                                  << "1 3/4";
    QTest::newRow("backspace") << Type::etKELInteger << "123\b4"
                               << "124";
    QTest::newRow("none") << Type::etKELNone << "a1.!"
                          << "a1.!";
}

void TestTkelEdit::typing()
{
    QFETCH(Type, type);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    TkelEdit edit;
    edit.setKELEditType(type);
    QSignalSpy errors(&edit, &TkelEdit::OnKELEditError);
    QTest::keyClicks(&edit, typed);
    QCOMPARE(edit.text(), text);
    // Each dropped character raises the event once; Backspace drops one too.
    const qsizetype dropped = typed.size() - text.size() - 2 * typed.count(u'\b');
    QCOMPARE(errors.size(), dropped);
    if (!errors.isEmpty())
        QCOMPARE(errors.first().first().value<TkelEdit*>(), &edit);
}

void TestTkelEdit::controlKeys_data()
{
    QTest::addColumn<Type>("type");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("platformText");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("errors");

    // The clipboard holds "77"; the box holds "123" with the caret at 1.
    const auto ctrl = [](char c) { return QString(QChar(c - 'A' + 1)); };
    QTest::newRow("Ctrl+V as X11 sends it")
        << Type::etKELInteger << int(Qt::Key_V) << ctrl('V') << "123" << 1;
    QTest::newRow("Ctrl+V as a letter") << Type::etKELAlpha << int(Qt::Key_V) << "v"
                                        << "123" << 1;
    QTest::newRow("Ctrl+V unfiltered")
        << Type::etKELNone << int(Qt::Key_V) << ctrl('V') << "17723" << 0;
    QTest::newRow("Delete as X11 sends it") << Type::etKELInteger << int(Qt::Key_Delete) << "\x7f"
                                            << "13" << 0;
    QTest::newRow("Enter is left to the dialog")
        << Type::etKELInteger << int(Qt::Key_Return) << "\r"
        << "123" << 0;
}

void TestTkelEdit::controlKeys()
{
    QFETCH(Type, type);
    QFETCH(int, key);
    QFETCH(QString, platformText);
    QFETCH(QString, text);
    QFETCH(int, errors);
    QApplication::clipboard()->setText(QStringLiteral("77"));
    TkelEdit edit;
    edit.setKELEditType(type);
    edit.setText(QStringLiteral("123"));
    edit.setCursorPosition(1);
    QSignalSpy spy(&edit, &TkelEdit::OnKELEditError);
    const auto modifiers = key == Qt::Key_V ? Qt::ControlModifier : Qt::NoModifier;
    QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key(key), platformText, modifiers);
    QCOMPARE(edit.text(), text);
    QCOMPARE(spy.size(), errors);
}

void TestTkelEdit::composedCharacters()
{
    TkelEdit edit;
    edit.setKELEditType(Type::etKELInteger);
    QSignalSpy errors(&edit, &TkelEdit::OnKELEditError);
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("1\u00e92"));
    QApplication::sendEvent(&edit, &composed);
    QCOMPARE(edit.text(), QStringLiteral("12"));
    QCOMPARE(errors.size(), 1);
}

void TestTkelEdit::autoTab_data()
{
    QTest::addColumn<bool>("autoTab");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("moved");

    QTest::newRow("fifth character") << true << "12345"
                                     << "12345" << true;
    QTest::newRow("backspace at the last position") << true << "1234\b"
                                                    << "123" << false;
    QTest::newRow("rejected key at the last position") << true << "1234a"
                                                       << "1234" << true;
    QTest::newRow("before the last position") << true << "123"
                                              << "123" << false;
    QTest::newRow("off") << false << "12345"
                         << "12345" << false;
}

void TestTkelEdit::autoTab()
{
    QFETCH(bool, autoTab);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(bool, moved);
    QWidget window;
    auto* edit = new TkelEdit(&window);
    auto* next = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(next);
    edit->setKELEditType(Type::etKELInteger);
    edit->setKELAutoTab(autoTab);
    edit->setMaxLength(5);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), text);
    QCOMPARE(QApplication::focusWidget(), moved ? static_cast<QWidget*>(next) : edit);
}

QTEST_MAIN(TestTkelEdit)
#include "tst_TkelEdit.moc"
