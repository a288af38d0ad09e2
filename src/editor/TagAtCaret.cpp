#include "editor/TagAtCaret.h"

namespace {
bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char(':') || c == QLatin1Char('_');
}

bool endsAttributeName(QChar c)
{
    return c.isSpace() || c == QLatin1Char('=') || c == QLatin1Char('>') || c == QLatin1Char('<') ||
           c == QLatin1Char('/') || c == QLatin1Char('"') || c == QLatin1Char('\'');
}

int skipSpaces(const QString &text, int i)
{
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return i;
}

// The tag name starting at `i`, upper case; empty when none starts there.
QString nameAt(const QString &text, int i)
{
    if (i >= text.size() || !text.at(i).isLetter())
        return {};
    int end = i;
    while (end < text.size() && isNameChar(text.at(end)))
        ++end;
    return text.mid(i, end - i).toUpper();
}

// The value after '=' from `i`: quoted (up to the same quote) or bare (up to a blank or '>').
// Returns the index after it, or -1 for a quote never closed.
int readValue(const QString &text, int i, QString &value)
{
    if (i < text.size() && (text.at(i) == QLatin1Char('"') || text.at(i) == QLatin1Char('\''))) {
        const int close = int(text.indexOf(text.at(i), i + 1));
        if (close < 0)
            return -1;
        value = text.mid(i + 1, close - i - 1);
        return close + 1;
    }
    int end = i;
    while (end < text.size() && !text.at(end).isSpace() && text.at(end) != QLatin1Char('>') &&
           text.at(end) != QLatin1Char('<'))
        ++end;
    value = text.mid(i, end - i);
    return end;
}

// The opening tag whose '<' is at `start`.
std::optional<OpeningTag> parseAt(const QString &text, int start)
{
    if (start < 0 || start >= text.size() || text.at(start) != QLatin1Char('<'))
        return std::nullopt;
    OpeningTag tag;
    tag.start = start;
    tag.name = nameAt(text, start + 1);
    if (tag.name.isEmpty())
        return std::nullopt;
    int i = start + 1 + int(tag.name.size());
    for (;;) {
        i = skipSpaces(text, i);
        if (i >= text.size() || text.at(i) == QLatin1Char('<'))
            return std::nullopt; // left unclosed
        if (text.at(i) == QLatin1Char('>')) {
            tag.length = i + 1 - start;
            return tag;
        }
        if (text.at(i) == QLatin1Char('/')) {
            const int next = skipSpaces(text, i + 1);
            tag.selfClosing = next < text.size() && text.at(next) == QLatin1Char('>');
            ++i;
            continue;
        }
        const int nameStart = i;
        while (i < text.size() && !endsAttributeName(text.at(i)))
            ++i;
        if (i == nameStart)
            return std::nullopt; // a stray '=' or quote
        TagAttribute attribute;
        attribute.name = text.mid(nameStart, i - nameStart).toUpper();
        int end = i;
        const int equals = skipSpaces(text, i);
        if (equals < text.size() && text.at(equals) == QLatin1Char('=')) {
            end = readValue(text, skipSpaces(text, equals + 1), attribute.value);
            if (end < 0)
                return std::nullopt;
        }
        attribute.text = text.mid(nameStart, end - nameStart);
        tag.attributes << attribute;
        i = end;
    }
}

// The upper-case name of the closing tag at `i` ("</UL>"); empty when none is there.
QString closingNameAt(const QString &text, int i)
{
    if (i + 1 >= text.size() || text.at(i) != QLatin1Char('<') || text.at(i + 1) != QLatin1Char('/'))
        return {};
    return nameAt(text, i + 2);
}
} // namespace

const TagAttribute *OpeningTag::attribute(const QString &upperName) const
{
    for (const TagAttribute &a : attributes)
        if (a.name == upperName)
            return &a;
    return nullptr;
}

QString OpeningTag::value(const QString &upperName) const
{
    const TagAttribute *a = attribute(upperName);
    return a ? a->value : QString();
}

namespace TagAtCaret {

std::optional<OpeningTag> openingTagAt(const QString &text, int caret)
{
    if (text.isEmpty() || caret < 0 || caret > text.size())
        return std::nullopt;
    const int start = int(text.lastIndexOf(QLatin1Char('<'), std::min(caret, int(text.size()) - 1)));
    std::optional<OpeningTag> tag = parseAt(text, start);
    if (!tag || caret > tag->start + tag->length)
        return std::nullopt;
    return tag;
}

std::optional<OpeningTag> parse(const QString &tagText)
{
    std::optional<OpeningTag> tag = parseAt(tagText, 0);
    if (!tag || tag->length != tagText.size())
        return std::nullopt;
    return tag;
}

std::optional<OpeningTag> firstTagNamed(const QString &text, const QString &upperName, int from)
{
    for (int i = int(text.indexOf(QLatin1Char('<'), from)); i >= 0; i = int(text.indexOf(QLatin1Char('<'), i + 1))) {
        const std::optional<OpeningTag> tag = parseAt(text, i);
        if (tag && tag->name == upperName)
            return tag;
    }
    return std::nullopt;
}

std::optional<OpeningTag> enclosingTag(const QString &text, int position, const QStringList &upperNames)
{
    QList<OpeningTag> open;
    for (int i = int(text.indexOf(QLatin1Char('<'))); i >= 0 && i < position;
         i = int(text.indexOf(QLatin1Char('<'), i + 1))) {
        if (const QString closing = closingNameAt(text, i); upperNames.contains(closing)) {
            for (qsizetype k = open.size() - 1; k >= 0; --k)
                if (open.at(k).name == closing) {
                    open.resize(k);
                    break;
                }
            continue;
        }
        const std::optional<OpeningTag> tag = parseAt(text, i);
        if (tag && upperNames.contains(tag->name))
            open << *tag;
    }
    if (open.isEmpty())
        return std::nullopt;
    return open.last();
}

int matchingClose(const QString &text, const OpeningTag &open)
{
    int depth = 1;
    for (int i = int(text.indexOf(QLatin1Char('<'), open.start + open.length)); i >= 0;
         i = int(text.indexOf(QLatin1Char('<'), i + 1))) {
        if (closingNameAt(text, i) == open.name) {
            if (--depth == 0)
                return i;
        } else if (const std::optional<OpeningTag> tag = parseAt(text, i); tag && tag->name == open.name) {
            ++depth;
        }
    }
    return -1;
}

QString mergedTag(const OpeningTag &original, const QString &editedTag, const QStringList &known)
{
    const std::optional<OpeningTag> edited = parse(editedTag);
    if (!edited)
        return editedTag;
    QStringList kept;
    for (const TagAttribute &a : original.attributes)
        if (!known.contains(a.name) && !edited->has(a.name))
            kept << a.text;
    if (kept.isEmpty() && !original.selfClosing)
        return editedTag; // the dialog's own spelling, blanks and all
    QString merged = editedTag.chopped(1).trimmed();
    if (merged.endsWith(QLatin1Char('/')))
        merged = merged.chopped(1).trimmed();
    for (const QString &attribute : kept)
        merged += QLatin1Char(' ') + attribute;
    return merged + (original.selfClosing ? QStringLiteral(" />") : QStringLiteral(">"));
}

} // namespace TagAtCaret
