// SPDX-License-Identifier: GPL-2.0-or-later
// qvedtool spell on input it cannot read: the real executable on files made
// here.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;

    QStringList outLines() const { return out.split(u'\n', Qt::SkipEmptyParts); }
};

ToolRun runTool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QVEDTOOL_PATH), arguments);
    ToolRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// A well-formed line: book number, level digit, letter, the stored
// reference, question and answers.
QByteArray line(const QByteArray& book, const QByteArray& level, const QByteArray& letter,
                const QByteArray& reference, const QByteArray& question,
                const QByteArray& answerA = "a")
{
    return '"' +
           QByteArrayList{book, level, letter, reference, question, answerA, "b", "c", "d"}.join(
               "\",\"") +
           '"';
}

const QByteArray firstMan = line("C1", "1", "A", "Gen. 2:7", "Who was the first man?", "Adam");

} // namespace

class ToolSpellTest : public QObject
{
    Q_OBJECT

private slots:
    void spellCountsWhatItCannotRead_data();
    void spellCountsWhatItCannotRead();
    void spellInSpanish_data();
    void spellInSpanish();

private:
    QTemporaryDir m_dir;
};

// A line whose words cannot be read is no line without mistakes: each is
// listed with its number, counted, and the exit status says so.
void ToolSpellTest::spellCountsWhatItCannotRead_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<int>>("listed"); // empty: every line
    QTest::addColumn<QString>("summary");   // %1: the number of lines

    QByteArray binary;
    for (int pass = 0; pass < 4; ++pass) {
        for (int b = 0; b < 256; ++b)
            binary += char(b);
    }
    QTest::newRow("binary input")
        << binary << QList<int>{}
        << "checked: %1 questions, 0 misspelt words, %1 lines that do not decode";
    const QByteArray fields =
        "\"A\",\"Gen. 2:7\",\"Who was the first man?\",\"Adam\",\"b\",\"c\",\"d\"";
    QTest::newRow("bad numbers among good lines")
        << firstMan + "\r\n\"C1\",\"x\"," + fields + "\r\n\"Cz\",\"1\"," + fields + "\r\n" +
               firstMan + "\r\n"
        << QList<int>{2, 3} << "checked: 4 questions, 0 misspelt words, 2 lines that do not decode";
    QTest::newRow("control bytes in a question")
        << firstMan + "\r\n" + line("C1", "1", "A", "Gen. 2:7", "Who was \x01\x02 man?") + "\r\n"
        << QList<int>{2} << "checked: 2 questions, 0 misspelt words, 1 lines that do not decode";
}

void ToolSpellTest::spellCountsWhatItCannotRead()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<int>, listed);
    QFETCH(QString, summary);
    const QString path = m_dir.filePath(QStringLiteral("unread.qus"));
    QFile input(path);
    QVERIFY(input.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(input.write(content), content.size());
    input.close();
    const ToolRun run = runTool({QStringLiteral("spell"), path});
    if (run.err.contains(u"No spelling dictionary"))
        QSKIP("No en_US Hunspell dictionary is installed (hunspell-en-us): skipped");
    QCOMPARE(run.exitCode, 1);
    QStringList out = run.outLines();
    QVERIFY(!out.isEmpty());
    const QString last = out.takeLast();
    const int lines = last.section(u' ', 1, 1).toInt();
    QVERIFY2(lines > 0, qPrintable(last));
    QCOMPARE(last, summary.contains(u"%1") ? summary.arg(lines) : summary);
    if (listed.isEmpty()) {
        for (int number = 1; number <= lines; ++number)
            listed += number;
    }
    QList<int> numbers;
    for (const QString& problem : std::as_const(out))
        numbers += problem.section(u':', 0, 0).toInt();
    QCOMPARE(numbers, listed);
}

// --language es: the Spanish dictionary with the Reina-Valera's names.
void ToolSpellTest::spellInSpanish_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("Spanish bank") << QStringList{QStringLiteral("--language"), QStringLiteral("es")}
                                  << 1
                                  << QStringList{"1: Question: profetta",
                                                 "checked: 1 questions, 1 misspelt words"}
                                  << "";
    QTest::newRow("Spanish bank, dictionary named")
        << QStringList{QStringLiteral("--language"), QStringLiteral("es"),
                       QStringLiteral("--dictionary"), QStringLiteral("es_MX")}
        << 1 << QStringList{"1: Question: profetta", "checked: 1 questions, 1 misspelt words"}
        << "";
    QTest::newRow("unknown language")
        << QStringList{QStringLiteral("--language"), QStringLiteral("de")} << 2 << QStringList{}
        << "qvedtool spell: Unknown language 'de': use en or es.\nRun \"qvedtool spell --help\" "
           "for help.\n";
}

void ToolSpellTest::spellInSpanish()
{
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QStringList, out);
    QFETCH(QString, err);
    const QString path = m_dir.filePath(QStringLiteral("spanish.qus"));
    QFile input(path);
    QVERIFY(input.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray content =
        "\"C27\",\"1\",\"A\",\"Dan. 2:1\",\"\xBFQu\xE9 profetta interpret\xF3 "
        "el sue\xF1o de Nabucodonosor?\",\"Daniel\",\"Jos\xE9\",\"Mois\xE9s\","
        "\"El\xED"
        "as\"\r\n";
    QCOMPARE(input.write(content), content.size());
    input.close();
    const ToolRun run = runTool(QStringList{QStringLiteral("spell"), path} + options);
    if (run.err.contains(u"install hunspell-es") || run.err.contains(u"install sword-text-sparv"))
        QSKIP("The Spanish dictionary or Bible is not installed: skipped");
    QCOMPARE(run.err, err);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.outLines(), out);
}

QTEST_GUILESS_MAIN(ToolSpellTest)
#include "tst_toolspell.moc"
