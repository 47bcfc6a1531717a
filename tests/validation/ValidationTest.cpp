// SPDX-License-Identifier: GPL-2.0-or-later
#include "BookTable.h"
#include "BuilderLibrary.h"
#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "QvedError.h"
#include "RecordChecks.h"
#include "TableLocations.h"
#include "ValidationTable.h"
#include "Windows1252.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Outcome = ValidationTable::LoadOutcome;

QString folderOf(const QTemporaryDir& dir)
{
    return dir.path() + u'/';
}

// Bytes whose 16-bit little-endian reading differs from any other order.
QByteArray pattern(qsizetype size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + seed) % 251);
    return bytes;
}

// A table a Bible could have: every book has 1 to 150 chapters, every
// chapter 0 to 176 verses; the seed makes each one different.
QByteArray plausibleTable(int seed)
{
    QByteArray bytes(ValidationTable::ByteSize, '\0');
    auto put = [&bytes](int row, int column, int value) {
        qToLittleEndian<qint16>(qint16(value), bytes.data() + (row * 152 + column) * 2);
    };
    for (int book = 0; book < 66; ++book) {
        put(0, book + 1, 1 + (book * 7 + seed) % 150);
        for (int chapter = 1; chapter < 152; ++chapter)
            put(book + 1, chapter, (book * 31 + chapter * 7 + seed) % 177);
    }
    return bytes;
}

// The plausible table with one count changed.
QByteArray withCount(int row, int column, qint16 value)
{
    QByteArray bytes = plausibleTable(7);
    qToLittleEndian<qint16>(value, bytes.data() + (row * 152 + column) * 2);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

// Three folders in lookup order: beside the program, installed, the
// user's own. Blocked folders lie beneath a plain file, so nobody can
// make or write them.
enum Folder
{
    Absent,
    Empty,
    HoldsTable,
    ReadOnlyTable,
    Blocked
};

// A stand-in for the builder library: records each call and writes the
// given bytes (nothing when they are null).
struct FakeBuilder
{
    QByteArray content;
    QByteArrayList calls;

    ValidationTable::Builder builder()
    {
        return [this](const QByteArray& folder) {
            calls += folder;
            if (!content.isNull())
                writeFile(QFile::decodeName(folder) + ValidationTable::FileName, content);
        };
    }
};

void compareWithPattern(const ValidationTable& table, const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    for (int row = 0; row < ValidationTable::Rows; ++row) {
        for (int column = 0; column < ValidationTable::Columns; ++column) {
            const int at = (row * ValidationTable::Columns + column) * 2;
            if (table.cell(row, column) != qFromLittleEndian<qint16>(data + at))
                QFAIL(qPrintable(QStringLiteral("row %1 column %2").arg(row).arg(column)));
        }
    }
}

PanelValues filledPanel(int book, const QString& reference)
{
    PanelValues panel;
    panel.book = book;
    panel.reference = reference;
    panel.validate = true;
    panel.level = 0;
    panel.correct = 0;
    panel.question = QStringLiteral("Who?");
    panel.answerA = QStringLiteral("a");
    panel.answerB = QStringLiteral("b");
    panel.answerC = QStringLiteral("c");
    panel.answerD = QStringLiteral("d");
    return panel;
}

QString report(const QStringList& lines)
{
    QString text = CheckReportHeading;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace

class ValidationTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_kjvFolder;
    ValidationTable m_kjv;

private slots:
    void initTestCase()
    {
        QVERIFY(m_kjvFolder.isValid());
        QCOMPARE(m_kjv.LoadValTable(folderOf(m_kjvFolder), BuilderLibrary()), Outcome::Loaded);
    }

    // Book table

    void bookTable()
    {
        const QByteArrayList expected = {
            "Gen.",   "Ex.",    "Lev.",    "Num.",    "Deut.",   "Josh.",  "Judg.",  "Ruth",
            "1 Sam.", "2 Sam.", "1 Kings", "2 Kings", "1 Chr.",  "2 Chr.", "Ezra",   "Neh.",
            "Est.",   "Job",    "Ps.",     "Prov.",   "Ecc.",    "Song.",  "Is.",    "Jer.",
            "Lam.",   "Ez.",    "Dan.",    "Hos.",    "Joel",    "Amos",   "Obad.",  "Jon.",
            "Mic.",   "Nah.",   "Hab.",    "Zeph.",   "Hag.",    "Zech.",  "Mal.",   "Matt.",
            "Mark",   "Luke",   "John",    "Acts",    "Rom.",    "1 Cor.", "2 Cor.", "Gal.",
            "Eph.",   "Phil.",  "Col.",    "1 Thes.", "2 Thes.", "1 Tim.", "2 Tim.", "Titus.",
            "Phle.",  "Heb.",   "James.",  "1 Peter", "2 Peter", "1 John", "2 John", "3 John",
            "Jude",   "Rev.",   "Ctsm.",   "Othr.",
        };
        QCOMPARE(BookCount, 68);
        QCOMPARE(expected.size(), BookCount);
        for (int i = 0; i < BookCount; ++i)
            QCOMPARE(BookAbbreviation(i).toByteArray(), expected[i]);
    }

    void bibleBooks_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("abbreviation");
        QTest::addColumn<bool>("bible");
        QTest::newRow("first") << 0 << QByteArray("Gen.") << true;
        QTest::newRow("John") << 42 << QByteArray("John") << true;
        QTest::newRow("1 John") << 61 << QByteArray("1 John") << true;
        QTest::newRow("2 John") << 62 << QByteArray("2 John") << true;
        QTest::newRow("3 John") << 63 << QByteArray("3 John") << true;
        QTest::newRow("last Bible book") << 65 << QByteArray("Rev.") << true;
        QTest::newRow("catechism") << 66 << QByteArray("Ctsm.") << false;
        QTest::newRow("other") << 67 << QByteArray("Othr.") << false;
    }

    void bibleBooks()
    {
        QFETCH(int, index);
        QTEST(BookAbbreviation(index).toByteArray(), "abbreviation");
        QTEST(IsBibleBook(index), "bible");
    }

    // Validation table loader

    void loadExistingFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Outcome>("outcome");
        const QByteArray table = plausibleTable(7);
        QTest::newRow("exact size") << table << Outcome::Loaded;
        QTest::newRow("one byte short") << table.first(20671) << Outcome::Damaged;
        QTest::newRow("one byte more") << table + '\0' << Outcome::Damaged;
        QTest::newRow("empty") << QByteArray() << Outcome::Damaged;
        QTest::newRow("all zero") << QByteArray(20672, '\0') << Outcome::Damaged;
        QTest::newRow("random bytes") << pattern(20672, 7) << Outcome::Damaged;
        QTest::newRow("Bible book without chapters") << withCount(0, 66, 0) << Outcome::Damaged;
        QTest::newRow("177 verses") << withCount(19, 119, 177) << Outcome::Damaged;
        QTest::newRow("176 verses") << withCount(19, 119, 176) << Outcome::Loaded;
        QTest::newRow("catechism without chapters") << withCount(0, 67, 0) << Outcome::Loaded;
    }

    void loadExistingFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Outcome, outcome);
        QTemporaryDir dir;
        writeFile(folderOf(dir) + ValidationTable::FileName, bytes);
        FakeBuilder fake;
        ValidationTable table;
        QCOMPARE(table.LoadValTable(folderOf(dir), fake.builder()), outcome);
        QVERIFY(fake.calls.isEmpty());
        QCOMPARE(table.ValidationTableLoaded(), outcome == Outcome::Loaded);
        if (outcome == Outcome::Loaded) {
            QVERIFY(ValidationTable::message(outcome).isEmpty());
            compareWithPattern(table, bytes);
        } else {
            QCOMPARE(ValidationTable::message(outcome),
                     QString("Error loading the validation table. "
                             "Validation functions will be inoperative."));
        }
    }

    void missingFileIsBuiltFirst_data()
    {
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("builder writes the table") << plausibleTable(3) << Outcome::Loaded;
        QTest::newRow("builder writes nothing") << QByteArray() << Outcome::UnableToLoad;
        QTest::newRow("builder writes too little") << pattern(100, 3) << Outcome::Damaged;
    }

    void missingFileIsBuiltFirst()
    {
        QFETCH(QByteArray, written);
        QFETCH(Outcome, outcome);
        QTemporaryDir dir;
        FakeBuilder fake;
        fake.content = written;
        ValidationTable table;
        QCOMPARE(table.LoadValTable(folderOf(dir), fake.builder()), outcome);
        QCOMPARE(fake.calls, QByteArrayList{QFile::encodeName(folderOf(dir))});
        QVERIFY(fake.calls.first().endsWith('/'));
        QCOMPARE(table.ValidationTableLoaded(), outcome == Outcome::Loaded);
        if (outcome == Outcome::Loaded)
            compareWithPattern(table, written);
        if (outcome == Outcome::UnableToLoad) {
            QCOMPARE(ValidationTable::message(outcome),
                     QString("Unable to load the validation table. "
                             "Validation functions will be inoperative."));
        }
    }

    void unreadableFile_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("a folder") << false;
        QTest::newRow("a FIFO, which would block the start-up") << true;
    }

    void unreadableFile()
    {
        QFETCH(bool, fifo);
        QTemporaryDir dir;
        const QString path = folderOf(dir) + ValidationTable::FileName;
        QVERIFY(fifo ? mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                     : QDir(dir.path()).mkdir(ValidationTable::FileName));
        FakeBuilder fake;
        ValidationTable table;
        QCOMPARE(table.LoadValTable(folderOf(dir), fake.builder()), Outcome::UnableToLoad);
        QVERIFY(fake.calls.isEmpty());
        QVERIFY(!table.ValidationTableLoaded());
    }

    void rebuildReplacesTheFile()
    {
        QTemporaryDir dir;
        const QByteArray oldBytes = plausibleTable(1);
        const QByteArray newBytes = plausibleTable(2);
        writeFile(folderOf(dir) + ValidationTable::FileName, oldBytes);
        FakeBuilder fake;
        fake.content = newBytes;
        ValidationTable table;
        QCOMPARE(table.LoadValTable(folderOf(dir), fake.builder()), Outcome::Loaded);
        QVERIFY(fake.calls.isEmpty());
        QCOMPARE(table.rebuild(folderOf(dir), fake.builder()), Outcome::Loaded);
        QCOMPARE(fake.calls.size(), 1);
        compareWithPattern(table, newBytes);
    }

    void failedRebuildTurnsValidationOff()
    {
        QTemporaryDir dir;
        writeFile(folderOf(dir) + ValidationTable::FileName, plausibleTable(1));
        FakeBuilder fake;
        ValidationTable table;
        QCOMPARE(table.LoadValTable(folderOf(dir), fake.builder()), Outcome::Loaded);
        QCOMPARE(table.rebuild(folderOf(dir), fake.builder()), Outcome::UnableToLoad);
        QCOMPARE(fake.calls.size(), 1);
        QVERIFY(!table.ValidationTableLoaded());
        QVERIFY(!QFile::exists(folderOf(dir) + ValidationTable::FileName));
        // With the table off, no chapter or verse is checked.
        QVERIFY(CheckRecord(filledPanel(0, "99:99"), table).passed);
    }

    void tableLocations_data()
    {
        QTest::addColumn<QList<int>>("folders");
        QTest::addColumn<int>("lookup");
        QTest::addColumn<bool>("userFolderMade"); // by the lookup
        QTest::addColumn<int>("rebuild");         // -1: none writable
        QTest::newRow("a portable folder comes first")
            << QList<int>{HoldsTable, HoldsTable, Empty} << 0 << false << 0;
        QTest::newRow("installed table, read-only; rebuilt in the user's folder")
            << QList<int>{Blocked, ReadOnlyTable, Absent} << 1 << false << 2;
        QTest::newRow("the user's table")
            << QList<int>{Blocked, Absent, HoldsTable} << 2 << false << 2;
        QTest::newRow("none anywhere: the user's folder is made for the builder")
            << QList<int>{Blocked, Absent, Absent} << 2 << true << 2;
        QTest::newRow("program folder writable, no table: the user's folder is made")
            << QList<int>{Empty, Absent, Absent} << 2 << true << 0;
        QTest::newRow("nowhere to write")
            << QList<int>{Blocked, Blocked, Blocked} << 2 << false << -1;
    }

    void tableLocations()
    {
        QFETCH(QList<int>, folders);
        QFETCH(int, lookup);
        QFETCH(bool, userFolderMade);
        QFETCH(int, rebuild);
        QTemporaryDir dir;
        writeFile(dir.filePath("file"), "not a folder");
        QStringList paths;
        const auto writableAgain = qScopeGuard([&paths] {
            for (const QString& path : paths)
                QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        for (int i = 0; i < folders.size(); ++i) {
            const QString name = QString::number(i);
            const QString path = (folders[i] == Blocked ? dir.filePath("file") : dir.path()) + u'/';
            paths << QDir::toNativeSeparators(path + name + u'/');
            if (folders[i] == Empty || folders[i] == HoldsTable || folders[i] == ReadOnlyTable)
                QVERIFY(QDir(dir.path()).mkdir(name));
            if (folders[i] == HoldsTable || folders[i] == ReadOnlyTable)
                writeFile(paths.last() + ValidationTable::FileName, plausibleTable(i));
            if (folders[i] == ReadOnlyTable)
                QVERIFY(QFile::setPermissions(paths.last(), QFile::ReadOwner | QFile::ExeOwner));
        }
        const TableLocations locations(paths);
        QCOMPARE(locations.lookupFolder(), paths[lookup]);
        QCOMPARE(QFileInfo(paths.last()).isDir(),
                 userFolderMade || (folders.last() != Absent && folders.last() != Blocked));
        if (folders.contains(ReadOnlyTable) && geteuid() == 0)
            QSKIP("Every folder can be written in by root.");
        QCOMPARE(locations.rebuildFolder(), rebuild < 0 ? QString() : paths[rebuild]);
    }

    void realBuilder_data()
    {
        QTest::addColumn<int>("book");
        QTest::addColumn<int>("chapters");
        QTest::addColumn<int>("chapter");
        QTest::addColumn<int>("verses");
        QTest::newRow("Genesis 50") << 0 << 50 << 50 << 26;
        QTest::newRow("Psalm 119") << 18 << 150 << 119 << 176;
        QTest::newRow("Joel 3") << 28 << 3 << 3 << 21;
        QTest::newRow("Malachi 4") << 38 << 4 << 4 << 6;
        QTest::newRow("3 John 1") << 63 << 1 << 1 << 14;
        QTest::newRow("Revelation 22") << 65 << 22 << 22 << 21;
    }

    void realBuilder()
    {
        QFETCH(int, book);
        QFETCH(int, chapter);
        QTEST(int(m_kjv.ChapterCount(book)), "chapters");
        QTEST(int(m_kjv.VerseCount(book, chapter)), "verses");
    }

    // Record checks

    void checkRecord_data()
    {
        QTest::addColumn<int>("book");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<bool>("validate");
        QTest::addColumn<QStringList>("lines");

        using L = QStringList;
        QTest::newRow("Gen. 50:26") << 0 << "50:26" << true << L{};
        QTest::newRow("Gen. 51") << 0 << "51" << true << L{"Gen. does not have a chapter 51"};
        QTest::newRow("Gen. 50:27") << 0 << "50:27" << true << L{"Invalid verse (27)"};
        QTest::newRow("Gen. 51:5 reads column 51")
            << 0 << "51:5" << true << L{"Gen. does not have a chapter 51", "Invalid verse (5)"};
        QTest::newRow("Gen. 3:4-40") << 0 << "3:4-40" << true << L{"Invalid verse (40)"};
        QTest::newRow("both verses of a range")
            << 0 << "3:30-40" << true << L{"Invalid verse (30)", "Invalid verse (40)"};
        QTest::newRow("Jude 2-3") << 64 << "2-3" << true
                                  << L{"Jude does not have a chapter 2",
                                       "Jude does not have a chapter 3"};
        QTest::newRow("range order not checked") << 0 << "5-3" << true << L{};
        QTest::newRow("converted value reported")
            << 0 << "0051" << true << L{"Gen. does not have a chapter 51"};
        QTest::newRow("hexadecimal chapter")
            << 0 << "0x33" << true << L{"Gen. does not have a chapter 51"};
        QTest::newRow("leading blanks convert") << 0 << " 3: 4- 5" << true << L{};
        QTest::newRow("zero passes") << 0 << "0:0" << true << L{};
        QTest::newRow("Ps. 119:176") << 18 << "119:176" << true << L{};
        QTest::newRow("Ps. 119:177") << 18 << "119:177" << true << L{"Invalid verse (177)"};
        QTest::newRow("3 John 1:15") << 63 << "1:15" << true << L{"Invalid verse (15)"};
        QTest::newRow("Othr. not validated") << 67 << "99:99" << true << L{};
        QTest::newRow("Ctsm. not validated") << 66 << "3:" << true << L{};
        QTest::newRow("validate off") << 0 << "99:99" << false << L{};
        QTest::newRow("validate off converts nothing") << 0 << "3:" << false << L{};
        QTest::newRow("no book with 99")
            << -1 << "99" << true << L{"Reference book not specified."};
        QTest::newRow("chapter above 16 bits")
            << 0 << "65586" << true << L{"Gen. does not have a chapter 65586"};
        QTest::newRow("verse above 16 bits")
            << 0 << "1:65537" << true << L{"Invalid verse (65537)"};
        QTest::newRow("Ps. 151 reads the row's last column")
            << 18 << "151:1" << true << L{"Ps. does not have a chapter 151", "Invalid verse (1)"};
        QTest::newRow("chapter 152 of the last book stays in its row")
            << 65 << "152:1" << true << L{"Rev. does not have a chapter 152"};
    }

    void checkRecord()
    {
        QFETCH(int, book);
        QFETCH(QString, reference);
        QFETCH(bool, validate);
        QFETCH(QStringList, lines);
        PanelValues panel = filledPanel(book, reference);
        panel.validate = validate;
        const CheckOutcome outcome = CheckRecord(panel, m_kjv);
        QCOMPARE(outcome.report, report(lines));
        QCOMPARE(outcome.passed, lines.isEmpty());
    }

    void conversionFailures_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("piece");
        QTest::newRow("3:") << "3:"
                            << "";
        QTest::newRow("3:4-") << "3:4-"
                              << "";
        QTest::newRow("3-") << "3-"
                            << "";
        QTest::newRow("a minus sign reads as a range") << "-3"
                                                       << "";
        QTest::newRow("a negative verse reads as a range") << "1:-5"
                                                           << "";
        QTest::newRow("3-4:5") << "3-4:5"
                               << "3-4";
        QTest::newRow("3:4:5") << "3:4:5"
                               << "4:5";
        QTest::newRow("trailing blank") << "3 "
                                        << "3 ";
        QTest::newRow("typed abbreviation") << "Gen. 3"
                                            << "Gen. 3";
        QTest::newRow("all pieces before any comparison") << "99:x"
                                                          << "x";
    }

    void conversionFailures()
    {
        QFETCH(QString, reference);
        QFETCH(QString, piece);
        try {
            CheckRecord(filledPanel(0, reference), m_kjv);
            QFAIL("no conversion error");
        } catch (const QvedError& error) {
            QCOMPARE(error.kind(), QvedError::Kind::Conversion);
            QCOMPARE(error.message(),
                     QStringLiteral("'%1' is not a valid integer value").arg(piece));
        }
    }

    void emptyPanel()
    {
        const CheckOutcome outcome = CheckRecord(PanelValues(), m_kjv);
        QVERIFY(!outcome.passed);
        QCOMPARE(outcome.report,
                 report({"Reference book not specified.", "Reference location not specified.",
                         "Difficulty level not specified.", "Correct answer not specified.",
                         "The question is empty.", "Answer A is empty.", "Answer B is empty.",
                         "Answer C is empty.", "Answer D is empty."}));
    }

    void unstorableText_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("line");

        const QString breaks = QStringLiteral("%1 contains a double quote or a line break.");
        const QString codePage =
            QStringLiteral("%1 contains a character that a question file cannot hold.");
        QTest::newRow("quote in the reference") << 0 << "2\"7" << breaks.arg("The reference");
        QTest::newRow("CR in the question") << 1 << "a\rb" << breaks.arg("The question");
        QTest::newRow("LF in the question") << 1 << "a\nb" << breaks.arg("The question");
        QTest::newRow("quote in answer A") << 2 << "\"" << breaks.arg("Answer A");
        QTest::newRow("LF in answer B") << 3 << "b\n" << breaks.arg("Answer B");
        QTest::newRow("CR in answer C") << 4 << "\rc" << breaks.arg("Answer C");
        QTest::newRow("quote in answer D") << 5 << "say \"d\"" << breaks.arg("Answer D");
        QTest::newRow("CJK in answer C")
            << 4 << QString::fromUtf8("\u4e2d") << codePage.arg("Answer C");
        QTest::newRow("emoji in the question")
            << 1 << QString::fromUtf8("Who\U0001F600") << codePage.arg("The question");
        QTest::newRow("code page characters pass")
            << 1 << QString::fromUtf8("Caf\u00e9 \u2013 God\u2019s") << QString();
        QTest::newRow("blanks count as content") << 2 << " " << QString();
    }

    void unstorableText()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(QString, line);
        PanelValues panel = filledPanel(OtherBook, "trivia");
        QString* boxes[] = {&panel.reference, &panel.question, &panel.answerA,
                            &panel.answerB,   &panel.answerC,  &panel.answerD};
        *boxes[box] = text;
        const CheckOutcome outcome = CheckRecord(panel, m_kjv);
        QCOMPARE(outcome.report, report(line.isEmpty() ? QStringList() : QStringList{line}));
        QCOMPARE(outcome.passed, line.isEmpty());
    }

    // The storable checks look at several characters at a time: a character
    // that matters is found at every offset of those blocks, and the bytes
    // of a file line are judged as its texts.
    void unstorableAtEveryOffset()
    {
        const QString breaks = QStringLiteral("Answer B contains a double quote or a line break.");
        const QString codePage =
            QStringLiteral("Answer B contains a character that a question file cannot hold.");
        const struct
        {
            QChar character;
            QString line;
        } characters[] = {{u'"', breaks},
                          {u'\r', breaks},
                          {u'\n', breaks},
                          {u'\t', QString()},
                          {QChar(0xE9), {}},
                          {QChar(0x2019), {}},
                          {QChar(0x4E2D), codePage},
                          {QChar(0x0100), codePage}};
        // Every short length, then either side of each block of sixteen up
        // to past the longest field, and a long text.
        QList<int> lengths;
        for (int length = 1; length <= 21; ++length)
            lengths << length;
        for (int block = 32; block <= 112; block += 16)
            lengths << block - 1 << block << block + 1;
        lengths << 90 << 300;
        for (const int length : lengths) {
            for (int at = 0; at < length; ++at) {
                for (const auto& [character, line] : characters) {
                    PanelValues panel = filledPanel(OtherBook, "trivia");
                    panel.answerB = QString(length, u'b');
                    panel.answerB[at] = character;
                    const CheckOutcome outcome = CheckRecord(panel, m_kjv);
                    QVERIFY2(outcome.report ==
                                 report(line.isEmpty() ? QStringList() : QStringList{line}),
                             qPrintable(QStringLiteral("U+%1 at %2 of %3")
                                            .arg(character.unicode(), 4, 16, QChar(u'0'))
                                            .arg(at)
                                            .arg(length)));
                }
            }
        }
    }

    // The sample file new users open first: every question passes the checks
    // and is written exactly as the editor writes it.
    void sampleFile()
    {
        const QString path = qEnvironmentVariable("QVED_SOURCE_DIR") + "/samples/sample.qus";
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray content = file.readAll();
        QVERIFY(content.endsWith("\r\n"));
        QCOMPARE(content.count('\n'), content.count("\r\n"));
        QCOMPARE(content.count('\r'), content.count("\r\n"));
        QVERIFY(
            std::any_of(content.begin(), content.end(), [](char c) { return uchar(c) > 0x7F; }));

        QuestionList list;
        QuestionRecord record;
        list.FillQuestionList(path, record, DecodeMode::QuestionOnly);
        QVERIFY(list.count() >= 40);

        QList<int> levels(4), letters(4);
        QSet<int> books;
        for (int i = 0; i < list.count(); ++i) {
            const QByteArrayView line = list.line(i);
            const QString where = QStringLiteral("question %1").arg(i + 1);
            ClearQuestionRecord(record);
            DecodeQuestionLine(line, record, DecodeMode::Full);
            QVERIFY2(record.Book >= 0 && record.Book < BookCount, qPrintable(where));
            QVERIFY2(record.Level >= 0 && record.Level < 4, qPrintable(where));
            QVERIFY2(record.Correct >= 0 && record.Correct < 4, qPrintable(where));
            QVERIFY2(EncodeQuestionLine(record.Book, record.Level, record.Correct,
                                        record.Reference.view(), record.Question.view(),
                                        record.AnswerA.view(), record.AnswerB.view(),
                                        record.AnswerC.view(), record.AnswerD.view()) == line,
                     qPrintable(where));

            PanelValues panel;
            panel.book = record.Book;
            panel.reference = Windows1252::toUnicode(record.Reference.view());
            panel.validate = IsBibleBook(record.Book);
            panel.level = record.Level;
            panel.correct = record.Correct;
            panel.question = Windows1252::toUnicode(record.Question.view());
            panel.answerA = Windows1252::toUnicode(record.AnswerA.view());
            panel.answerB = Windows1252::toUnicode(record.AnswerB.view());
            panel.answerC = Windows1252::toUnicode(record.AnswerC.view());
            panel.answerD = Windows1252::toUnicode(record.AnswerD.view());
            const CheckOutcome outcome = CheckRecord(panel, m_kjv);
            QVERIFY2(outcome.passed, qPrintable(where + ": " + outcome.report));

            ++levels[record.Level];
            ++letters[record.Correct];
            books.insert(record.Book);
        }
        QVERIFY(!levels.contains(0));
        QVERIFY(*std::max_element(letters.begin(), letters.end()) -
                    *std::min_element(letters.begin(), letters.end()) <=
                1);
        QVERIFY(books.contains(CatechismBook) && books.contains(OtherBook));
        QVERIFY(std::any_of(books.begin(), books.end(), [](int b) { return b < 39; }));
        QVERIFY(std::any_of(books.begin(), books.end(), [](int b) { return b >= 39 && b < 66; }));
    }
};

QTEST_GUILESS_MAIN(ValidationTest)
#include "ValidationTest.moc"
