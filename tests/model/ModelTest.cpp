// SPDX-License-Identifier: GPL-2.0-or-later
#include "BackupCopy.h"
#include "IntegerConversion.h"
#include "IoErrorText.h"
#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "QvedError.h"
#include "SafeFileWriter.h"
#include "Windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

namespace {

// Nine (or any number of) field texts, quoted and comma-separated.
QByteArray quoted(const QByteArrayList& texts)
{
    return '"' + texts.join("\",\"") + '"';
}

QByteArray full(const QByteArray& number, const QByteArray& level, const QByteArray& correct,
                const QByteArray& reference, const QByteArray& question)
{
    return quoted({number, level, correct, reference, question, "a", "b", "c", "d"});
}

// A valid line that shows the given question in the grid.
QByteArray line(QByteArrayView question)
{
    return EncodeQuestionLine(0, 0, 0, "1:1", question, "a", "b", "c", "d");
}

const QByteArray workedExample =
    R"("C1","1","A","Gen. 2:7","Who was the first man?","Adam","Noah","Abel","Seth")";
const QByteArray firstMan = "Who was the first man?";
const QByteArray shortLine = R"("C1","1","A","Gen. 1:1")";

// What the record held before each decode, so kept fields are recognisable.
QuestionRecord previousRecord()
{
    QuestionRecord r;
    r.CanonicalNbr.assign("C9");
    r.Book = 8;
    r.Level = 3;
    r.Correct = 3;
    r.Reference.assign("prev ref");
    r.Question.assign("previous question");
    r.AnswerA.assign("pa");
    r.AnswerB.assign("pb");
    r.AnswerC.assign("pc");
    r.AnswerD.assign("pd");
    return r;
}

QByteArray bytes(QByteArrayView view)
{
    return view.toByteArray();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QuestionList loaded(const QByteArray& content)
{
    QuestionList list;
    QuestionRecord record;
    list.fillFromContent(content, record, DecodeMode::QuestionOnly);
    return list;
}

QStringList entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class ModelTest : public QObject
{
    Q_OBJECT

private slots:
    // Line codec

    void decode_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("canonical");
        QTest::addColumn<int>("book");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("correct");
        QTest::addColumn<QByteArray>("reference");
        QTest::addColumn<QByteArray>("question");
        QTest::addColumn<QByteArray>("answerA");
        QTest::addColumn<QByteArray>("answerD");

        struct Case
        {
            const char* name;
            QByteArray line, canonical;
            int book, level, correct;
            QByteArray reference, question, answerA, answerD;
        };
        const QByteArray q = "Q?", a = "a", d = "d", x95(95, 'x'), x90(90, 'x');
        const QByteArray long30 = "abcdefghijklmnopqrstuvwxyz0123";
        const QByteArray previous = "previous question";
        const Case cases[] = {
            {"worked example", workedExample, "C1", 0, 0, 0, "2:7", firstMan, "Adam", "Seth"},
            {"C0 files under Othr.", full("C0", "2", "B", "Q 1", q), "C0", 67, 1, 1, "Q 1", q, a,
             d},
            {"C10", full("C10", "1", "A", "Judg. 1:1", q), "C10", 9, 0, 0, "1:1", q, a, d},
            {"C68 keeps its digits", full("C68", "1", "A", "Othr. 12", q), "C68", 67, 0, 0,
             "Othr. 12", q, a, d},
            {"C123 cut to C12", full("C123", "1", "A", "2 Kings 5:14", q), "C12", 11, 0, 0, "5:14",
             q, a, d},
            {"C99 has no upper bound", full("C99", "1", "A", "Gen. 1:1", q), "C99", 98, 0, 0,
             "Gen. 1:1", q, a, d},
            {"first character not examined", full("X5", "1", "A", "Deut. 6:4", q), "X5", 4, 0, 0,
             "6:4", q, a, d},
            {"1 Kings skips its own digit", full("C11", "1", "A", "1 Kings 3:5", q), "C11", 10, 0,
             0, "3:5", q, a, d},
            {"Ctsm. drops leading blanks only", full("C67", "1", "A", "   Q12", q), "C67", 66, 0, 0,
             "Q12", q, a, d},
            {"control characters count as blanks", full("C67", "1", "A", "\t\x1f Q12", q), "C67",
             66, 0, 0, "Q12", q, a, d},
            {"text before the chapter dropped", full("C1", "1", "A", "Gen. ch 3", q), "C1", 0, 0, 0,
             "3", q, a, d},
            {"no digit keeps the abbreviation", full("C1", "1", "A", "  Gen. intro", q), "C1", 0, 0,
             0, "Gen. intro", q, a, d},
            {"reference cut at 25 after the blanks", full("C68", "1", "A", "  " + long30, q), "C68",
             67, 0, 0, long30.left(25), q, a, d},
            {"lower-case letter", full("C1", "1", "b", "Gen. 1:1", q), "C1", 0, 0, 1, "1:1", q, a,
             d},
            {"only the first letter counts", full("C1", "1", "DA", "Gen. 1:1", q), "C1", 0, 0, 3,
             "1:1", q, a, d},
            {"letter outside A-D kept", full("C1", "1", "z", "Gen. 1:1", q), "C1", 0, 0, 25, "1:1",
             q, a, d},
            {"level outside 1-4 kept", full("C1", "9", "A", "Gen. 1:1", q), "C1", 0, 8, 0, "1:1", q,
             a, d},
            {"level with blank, sign and hex", full("C1", " +$4", "A", "Gen. 1:1", q), "C1", 0, 3,
             0, "1:1", q, a, d},
            {"empty field reads as a quote",
             quoted({"C1", "1", "A", "Gen. 1:1", "", "", "b", "c", ""}), "C1", 0, 0, 0, "1:1", "\"",
             "\"", "\""},
            {"95-character question cut", full("C1", "1", "A", "Gen. 1:1", x95), "C1", 0, 0, 0,
             "1:1", x90, a, d},
            {"95-character answers cut",
             quoted({"C1", "1", "A", "Gen. 1:1", q, x95, "b", "c", x95}), "C1", 0, 0, 0, "1:1", q,
             x90, x90},
            {"blank after each comma",
             R"("C1", "1", "A", "Gen. 2:7", "Who was the first man?", "Adam", "Noah", "Abel", )"
             R"("Seth")",
             "C1", 0, 0, 0, "2:7", firstMan, "Adam", "Seth"},
            {"text between fields ignored",
             R"(x"C1";;"1" junk "A""Gen. 2:7"-"Who was the first man?""Adam",,"Noah","Abel",)"
             R"("Seth" trailing)",
             "C1", 0, 0, 0, "2:7", firstMan, "Adam", "Seth"},
            {"commas inside a field", full("C1", "1", "A", "Gen. 1:1", "Who, then?"), "C1", 0, 0, 0,
             "1:1", "Who, then?", a, d},
            {"fields after the ninth ignored", workedExample + R"(,"C5","x","extra")", "C1", 0, 0,
             0, "2:7", firstMan, "Adam", "Seth"},
            {"four fields keep the rest", R"("C1","2","C","Gen. 3:1")", "C1", 0, 1, 2, "3:1",
             previous, "pa", "pd"},
            {"unclosed quote yields no field", "\"C1\",\"2\",\"C\",\"Gen. 3:1\",\"Who", "C1", 0, 1,
             2, "3:1", previous, "pa", "pd"},
            {"no quote at all", "C1,1,A,Gen. 1:1,Q,a,b,c,d", "C9", 8, 3, 3, "prev ref", previous,
             "pa", "pd"},
            {"empty line", "", "C9", 8, 3, 3, "prev ref", previous, "pa", "pd"},
        };
        for (const Case& c : cases) {
            QTest::newRow(c.name) << c.line << c.canonical << c.book << c.level << c.correct
                                  << c.reference << c.question << c.answerA << c.answerD;
        }
    }

    void decode()
    {
        QFETCH(QByteArray, line);
        QuestionRecord record = previousRecord();
        DecodeQuestionLine(line, record, DecodeMode::Full);
        QTEST(bytes(record.CanonicalNbr.view()), "canonical");
        QTEST(int(record.Book), "book");
        QTEST(int(record.Level), "level");
        QTEST(int(record.Correct), "correct");
        QTEST(bytes(record.Reference.view()), "reference");
        QTEST(bytes(record.Question.view()), "question");
        QTEST(bytes(record.AnswerA.view()), "answerA");
        QTEST(bytes(record.AnswerD.view()), "answerD");
    }

    // Texts are copied with moves of fixed sizes: every length of every
    // field's capacity comes out whole, from a source of exactly that length
    // (the sanitized run reports a read past it), and longer ones are cut.
    void fixedTextKeepsEveryLength()
    {
        auto check = [](auto text) {
            const int capacity = text.capacity();
            for (int length = 0; length <= capacity + 20; ++length) {
                std::vector<char> source(static_cast<std::size_t>(length));
                for (int i = 0; i < length; ++i)
                    source[std::size_t(i)] = char('A' + (i * 7 + length) % 58);
                text.assign(QByteArrayView(source.data(), length));
                const QByteArray expected(source.data(), std::min(length, capacity));
                QVERIFY2(bytes(text.view()) == expected,
                         qPrintable(QStringLiteral("%1 of %2").arg(length).arg(capacity)));
            }
        };
        check(FixedText<3>());
        check(FixedText<25>());
        check(FixedText<90>());
    }

    void questionOnlyModeLeavesAnswers()
    {
        QuestionRecord record = previousRecord();
        DecodeQuestionLine(workedExample, record, DecodeMode::QuestionOnly);
        QCOMPARE(bytes(record.Question.view()), firstMan);
        QCOMPARE(bytes(record.Reference.view()), QByteArray("2:7"));
        QCOMPARE(bytes(record.AnswerA.view()), QByteArray("pa"));
        QCOMPARE(bytes(record.AnswerB.view()), QByteArray("pb"));
        QCOMPARE(bytes(record.AnswerC.view()), QByteArray("pc"));
        QCOMPARE(bytes(record.AnswerD.view()), QByteArray("pd"));
    }

    void conversionErrors_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("canonical");
        QTest::addColumn<int>("book");
        QTest::addColumn<int>("level");

        QTest::newRow("lone C") << full("C", "1", "A", "Gen. 1:1", "Q")
                                << QString("'' is not a valid integer value") << QByteArray("C")
                                << 8 << 3;
        QTest::newRow("empty first field")
            << full("", "1", "A", "Gen. 1:1", "Q") << QString("'' is not a valid integer value")
            << QByteArray("\"") << 8 << 3;
        QTest::newRow("letters for the book")
            << full("Cab", "1", "A", "Gen. 1:1", "Q")
            << QString("'ab' is not a valid integer value") << QByteArray("Cab") << 8 << 3;
        QTest::newRow("blank after the book number")
            << full("C1 ", "1", "A", "Gen. 1:1", "Q")
            << QString("'1 ' is not a valid integer value") << QByteArray("C1 ") << 8 << 3;
        QTest::newRow("level not a number")
            << full("C2", "x", "A", "Ex. 1:1", "Q") << QString("'x' is not a valid integer value")
            << QByteArray("C2") << 1 << 3;
        QTest::newRow("empty level reads as a quote")
            << full("C2", "", "A", "Ex. 1:1", "Q") << QString("'\"' is not a valid integer value")
            << QByteArray("C2") << 1 << 3;
        QTest::newRow("level 1.5")
            << full("C2", "1.5", "A", "Ex. 1:1", "Q")
            << QString("'1.5' is not a valid integer value") << QByteArray("C2") << 1 << 3;
        QTest::newRow("level beyond 32 bits")
            << full("C2", "2147483648", "A", "Ex. 1:1", "Q")
            << QString("'2147483648' is not a valid integer value") << QByteArray("C2") << 1 << 3;
        QTest::newRow("level in the code page")
            << full("C2", "\x96", "A", "Ex. 1:1", "Q")
            << QString::fromUtf8("'\u2013' is not a valid integer value") << QByteArray("C2") << 1
            << 3;
    }

    void conversionErrors()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, message);
        QuestionRecord record = previousRecord();
        try {
            DecodeQuestionLine(line, record, DecodeMode::Full);
            QFAIL("no conversion error");
        } catch (const QvedError& error) {
            QCOMPARE(error.kind(), QvedError::Kind::Conversion);
            QCOMPARE(error.message(), message);
        }
        // Fields before the failing one stay stored, later ones are untouched.
        QTEST(bytes(record.CanonicalNbr.view()), "canonical");
        QTEST(int(record.Book), "book");
        QTEST(int(record.Level), "level");
        QCOMPARE(bytes(record.Question.view()), QByteArray("previous question"));
    }

    void encodeAndReadBack_data()
    {
        QTest::addColumn<int>("book");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("correct");
        QTest::addColumn<QByteArray>("reference");
        QTest::addColumn<QByteArray>("question");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("referenceBack");

        QTest::newRow("worked example")
            << 0 << 0 << 0 << QByteArray("2:7") << firstMan << workedExample << QByteArray("2:7");
        QTest::newRow("Ctsm. has no abbreviation")
            << 66 << 0 << 0 << QByteArray("2:7") << firstMan
            << QByteArray(
                   R"("C67","1","A","2:7","Who was the first man?","Adam","Noah","Abel","Seth")")
            << QByteArray("2:7");
        QTest::newRow("Othr. free text")
            << 67 << 3 << 3 << QByteArray("Bible trivia") << QByteArray("Q")
            << QByteArray(R"("C68","4","D","Bible trivia","Q","Adam","Noah","Abel","Seth")")
            << QByteArray("Bible trivia");
        QTest::newRow("numbered book")
            << 10 << 1 << 2 << QByteArray("3:5") << QByteArray("Q")
            << QByteArray(R"("C11","2","C","1 Kings 3:5","Q","Adam","Noah","Abel","Seth")")
            << QByteArray("3:5");
        QTest::newRow("last Bible book")
            << 65 << 2 << 1 << QByteArray("22:21") << QByteArray("Q")
            << QByteArray(R"("C66","3","B","Rev. 22:21","Q","Adam","Noah","Abel","Seth")")
            << QByteArray("22:21");
        QTest::newRow("texts as they stand")
            << 42 << 0 << 0 << QByteArray("  3:16") << QByteArray(" lead, comma ")
            << QByteArray(
                   R"("C43","1","A","John   3:16"," lead, comma ","Adam","Noah","Abel","Seth")")
            << QByteArray("3:16");
        QTest::newRow("code page bytes")
            << 0 << 1 << 3 << QByteArray("1:1") << QByteArray("God\x92s \x96 caf\xe9")
            << QByteArray("\"C1\",\"2\",\"D\",\"Gen. 1:1\",\"God\x92s \x96 caf\xe9\","
                          "\"Adam\",\"Noah\",\"Abel\",\"Seth\"")
            << QByteArray("1:1");
    }

    void encodeAndReadBack()
    {
        QFETCH(int, book);
        QFETCH(int, level);
        QFETCH(int, correct);
        QFETCH(QByteArray, reference);
        QFETCH(QByteArray, question);
        const QByteArray encoded = EncodeQuestionLine(book, level, correct, reference, question,
                                                      "Adam", "Noah", "Abel", "Seth");
        QTEST(encoded, "line");

        QuestionRecord record;
        DecodeQuestionLine(encoded, record, DecodeMode::Full);
        QCOMPARE(int(record.Book), book);
        QCOMPARE(int(record.Level), level);
        QCOMPARE(int(record.Correct), correct);
        QTEST(bytes(record.Reference.view()), "referenceBack");
        QCOMPARE(bytes(record.Question.view()), question);
        QCOMPARE(bytes(record.AnswerA.view()), QByteArray("Adam"));
        QCOMPARE(bytes(record.AnswerB.view()), QByteArray("Noah"));
        QCOMPARE(bytes(record.AnswerC.view()), QByteArray("Abel"));
        QCOMPARE(bytes(record.AnswerD.view()), QByteArray("Seth"));
    }

    void workedExampleIs76Characters() { QCOMPARE(workedExample.size(), 76); }

    void clearedRecord()
    {
        QuestionRecord record = previousRecord();
        ClearQuestionRecord(record);
        QCOMPARE(int(record.Book), -1);
        QCOMPARE(int(record.Level), -1);
        QCOMPARE(int(record.Correct), -1);
        QVERIFY(record.CanonicalNbr.isEmpty() && record.Reference.isEmpty());
        QVERIFY(record.Question.isEmpty() && record.AnswerA.isEmpty() && record.AnswerD.isEmpty());
    }

    void firstDigitPos_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("empty") << QByteArray() << 1;
        QTest::newRow("one digit") << QByteArray("7") << 1;
        QTest::newRow("leading digit passed over") << QByteArray("12") << 2;
        QTest::newRow("no digit") << QByteArray("Gen. ch") << 1;
        QTest::newRow("Gen. 2:7") << QByteArray("Gen. 2:7") << 6;
        QTest::newRow("1 Kings 3") << QByteArray("1 Kings 3") << 9;
    }

    void firstDigitPos()
    {
        QFETCH(QByteArray, text);
        QTEST(FirstDigitPos(text), "position");
    }

    // Integer conversion

    void integerConversion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("leading zeros") << "007" << true << 7;
        QTest::newRow("leading blanks") << "  42" << true << 42;
        QTest::newRow("plus sign") << "+7" << true << 7;
        QTest::newRow("blank then minus") << " -7" << true << -7;
        QTest::newRow("dollar hex") << "$1F" << true << 31;
        QTest::newRow("0x hex") << "0x1f" << true << 31;
        QTest::newRow("0X hex") << "0X1F" << true << 31;
        QTest::newRow("negative hex") << "-$10" << true << -16;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("blanks only") << "   " << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("dollar only") << "$" << false << 0;
        QTest::newRow("0x only") << "0x" << false << 0;
        QTest::newRow("trailing blank") << "42 " << false << 0;
        QTest::newRow("blank inside") << "4 2" << false << 0;
        QTest::newRow("decimal point") << "1.0" << false << 0;
        QTest::newRow("two signs") << "+-1" << false << 0;
        QTest::newRow("hex digit in decimal") << "1F" << false << 0;
        QTest::newRow("overflow") << "2147483648" << false << 0;
        QTest::newRow("negative overflow") << "-2147483649" << false << 0;
        QTest::newRow("far overflow") << "99999999999999999999" << false << 0;
        QTest::newRow("hex overflow") << "$100000000" << false << 0;
    }

    void integerConversion()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        const std::optional<qint32> parsed = ParseInteger(text);
        QCOMPARE(parsed.has_value(), ok);
        if (ok) {
            QCOMPARE(*parsed, value);
            QCOMPARE(StrToInt(text), value);
            return;
        }
        try {
            StrToInt(text);
            QFAIL("no conversion error");
        } catch (const QvedError& error) {
            QCOMPARE(error.kind(), QvedError::Kind::Conversion);
            QCOMPARE(error.message(),
                     QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }

    // Quotes are found many bytes at a time: a quote at any offset of those
    // blocks, and a line cut anywhere, decode as if read byte by byte.
    void quotesAtEveryOffset()
    {
        const QByteArray answers[] = {"a", QByteArray(17, 'b'), QByteArray(33, 'c'),
                                      QByteArray(64, 'd')};
        for (int questionLength = 1; questionLength <= 70; ++questionLength) {
            const QByteArrayList texts = {
                "C12",      "2",        "B",        "2Ki. 3:4", QByteArray(questionLength, 'q'),
                answers[0], answers[1], answers[2], answers[3]};
            const QByteArray wholeLine = quoted(texts);
            // Where each field's closing quote is.
            QList<qsizetype> closes;
            for (qsizetype at = wholeLine.indexOf('"'); at >= 0;
                 at = wholeLine.indexOf('"', at + 1)) {
                at = wholeLine.indexOf('"', at + 1);
                closes << at;
            }
            QCOMPARE(closes.size(), 9);
            for (qsizetype cut = 0; cut <= wholeLine.size(); ++cut) {
                const QByteArray line = wholeLine.first(cut);
                auto expected = [&](int field) {
                    return closes[field] < cut ? texts[field] : QByteArray();
                };
                for (const DecodeMode mode : {DecodeMode::Full, DecodeMode::QuestionOnly}) {
                    QuestionRecord record;
                    DecodeQuestionLine(line, record, mode);
                    const QByteArray where = "question length " +
                                             QByteArray::number(questionLength) + ", cut at " +
                                             QByteArray::number(cut);
                    QVERIFY2(bytes(record.Question.view()) == expected(4), where);
                    QVERIFY2(bytes(record.Reference.view()) ==
                                 expected(3).sliced(expected(3).size() > 0 ? 5 : 0),
                             where);
                    const QByteArray lastAnswer =
                        mode == DecodeMode::Full ? expected(8) : QByteArray();
                    QVERIFY2(bytes(record.AnswerD.view()) ==
                                 lastAnswer.first(std::min<qsizetype>(lastAnswer.size(), 90)),
                             where);
                }
            }
        }
    }

    // Windows-1252

    // Bytes the code page gives their own meaning, at every offset of the
    // blocks that plain text is converted in.
    void codePageAtEveryOffset()
    {
        const QString expected = Windows1252::toUnicode(QByteArray("\x80\x93\xE9\x81"));
        QCOMPARE(expected, QString::fromUtf8("\u20ac\u201c\u00e9\u0081"));
        for (int length = 0; length <= 40; ++length) {
            for (int at = 0; at < std::max(length, 1); ++at) {
                for (int kind = 0; kind < 4; ++kind) {
                    QByteArray text(length, 'a');
                    QString wanted(length, u'a');
                    if (length > 0) {
                        text[at] = "\x80\x93\xE9\x81"[kind];
                        wanted[at] = expected[kind];
                    }
                    QCOMPARE(Windows1252::toUnicode(text), wanted);
                }
            }
        }
    }

    void codePageRoundTrip()
    {
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        const QString text = Windows1252::toUnicode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(Windows1252::firstUnencodable(text), qsizetype(-1));
        bool ok = false;
        QCOMPARE(Windows1252::fromUnicode(text, &ok), all);
        QVERIFY(ok);
        // A few the code page gives their own meaning.
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0x92), QChar(0x2019));
        QCOMPARE(text.at(0x96), QChar(0x2013));
        QCOMPARE(text.at(0x9F), QChar(0x0178));
        QCOMPARE(text.at(0xE9), QChar(0x00E9));
    }

    void codePageRefusals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::newRow("CJK") << QString::fromUtf8("\u4e2d") << 0;
        QTest::newRow("after plain text") << QString::fromUtf8("ab\u4e2d") << 2;
        QTest::newRow("emoji") << QString::fromUtf8("a\U0001F600") << 1;
        QTest::newRow("Latin Extended-A") << QString::fromUtf8("\u0100") << 0;
        QTest::newRow("code page text")
            << QString::fromUtf8("Caf\u00e9 \u2013 \u2018x\u2019 \u20ac") << -1;
    }

    void codePageRefusals()
    {
        QFETCH(QString, text);
        QFETCH(int, index);
        QCOMPARE(Windows1252::firstUnencodable(text), qsizetype(index));
        bool ok = false;
        const QByteArray encoded = Windows1252::fromUnicode(text, &ok);
        QCOMPARE(ok, index < 0);
        if (index < 0)
            QCOMPARE(Windows1252::toUnicode(encoded), text);
        else
            QVERIFY(encoded.isEmpty());
    }

    // Question list: reading

    void fill_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QByteArrayList>("questions");

        const QByteArray l1 = line("q1"), l2 = line("q2"), l3 = line("q3");
        QTest::newRow("CR LF") << l1 + "\r\n" + l2 + "\r\n"
                               << QByteArrayList{l1, l2} << QByteArrayList{"q1", "q2"};
        QTest::newRow("lone CR") << l1 + "\r" + l2 + "\r" << QByteArrayList{l1, l2}
                                 << QByteArrayList{"q1", "q2"};
        QTest::newRow("lone LF") << l1 + "\n" + l2 + "\n"
                                 << QByteArrayList{l1, l2} << QByteArrayList{"q1", "q2"};
        QTest::newRow("mixed endings")
            << l1 + "\r\n" + l2 + "\r" + l3 + "\n"
            << QByteArrayList{l1, l2, l3} << QByteArrayList{"q1", "q2", "q3"};
        QTest::newRow("last line without ending")
            << l1 + "\r\n" + l2 << QByteArrayList{l1, l2} << QByteArrayList{"q1", "q2"};
        QTest::newRow("CR CR LF ends two lines")
            << l1 + "\r\r\n" + l2 << QByteArrayList{l1, "", l2} << QByteArrayList{"q1", "q1", "q2"};
        QTest::newRow("LF CR ends two lines")
            << l1 + "\n\r" + l2 << QByteArrayList{l1, "", l2} << QByteArrayList{"q1", "q1", "q2"};
        QTest::newRow("empty file") << QByteArray() << QByteArrayList{} << QByteArrayList{};
        QTest::newRow("line ending only")
            << QByteArray("\r\n") << QByteArrayList{""} << QByteArrayList{"before"};
        QTest::newRow("empty line carries the question above")
            << l1 + "\r\n\r\n" + l3 << QByteArrayList{l1, "", l3}
            << QByteArrayList{"q1", "q1", "q3"};
        QTest::newRow("short line carries the question above")
            << l1 + "\r\n" + shortLine + "\r\n"
            << QByteArrayList{l1, shortLine} << QByteArrayList{"q1", "q1"};
        QTest::newRow("short first line carries the record's question")
            << shortLine + "\r\n" + l2 << QByteArrayList{shortLine, l2}
            << QByteArrayList{"before", "q2"};
        QTest::newRow("empty question field")
            << line("") << QByteArrayList{line("")} << QByteArrayList{"\""};
        QTest::newRow("question cell cut at 90")
            << line(QByteArray(95, 'x')) << QByteArrayList{line(QByteArray(95, 'x'))}
            << QByteArrayList{QByteArray(90, 'x')};
    }

    void fill()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArrayList, lines);
        QFETCH(QByteArrayList, questions);
        QuestionList list;
        QuestionRecord record;
        record.Question.assign("before");
        list.fillFromContent(content, record, DecodeMode::QuestionOnly);
        QCOMPARE(list.count(), lines.size());
        for (int i = 0; i < list.count(); ++i) {
            QCOMPARE(bytes(list.line(i)), lines[i]);
            QCOMPARE(bytes(list.questionCell(i)), questions[i]);
            QVERIFY(list.hasNumber(i) && list.hasQuestionCell(i));
            QVERIFY(!list.isDeleted(i) && !list.isModified(i));
        }
        QVERIFY(!list.HasUnsavedChanges());
    }

    void fillFromFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("quiz.qus");
        writeFile(path, line("q1") + "\r\n" + line("q2") + "\r\n");
        QuestionList list;
        QuestionRecord record;
        list.FillQuestionList(path, record, DecodeMode::QuestionOnly);
        QCOMPARE(list.count(), 2);
        QCOMPARE(bytes(list.questionCell(1)), QByteArray("q2"));

        // An empty file is an empty list, not an error.
        writeFile(path, {});
        list.FillQuestionList(path, record, DecodeMode::QuestionOnly);
        QVERIFY(list.isEmpty());
        QVERIFY(!list.HasUnsavedChanges());
    }

    void unreadableFileKeepsTheList_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing"
                                 << "the file does not exist";
        QTest::newRow("folder") << "folder"
                                << "it is a folder";
        // Opening a FIFO would hang until another program wrote to it.
        QTest::newRow("FIFO") << "fifo"
                              << "it is not a regular file";
        // Read whole, /dev/zero would grow the list until memory ran out.
        QTest::newRow("device") << "device"
                                << "it is not a regular file";
        QTest::newRow("past the bound")
            << "huge"
            << "it is larger than 1 GiB, the most a file read whole may hold";
    }

    void unreadableFileKeepsTheList()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = kind == "device" ? QString("/dev/zero") : dir.filePath("quiz.qus");
        if (kind == "folder")
            QVERIFY(QDir(dir.path()).mkdir("quiz.qus"));
        if (kind == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (kind == "huge") {
            // Sparse: one byte past the bound costs no disk.
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize((qint64(1) << 30) + 1));
        }
        QuestionList list = loaded(line("q1"));
        list.ToggleDeleteMark(1);
        QuestionRecord record;
        try {
            list.FillQuestionList(path, record, DecodeMode::QuestionOnly);
            QFAIL("no error");
        } catch (const QvedError& error) {
            QCOMPARE(error.kind(), QvedError::Kind::FileOpen);
            QCOMPARE(error.message(), QString("Cannot open file %1: %2.").arg(path, reason));
        }
        QCOMPARE(list.count(), 1);
        QVERIFY(list.isDeleted(0));
    }

    void lineLongerThanTwoGiB()
    {
#ifdef QVED_SANITIZED
        QSKIP("a 2 GiB line is too large for the sanitizers' shadow memory");
#endif
        // A length kept in 32 bits would show and save another line's bytes.
        const qsizetype longLength = (qsizetype(1) << 31) + 7;
        QByteArray content;
        content.reserve(longLength + 200);
        content += line("q1") + "\r\n";
        content.append(longLength, 'x');
        content += "\r\n" + line("q3") + "\r\n";
        const QuestionList list = loaded(content);
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.line(1).size(), longLength);
        QCOMPARE(bytes(list.line(2)), line("q3"));
        qsizetype written = 0;
        QByteArray last;
        QVERIFY(list.writeLines(
            [&](QByteArrayView block) {
                written += block.size();
                last = block.last(std::min<qsizetype>(block.size(), 200)).toByteArray();
                return true;
            },
            0, list.count() - 1, true));
        QCOMPARE(written, content.size());
        QVERIFY(last.endsWith(line("q3") + "\r\n"));
    }

    void decodeErrorNamesFileAndLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("quiz.qus");
        writeFile(path, line("q1") + "\r\n" + full("C1 ", "1", "A", "Gen. 1:1", "Q") + "\r\n");
        QuestionList list;
        QuestionRecord record;
        try {
            list.FillQuestionList(path, record, DecodeMode::QuestionOnly);
            QFAIL("no error");
        } catch (const QvedError& error) {
            QCOMPARE(error.message(), path + ", line 2: '1 ' is not a valid integer value");
        }
    }

    void decodeErrorStopsTheFill()
    {
        const QByteArray bad = full("C1", "x", "A", "Gen. 1:1", "bad");
        const QByteArray content =
            line("q1") + "\r\n" + line("q2") + "\r\n" + bad + "\r\n" + line("q4") + "\r\n";
        QuestionList list;
        QuestionRecord record;
        try {
            list.fillFromContent(content, record, DecodeMode::QuestionOnly);
            QFAIL("no conversion error");
        } catch (const QvedError& error) {
            QCOMPARE(error.message(), QString("line 3: 'x' is not a valid integer value"));
        }
        QCOMPARE(list.count(), 4);
        QCOMPARE(bytes(list.line(2)), bad);
        QCOMPARE(bytes(list.line(3)), line("q4"));
        QCOMPARE(bytes(list.questionCell(1)), QByteArray("q2"));
        // The failing row has its number but no question; rows after it are blank.
        QVERIFY(list.hasNumber(2) && !list.hasQuestionCell(2));
        QVERIFY(!list.hasNumber(3) && !list.hasQuestionCell(3));
    }

    // Question list: marks

    void toggle_data()
    {
        QTest::addColumn<QList<int>>("committed");
        QTest::addColumn<QList<int>>("toggledBefore");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QList<int>>("deleted");
        QTest::addColumn<QList<int>>("modified");

        using L = QList<int>;
        QTest::newRow("single row") << L{} << L{} << 3 << 3 << L{3} << L{3};
        QTest::newRow("restored row keeps its M") << L{} << L{2} << 2 << 2 << L{} << L{2};
        QTest::newRow("committed row deleted and restored")
            << L{5} << L{5} << 5 << 5 << L{} << L{5};
        QTest::newRow("rows 3-5 with 4 deleted") << L{} << L{4} << 3 << 5 << L{3, 5} << L{3, 4, 5};
        QTest::newRow("header only") << L{} << L{1} << 0 << 0 << L{1} << L{1};
        QTest::newRow("spanning the header") << L{} << L{} << 0 << 2 << L{1, 2} << L{1, 2};
        QTest::newRow("whole list")
            << L{} << L{} << 1 << 6 << L{1, 2, 3, 4, 5, 6} << L{1, 2, 3, 4, 5, 6};
        QTest::newRow("commit alone") << L{6} << L{} << 0 << 0 << L{} << L{6};
    }

    void toggle()
    {
        QFETCH(QList<int>, committed);
        QFETCH(QList<int>, toggledBefore);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QList<int>, deleted);
        QFETCH(QList<int>, modified);

        QByteArray content;
        for (int i = 1; i <= 6; ++i)
            content += line("q" + QByteArray::number(i)) + "\r\n";
        QuestionList list = loaded(content);
        for (int row : committed)
            list.StoreCommittedLine(row - 1, line("new"), "new");
        for (int row : toggledBefore)
            list.ToggleDeleteMark(row);
        list.ToggleDeleteMarks(first, last);
        for (int row = 1; row <= 6; ++row) {
            QVERIFY2(list.isDeleted(row - 1) == deleted.contains(row),
                     qPrintable(QString::number(row)));
            QVERIFY2(list.isModified(row - 1) == modified.contains(row),
                     qPrintable(QString::number(row)));
        }
        QCOMPARE(list.HasUnsavedChanges(), !modified.isEmpty());
    }

    void headerOnlyOnAnEmptyList()
    {
        QuestionList list;
        list.ToggleDeleteMarks(0, 0);
        QVERIFY(list.isEmpty());
        QVERIFY(!list.HasUnsavedChanges());
    }

    void commitsAndAppendsAreWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("quiz.qus");
        QuestionList list = loaded(line("q1") + "\r\n" + line("q2") + "\r\n" + line("q3") + "\r\n");
        list.StoreCommittedLine(0, line("n1"), "n1");
        QCOMPARE(bytes(list.line(0)), line("n1"));
        QCOMPARE(bytes(list.questionCell(0)), QByteArray("n1"));
        QVERIFY(list.isModified(0) && list.HasUnsavedChanges());

        list.ToggleDeleteMark(3);
        const int added = list.AppendQuestionRow();
        QCOMPARE(added, 3);
        QCOMPARE(list.count(), 4);
        QVERIFY(!list.isDeleted(added) && !list.isModified(added));
        list.StoreCommittedLine(added, line("n4"), "n4");
        QVERIFY(list.isModified(added) && list.hasNumber(added));
        QCOMPARE(bytes(list.questionCell(added)), QByteArray("n4"));

        // A commit leaves the deleted mark alone.
        list.StoreCommittedLine(2, line("n3"), "n3");
        QVERIFY(list.isDeleted(2));

        QVERIFY(list.WriteQuestionFile(path).ok);
        QCOMPARE(readFile(path), line("n1") + "\r\n" + line("q2") + "\r\n" + line("n4") + "\r\n");
    }

    // Question list: writing

    void write_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<int>>("deletedRows");
        QTest::addColumn<QByteArray>("written");

        const QByteArray l1 = line("q1"), l2 = line("q2"), l3 = line("q3");
        const QByteArray odd =
            "\"C1\",\"1\",\"A\",\"Gen. 2:7\",\"Caf\xe9 \x96 x\",\"a\",\"b\",\"c\",\"d\"   \r\n"
            "garbage \"unbalanced\r\n" +
            QByteArray("\tbin\0ary\x7f\xff\x80\r\n", 14) + " \r\n" + shortLine + "\r\n\r\n";
        QTest::newRow("untouched lines byte for byte") << odd << QList<int>{} << odd;
        QTest::newRow("LF file written as CR LF") << l1 + "\n" + l2 + "\n"
                                                  << QList<int>{} << l1 + "\r\n" + l2 + "\r\n";
        QTest::newRow("lone CR and no last ending")
            << l1 + "\r" + l2 << QList<int>{} << l1 + "\r\n" + l2 + "\r\n";
        QTest::newRow("deleted rows left out") << l1 + "\r\n" + l2 + "\r\n" + l3 + "\r\n"
                                               << QList<int>{2} << l1 + "\r\n" + l3 + "\r\n";
        QTest::newRow("all deleted writes an empty file") << l1 + "\r\n" + l2 + "\r\n"
                                                          << QList<int>{1, 2} << QByteArray();
        QTest::newRow("empty list writes an empty file")
            << QByteArray() << QList<int>{} << QByteArray();
    }

    void write()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<int>, deletedRows);
        QTemporaryDir dir;
        const QString path = dir.filePath("quiz.qus");
        writeFile(path, "an older, longer file that must be replaced entirely\r\n");
        QuestionList list = loaded(content);
        for (int row : deletedRows)
            list.ToggleDeleteMark(row);
        const WriteResult result = list.WriteQuestionFile(path);
        QVERIFY2(result.ok, qPrintable(result.message()));
        QTEST(readFile(path), "written");
        QCOMPARE(entries(dir), QStringList{"quiz.qus"});
        for (int row : deletedRows)
            QVERIFY(list.isDeleted(row - 1) && list.isModified(row - 1));
    }

    void writeToReadOnlyFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("quiz.qus");
        const QByteArray original = line("kept") + "\r\n";
        writeFile(path, original);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        const QuestionList list = loaded(line("new") + "\r\n");

        const WriteResult result = list.WriteQuestionFile(path);
        QVERIFY(!result.ok);
        QCOMPARE(result.code, 5);
        QVERIFY(!result.platformText.isEmpty());
        QCOMPARE(result.message(),
                 "File Error!\r\n" + result.platformText + "\r\nWrite protected or already exists");
        QCOMPARE(readFile(path), original);
        QVERIFY(!(QFile::permissions(path) & QFile::WriteOwner));
        QCOMPARE(entries(dir), QStringList{"quiz.qus"});
    }

    void writeIntoMissingFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("absent/quiz.qus");
        const WriteResult result = loaded(line("q1")).WriteQuestionFile(path);
        QVERIFY(!result.ok);
        QCOMPARE(result.code, 3);
        QCOMPARE(result.message(), "File Error!\r\n" + result.platformText + "\r\nPath not found");
        QVERIFY(entries(dir).isEmpty());
    }

    void writeOnAFullDisk_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("syncFails");
        // A short file goes out in one small block: its failure surfaces
        // only when the last bytes are flushed.
        QTest::newRow("limit passed in the last small block") << 40 << false;
        QTest::newRow("limit passed mid-file") << 2000 << false;
        QTest::newRow("flush to disk fails") << 10 << true;
    }

    void writeOnAFullDisk()
    {
        // A file-size limit makes write() fail as a full disk does.
        QFETCH(int, lines);
        QFETCH(bool, syncFails);
        QTemporaryDir dir;
        const QString path = dir.filePath("quiz.qus");
        const QByteArray original = line("kept") + "\r\n";
        writeFile(path, original);
        QByteArray content;
        for (int i = 0; i < lines; ++i)
            content += line(QByteArray(80, 'q')) + "\r\n";
        const QuestionList list = loaded(content);

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = syncFails ? saved.rlim_cur : 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        if (syncFails)
            SafeFileWriter::setSyncForTesting([](int) {
                errno = EIO;
                return -1;
            });
        const WriteResult result = list.WriteQuestionFile(path);
        SafeFileWriter::setSyncForTesting(nullptr);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!result.ok);
        QCOMPARE(result.code, 101);
        QCOMPARE(result.platformText, qt_error_string(syncFails ? EIO : EFBIG));
        QCOMPARE(result.message(),
                 "File Error!\r\n" + result.platformText + "\r\nDisk write error");
        QCOMPARE(readFile(path), original);
        QCOMPARE(entries(dir), QStringList{"quiz.qus"});
    }

    void errnoCodes_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("opening");
        QTest::addColumn<int>("code");
        QTest::newRow("ENOENT") << ENOENT << true << 3;
        QTest::newRow("ENOTDIR") << ENOTDIR << true << 3;
        QTest::newRow("EMFILE") << EMFILE << true << 4;
        QTest::newRow("ENFILE") << ENFILE << true << 4;
        QTest::newRow("EACCES") << EACCES << true << 5;
        QTest::newRow("EPERM") << EPERM << true << 5;
        QTest::newRow("EEXIST") << EEXIST << true << 5;
        QTest::newRow("EISDIR") << EISDIR << true << 5;
        QTest::newRow("ETXTBSY") << ETXTBSY << true << 5;
        QTest::newRow("EROFS") << EROFS << true << 150;
        QTest::newRow("ENOSPC") << ENOSPC << false << 101;
        QTest::newRow("EDQUOT") << EDQUOT << false << 101;
        QTest::newRow("EFBIG") << EFBIG << false << 101;
        QTest::newRow("EIO") << EIO << false << 101;
        QTest::newRow("other while creating") << EINVAL << true << 5;
        QTest::newRow("other while writing") << EINVAL << false << 101;
        QTest::newRow("none recorded while writing") << 0 << false << 101;
    }

    void errnoCodes()
    {
        QFETCH(int, error);
        QFETCH(bool, opening);
        QTEST(IoErrorCodeFromErrno(error, opening), "code");
    }

    void ioErrorText_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        const std::pair<int, const char*> table[] = {
            {0, "No Error"},
            {1, "System error - report to programmer"},
            {2, "File not found"},
            {3, "Path not found"},
            {4, "Too many open files"},
            {5, "Write protected or already exists"},
            {6, "Invalid File Handle"},
            {12, "Invalid File Access Code"},
            {15, "Invalid Drive Number"},
            {16, "Cannot remove current directory"},
            {17, "Cannot rename across drives"},
            {100, "Disk read error"},
            {101, "Disk write error"},
            {102, "File not assigned"},
            {103, "File not open"},
            {104, "File not open for output"},
            {106, "Invalid numeric format"},
            {150, "Disk is write protected"},
            {151, "Unknown unit"},
            {152, "Drive not ready"},
            {153, "Unknown command"},
            {154, "CRC error is data"},
            {155, "Bad drive request structure length"},
            {156, "Disk seek error"},
            {157, "Unknown media type"},
            {158, "Sector not found"},
            {159, "Printer out of paper"},
            {160, "Device write fault"},
            {161, "Device read fault"},
            {162, "Hardware failure or file in use"},
            {-1, "Unknown I/O failure"},
            {7, "Unknown I/O failure"},
            {105, "Unknown I/O failure"},
            {163, "Unknown I/O failure"},
        };
        for (const auto& [code, text] : table)
            QTest::addRow("%d", code) << code << QString::fromLatin1(text);
    }

    void ioErrorText()
    {
        QFETCH(int, code);
        QTEST(IOErrorText(code), "text");
    }

    // Backup copy

    void backupNames_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("backup");
        QTest::addColumn<bool>("needsBackup");
        QTest::addColumn<bool>("isBackup");
        QTest::newRow("question file") << "/d/quiz.qus"
                                       << "/d/quiz.qbk" << true << false;
        QTest::newRow("no extension") << "/d/notes"
                                      << "/d/notes.qbk" << true << false;
        QTest::newRow("other extension") << "/d/quiz.txt"
                                         << "/d/quiz.qbk" << true << false;
        QTest::newRow("two dots") << "/d/a.b.qus"
                                  << "/d/a.b.qbk" << true << false;
        QTest::newRow("dot in the folder only") << "/d.x/notes"
                                                << "/d.x/notes.qbk" << true << false;
        QTest::newRow("dot in a Windows folder") << "C:\\d.x\\notes"
                                                 << "C:\\d.x\\notes.qbk" << true << false;
        QTest::newRow("backup") << "/d/x.qbk"
                                << "/d/x.qbk" << false << true;
        QTest::newRow("upper-case backup") << "/d/X.QBK"
                                           << "/d/X.qbk" << false << false;
        QTest::newRow("mixed-case backup") << "/d/x.Qbk"
                                           << "/d/x.qbk" << false << false;
        QTest::newRow("qbk folder") << "/d.qbk/notes"
                                    << "/d.qbk/notes.qbk" << true << false;
    }

    void backupNames()
    {
        QFETCH(QString, path);
        QTEST(BackupCopy::backupFileName(path), "backup");
        QTEST(BackupCopy::needsBackup(path), "needsBackup");
        QTEST(BackupCopy::isBackupFileName(path), "isBackup");
    }

    void makeBackup_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("backupName");
        QTest::newRow("no extension") << "notes"
                                      << "notes.qbk";
        QTest::newRow("text file") << "quiz.txt"
                                   << "quiz.qbk";
        QTest::newRow("question file") << "quiz.qus"
                                       << "quiz.qbk";
    }

    void makeBackup()
    {
        QFETCH(QString, name);
        QFETCH(QString, backupName);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        const QString backup = dir.filePath(backupName);
        const QByteArray content = line("q1") + "\r\n\x96\r\n";
        writeFile(path, content);
        writeFile(backup, "an older backup, longer than the file it is replaced by\r\n");
        QCOMPARE(BackupCopy::makeBackup(path), QString());
        QCOMPARE(readFile(backup), content);
        QCOMPARE(readFile(path), content);
    }

    void backupFailures_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << "missing"
                                      << "Cannot open file %1: the file does not exist.";
        // Deleting the old backup first would have deleted the question file.
        QTest::newRow("question file is a link to its backup")
            << "link"
            << "%1 and its backup copy %2 are the same file. Rename one of them before "
               "opening it.";
        QTest::newRow("read-only backup")
            << "read-only"
            << "Unable to make a backup copy of this file. A previous "
               "backup copy may be set to read only. You can check "
               "this in Explorer.";
        QTest::newRow("full disk")
            << "full"
            << "Unable to make a backup copy of this file.\r\n" + qt_error_string(EFBIG);
    }

    void backupFailures()
    {
        QFETCH(QString, setup);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("quiz.qus");
        const QString backup = dir.filePath("quiz.qbk");
        const QByteArray content = QByteArray(8192, 'q') + "\r\n";
        const QByteArray older = "an older backup\r\n";
        if (setup == "link") {
            writeFile(backup, content);
            QVERIFY(QFile::link(backup, path));
        } else if (setup != "missing") {
            writeFile(path, content);
            writeFile(backup, older);
        }
        if (setup == "read-only")
            QVERIFY(QFile::setPermissions(backup, QFile::ReadOwner));

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        if (setup == "full")
            limited.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const QString error = BackupCopy::makeBackup(path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(error, message.contains("%2") ? message.arg(path, backup) : message.arg(path));
        if (setup == "link")
            QCOMPARE(readFile(path), content);
        else if (setup != "missing")
            QCOMPARE(readFile(backup), older);
    }

    // Decoding never crashes or reads outside the line, whatever it is given.

    void hostileLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QByteArray>("question");
        QTest::addColumn<int>("level");

        QByteArray binary;
        for (int b = 0; b < 256; ++b) {
            if (b != '"')
                binary += char(b);
        }
        QTest::newRow("10 MB question")
            << full("C1", "1", "A", "Gen. 1:1", QByteArray(10 << 20, 'x')) << QString()
            << QByteArray(90, 'x') << 0;
        QTest::newRow("NUL bytes in fields")
            << full("C1", "1", "A", QByteArray("Gen.\0 1:1", 9), QByteArray("a\0b", 3)) << QString()
            << QByteArray("a\0b", 3) << 0;
        QTest::newRow("binary without quotes")
            << binary << QString() << QByteArray("previous question") << 3;
        QTest::newRow("quotes only")
            << QByteArray(2001, '"') << QString("'' is not a valid integer value")
            << QByteArray("previous question") << 3;
    }

    void hostileLines()
    {
        decodeWithoutCrash();
    }

    // Each row is an input that once broke the decoder, with what it found.
    void inputsThatOnceBroke_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QByteArray>("question");
        QTest::addColumn<int>("level");

        // fuzz_decode_line: level - 1 overflowed 32 bits before it was cut to 16.
        QTest::newRow("smallest level, as found")
            << QByteArray("\"C40\",\"-2147483648\"C-\"2\",h witthoutr works is?\"\r") << QString()
            << QByteArray("previous question") << -1;
        QTest::newRow("smallest level in a full line")
            << full("C1", "-2147483648", "A", "Gen. 1:1", "Q") << QString() << QByteArray("Q")
            << -1;
    }

    void inputsThatOnceBroke()
    {
        decodeWithoutCrash();
    }

private:
    void decodeWithoutCrash()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, error);
        QuestionRecord record = previousRecord();
        QString thrown;
        try {
            DecodeQuestionLine(line, record, DecodeMode::Full);
        } catch (const QvedError& e) {
            thrown = e.message();
        }
        QCOMPARE(thrown, error);
        QTEST(bytes(record.Question.view()), "question");
        QTEST(int(record.Level), "level");
    }
};

QTEST_GUILESS_MAIN(ModelTest)
#include "ModelTest.moc"
