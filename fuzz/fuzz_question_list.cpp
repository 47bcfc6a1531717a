// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a whole question file: reading must not crash, must find the
// lines wherever CR LF, CR or LF ends them, and must write every line back
// byte for byte with CR LF.
#include "QuestionList.h"
#include "QvedError.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The file as writing it back must give it, worked out independently.
QByteArray withCrLfEndings(QByteArrayView content)
{
    QByteArray result;
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (content[i] != '\r' && content[i] != '\n')
            continue;
        result += content.sliced(start, i - start);
        result += "\r\n";
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < content.size()) {
        result += content.sliced(start);
        result += "\r\n";
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    QuestionList list;
    QuestionRecord record;
    try {
        list.fillFromContent(content, record, DecodeMode::QuestionOnly);
    } catch (const QvedError& error) {
        if (error.kind() != QvedError::Kind::Conversion)
            std::abort();
    }
    for (int i = 0; i < list.count(); ++i) {
        if (list.line(i).contains('\r') || list.line(i).contains('\n') ||
            list.questionCell(i).size() > 90)
            std::abort();
    }

    QByteArray written;
    const auto collect = [](QByteArray& into) {
        return [&into](QByteArrayView block) {
            into.append(block);
            return true;
        };
    };
    if (!list.writeLines(collect(written), 0, list.count() - 1, true) ||
        written != withCrLfEndings(content))
        std::abort();

    // Marking every row deleted leaves nothing to write.
    list.ToggleDeleteMarks(0, list.count());
    QByteArray none;
    if (!list.writeLines(collect(none), 0, list.count() - 1, true) || !none.isEmpty())
        std::abort();
    return 0;
}
