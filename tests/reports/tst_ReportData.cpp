// SPDX-License-Identifier: GPL-2.0-or-later
// The data side of the reports: the text table, the export and its schema,
// and the report setup dialog's runs over all questions or a range.
#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "QvedError.h"
#include "RecordingOutput.h"
#include "ReportExport.h"
#include "ScriptedPrompts.h"
#include "TdmQVED3.h"
#include "TextTable.h"
#include "TfrmReportSetup.h"
#include "TkelEdit.h"

#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTime>
#include <QtTest>

namespace {

const QByteArray schemaLines = "FileType=Varying\r\n"
                               "Delimiter=\"\r\n"
                               "Separator=,\r\n"
                               "CharSet=ASCII\r\n"
                               "Field1=CanonicalNbr,character,3,0,0\r\n"
                               "Field2=Level,character,1,0,3\r\n"
                               "Field3=Correct,character,1,0,4\r\n"
                               "Field4=Reference,character,25,0,5\r\n"
                               "Field5=Question,character,90,0,30\r\n"
                               "Field6=AnswerA,character,90,0,120\r\n"
                               "Field7=AnswerB,character,90,0,210\r\n"
                               "Field8=AnswerC,character,90,0,300\r\n"
                               "Field9=AnswerD,character,90,0,390\r\n";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray questionLine(int n)
{
    const QByteArray k = QByteArray::number(n);
    return EncodeQuestionLine(0, 0, 0, "1:" + k, "Question " + k, "A" + k, "B" + k, "C" + k,
                              "D" + k);
}

void fillList(QuestionList& list, int count)
{
    QByteArray content;
    for (int n = 1; n <= count; ++n)
        content += questionLine(n) + "\r\n";
    QuestionRecord record;
    list.fillFromContent(content, record, DecodeMode::QuestionOnly);
}

QStringList questions(int first, int last)
{
    QStringList texts;
    for (int n = first; n <= last; ++n)
        texts << QStringLiteral("Question %1").arg(n);
    return texts;
}

QStringList listOf(const QString& message)
{
    return message.isEmpty() ? QStringList() : QStringList(message);
}

// The focus entering a range box, as a click or Tab would bring it.
void enter(QWidget* box)
{
    QFocusEvent event(QEvent::FocusIn);
    QApplication::sendEvent(box, &event);
}

// A report setup dialog over questions "Question 1".."Question <count>",
// with its reports and messages recorded.
struct Setup
{
    explicit Setup(int count, const QString& questionFile = QString())
        : dialog(list, dataModule, prompts, nullptr, questionFile)
    {
        fillList(list, count);
        dialog.setReportOutput(output);
    }

    QuestionList list;
    TdmQVED3 dataModule;
    ScriptedPrompts prompts;
    RecordingOutput output;
    TfrmReportSetup dialog;
};

} // namespace

class TestReportData : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_temp; // the system's temporary folder for every run

    QStringList leftInTemp() const
    {
        return QDir(m_temp.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_temp.isValid());
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
        QCOMPARE(QDir::tempPath(), m_temp.path());
    }

    void textTableValues_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QByteArray>("value");

        const QByteArray full = "\"C1\",\"4\",\"B\",\"Gen. 2:7\",\"Who, then, was first?\","
                                "\"Adam, the man\",\"\",\"Abel\",\"Seth\"";
        QTest::newRow("comma inside quotes")
            << full << "Question" << QByteArray("Who, then, was first?");
        QTest::newRow("comma inside an answer") << full << "AnswerA" << QByteArray("Adam, the man");
        // The editor reads two quotes in a row as one quote.
        QTest::newRow("empty value") << full << "AnswerB" << QByteArray("\"");
        QTest::newRow("field names ignore case") << full << "level" << QByteArray("4");
        QTest::newRow("short line, present")
            << QByteArray("\"C2\",\"1\",\"A\"") << "Correct" << QByteArray("A");
        QTest::newRow("short line, missing")
            << QByteArray("\"C2\",\"1\",\"A\"") << "Question" << QByteArray();
        QTest::newRow("cut to width")
            << QByteArray("\"C123\",\"12\"") << "CanonicalNbr" << QByteArray("C12");
        // Fields are the texts between pairs of quotes, as the editor reads
        // them: what lies between the pairs does not count.
        const QByteArray blanks = "\"C1\", \"2\", \"b\", \"Gen. 2:7\", \"Who, then?\", \"Adam\"";
        QTest::newRow("blanks after commas, level") << blanks << "Level" << QByteArray("2");
        QTest::newRow("blanks after commas, correct") << blanks << "Correct" << QByteArray("B");
        QTest::newRow("blanks after commas, reference")
            << blanks << "Reference" << QByteArray("Gen. 2:7");
        QTest::newRow("blanks after commas, question")
            << blanks << "Question" << QByteArray("Who, then?");
        QTest::newRow("unquoted value")
            << QByteArray("\"C5\",3,\"2\",\"D\"") << "Level" << QByteArray("2");
        QTest::newRow("unclosed quote")
            << QByteArray("\"C5\",\"1\",\"A\",\"R\",\"Who, then") << "Question" << QByteArray();
        QTest::newRow("empty line") << QByteArray() << "CanonicalNbr" << QByteArray();
    }

    void textTableValues()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, field);
        QFETCH(QByteArray, value);
        QTemporaryDir dir;
        writeFile(dir.filePath("q.sch"), "[q]\r\n" + schemaLines);
        writeFile(dir.filePath("q.txt"), line + "\r\n" + questionLine(2) + "\r\n");
        TextTable table;
        table.setDirectory(dir.path() + u'/');
        table.setTableName(QStringLiteral("q.txt"));
        table.open();
        QCOMPARE(table.recordCount(), 2);
        QCOMPARE(table.value(0, table.fieldIndex(field)).toByteArray(), value);
        QCOMPARE(table.value(1, table.fieldIndex(u"Question")).toByteArray(),
                 QByteArray("Question 2"));
    }

    void textTableMissingFiles_data()
    {
        QTest::addColumn<bool>("withSchema");
        QTest::addColumn<QString>("missing");
        QTest::newRow("schema") << false << "t.sch";
        QTest::newRow("data") << true << "t.txt";
    }

    void textTableMissingFiles()
    {
        QFETCH(bool, withSchema);
        QFETCH(QString, missing);
        QTemporaryDir dir;
        if (withSchema)
            writeFile(dir.filePath("t.sch"), "[t]\r\n" + schemaLines);
        else
            writeFile(dir.filePath("t.txt"), questionLine(1));
        TextTable table;
        table.setDirectory(dir.path() + u'/');
        table.setTableName(QStringLiteral("t.txt"));
        try {
            table.open();
            QFAIL("the table opened");
        } catch (const QvedError& e) {
            QCOMPARE(e.message(), QStringLiteral("Cannot open file %1: the file does not exist.")
                                      .arg(dir.filePath(missing)));
        }
        QVERIFY(!table.isOpen());
    }

    void schemaBytes()
    {
        QTemporaryDir dir;
        const QString schema = dir.filePath("z093015.sch");
        QVERIFY(ReportExport::WriteSchemaFile(schema).isEmpty());
        const QByteArray bytes = readFile(schema);
        QCOMPARE(bytes, "[z093015]\r\n" + schemaLines);
        QCOMPARE(bytes.count("\r\n"), 14);
        QCOMPARE(bytes.count('\n'), 14);
        QCOMPARE(bytes.split('\n').at(2), QByteArray("Delimiter=\"\r"));
    }

    void exportFailures()
    {
        QuestionList list;
        fillList(list, 2);
        const QString nowhere = m_temp.filePath("no-such-folder/z000000.txt");
        try {
            ReportExport::WriteAllFile(list, nowhere);
            QFAIL("the file was created");
        } catch (const QvedError& e) {
            QCOMPARE(e.message(), QStringLiteral("Cannot create file %1").arg(nowhere));
        }
        QCOMPARE(ReportExport::WriteSchemaFile(nowhere), QStringLiteral("Path not found"));
        QCOMPARE(ReportExport::WriteRows(list, nowhere, 1, 2), QStringLiteral("Path not found"));
    }

    void temporaryName_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("name");
        const QString sep = QDir::separator();
        const QString folder = QDir::toNativeSeparators(QStringLiteral("/var/tmp"));
        QTest::newRow("no trailing separator")
            << folder << QTime(9, 30, 15) << folder + sep + "z093015.txt";
        QTest::newRow("trailing separator")
            << folder + sep << QTime(23, 5, 9) << folder + sep + "z230509.txt";
    }

    void temporaryName()
    {
        QFETCH(QString, folder);
        QFETCH(QTime, time);
        QFETCH(QString, name);
        const QString made = ReportExport::TemporaryDataFileName(folder, time);
        QCOMPARE(made, name);
        QCOMPARE(ReportExport::DirectoryPart(made),
                 folder.endsWith(QDir::separator()) ? folder : folder + QDir::separator());
        QCOMPARE(ReportExport::SchemaFileName(made), made.chopped(4) + ".sch");
    }

    // Every run through the dialog: what reached the output, which message
    // was shown, and that no temporary file is left behind.
    void dialogRuns_data()
    {
        QTest::addColumn<bool>("all");
        QTest::addColumn<QString>("beg");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("reported");
        QTest::addColumn<QString>("information");
        QTest::addColumn<QString>("error");

        const QString range = ReportExport::RangeErrorMessage();
        QTest::newRow("0 thru 3") << false << "0"
                                  << "3" << 20 << questions(1, 3) << ""
                                  << "";
        QTest::newRow("-5 thru 3") << false << "-5"
                                   << "3" << 20 << questions(1, 3) << ""
                                   << "";
        QTest::newRow("1 thru 1") << false << "1"
                                  << "1" << 20 << questions(1, 1) << ""
                                  << "";
        QTest::newRow("5 thru 9999") << false << "5"
                                     << "9999" << 20 << questions(5, 20) << ""
                                     << "";
        QTest::newRow("25 thru 30") << false << "25"
                                    << "30" << 20 << QStringList() << range << "";
        QTest::newRow("end of -1") << false << "3"
                                   << "-1" << 20 << QStringList() << range << "";
        QTest::newRow("empty beginning") << false << ""
                                         << "3" << 20 << QStringList() << ""
                                         << "'' is not a valid integer value";
        QTest::newRow("lone hyphen end") << false << "1"
                                         << "-" << 20 << QStringList() << ""
                                         << "'-' is not a valid integer value";
        QTest::newRow("all ignores the boxes") << true << "-"
                                               << "" << 20 << questions(1, 20) << ""
                                               << "";
        QTest::newRow("all of an empty list")
            << true << ""
            << "" << 0 << QStringList() << TfrmReportSetup::noQuestionsMessage() << "";
    }

    void dialogRuns()
    {
        QFETCH(bool, all);
        QFETCH(QString, beg);
        QFETCH(QString, end);
        QFETCH(int, count);
        QFETCH(QStringList, reported);
        QFETCH(QString, information);
        QFETCH(QString, error);

        Setup setup(count);
        // A deleted row is exported and reported like any other.
        if (count > 1)
            setup.list.ToggleDeleteMark(2);
        setup.dialog.edtBeg->setText(beg);
        setup.dialog.edtEnd->setText(end);
        if (!all)
            enter(setup.dialog.edtBeg);
        QCOMPARE(setup.dialog.rbtnAll->isChecked(), all);

        setup.dialog.bntPrintPreview->click();

        QCOMPARE(setup.prompts.informations(), listOf(information));
        QCOMPARE(setup.prompts.errors(), listOf(error));
        const bool produced = information.isEmpty() && error.isEmpty();
        QCOMPARE(setup.output.reports.size(), std::size_t(produced ? 1 : 0));
        if (produced) {
            QCOMPARE(setup.output.reports[0].questions, reported);
            QVERIFY(setup.output.reports[0].filesExisted);
        }
        QCOMPARE(leftInTemp(), QStringList());
        QVERIFY(!setup.dataModule.tblQuestionData.isOpen());
    }

    void printPreviewAndLayout_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<QString>("pdfName"); // suggested by a preview
        QTest::newRow("print test with key") << 0 << "btnPrint"
                                             << "TestWithKey" << false << "";
        QTest::newRow("preview test") << 1 << "bntPrintPreview"
                                      << "Test" << false << "quiz-test.pdf";
        QTest::newRow("print question list") << 2 << "btnPrint"
                                             << "QuestionList" << false << "";
        QTest::newRow("preview question list") << 2 << "bntPrintPreview"
                                               << "QuestionList" << false << "quiz-list.pdf";
        QTest::newRow("failing report") << 0 << "bntPrintPreview"
                                        << "TestWithKey" << true << "quiz-key.pdf";
    }

    // Two runs in one visit, each over a fresh export that is gone afterwards,
    // also when the report fails. The buttons are told apart by themselves,
    // not by their captions, which here are the other button's.
    void printPreviewAndLayout()
    {
        QFETCH(int, type);
        QFETCH(QString, button);
        QFETCH(QString, layout);
        QFETCH(bool, fails);
        QFETCH(QString, pdfName);
        const QDir quizFolder(QStringLiteral("/quizzes/2024"));
        Setup setup(3, quizFolder.filePath(QStringLiteral("quiz.qus")));
        setup.output.fail = fails;
        setup.dialog.btnPrint->setText(QStringLiteral("Preview"));
        setup.dialog.bntPrintPreview->setText(QStringLiteral("&Print"));
        setup.dialog.rgpReportType->findChildren<QRadioButton*>().at(type)->click();
        for (int run = 0; run < 2; ++run) {
            setup.dialog.findChild<QPushButton*>(button)->click();
            QCOMPARE(leftInTemp(), QStringList());
        }
        QCOMPARE(setup.output.reports.size(), std::size_t(2));
        for (const auto& report : setup.output.reports) {
            QCOMPARE(report.printed, button == u"btnPrint");
            QCOMPARE(report.layout, layout);
            QCOMPARE(report.questions, questions(1, 3));
            QVERIFY(report.filesExisted);
            QCOMPARE(report.pdfPath, pdfName.isEmpty() ? QString() : quizFolder.filePath(pdfName));
        }
        QCOMPARE(setup.prompts.errors().size(), fails ? 2 : 0);
    }

    // A missing system temporary folder stops the run with its reason;
    // nothing is written anywhere else.
    void missingTemporaryFolder()
    {
        const QString missing = m_temp.filePath(QStringLiteral("gone"));
        qputenv("TMPDIR", QFile::encodeName(missing));
        const auto restore =
            qScopeGuard([this] { qputenv("TMPDIR", QFile::encodeName(m_temp.path())); });
        const QStringList rootBefore = QDir::root().entryList(QDir::Files);
        Setup setup(3);
        setup.dialog.bntPrintPreview->click();
        QCOMPARE(setup.prompts.errors(),
                 QStringList("Cannot create a temporary folder for the report: " +
                             qt_error_string(ENOENT)));
        QVERIFY(setup.output.reports.empty());
        QCOMPARE(QDir::root().entryList(QDir::Files), rootBefore);
        QVERIFY(!QFileInfo::exists(missing));
    }

    void freshDialogAndColours()
    {
        Setup setup(0);
        TfrmReportSetup& dialog = setup.dialog;
        QVERIFY(dialog.rbtnAll->isChecked());
        const QColor windowText = QApplication::palette().color(QPalette::Text);
        const QColor grayText = QApplication::palette().color(QPalette::Disabled, QPalette::Text);
        QVERIFY(windowText != grayText);
        QCOMPARE(dialog.edtBeg->palette().color(QPalette::Text), windowText);

        dialog.edtBeg->setText(QStringLiteral("4"));
        enter(dialog.edtEnd);
        QVERIFY(!dialog.rbtnAll->isChecked());
        QCOMPARE(dialog.edtBeg->palette().color(QPalette::Text), windowText);

        dialog.rbtnAll->click();
        QCOMPARE(dialog.edtBeg->palette().color(QPalette::Text), grayText);
        QCOMPARE(dialog.edtEnd->palette().color(QPalette::Text), grayText);
        QCOMPARE(dialog.edtBeg->text(), QStringLiteral("4"));
    }
};

QTEST_MAIN(TestReportData)
#include "tst_ReportData.moc"
