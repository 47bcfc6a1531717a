#include "QuestionFileReader.h"

#include "QvedError.h"
#include "Utf8Output.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A pipe or a terminal ("/dev/stdin", a shell's "<(...)") is read to its end
// as the tool's input; the editor opens regular files only.
QByteArray readStream(const QString& path)
{
    QFile stream(path);
    if (!stream.open(QIODevice::ReadOnly))
        throw QvedError::cannotOpenFile(path, stream.errorString());
    QByteArray content = stream.readAll();
    if (stream.error() != QFileDevice::NoError)
        throw QvedError::cannotOpenFile(path, stream.errorString());
    return content;
}

} // namespace

bool QuestionFileReader::read(const QString& path, QuestionList& list, QString* firstBadLine)
{
    QuestionRecord record;
    const QFileInfo info(path);
    try {
        if (info.exists() && !info.isFile() && !info.isDir())
            list.fillFromContent(readStream(path), record, DecodeMode::QuestionOnly);
        else
            list.FillQuestionList(path, record, DecodeMode::QuestionOnly);
    } catch (const QvedError& e) {
        if (e.kind() != QvedError::Kind::Conversion) {
            Utf8Output::error(e.message());
            return false;
        }
        if (firstBadLine)
            *firstBadLine = e.message();
    }
    return true;
}
