// SPDX-License-Identifier: GPL-2.0-or-later
// Workbooks both ways: the export read back field for field, Kahoot!'s
// layout cell by cell, workbooks made here by hand (shared strings, runs,
// gaps, a first sheet that is not sheet1.xml), and the files a reader must
// refuse with a message: no ZIP, a ZIP bomb, entities, damaged parts.
#include "KahootFormat.h"
#include "QuestionRecord.h"
#include "XlsxFormat.h"
#include "XlsxSheetReader.h"

#include <QBuffer>
#include <QtTest>
#include <csignal>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>
#include <sys/resource.h>

using Parts = QList<std::pair<QString, QByteArray>>;
Q_DECLARE_METATYPE(QuestionRecord)

namespace {

QuestionRecord record(int book, int level, int correct, QByteArrayView reference,
                      QByteArrayView question, std::array<QByteArrayView, 4> answers)
{
    QuestionRecord r;
    r.Book = qint16(book);
    r.Level = qint16(level);
    r.Correct = qint16(correct);
    r.Reference.assign(reference);
    r.Question.assign(question);
    r.AnswerA.assign(answers[0]);
    r.AnswerB.assign(answers[1]);
    r.AnswerC.assign(answers[2]);
    r.AnswerD.assign(answers[3]);
    return r;
}

QByteArray zip(const Parts& parts)
{
    QBuffer buffer;
    QuaZip archive(&buffer);
    if (!archive.open(QuaZip::mdCreate))
        return {};
    for (const auto& [name, content] : parts) {
        QuaZipFile file(&archive);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(name)) ||
            file.write(content) != content.size())
            return {};
        file.close();
    }
    archive.close();
    return buffer.data();
}

const QByteArray workbookXml =
    R"(<?xml version="1.0" encoding="UTF-8"?>)"
    R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
    R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets></workbook>)";

QByteArray relationships(const QByteArray& entries)
{
    return R"(<?xml version="1.0" encoding="UTF-8"?><Relationships )"
           R"(xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)" +
           entries + "</Relationships>";
}

const QByteArray rootRels = relationships(
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/)"
    R"(relationships/officeDocument" Target="xl/workbook.xml"/>)");

const QByteArray bookRels = relationships(
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/)"
    R"(relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/)"
    R"(relationships/sharedStrings" Target="sharedStrings.xml"/>)");

QByteArray sheetXml(const QByteArray& rows)
{
    return R"(<?xml version="1.0" encoding="UTF-8"?><worksheet )"
           R"(xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)" +
           rows + "</sheetData></worksheet>";
}

QByteArray stringsXml(const QByteArray& items, const QByteArray& prolog = {})
{
    return R"(<?xml version="1.0" encoding="UTF-8"?>)" + prolog +
           R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)" + items +
           "</sst>";
}

// A workbook of one sheet, with a shared strings part when strings is given.
QByteArray book(const QByteArray& rows, const QByteArray& strings = {})
{
    Parts parts{{"_rels/.rels", rootRels},
                {"xl/workbook.xml", workbookXml},
                {"xl/_rels/workbook.xml.rels", bookRels},
                {"xl/worksheets/sheet1.xml", sheetXml(rows)}};
    if (!strings.isEmpty())
        parts.append({"xl/sharedStrings.xml", strings});
    return zip(parts);
}

// The sheet part of a ZIP bomb: megabytes of zeros pack into a few kilobytes.
QByteArray bomb()
{
    return book("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>" + QByteArray(20 << 20, '0') +
                "</t></is></c></row>");
}

// The same bomb whose central directory claims its sheet is 100 bytes
// unpacked: the bound must hold whatever the header says.
QByteArray lyingBomb()
{
    QByteArray bytes = bomb();
    const char small[4] = {100, 0, 0, 0};
    for (qsizetype at = bytes.indexOf("PK\x01\x02"); at >= 0;
         at = bytes.indexOf("PK\x01\x02", at + 4)) {
        if (uchar(bytes[at + 27]) != 0 || uchar(bytes[at + 26]) != 0) // 64 KB or more: the sheet
            bytes.replace(at + 24, 4, small, 4);
    }
    return bytes;
}

QStringList cellsOf(std::initializer_list<const char*> cells)
{
    QStringList result;
    for (const char* cell : cells)
        result.append(QString::fromUtf8(cell));
    return result;
}

} // namespace

class XlsxTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void readsCells_data();
    void readsCells();
    void refuses_data();
    void refuses();
    void kahootLayout();
    void kahootLimits_data();
    void kahootLimits();
    void recognises_data();
    void recognises();
    void failingWrite_data();
    void failingWrite();
};

void XlsxTest::roundTrip_data()
{
    QTest::addColumn<QuestionRecord>("question");
    // What the import reads back, written out by hand: question, answers A
    // to D, correct, reference, book and level.
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("tabs, braces and GIFT marks")
        << record(0, 2, 1, "1:1", "Who {made}\tthe heavens?", {"~God", "=Adam", "#Eve", "a:b"})
        << QStringList{"Who {made}\tthe heavens?",
                       "~God",
                       "=Adam",
                       "#Eve",
                       "a:b",
                       "B",
                       "1:1",
                       "Gen.",
                       "Triple"};
    QTest::newRow("markup and ampersands")
        << record(39, 0, 3, "5:3", "<b>Blessed</b> are the &amp; poor & meek",
                  {"<i>", "a<b", "x>y", "&lt;"})
        << QStringList{"<b>Blessed</b> are the &amp; poor & meek",
                       "<i>",
                       "a<b",
                       "x>y",
                       "&lt;",
                       "D",
                       "5:3",
                       "Matt.",
                       "Single"};
    QTest::newRow("accents and typographic quotes")
        << record(18, 3, 0, "23:1", "\x93The L\xd3RD\x94 is my shepherd\x85 \x91na\xefve\x92",
                  {"\xe9l\xe8ve", "\x80 5",
                   "Stra\xdf"
                   "e",
                   "\x96\x97"})
        << QStringList{"“The LÓRD” is my shepherd… ‘naïve’",
                       "élève",
                       "€ 5",
                       "Straße",
                       "–—",
                       "A",
                       "23:1",
                       "Ps.",
                       "Home Run"};
    // Once read back as "A" and "_": a sheet's own escapes.
    QTest::newRow("text that looks like a sheet escape")
        << record(0, 1, 2, "1:2", "_x0041_ and _x005F_x0041_", {"_x", "_x12_", "__x0009__", "d"})
        << QStringList{"_x0041_ and _x005F_x0041_",
                       "_x",
                       "_x12_",
                       "__x0009__",
                       "d",
                       "C",
                       "1:2",
                       "Gen.",
                       "Double"};
    QTest::newRow("control character and spaces at the ends")
        << record(1, 0, 0, "3:14", "  I AM\x01 ", {" a", "b ", "  ", "d"})
        << QStringList{"  I AM\x01 ", " a", "b ", "  ", "d", "A", "3:14", "Ex.", "Single"};
    // Texts a spreadsheet would take for numbers keep their zeros and dots.
    QTest::newRow("texts that look like numbers")
        << record(66, 0, 3, "12", "007", {"1E3", "2.50", "-0", "1,000"})
        << QStringList{"007", "1E3", "2.50", "-0", "1,000", "D", "12", "Ctsm.", "Single"};
    QTest::newRow("empty answers")
        << record(67, 1, 0, "", "Which?", {"one", "", "", ""})
        << QStringList{"Which?", "one", "", "", "", "A", "", "Othr.", "Double"};
}

void XlsxTest::roundTrip()
{
    QFETCH(QuestionRecord, question);
    QFETCH(QStringList, expected);
    const XlsxFormat format;
    QString error;
    QStringList notes;
    const QList<QuestionRecord> questions{record(0, 0, 0, "1:1", "First", {"a", "b", "c", "d"}),
                                          question};
    const QByteArray bytes = format.write(questions, &error, &notes);
    QVERIFY2(!bytes.isEmpty(), qPrintable(error));
    QVERIFY(notes.isEmpty());

    const FormatReadResult read = format.read(bytes);
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    QVERIFY(read.tabular);
    QCOMPARE(read.table.rows.value(0),
             cellsOf({"number", "CanonicalNbr", "Book", "BookAbbreviation", "Level", "Correct",
                      "Reference", "Question", "AnswerA", "AnswerB", "AnswerC", "AnswerD",
                      "Deleted", "error"}));
    QCOMPARE(read.rows.size(), 2);
    const ImportRow& row = read.rows.at(1);
    QCOMPARE(row.place, QStringLiteral("row 3"));
    const QStringList got{row.question,
                          row.answers.value(0),
                          row.answers.value(1),
                          row.answers.value(2),
                          row.answers.value(3),
                          row.correct,
                          row.reference,
                          row.book,
                          row.level};
    QCOMPARE(got, expected);
    QCOMPARE(row.answers.size(), 4);
}

void XlsxTest::readsCells_data()
{
    QTest::addColumn<QByteArray>("workbook");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QStringList>("places");

    QTest::newRow("shared strings with runs, phonetics and gaps")
        << book(
               R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="C1" t="s"><v>1</v></c></row>)"
               R"(<row r="4"><c r="B4" t="s"><v>2</v></c></row>)",
               stringsXml(
                   R"(<si><t>plain</t></si>)"
                   R"(<si><r><t>bo</t></r><r><rPr><b/></rPr><t xml:space="preserve">ld </t></r></si>)"
                   R"(<si><t>ja</t><rPh sb="0" eb="1"><t>PHONETIC</t></rPh></si>)"))
        << QList<QStringList>{{"plain", "", "bold "}, {"", "ja"}} << QStringList{"row 1", "row 4"};
    QTest::newRow("numbers, booleans and formula texts")
        << book(
               R"(<row r="2"><c r="A2"><v>20</v></c><c r="B2"><v>2.5</v></c>)"
               R"(<c r="C2"><v>1E+1</v></c><c r="D2" t="n"><v>-3.0</v></c>)"
               R"(<c r="E2" t="b"><v>1</v></c><c r="F2" t="str"><f>A2</f><v>x_x0009_y</v></c></row>)")
        << QList<QStringList>{{"20", "2.5", "10", "-3", "TRUE", "x\ty"}} << QStringList{"row 2"};
    QTest::newRow("inline strings, escapes and an empty row")
        << book(
               R"(<row r="1"><c r="A1" t="inlineStr"><is><t></t></is></c></row>)"
               R"(<row r="2"><c r="B2" t="inlineStr"><is><t>a_x000D_b &amp; &lt;c&gt;</t></is></c></row>)")
        << QList<QStringList>{{"", "a\rb & <c>"}} << QStringList{"row 2"};
    QTest::newRow("cells and rows without references")
        << book(
               R"(<row><c t="inlineStr"><is><t>x</t></is></c><c t="inlineStr"><is><t>y</t></is></c></row>)"
               R"(<row><c r="AA2"><v>7</v></c></row>)")
        << QList<QStringList>{{"x", "y"}, QStringList(26, QString()) << "7"}
        << QStringList{"row 1", "row 2"};

    // The first sheet is the workbook's first, whatever its part is called.
    const QByteArray twoSheets =
        R"(<?xml version="1.0" encoding="UTF-8"?>)"
        R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
        R"(xmlns:rel="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets>)"
        R"(<sheet name="Questions" sheetId="2" rel:id="rId7"/><sheet name="Old" sheetId="1" rel:id="rId1"/>)"
        R"(</sheets></workbook>)";
    const QByteArray twoRels = relationships(
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/)"
        R"(relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
        R"(<Relationship Id="rId7" Type="http://schemas.openxmlformats.org/officeDocument/2006/)"
        R"(relationships/worksheet" Target="/data/questions.xml"/>)");
    const QByteArray root = relationships(
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/)"
        R"(relationships/officeDocument" Target="data/book.xml"/>)");
    QTest::newRow("first sheet in a part of another name")
        << zip({{"_rels/.rels", root},
                {"data/book.xml", twoSheets},
                {"data/_rels/book.xml.rels", twoRels},
                {"data/worksheets/sheet1.xml",
                 sheetXml(R"(<row r="1"><c r="A1" t="inlineStr"><is><t>old</t></is></c></row>)")},
                {"data/questions.xml",
                 sheetXml(R"(<row r="3"><c r="B3" t="inlineStr"><is><t>new</t></is></c></row>)")}})
        << QList<QStringList>{{"", "new"}} << QStringList{"row 3"};
}

void XlsxTest::readsCells()
{
    QFETCH(QByteArray, workbook);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QStringList, places);
    QString error;
    const SourceTable table = XlsxSheetReader::read(workbook, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(table.rows, rows);
    QCOMPARE(table.places, places);
}

void XlsxTest::refuses_data()
{
    QTest::addColumn<QByteArray>("workbook");
    QTest::addColumn<QString>("reason");

    QTest::newRow("a CSV file named .xlsx")
        << QByteArray("Question,A,B\r\nWho?,x,y\r\n") << "not a ZIP archive";
    const QByteArray whole = book(R"(<row r="1"><c r="A1"><v>1</v></c></row>)");
    QTest::newRow("a workbook cut short") << whole.left(whole.size() / 2) << "not a ZIP archive";
    QTest::newRow("a ZIP bomb") << bomb() << "ZIP bomb";
    QTest::newRow("a ZIP bomb that lies about its size")
        << lyingBomb() << "sheet1.xml of the workbook is not well-formed";
    QTest::newRow("an entity in the shared strings")
        << book(R"(<row r="1"><c r="A1" t="s"><v>0</v></c></row>)",
                stringsXml("<si><t>&q;</t></si>", R"(<!DOCTYPE sst [<!ENTITY q "quiz">]>)"))
        << "declares a document type";
    QTest::newRow("an external entity")
        << book(R"(<row r="1"><c r="A1" t="s"><v>0</v></c></row>)",
                stringsXml("<si><t>&x;</t></si>",
                           R"(<!DOCTYPE sst [<!ENTITY x SYSTEM "file:///etc/passwd">]>)"))
        << "declares a document type";
    QTest::newRow("entities that expand without end")
        << zip({{"_rels/.rels", rootRels},
                {"xl/workbook.xml",
                 R"(<?xml version="1.0"?><!DOCTYPE w [<!ENTITY a "aaaaaaaaaa">)"
                 R"(<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;"><!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;">]>)"
                 "<workbook>&c;</workbook>"}})
        << "declares a document type";
    QTest::newRow("an entity never declared")
        << book(R"(<row r="1"><c r="A1" t="inlineStr"><is><t>&nbsp;</t></is></c></row>)")
        << "not well-formed XML";
    QTest::newRow("a shared text the workbook lacks")
        << book(R"(<row r="1"><c r="A1" t="s"><v>1</v></c></row>)",
                stringsXml("<si><t>only</t></si>"))
        << "cell A1 names a shared text";
    QTest::newRow("a column past the last")
        << book(R"(<row r="1"><c r="XFE1"><v>1</v></c></row>)") << "outside the sheet's columns";
    QTest::newRow("a workbook without sheets")
        << zip({{"_rels/.rels", rootRels}, {"xl/workbook.xml", "<workbook><sheets/></workbook>"}})
        << "names no sheet";
}

void XlsxTest::refuses()
{
    QFETCH(QByteArray, workbook);
    QFETCH(QString, reason);
    const FormatReadResult read = XlsxFormat().read(workbook);
    QVERIFY2(read.error.contains(reason), qPrintable(read.error));
    QVERIFY(read.rows.isEmpty());
    QVERIFY(read.table.rows.isEmpty());
    QVERIFY(!KahootFormat().read(workbook).error.isEmpty());
}

void XlsxTest::kahootLayout()
{
    const QList<QuestionRecord> questions{
        record(0, 0, 2, "1:1", "Who made the \x93heavens\x94?", {"Moses", "Adam", "God", "Eve"}),
        record(42, 3, 3, "3:16", "God so loved the...", {"law", "land", "", "world"})};
    QString error;
    QStringList notes;
    const QByteArray bytes = KahootFormat().write(questions, &error, &notes);
    QVERIFY2(!bytes.isEmpty(), qPrintable(error));
    QVERIFY(notes.isEmpty());

    QList<int> numbers;
    const SourceTable sheet = XlsxSheetReader::read(bytes, &error, &numbers);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(numbers, (QList<int>{1, 2, 3, 7, 8, 9}));
    const QList<QStringList> expected{
        {"", "Kahoot! quiz"},
        {"", "2 questions from a question bank."},
        {"", "From row 8: the question in B, the four answers in C to F, the time limit in "
             "seconds in G, the number of the right answer in H."},
        {"No.", "Question (up to 120 characters)", "Answer 1 (up to 75 characters)",
         "Answer 2 (up to 75 characters)", "Answer 3 (up to 75 characters)",
         "Answer 4 (up to 75 characters)", "Time limit (seconds)", "Correct answer (1-4)"},
        cellsOf({"1", "Who made the “heavens”?", "Moses", "Adam", "God", "Eve", "20", "3"}),
        {"2", "God so loved the...", "law", "land", "", "world", "20", "4"}};
    QCOMPARE(sheet.rows, expected);

    // A sheet taken for a general workbook still reads as Kahoot's.
    for (const FormatReadResult& read : {KahootFormat().read(bytes), XlsxFormat().read(bytes)}) {
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.rows.size(), 2);
        QCOMPARE(read.rows[1].place, QStringLiteral("row 9"));
        QCOMPARE(read.rows[1].question, QStringLiteral("God so loved the..."));
        QCOMPARE(read.rows[1].answers, (QStringList{"law", "land", "", "world"}));
        QCOMPARE(read.rows[1].correct, QStringLiteral("4"));
    }
}

void XlsxTest::kahootLimits_data()
{
    QTest::addColumn<QList<QuestionRecord>>("questions");
    QTest::addColumn<QStringList>("noted"); // one fragment a note, in order

    const QByteArray q90(90, 'q');
    const QByteArray a75(75, 'a');
    const QByteArray a76(76, 'b');
    const QByteArray a90(90, 'c');
    QTest::newRow("at the limits")
        << QList<QuestionRecord>{record(0, 0, 0, "1:1", q90, {a75, a75, a75, a75})}
        << QStringList{};
    QTest::newRow("one character over")
        << QList<QuestionRecord>{record(0, 0, 0, "1:1", "Q", {"a", a76, "c", "d"})}
        << QStringList{"question 1 (row 8): answer 2 has 76 characters, Kahoot! takes 75"};
    QTest::newRow("two answers of a later question")
        << QList<QuestionRecord>{record(0, 0, 0, "1:1", "Q", {"a", "b", "c", "d"}),
                                 record(0, 0, 0, "1:2", "R", {a90, "b", "c", a90})}
        << QStringList{"question 2 (row 9): answer 1 has 90 characters",
                       "question 2 (row 9): answer 4 has 90 characters"};
}

void XlsxTest::kahootLimits()
{
    QFETCH(QList<QuestionRecord>, questions);
    QFETCH(QStringList, noted);
    QString error;
    QStringList notes;
    const QByteArray bytes = KahootFormat().write(questions, &error, &notes);
    QVERIFY2(!bytes.isEmpty(), qPrintable(error));
    QCOMPARE(notes.size(), noted.size());
    for (qsizetype i = 0; i < noted.size(); ++i)
        QVERIFY2(notes[i].contains(noted[i]), qPrintable(notes[i]));
    // Every question is kept, its long texts whole.
    const FormatReadResult read = KahootFormat().read(bytes);
    QCOMPARE(read.rows.size(), questions.size());
    const QuestionRecord& last = questions.last();
    QCOMPARE(read.rows.last().answers, (QStringList{QString::fromLatin1(last.AnswerA.view()),
                                                    QString::fromLatin1(last.AnswerB.view()),
                                                    QString::fromLatin1(last.AnswerC.view()),
                                                    QString::fromLatin1(last.AnswerD.view())}));
}

void XlsxTest::recognises_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("xlsx");
    QTest::addColumn<bool>("kahoot");

    const QList<QuestionRecord> questions{record(0, 0, 0, "1:1", "Q", {"a", "b", "c", "d"})};
    QString error;
    QStringList notes;
    QTest::newRow("the xlsx export")
        << XlsxFormat().write(questions, &error, &notes) << true << false;
    QTest::newRow("the kahoot export")
        << KahootFormat().write(questions, &error, &notes) << true << true;
    QTest::newRow("a workbook with Kahoot's names a row too high")
        << book(R"(<row r="6"><c r="B6" t="inlineStr"><is><t>Question</t></is></c>)"
                R"(<c r="C6" t="inlineStr"><is><t>Answer 1</t></is></c></row>)")
        << true << false;
    QTest::newRow("a word processor's document")
        << zip({{"word/document.xml", "<document/>"}}) << false << false;
    QTest::newRow("CSV") << QByteArray("Question,A\r\nWho?,x\r\n") << false << false;
}

void XlsxTest::recognises()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, xlsx);
    QFETCH(bool, kahoot);
    QCOMPARE(XlsxFormat().recognises(bytes), xlsx);
    QCOMPARE(KahootFormat().recognises(bytes), kahoot);
}

void XlsxTest::failingWrite_data()
{
    QTest::addColumn<bool>("kahoot");
    QTest::addColumn<int>("limit"); // bytes any file may grow to
    QTest::addColumn<QString>("reason");

    // A small limit stops the archive itself; a larger one only the
    // temporary file of the sheet's rows, which libxlsxwriter does not check.
    QTest::newRow("xlsx, the archive") << false << 4096 << "cannot be completed";
    QTest::newRow("xlsx, the rows") << false << 60000 << "cut short";
    QTest::newRow("kahoot, the rows") << true << 60000 << "cut short";
}

void XlsxTest::failingWrite()
{
    QFETCH(bool, kahoot);
    QFETCH(int, limit);
    QFETCH(QString, reason);
    QList<QuestionRecord> questions;
    for (int i = 0; i < 3000; ++i)
        questions.append(record(i % 66, i % 4, i % 4, QByteArray::number(i) + ":1",
                                "Question " + QByteArray::number(i * 7919),
                                {"first answer", "second", "third", "fourth"}));
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = rlim_t(limit);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    QString error;
    QStringList notes;
    const QByteArray bytes = kahoot ? KahootFormat().write(questions, &error, &notes)
                                    : XlsxFormat().write(questions, &error, &notes);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY(bytes.isEmpty());
    QVERIFY2(error.contains(reason), qPrintable(error));
}

QTEST_GUILESS_MAIN(XlsxTest)
#include "tst_xlsx.moc"
