// SPDX-License-Identifier: GPL-2.0-or-later
#include "HtmlText.h"

#include <QHash>

namespace {

const QHash<QString, char16_t>& namedEntities()
{
    static const QHash<QString, char16_t> entities{
        {QStringLiteral("amp"), u'&'},         {QStringLiteral("lt"), u'<'},
        {QStringLiteral("gt"), u'>'},          {QStringLiteral("quot"), u'"'},
        {QStringLiteral("apos"), u'\''},       {QStringLiteral("nbsp"), u' '},
        {QStringLiteral("ldquo"), u'\u201C'},  {QStringLiteral("rdquo"), u'\u201D'},
        {QStringLiteral("lsquo"), u'\u2018'},  {QStringLiteral("rsquo"), u'\u2019'},
        {QStringLiteral("hellip"), u'\u2026'}, {QStringLiteral("mdash"), u'\u2014'},
        {QStringLiteral("ndash"), u'\u2013'},  {QStringLiteral("laquo"), u'\u00AB'},
        {QStringLiteral("raquo"), u'\u00BB'},  {QStringLiteral("copy"), u'\u00A9'},
        {QStringLiteral("reg"), u'\u00AE'},    {QStringLiteral("eacute"), u'\u00E9'},
        {QStringLiteral("egrave"), u'\u00E8'}, {QStringLiteral("ecirc"), u'\u00EA'},
        {QStringLiteral("aacute"), u'\u00E1'}, {QStringLiteral("agrave"), u'\u00E0'},
        {QStringLiteral("acirc"), u'\u00E2'},  {QStringLiteral("iacute"), u'\u00ED'},
        {QStringLiteral("oacute"), u'\u00F3'}, {QStringLiteral("uacute"), u'\u00FA'},
        {QStringLiteral("ntilde"), u'\u00F1'}, {QStringLiteral("ccedil"), u'\u00E7'},
        {QStringLiteral("auml"), u'\u00E4'},   {QStringLiteral("ouml"), u'\u00F6'},
        {QStringLiteral("uuml"), u'\u00FC'},   {QStringLiteral("szlig"), u'\u00DF'},
    };
    return entities;
}

} // namespace

QString HtmlText::entity(QStringView name)
{
    if (name.startsWith(u'#')) {
        bool ok = false;
        const uint code = name.size() > 1 && (name[1] == u'x' || name[1] == u'X')
                              ? name.sliced(2).toUInt(&ok, 16)
                              : name.sliced(1).toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
            return {};
        const char32_t character = code;
        return QString::fromUcs4(&character, 1);
    }
    const auto found = namedEntities().constFind(name.toString());
    return found == namedEntities().constEnd() ? QString() : QString(QChar(*found));
}

QString HtmlText::plain(QStringView html)
{
    QString result;
    result.reserve(html.size());
    bool space = false;
    auto addSpace = [&] { space = !result.isEmpty(); };
    auto add = [&](QStringView text) {
        if (space)
            result += u' ';
        space = false;
        result += text;
    };
    for (qsizetype at = 0; at < html.size(); ++at) {
        const QChar c = html[at];
        if (c == u'<') {
            const qsizetype close = html.indexOf(u'>', at);
            if (close < 0) {
                add(html.sliced(at, 1));
                continue;
            }
            // Text broken by a paragraph or a line break reads on with a space.
            const QStringView tag = html.sliced(at + 1, close - at - 1).trimmed();
            const QStringView name = tag.startsWith(u'/') ? tag.sliced(1) : tag;
            for (const char* block : {"p", "br", "div", "li", "tr", "td", "h1", "h2", "h3"}) {
                const QLatin1StringView word(block);
                if (name.startsWith(word, Qt::CaseInsensitive) &&
                    (name.size() == word.size() || !name[word.size()].isLetterOrNumber()))
                    addSpace();
            }
            at = close;
        } else if (c == u'&') {
            const qsizetype semicolon = html.indexOf(u';', at);
            const QString decoded = semicolon > at && semicolon - at <= 10
                                        ? entity(html.sliced(at + 1, semicolon - at - 1))
                                        : QString();
            if (decoded.isEmpty()) {
                add(html.sliced(at, 1));
            } else {
                add(decoded);
                at = semicolon;
            }
        } else if (c.isSpace()) {
            addSpace();
        } else {
            add(html.sliced(at, 1));
        }
    }
    return result;
}
