// SPDX-License-Identifier: GPL-2.0-or-later
#include "BookTable.h"
#include "BuilderLibrary.h"
#include "ColumnRoles.h"
#include "DelimitedText.h"
#include "ImportRowChecker.h"
#include "InterchangeFormats.h"
#include "QuestionFormat.h"
#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "QuestionRecord.h"
#include "QvedError.h"
#include "RowChecks.h"
#include "ValidationTable.h"
#include "Windows1252.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ImportRow)

namespace {

ImportRow row(const QString& question, const QStringList& answers, const QString& correct,
              const QString& reference, const QString& level = QStringLiteral("Single"))
{
    ImportRow result;
    result.place = QStringLiteral("line 2");
    result.question = question;
    result.answers = answers;
    result.correct = correct;
    result.reference = reference;
    result.level = level;
    return result;
}

const QStringList abcd{QStringLiteral("Adam"), QStringLiteral("Eve"), QStringLiteral("Cain"),
                       QStringLiteral("Abel")};

QList<QuestionRecord> recordsOf(const QByteArray& content)
{
    QList<QuestionRecord> records;
    for (const QByteArray& line : content.split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        QuestionRecord record;
        DecodeQuestionLine(line.trimmed(), record, DecodeMode::Full);
        records.append(record);
    }
    return records;
}

} // namespace

class InterchangeTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tableFolder;
    ValidationTable m_table;

    // The question lines a source gives, each checked; refusals and
    // problems as "PLACE: reason".
    QByteArrayList imported(const QString& format, const QByteArray& source,
                            QStringList* refused = nullptr, ImportDefaults defaults = {})
    {
        const FormatReadResult read = InterchangeFormats::byName(format)->read(source);
        if (refused) {
            *refused = read.problems;
            if (!read.error.isEmpty())
                refused->append(read.error);
        }
        const ImportRowChecker checker(m_table, defaults);
        QByteArrayList lines;
        for (const ImportedQuestion& question : RowChecks::checkAll(read.rows, checker)) {
            if (question.status == ImportStatus::Refused && refused)
                refused->append(question.place + QStringLiteral(": ") + question.notes.join(u';'));
            else
                lines.append(question.line);
        }
        return lines;
    }

    // A bank of generated questions holding every character a question
    // file may hold that the formats give a meaning.
    QByteArray generatedBank(quint32 seed, int count)
    {
        static const QString pool = QStringLiteral(
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789      \t{}~=#:\\<b>&;,"
            "'()[]/?!.\u00E9\u00E8\u00FC\u00F1\u201C\u201D\u2018\u2019\u2013\u2014\u2026");
        QRandomGenerator random(seed);
        auto text = [&](int most) {
            QString result;
            while (result.trimmed().isEmpty()) {
                result.clear();
                const int length = 1 + int(random.bounded(most));
                for (int i = 0; i < length; ++i)
                    result += pool[int(random.bounded(pool.size()))];
                result = result.trimmed();
            }
            return Windows1252::fromUnicode(result);
        };
        QByteArray content;
        for (int index = 0; index < count; ++index) {
            const int book = int(random.bounded(BookCount));
            QByteArray reference;
            if (IsBibleBook(book)) {
                const int chapter = 1 + int(random.bounded(int(m_table.ChapterCount(book))));
                const int verse = 1 + int(random.bounded(int(m_table.VerseCount(book, chapter))));
                reference = QByteArray::number(chapter) + ':' + QByteArray::number(verse);
            } else {
                reference = text(25);
            }
            content +=
                EncodeQuestionLine(book, int(random.bounded(4)), int(random.bounded(4)), reference,
                                   text(90), text(90), text(90), text(90), text(90)) +
                "\r\n";
        }
        return content;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tableFolder.isValid());
        QCOMPARE(m_table.LoadValTable(QDir::toNativeSeparators(m_tableFolder.path() + u'/'),
                                      BuilderLibrary()),
                 ValidationTable::LoadOutcome::Loaded);
    }

    void delimitedCells_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("place");
        QTest::newRow("utf-8 with a byte-order mark")
            << QByteArray("\xEF\xBB\xBFQuestion,A\r\ncaf\xC3\xA9,b\r\n")
            << QStringList{"caf\u00E9", "b"} << "line 2";
        QTest::newRow("windows-1252 found")
            << QByteArray("Question,A\ncaf\xE9 \x93x\x94,b\n")
            << QStringList{"caf\u00E9 \u201Cx\u201D", "b"} << "line 2";
        QTest::newRow("semicolons, commas inside") << QByteArray("Question;A\r\nOne, two;b\r\n")
                                                   << QStringList{"One, two", "b"} << "line 2";
        QTest::newRow("quoted separator, doubled quotes and a break")
            << QByteArray("Question,A\r\n\"a,\"\"b\"\"\r\nc\",d\r\n")
            << QStringList{"a,\"b\"\r\nc", "d"} << "line 2";
        QTest::newRow("utf-16 as spreadsheets save unicode text")
            << QByteArray("\xFF\xFEQ\0,\0A\0\n\0x\0,\0\xE9\0\n\0", 18) << QStringList{"x", "\u00E9"}
            << "line 2";
    }
    void delimitedCells()
    {
        QFETCH(QByteArray, source);
        QFETCH(QStringList, cells);
        QFETCH(QString, place);
        QString error;
        const SourceTable table = DelimitedText::read(source, 0, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(table.rows.size(), 2);
        QCOMPARE(table.rows[1], cells);
        QCOMPARE(table.places[1], place);
    }

    // The record after a field with line breaks is placed by its own line.
    void placeAfterBreaks()
    {
        QString error;
        const SourceTable table = DelimitedText::read("Question\n\"a\nb\nc\"\nsecond\n", 0, &error);
        QCOMPARE(table.places, (QList<QString>{"line 1", "line 2", "line 5"}));
    }

    void headerRoles_data()
    {
        using R = ColumnRole;
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<QList<ColumnRole>>("roles");
        QTest::addColumn<bool>("recognised");
        QTest::newRow("the export's own")
            << QString("number,CanonicalNbr,Book,BookAbbreviation,Level,Correct,Reference,"
                       "Question,AnswerA,AnswerB,AnswerC,AnswerD,Deleted,error")
                   .split(u',')
            << QList<R>{R::Ignored, R::Ignored,   R::Ignored,  R::Book,    R::Level,
                        R::Correct, R::Reference, R::Question, R::AnswerA, R::AnswerB,
                        R::AnswerC, R::AnswerD,   R::Ignored,  R::Ignored}
            << true;
        QTest::newRow("letters, spaces and case")
            << QStringList{" QUESTION ", "a", "B", "c", "D", "Correct Answer", "Ref"}
            << QList<R>{R::Question, R::AnswerA, R::AnswerB,  R::AnswerC,
                        R::AnswerD,  R::Correct, R::Reference}
            << true;
        QTest::newRow("options, choices and punctuation")
            << QStringList{"Question", "Option 1", "Choice 2", "Answer_C",
                           "option-4", "Answer",   "Verse"}
            << QList<R>{R::Question, R::AnswerA, R::AnswerB,  R::AnswerC,
                        R::AnswerD,  R::Correct, R::Reference}
            << true;
        QTest::newRow("book, chapter and verse apart")
            << QStringList{"Question", "Book", "Chapter", "Verse", "Level"}
            << QList<R>{R::Question, R::Book, R::Chapter, R::Verse, R::Level} << true;
        QTest::newRow("data, not a header")
            << QStringList{"Who was first?", "Adam", "Eve"}
            << QList<R>{R::Ignored, R::Ignored, R::Ignored} << false;
    }
    void headerRoles()
    {
        QFETCH(QStringList, header);
        QFETCH(QList<ColumnRole>, roles);
        QFETCH(bool, recognised);
        bool found = !recognised;
        QCOMPARE(ColumnRoles::fromHeader(header, &found), roles);
        QCOMPARE(found, recognised);
    }

    // Without a header the author's roles read the rows.
    void rolesGivenByTheAuthor()
    {
        QString error;
        SourceTable table = DelimitedText::read("Gen 1:1;Who?;a;b;c;d;2\n", 0, &error);
        ColumnRoles::detectHeader(table);
        QVERIFY(!table.hasHeader);
        using R = ColumnRole;
        table.roles = {R::Reference, R::Question, R::AnswerA, R::AnswerB,
                       R::AnswerC,   R::AnswerD,  R::Correct};
        const QList<ImportRow> rows = ColumnRoles::rowsOf(table);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].reference, "Gen 1:1");
        QCOMPARE(rows[0].answers, (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(rows[0].correct, "2");
        QCOMPARE(rows[0].place, "line 1");
    }

    void checkRow_data()
    {
        QTest::addColumn<ImportRow>("input");
        QTest::addColumn<int>("defaultBook");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("line"); // when taken
        QTest::addColumn<QString>("note");    // a part of one note or reason
        const int ready = int(ImportStatus::Ready);
        const int changed = int(ImportStatus::Changed);
        const int refused = int(ImportStatus::Refused);
        QTest::newRow("letter")
            << row("Who?", abcd, "b", "Gen. 4:1") << -1 << false << ready
            << QByteArray(R"("C1","1","B","Gen. 4:1","Who?","Adam","Eve","Cain","Abel")") << "";
        QTest::newRow("number and level number")
            << row("Who?", abcd, "3", "Gen. 4:1", "4") << -1 << false << ready
            << QByteArray(R"("C1","4","C","Gen. 4:1","Who?","Adam","Eve","Cain","Abel")") << "";
        QTest::newRow("answer's text, any case")
            << row("Who?", abcd, " abel ", "Gen. 4:2", "home run") << -1 << false << ready
            << QByteArray(R"("C1","4","D","Gen. 4:2","Who?","Adam","Eve","Cain","Abel")") << "";
        QTest::newRow("full name stored as the abbreviation")
            << row("Who?", abcd, "A", "Exodus 3:10") << -1 << false << ready
            << QByteArray(R"("C2","1","A","Ex. 3:10","Who?","Adam","Eve","Cain","Abel")") << "";
        QTest::newRow("roman numbered book")
            << row("Who?", abcd, "A", "I Samuel 3:4") << -1 << false << ready
            << QByteArray(R"("C9","1","A","1 Sam. 3:4","Who?","Adam","Eve","Cain","Abel")") << "";
        QTest::newRow("chapter and verse alone take the given book")
            << row("Who?", abcd, "A", "3:16") << 42 << false << ready
            << QByteArray(R"("C43","1","A","John 3:16","Who?","Adam","Eve","Cain","Abel")") << "";
        QTest::newRow("reference at the end in parentheses")
            << row("Who was first? (Gen. 2:7)", abcd, "A", "") << -1 << false << changed
            << QByteArray(R"("C1","1","A","Gen. 2:7","Who was first?","Adam","Eve","Cain","Abel")")
            << "(Gen. 2:7)";
        QTest::newRow("reference at the start in brackets")
            << row("[John 2:9] Who tasted it?", abcd, "A", "") << -1 << false << changed
            << QByteArray(R"("C43","1","A","John 2:9","Who tasted it?","Adam","Eve","Cain","Abel")")
            << "taken out";
        QTest::newRow("reference in running text stays")
            << row("According to John 3:16, who?", abcd, "A", "") << -1 << false << ready
            << QByteArray(R"("C43","1","A","John 3:16","According to John 3:16, who?","Adam",)"
                          R"("Eve","Cain","Abel")")
            << "";
        QTest::newRow("catechism reference kept whole")
            <<
            [] {
                ImportRow r = row("What is sin?", abcd, "A", "Shorter Cat. Q. 14");
                r.book = "Catechism";
                return r;
            }()
            << -1 << false << ready
            << QByteArray(
                   R"("C67","1","A","Shorter Cat. Q. 14","What is sin?","Adam","Eve","Cain","Abel")")
            << "";
        QTest::newRow("straight quotes become typographic")
            << row(R"(Who said "Let there be light"?)", abcd, "A", "Gen. 1:3") << -1 << false
            << changed
            << QByteArray("\"C1\",\"1\",\"A\",\"Gen. 1:3\",\"Who said \x93Let there be "
                          "light\x94?\",\"Adam\",\"Eve\",\"Cain\",\"Abel\"")
            << "typographic";
        QTest::newRow("line break becomes a space")
            << row("Who\r\nwas first?", abcd, "A", "Gen. 2:7") << -1 << false << changed
            << QByteArray(R"("C1","1","A","Gen. 2:7","Who was first?","Adam","Eve","Cain","Abel")")
            << "line break";
        QTest::newRow("unsupported character replaced")
            << row("Who was Mo\u0151?", abcd, "A", "Gen. 2:7") << -1 << true << changed
            << QByteArray(R"("C1","1","A","Gen. 2:7","Who was Moo?","Adam","Eve","Cain","Abel")")
            << "\u201C\u0151\u201D (U+0151) at character 11 was replaced by \u201Co\u201D";
        QTest::newRow("unsupported character refused")
            << row("Where \u2192 next?", abcd, "A", "Gen. 2:7") << -1 << false << refused
            << QByteArray() << "the question holds \u201C\u2192\u201D (U+2192) at character 7";
        QTest::newRow("91 characters")
            << row(QString(91, u'x'), abcd, "A", "Gen. 2:7") << -1 << false << refused
            << QByteArray() << "the question is 91 characters long";
        QTest::newRow("three answers")
            << row("Who?", abcd.first(3), "A", "Gen. 2:7") << -1 << false << refused << QByteArray()
            << "exactly four answers; it has 3";
        QTest::newRow("five answers")
            << row("Who?", abcd + QStringList{"Seth"}, "A", "Gen. 2:7") << -1 << false << refused
            << QByteArray() << "exactly four answers; it has 5";
        QTest::newRow("no right answer") << row("Who?", abcd, "", "Gen. 2:7") << -1 << false
                                         << refused << QByteArray() << "no right answer";
        QTest::newRow("right answer twice")
            << row("Who?", {"Adam", "adam", "Cain", "Abel"}, "Adam", "Gen. 2:7") << -1 << false
            << refused << QByteArray() << "more than one";
        QTest::newRow("empty answer")
            << row("Who?", {"Adam", "Eve", "", "Abel"}, "A", "Gen. 2:7") << -1 << false << refused
            << QByteArray() << "Answer C is empty";
        QTest::newRow("chapter the table refuses")
            << row("Who?", abcd, "A", "Gen. 51:1") << -1 << false << refused << QByteArray()
            << "Gen. does not have a chapter 51";
        QTest::newRow("verse the table refuses")
            << row("Who?", abcd, "A", "Jude 1:26") << -1 << false << refused << QByteArray()
            << "Invalid verse (26)";
        QTest::newRow("no reference anywhere")
            << row("Who?", abcd, "A", "") << -1 << false << refused << QByteArray()
            << "Reference location not specified";
        QTest::newRow("unknown level") << row("Who?", abcd, "A", "Gen. 2:7", "Bunt") << -1 << false
                                       << refused << QByteArray() << "the level \u201CBunt\u201D";
    }
    void checkRow()
    {
        QFETCH(ImportRow, input);
        QFETCH(int, defaultBook);
        QFETCH(bool, replace);
        QFETCH(int, status);
        QFETCH(QByteArray, line);
        QFETCH(QString, note);
        ImportDefaults defaults;
        defaults.book = defaultBook;
        defaults.replaceUnsupported = replace;
        const ImportedQuestion checked = ImportRowChecker(m_table, defaults).check(input);
        QCOMPARE(checked.place, "line 2");
        QCOMPARE(int(checked.status), status);
        QCOMPARE(checked.line, line);
        if (note.isEmpty())
            QVERIFY2(checked.notes.isEmpty(), qPrintable(checked.notes.join(u'|')));
        else
            QVERIFY2(checked.notes.join(u'|').contains(note), qPrintable(checked.notes.join(u'|')));
    }

    void textFormats_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QStringList>("refused");
        const QByteArray first =
            R"("C1","2","B","Gen. 2:7","Who {was} = first?","Adam","Eve ~ #1","Cain: x","Abel")";
        QTest::newRow("gift escapes, title, category, comments, feedback")
            << "gift"
            << QByteArray("// a comment\n$CATEGORY: Quiz/Genesis/Double\n\n"
                          "::Gen. 2\\:7::Who \\{was\\} \\= first?\n{\n ~Adam#not him\n"
                          " =Eve \\~ \\#1\n ~Cain\\: x\n ~%-25%Abel\n}\n")
            << QByteArrayList{first} << QStringList{};
        QTest::newRow("gift weights and a multi-line question")
            << "gift"
            << QByteArray("::q1::Who was\nfirst? (Gen. 2:7) {~Adam ~%100%Eve ~Cain ~Abel}\n")
            << QByteArrayList{R"("C1","1","B","Gen. 2:7","Who was first?","Adam","Eve","Cain","Abel")"}
            << QStringList{};
        QTest::newRow("gift refusals")
            << "gift"
            << QByteArray("Two right? (Gen. 1:1) {=a =b ~c ~d}\n\nTrue? {T}\n\n"
                          "Pairs {=a -> 1 =b -> 2 =c -> 3}\n")
            << QByteArrayList{}
            << QStringList{"line 1: it has more than one right answer",
                           "line 3: it is a true-false question, not multiple choice",
                           "line 5: it is a matching question, not multiple choice"};
        QTest::newRow("aiken with both letter forms")
            << "aiken"
            << QByteArray("Who was first? [Gen. 2:7]\nA. Adam\nB) Eve\nC. Cain\nD) Abel\n"
                          "ANSWER: A\n\nWho?\nA. x\nB. y\n")
            << QByteArrayList{R"("C1","1","A","Gen. 2:7","Who was first?","Adam","Eve","Cain","Abel")"}
            << QStringList{"line 8: no ANSWER line ends this question"};
        QTest::newRow("moodle html, entities, fractions and tags")
            << "moodle" << QByteArray(R"(<?xml version="1.0"?><quiz>
<question type="category"><category><text>$course$/Bible</text></category></question>
<question type="multichoice"><name><text>q1</text></name>
<questiontext format="html"><text><![CDATA[<p>Who was <b>first</b>&nbsp;&amp; &ldquo;made&rdquo;?</p>]]></text></questiontext>
<single>true</single>
<answer fraction="-33.3"><text>Adam</text></answer><answer fraction="100"><text>&amp;lt;Eve&amp;gt;</text></answer>
<answer fraction="0"><text>Cain</text></answer><answer fraction="0"><text>Abel</text></answer>
<tags><tag><text>Gen. 2:7</text></tag></tags></question>
<question type="multichoice"><name><text>q2</text></name><questiontext><text>Two?</text></questiontext>
<single>false</single><answer fraction="100"><text>a</text></answer></question>
<question type="truefalse"><name><text>q3</text></name></question></quiz>)")
            << QByteArrayList{"\"C1\",\"1\",\"B\",\"Gen. 2:7\",\"Who was first & \x93made\x94?\","
                              "\"Adam\",\"<Eve>\",\"Cain\",\"Abel\""}
            << QStringList{"question 2 \u201Cq2\u201D (line 9): it allows more than one answer to "
                           "be chosen",
                           "question 3 \u201Cq3\u201D (line 11): it is a truefalse question, not "
                           "multiple choice"};
    }
    void textFormats()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, source);
        QFETCH(QByteArrayList, lines);
        QFETCH(QStringList, refused);
        QStringList found;
        ImportDefaults defaults;
        defaults.level = 0;
        QCOMPARE(imported(format, source, &found, defaults), lines);
        QCOMPARE(found, refused);
    }

    void hostileSources_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("error");
        QTest::newRow("entity definitions")
            << "moodle"
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE quiz [<!ENTITY a \"aaaaaaaaaa\">"
                          "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]><quiz>&b;</quiz>")
            << "document type definition";
        QTest::newRow("external entity")
            << "moodle"
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE quiz SYSTEM \"file:///etc/passwd\">"
                          "<quiz/>")
            << "document type definition";
        QTest::newRow("xml cut short")
            << "moodle" << QByteArray("<?xml version=\"1.0\"?><quiz><question type=\"multi")
            << "line 1:";
        QTest::newRow("xml of another kind")
            << "moodle" << QByteArray("<?xml version=\"1.0\"?><html/>") << "not a Moodle quiz";
        QTest::newRow("binary junk named .csv")
            << "csv" << QByteArray("PK\x03\x04\0\0\x08\0junk", 12) << "NUL bytes";
        QTest::newRow("a quote never closed")
            << "csv" << QByteArray("Question,A\nx,\"never\n") << "line 2: a quoted field";
        QTest::newRow("binary junk as gift") << "gift"
                                             << QByteArray("\x7F"
                                                           "ELF\0\0\x01",
                                                           7)
                                             << "NUL bytes";
    }
    void hostileSources()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, source);
        QFETCH(QString, error);
        const FormatReadResult read = InterchangeFormats::byName(format)->read(source);
        QVERIFY2(read.error.contains(error), qPrintable(read.error));
        QVERIFY(read.rows.isEmpty());
        QVERIFY(read.problems.isEmpty());
    }

    // A file too large is refused before a byte of it is read.
    void hugeSource()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath("huge.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(2) << 30)); // sparse: no disk space taken
        file.close();
        QString error;
        QVERIFY(InterchangeFormats::readSource(file.fileName(), &error).isEmpty());
        QVERIFY2(error.contains("larger than 512 MiB"), qPrintable(error));
    }

    void detect_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QString>("format");
        QTest::newRow("question file named .csv")
            << "bank.csv" << QByteArray(R"("C1","1","A","Gen. 1:1","q","a","b","c","d")") << "qus";
        QTest::newRow("moodle named .txt")
            << "x.txt" << QByteArray("<?xml version=\"1.0\"?>\n<quiz>") << "moodle";
        QTest::newRow("gift") << "x.txt" << QByteArray("::t::Who? {=a ~b}") << "gift";
        QTest::newRow("aiken") << "x.txt" << QByteArray("Who?\nA. a\nB. b\nANSWER: A\n") << "aiken";
        QTest::newRow("tabs") << "x.txt" << QByteArray("Question\tA\tB\n") << "tsv";
        QTest::newRow("by suffix") << "x.tsv" << QByteArray("Question\n") << "tsv";
        QTest::newRow("semicolons") << "x" << QByteArray("Question;A;B\n") << "csv";
    }
    void detect()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, head);
        QFETCH(QString, format);
        const QuestionFormat* found = InterchangeFormats::detect(name, head);
        QVERIFY(found);
        QCOMPARE(found->name(), format);
    }

    // Export then import gives every field back exactly, for generated banks
    // and the sample.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("source");
        for (const char* format : {"csv", "tsv", "gift", "moodle", "qus"}) {
            QTest::addRow("%s generated", format) << QString::fromLatin1(format) << 0;
            QTest::addRow("%s sample", format) << QString::fromLatin1(format) << 1;
        }
    }
    void roundTrip()
    {
        QFETCH(QString, format);
        QFETCH(int, source);
        QByteArray content;
        if (source == 0) {
            content = generatedBank(20261210, 400);
        } else {
            QFile sample(qEnvironmentVariable("QVED_SOURCE_DIR") + "/samples/sample.qus");
            QVERIFY(sample.open(QIODevice::ReadOnly));
            content = sample.readAll();
        }
        QString error;
        QStringList notes;
        const QByteArray exported =
            InterchangeFormats::byName(format)->write(recordsOf(content), &error, &notes);
        QVERIFY(error.isEmpty());
        QStringList refused;
        const QByteArrayList lines = imported(format, exported, &refused);
        QCOMPARE(refused, QStringList());
        const QByteArrayList expected = content.trimmed().split('\n');
        QCOMPARE(lines.size(), expected.size());
        for (qsizetype index = 0; index < lines.size(); ++index)
            QCOMPARE(lines[index], expected[index].trimmed());
    }

    // The JSON and CSV exports as scripts have read them: a line that does
    // not decode keeps its number and message.
    void exportBytes_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("json")
            << "json"
            << QByteArray(
                   "[\n{\"number\": 1, \"CanonicalNbr\": \"C1\", \"Book\": 0, "
                   "\"BookAbbreviation\": "
                   "\"Gen.\", \"Level\": 0, \"Correct\": 1, \"Reference\": \"1:1\", \"Question\": "
                   "\"Tab\\u0009\\\\ \xE2\x80\x9Cq\xE2\x80\x9D\", \"AnswerA\": \"a\", \"AnswerB\": "
                   "\"b\", \"AnswerC\": \"c\", \"AnswerD\": \"d\", \"Deleted\": false},\n"
                   "{\"number\": 2, \"error\": \"'x' is not a valid integer value\"}\n]\n");
        QTest::newRow("csv")
            << "csv"
            << QByteArray("number,CanonicalNbr,Book,BookAbbreviation,Level,Correct,Reference,"
                          "Question,AnswerA,AnswerB,AnswerC,AnswerD,Deleted,error\r\n"
                          "1,C1,0,Gen.,0,1,1:1,Tab\t\\ \xE2\x80\x9Cq\xE2\x80\x9D,a,b,c,d,false,\r\n"
                          "2,,,,,,,,,,,,,'x' is not a valid integer value\r\n");
    }
    void exportBytes()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, expected);
        QuestionList list;
        QuestionRecord record;
        // The second line stops the read, as in the editor, and stays in the list.
        QVERIFY_THROWS_EXCEPTION(
            QvedError, list.fillFromContent(
                           "\"C1\",\"1\",\"B\",\"Gen. 1:1\",\"Tab\t\\ \x93q\x94\",\"a\",\"b\","
                           "\"c\",\"d\"\r\n\"C1\",\"x\",\"B\",\"Gen. 1:1\",\"q\",\"a\",\"b\","
                           "\"c\",\"d\"\r\n",
                           record, DecodeMode::QuestionOnly));
        QCOMPARE(list.count(), 2);
        QString error;
        QStringList notes;
        QCOMPARE(InterchangeFormats::byName(format)->writeLines(list, &error, &notes), expected);
        QVERIFY(notes.isEmpty());
    }
};

QTEST_GUILESS_MAIN(InterchangeTest)
#include "tst_interchange.moc"
