// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>
#include <cstring>

// Calls fieldFound(number, text) for the fields of a question line, numbered
// from 1, up to lastField, and answers how many it found. A field is the text
// between the next two double quotes; what lies outside quotes is passed
// over. The text is given as it stands: two adjacent quotes give an empty
// one. This is the one place that decides where a line's fields are.
template <typename FieldFound>
int ForEachQuestionField(QByteArrayView line, int lastField, FieldFound fieldFound)
{
    const char* const end = line.data() + line.size();
    const char* from = line.data();
    auto nextQuote = [&end](const char* at) {
        return static_cast<const char*>(std::memchr(at, '"', std::size_t(end - at)));
    };
    int fields = 0;
    while (fields < lastField && from != end) {
        const char* const opened = nextQuote(from);
        const char* const closed = opened ? nextQuote(opened + 1) : nullptr;
        if (!closed)
            break;
        fieldFound(++fields, QByteArrayView(opened + 1, closed - opened - 1));
        from = closed + 1;
    }
    return fields;
}
