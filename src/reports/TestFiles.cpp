// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestFiles.h"

#include "FileIdentity.h"
#include "QuestionList.h"
#include "ReportPdf.h"
#include "ReportRun.h"
#include "SafeFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <tuple>

namespace {

// The report setup's report types.
constexpr int KeyReport = 0;
constexpr int TestReport = 1;

QStringList versionNames(const QString& name, QChar letter)
{
    const QString stem = name + u'-' + letter;
    return {stem + QStringLiteral(".qus"), stem + QStringLiteral("-test.pdf"),
            stem + QStringLiteral("-key.pdf")};
}

} // namespace

QStringList TestFiles::names(const QString& name, int versions)
{
    QStringList all;
    for (int v = 0; v < versions; ++v)
        all << versionNames(name, QChar(u'A' + v));
    return all;
}

QStringList TestFiles::existing(const QString& folder, const QString& name, int versions)
{
    QStringList found;
    const QDir dir(folder);
    for (const QString& file : names(name, versions)) {
        if (QFileInfo::exists(dir.filePath(file)))
            found << dir.filePath(file);
    }
    return found;
}

QString TestFiles::questionFileAmong(const QString& folder, const QString& name, int versions,
                                     const QString& questionFile)
{
    if (questionFile.isEmpty())
        return {};
    const QDir dir(folder);
    for (const QString& file : names(name, versions)) {
        const QString path = dir.filePath(file);
        if (FileIdentity::same(questionFile, path))
            return QCoreApplication::translate(
                       "TestFiles", "The output file %1 is the question file; choose another name.")
                .arg(QDir::toNativeSeparators(path));
    }
    return {};
}

QString TestFiles::write(const std::vector<TestBuilder::Version>& versions, const QString& folder,
                         const QString& name, quint32 seed, const QDateTime& created,
                         QStringList& written)
{
    const QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder))
        return QCoreApplication::translate("TestFiles", "Cannot create folder %1")
            .arg(QDir::toNativeSeparators(folder));
    const std::unique_ptr<QTemporaryDir> temporaryFolder = ReportRun::newTemporaryFolder();
    for (const TestBuilder::Version& version : versions) {
        const QStringList files = versionNames(name, version.letter);
        const QByteArray lines = version.lines();
        const QString questions = dir.filePath(files[0]);
        const WriteResult result = SafeFileWriter::writeFile(questions, lines);
        if (!result.ok)
            return QCoreApplication::translate("TestFiles", "Cannot create file %1\r\n%2")
                .arg(QDir::toNativeSeparators(questions), result.message());
        written << questions;
        // The pages are drawn from the lines just written, as the game reads them.
        QuestionList list;
        QuestionRecord record;
        list.fillFromContent(lines, record, DecodeMode::QuestionOnly);
        // At the table the versions look alike: each page says which it is.
        const QString label =
            QStringLiteral("%1-%2 \u00b7 Version %2").arg(name, QString(version.letter));
        const QString keyLabel =
            QStringLiteral("%1 \u00b7 Seed %2").arg(label, QString::number(seed));
        for (const auto& [reportType, file, pageLabel] :
             {std::tuple{TestReport, files[1], label}, {KeyReport, files[2], keyLabel}}) {
            const QString path = dir.filePath(file);
            const QString error = ReportPdf::write(reportType, list, 1, list.count(), path,
                                                   *temporaryFolder, created, pageLabel);
            if (!error.isEmpty())
                return error;
            written << path;
        }
    }
    return {};
}
