// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolGitSetup.h"

#include "SafeFileWriter.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

const QByteArray AttributesLine = "*.qus diff=qved merge=qved";

// Runs git with these arguments in the current folder; its output, or an
// empty optional with the reason on standard error.
std::optional<QString> git(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("git"), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        const QString why = process.error() == QProcess::FailedToStart
                                ? QStringLiteral("git could not be started (is it installed?)")
                                : QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        Utf8Output::error(
            QStringLiteral("qvedtool git-setup: git %1: %2").arg(arguments.join(u' '), why));
        return std::nullopt;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString quoted(const QString& path)
{
    QString text = path;
    text.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + text + u'\'';
}

} // namespace

int ToolGitSetup::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "In the git repository of the current folder: adds \"*.qus diff=qved merge=qved\" to "
        ".gitattributes and sets the repository's own diff and merge drivers to this qvedtool, "
        "so that git diff shows questions readably and git merge merges question files "
        "question by question. git does not carry drivers between clones: run it in each "
        "clone."));
    parser.addHelpOption();
    if (!parser.parse(arguments))
        return ToolCommandLine::usageError(QStringLiteral("git-setup"), parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        Utf8Output out;
        out.text(QStringLiteral("Usage: qvedtool git-setup\n") + parser.applicationDescription() +
                 u'\n');
        return out.flush() ? ToolCommandLine::Success : ToolCommandLine::Failure;
    }
    if (parser.positionalArguments().size() > 1)
        return ToolCommandLine::usageError(
            QStringLiteral("git-setup"),
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments()[1]));

    const auto top = git({QStringLiteral("rev-parse"), QStringLiteral("--show-toplevel")});
    if (!top)
        return ToolCommandLine::Failure;
    const QString tool = quoted(QCoreApplication::applicationFilePath());
    const QList<QStringList> settings = {
        {QStringLiteral("diff.qved.textconv"), tool + QStringLiteral(" diff --textconv")},
        {QStringLiteral("merge.qved.name"), QStringLiteral("question files, question by question")},
        {QStringLiteral("merge.qved.driver"), tool + QStringLiteral(" merge %O %A %B")},
    };
    Utf8Output out;
    for (const QStringList& setting : settings) {
        if (!git({QStringLiteral("config"), setting[0], setting[1]}))
            return ToolCommandLine::Failure;
        out.text(QStringLiteral("set %1 = %2\n").arg(setting[0], setting[1]));
    }

    const QString attributesPath = QDir(*top).filePath(QStringLiteral(".gitattributes"));
    QFile attributes(attributesPath);
    QByteArray content;
    if (attributes.exists()) {
        if (!attributes.open(QIODevice::ReadOnly)) {
            Utf8Output::error(QStringLiteral("qvedtool git-setup: cannot read %1: %2")
                                  .arg(attributesPath, attributes.errorString()));
            return ToolCommandLine::Failure;
        }
        content = attributes.readAll();
        attributes.close();
    }
    if (content.split('\n').contains(AttributesLine)) {
        out.text(QStringLiteral("%1 already has \"%2\"\n")
                     .arg(attributesPath, QString::fromLatin1(AttributesLine)));
    } else {
        if (!content.isEmpty() && !content.endsWith('\n'))
            content += '\n';
        content += AttributesLine + '\n';
        const WriteResult written = SafeFileWriter::writeFile(attributesPath, content);
        if (!written.ok) {
            Utf8Output::error(QStringLiteral("qvedtool git-setup: cannot write %1: %2")
                                  .arg(attributesPath, written.message()));
            return ToolCommandLine::Failure;
        }
        out.text(QStringLiteral("added \"%1\" to %2 (commit it, so every clone has it)\n")
                     .arg(QString::fromLatin1(AttributesLine), attributesPath));
    }
    return out.flush() ? ToolCommandLine::Success : ToolCommandLine::Failure;
}
