// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReportExport.h"

#include "IoErrorText.h"
#include "QuestionList.h"
#include "QvedError.h"
#include "SafeFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTime>

namespace {

qsizetype lastSeparator(const QString& fileName)
{
    return std::max(fileName.lastIndexOf(QDir::separator()), fileName.lastIndexOf(u'/'));
}

} // namespace

QString ReportExport::TemporaryDataFileName(const QString& tempDir, const QTime& time)
{
    QString name = QDir::toNativeSeparators(tempDir);
    if (!name.endsWith(QDir::separator()))
        name += QDir::separator();
    return name + u'z' + time.toString(QStringLiteral("hhmmss")) + QStringLiteral(".txt");
}

QString ReportExport::SchemaFileName(const QString& dataFileName)
{
    const qsizetype dot = dataFileName.lastIndexOf(u'.');
    const QString base = dot > lastSeparator(dataFileName) ? dataFileName.first(dot) : dataFileName;
    return base + QStringLiteral(".sch");
}

QString ReportExport::DirectoryPart(const QString& fileName)
{
    return fileName.first(lastSeparator(fileName) + 1);
}

QString ReportExport::NamePart(const QString& fileName)
{
    return fileName.sliced(lastSeparator(fileName) + 1);
}

QByteArray ReportExport::SchemaText(const QString& schemaFileName)
{
    QString section = NamePart(schemaFileName);
    if (const qsizetype dot = section.lastIndexOf(u'.'); dot >= 0)
        section.truncate(dot);
    QByteArray text = '[' + QFile::encodeName(section) + "]\r\n";
    text += "FileType=Varying\r\n"
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
    return text;
}

QString ReportExport::WriteSchemaFile(const QString& fileName)
{
    const WriteResult result = SafeFileWriter::writeFile(fileName, SchemaText(fileName));
    return result.ok ? QString() : IOErrorText(result.code);
}

namespace {

// Opens the file; false when it could not be created.
bool writeLines(SafeFileWriter& file, const QuestionList& list, int first, int last)
{
    if (!file.open())
        return false;
    if (list.writeLines([&file](QByteArrayView block) { return file.write(block); }, first, last,
                        false))
        file.commit();
    return true;
}

} // namespace

void ReportExport::WriteAllFile(const QuestionList& list, const QString& fileName)
{
    SafeFileWriter file(fileName);
    if (!writeLines(file, list, 0, list.count() - 1))
        throw QvedError(
            QvedError::Kind::FileOpen,
            QCoreApplication::translate("ReportExport", "Cannot create file %1").arg(fileName));
    if (!file.result().ok)
        throw QvedError(QvedError::Kind::Other, file.result().message());
}

QString ReportExport::WriteRows(const QuestionList& list, const QString& fileName, int first,
                                int last)
{
    SafeFileWriter file(fileName);
    writeLines(file, list, first - 1, last - 1);
    return file.result().ok ? QString() : IOErrorText(file.result().code);
}

bool ReportExport::CheckRange(int& beginning, int& end, int count)
{
    if (beginning < 1)
        beginning = 1;
    if (end > count)
        end = count;
    return end >= beginning;
}

QString ReportExport::RangeErrorMessage()
{
    return QCoreApplication::translate(
        "ReportExport", "Range error 1 -- The end you specified is less than the beginning!\r\n"
                        "Range Error 2 -- You did not select a valid range!");
}
