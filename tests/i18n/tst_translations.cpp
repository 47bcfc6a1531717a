// SPDX-License-Identifier: GPL-2.0-or-later
// Every text of the editor, its libraries and qvedtool has a finished Spanish
// translation, and the programs show it when Spanish is the language.
#include "EditorSettings.h"
#include "LanguageMenu.h"
#include "MainWindowControls.h"
#include "ScriptedPrompts.h"
#include "Translations.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString source;
    QString type; // "", "unfinished", "vanished" or "obsolete"
    QString translation;
    QString where; // file:line of the first place the text is used
};

QString sourceDir()
{
    return qEnvironmentVariable("QVED_SOURCE_DIR");
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private:
    QList<Message> m_messages;

private slots:
    // lupdate over today's sources, into a copy of the committed file: a text
    // it adds comes in unfinished, one no longer used is marked vanished.
    void initTestCase()
    {
        const QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString copy = folder.filePath(QStringLiteral("qved_es.ts"));
        QVERIFY(QFile::copy(sourceDir() + QStringLiteral("/translations/qved_es.ts"), copy));
        QProcess lupdate;
        lupdate.setWorkingDirectory(sourceDir());
        lupdate.start(QStringLiteral(LUPDATE_PATH),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"),
                       QStringLiteral("absolute"), QStringLiteral("-extensions"),
                       QStringLiteral("cpp,h"), QStringLiteral("src"),
                       QStringLiteral("tools/qvedtool"), QStringLiteral("-ts"), copy});
        QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
        QCOMPARE(lupdate.exitCode(), 0);

        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        Message message;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"message") {
                message = {};
            } else if (xml.name() == u"location" && message.where.isEmpty()) {
                const QString path =
                    QDir::cleanPath(folder.path() + u'/' +
                                    xml.attributes().value(QStringLiteral("filename")).toString());
                message.where = QDir(sourceDir()).relativeFilePath(path) + u':' +
                                xml.attributes().value(QStringLiteral("line")).toString();
            } else if (xml.name() == u"source") {
                message.source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (xml.name() == u"translation") {
                message.type = xml.attributes().value(QStringLiteral("type")).toString();
                message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                m_messages << message;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(m_messages.size() > 500);
    }

    void complete_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("editor and libraries") << QStringLiteral("src/");
        QTest::newRow("qvedtool") << QStringLiteral("tools/qvedtool/");
        QTest::newRow("texts no longer used") << QString();
    }

    void complete()
    {
        QFETCH(QString, folder);
        QStringList left;
        for (const Message& message : std::as_const(m_messages)) {
            const bool stale = message.type == u"vanished" || message.type == u"obsolete";
            if (folder.isEmpty() ? !stale
                                 : stale || !message.where.startsWith(folder) ||
                                       (message.type.isEmpty() && !message.translation.isEmpty()))
                continue;
            left << QStringLiteral("  %1: \"%2\"")
                        .arg(folder.isEmpty() ? QStringLiteral("unused") : message.where,
                             message.source);
        }
        QVERIFY2(left.isEmpty(),
                 qPrintable(QStringLiteral("%1 texts without a finished Spanish translation:\n%2\n"
                                           "Run scripts/update-translations, translate them in "
                                           "translations/qved_es.ts (Qt Linguist, or fill "
                                           "<translation> and remove type=\"unfinished\"), "
                                           "then build again.")
                                .arg(left.size())
                                .arg(left.join(u'\n'))));
    }

    // qvedtool takes its language from the environment, as any command does.
    void toolLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        const QString es = QStringLiteral("es_ES.UTF-8");
        const QString c = QStringLiteral("C.UTF-8");
        QTest::newRow("--help") << es << QStringList{QStringLiteral("--help")}
                                << QStringLiteral("Uso: qvedtool ORDEN [opciones] FILE\n");
        QTest::newRow("a command's help, with Qt's own words")
            << es << QStringList{QStringLiteral("check"), QStringLiteral("--help")}
            << QStringLiteral("Opciones:");
        QTest::newRow("no command")
            << es << QStringList{} << QStringLiteral("qvedtool: No se indicó ninguna orden.");
        QTest::newRow("a message of a library")
            << es << QStringList{QStringLiteral("stats"), QStringLiteral("/nonexistent/bank.qus")}
            << QStringLiteral("el archivo no existe");
        // The panel's check report, translated, cut into an import's reasons.
        const QString source = QDir::temp().filePath(QStringLiteral("qved-i18n-import.csv"));
        QFile csv(source);
        QVERIFY(csv.open(QIODevice::WriteOnly) &&
                csv.write("Question,A,B,C,D,Correct,Reference\nWho?,a,b,c,d,A,Gen. 1:1\n") > 0);
        csv.close();
        QTest::newRow("an import's reason from the record checks")
            << es
            << QStringList{QStringLiteral("import"), source, QStringLiteral("-o"),
                           QDir::temp().filePath(QStringLiteral("qved-i18n-import.qus")),
                           QStringLiteral("--dry-run")}
            << QStringLiteral("refused: No se ha indicado el nivel de dificultad");
        QTest::newRow("English stays the source")
            << c << QStringList{QStringLiteral("--help")}
            << QStringLiteral("Usage: qvedtool COMMAND [options] FILE\n");
    }

    void toolLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.insert(QStringLiteral("LANG"), language);
        environment.insert(QStringLiteral("LANGUAGE"), language.section(u'_', 0, 0));
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(QVEDTOOL_PATH), arguments);
        QVERIFY(tool.waitForFinished(60000));
        const QString output =
            QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError());
        QVERIFY2(output.contains(expected), qPrintable(output));
    }

    // The choice is stored for the next start and said once.
    void languageChoice()
    {
        QMenu menu;
        ScriptedPrompts prompts;
        LanguageMenu language(menu, prompts, nullptr);
        const QList<QAction*> choices = menu.actions();
        QCOMPARE(choices.size(), 3);
        QVERIFY(choices[0]->isChecked()); // nothing stored: the system's
        choices[2]->trigger();
        QCOMPARE(EditorSettings::ReadLanguage(), QStringLiteral("es"));
        choices[2]->trigger();
        QCOMPARE(prompts.shown,
                 QStringList{"info: The language changes the next time the editor starts."});
        choices[0]->trigger();
        QCOMPARE(EditorSettings::ReadLanguage(), QString());
        QCOMPARE(prompts.shown.size(), 2);
    }

    // Last: the translators stay installed for the rest of the run.
    void spanishWindow()
    {
        QCOMPARE(Translations::install(QStringLiteral("es"), QStringLiteral(QVED_QM_FOLDER)),
                 QStringLiteral("es"));
        QCOMPARE(Translations::current(), QStringLiteral("es"));
        QMainWindow window;
        QStringListModel model;
        MainWindowControls controls;
        controls.buildControls(window, model);
        const QList<QAction*> menus = window.menuBar()->actions();
        QCOMPARE(menus.first()->text(), QStringLiteral("&Archivo"));
        QCOMPARE(controls.mnuOptionsLanguage->title(), QStringLiteral("&Idioma"));
        QCOMPARE(controls.mnuFileOpen->text(), QStringLiteral("&Abrir..."));
        // Qt's own texts come in Spanish too.
        QCOMPARE(QCoreApplication::translate("QCommandLineParser", "Options:"),
                 QStringLiteral("Opciones:"));
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
