#include "platform/IniText.h"

#include <QSet>

#include <limits>

namespace {

enum class Kind { Blank, Comment, Section, Key, Other };

bool isBlank(QChar c)
{
    // Only the ASCII blanks, as Windows does: a Latin-1 no-break space is part of a value.
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\v' || u == u'\f';
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QStringView unquoted(QStringView value)
{
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
        return value.sliced(1, value.size() - 2);
    return value;
}

bool holdsLineBreak(QStringView text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

struct Line {
    qsizetype start = 0;
    qsizetype end = 0; // the '\n' ending the line, or the end of the text
    Kind kind = Kind::Other;
    QStringView name;  // section or key name, trimmed
    QStringView value; // trimmed, quotes still on
};

struct KeyLine {
    Line line;
    bool sectionFound = false;
    qsizetype lastContentEnd = 0; // end of the section's last non-blank line
    bool keyFound = false;
};

Line classify(QStringView text, qsizetype start, qsizetype end);

template <typename Visit> void forEachLine(QStringView text, Visit &&visit)
{
    const qsizetype size = text.size();
    qsizetype pos = 0;
    while (pos < size) {
        const qsizetype nl = text.indexOf(u'\n', pos);
        const qsizetype end = nl < 0 ? size : nl;
        if (!visit(classify(text, pos, end)))
            return;
        pos = end + 1;
    }
}

Line classify(QStringView text, qsizetype start, qsizetype end)
{
    Line line;
    line.start = start;
    line.end = end;
    const QStringView t = IniText::trimmed(text.sliced(start, end - start));
    if (t.isEmpty()) {
        line.kind = Kind::Blank;
    } else if (t.front() == u';') {
        line.kind = Kind::Comment;
    } else if (const qsizetype close = t.front() == u'[' ? t.lastIndexOf(u']') : -1; close > 0) {
        line.kind = Kind::Section;
        line.name = IniText::trimmed(t.sliced(1, close - 1));
    } else if (const qsizetype eq = t.indexOf(u'='); eq > 0) {
        // t starts with a non-blank, so a '=' past the first character leaves a name.
        line.kind = Kind::Key;
        line.name = IniText::trimmed(t.first(eq));
        line.value = IniText::trimmed(t.sliced(eq + 1));
    }
    return line;
}

KeyLine findKey(QStringView text, QStringView section, QStringView key)
{
    const QStringView wantedSection = IniText::trimmed(section);
    const QStringView wantedKey = IniText::trimmed(key);
    KeyLine found;
    bool inSection = false;
    forEachLine(text, [&](const Line &line) {
        if (line.kind == Kind::Section) {
            if (inSection)
                return false; // only the first matching section counts
            if (sameName(line.name, wantedSection)) {
                inSection = found.sectionFound = true;
                found.lastContentEnd = line.end;
            }
            return true;
        }
        if (!inSection)
            return true;
        if (line.kind != Kind::Blank)
            found.lastContentEnd = line.end;
        if (line.kind == Kind::Key && !wantedKey.isEmpty() && sameName(line.name, wantedKey)) {
            found.keyFound = true;
            found.line = line;
            return false;
        }
        return true;
    });
    return found;
}

} // namespace

IniText::IniText(const QByteArray &bytes)
{
    DecodedText decoded = decodeText(bytes);
    m_text = std::move(decoded.text);
    m_format = decoded.format;
}

QStringView IniText::trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

std::optional<QString> IniText::value(QStringView section, QStringView key) const
{
    const KeyLine found = findKey(m_text, section, key);
    if (!found.keyFound)
        return std::nullopt;
    return unquoted(found.line.value).toString();
}

QStringList IniText::keys(QStringView section) const
{
    return this->section(section).keys();
}

IniSection IniText::section(QStringView name) const
{
    const QStringView wanted = trimmed(name);
    IniSection result;
    bool inSection = false;
    forEachLine(m_text, [&](const Line &line) {
        if (line.kind == Kind::Section) {
            if (inSection)
                return false; // only the first matching section counts
            inSection = sameName(line.name, wanted);
        } else if (inSection && line.kind == Kind::Key) {
            // A hash, not a search of the list: a hostile file may hold millions of keys.
            const QString folded = line.name.toString().toCaseFolded();
            if (!result.m_values.contains(folded)) {
                result.m_values.insert(folded, unquoted(line.value).toString());
                result.m_keys << line.name.toString();
            }
        }
        return true;
    });
    return result;
}

QList<std::optional<QString>> IniText::values(const QList<IniName> &wanted) const
{
    // Section (case-folded) -> the keys asked in it; only the first section of a name is
    // searched, and in it the first key of a name wins. Key lines are compared in place, so
    // a section of a million keys costs no allocation per line.
    struct Asked {
        QStringView key;
        qsizetype index;
    };
    QHash<QString, QList<Asked>> asked;
    for (qsizetype i = 0; i < wanted.size(); ++i)
        asked[trimmed(wanted[i].section).toString().toCaseFolded()].append({trimmed(wanted[i].key), i});
    QList<std::optional<QString>> found(wanted.size());
    QSet<QString> sectionsSeen;
    const QList<Asked> *current = nullptr;
    forEachLine(m_text, [&](const Line &line) {
        if (line.kind == Kind::Section) {
            const QString folded = line.name.toString().toCaseFolded();
            const auto it = asked.constFind(folded);
            current = (it != asked.cend() && !sectionsSeen.contains(folded)) ? &*it : nullptr;
            if (it != asked.cend())
                sectionsSeen.insert(folded);
        } else if (current && line.kind == Kind::Key) {
            for (const Asked &a : *current) {
                if (!found[a.index] && sameName(line.name, a.key)) {
                    found[a.index] = unquoted(line.value).toString();
                    break;
                }
            }
        }
        return true;
    });
    return found;
}

QStringList IniText::sections() const
{
    QStringList names;
    QSet<QString> seen;
    forEachLine(m_text, [&](const Line &line) {
        if (line.kind == Kind::Section) {
            if (const QString folded = line.name.toString().toCaseFolded(); !seen.contains(folded)) {
                seen.insert(folded);
                names << line.name.toString();
            }
        }
        return true;
    });
    return names;
}

bool IniText::canStore(QStringView section, QStringView key, QStringView value)
{
    const QStringView s = trimmed(section);
    const QStringView k = trimmed(key);
    if (k.isEmpty() || k.front() == u';' || k.front() == u'[' || k.contains(u'='))
        return false;
    if (holdsLineBreak(s) || holdsLineBreak(k) || holdsLineBreak(value))
        return false;
    // A lone surrogate would be written as U+FFFD and read back as something else.
    return s.isValidUtf16() && k.isValidUtf16() && value.isValidUtf16();
}

std::optional<QByteArray> IniText::withValue(QStringView section, QStringView key, QStringView value,
                                             TextFormat *used) const
{
    if (!canStore(section, key, value))
        return std::nullopt;
    const QStringView s = trimmed(section);
    const QStringView k = trimmed(key);

    // Surrounding blanks and a value that is itself quoted would be eaten on reading;
    // quotes keep them.
    const bool quote = trimmed(value).size() != value.size() || unquoted(value).size() != value.size();
    const QString stored = quote ? QLatin1Char('"') + value.toString() + QLatin1Char('"') : value.toString();

    const KeyLine found = findKey(m_text, s, k);
    QString text = m_text;
    if (found.keyFound) {
        // Keep the key's own spelling; only the line is replaced.
        const QString line = found.line.name.toString() + QLatin1Char('=') + stored;
        text.replace(found.line.start, found.line.end - found.line.start, line);
    } else if (found.sectionFound) {
        QString line = QLatin1Char('\n') + k.toString() + QLatin1Char('=') + stored;
        if (found.lastContentEnd == text.size())
            line += QLatin1Char('\n'); // the section's last line ended the file without a break
        text.insert(found.lastContentEnd, line);
    } else {
        if (!text.isEmpty()) {
            if (!text.endsWith(u'\n'))
                text += u'\n';
            const QStringView view(text);
            const qsizetype lastBreak = view.size() - 1;
            qsizetype lastLineStart = lastBreak;
            while (lastLineStart > 0 && view[lastLineStart - 1] != u'\n')
                --lastLineStart;
            if (!trimmed(view.sliced(lastLineStart, lastBreak - lastLineStart)).isEmpty())
                text += u'\n'; // a blank line between sections, unless there is one
        }
        text += QLatin1Char('[') + s.toString() + QLatin1String("]\n") + k.toString() + QLatin1Char('=') + stored +
                QLatin1Char('\n');
    }
    return encode(text, used);
}

std::optional<QByteArray> IniText::withoutKey(QStringView section, QStringView key, TextFormat *used) const
{
    return withoutKeys(section, {key.toString()}, used);
}

std::optional<QByteArray> IniText::withoutKeys(QStringView section, const QStringList &keys, TextFormat *used) const
{
    QSet<QString> pending;
    for (const QString &key : keys)
        if (const QStringView k = trimmed(key); !k.isEmpty())
            pending.insert(k.toString().toCaseFolded());
    const QStringView wanted = trimmed(section);
    struct Cut {
        qsizetype from, to;   // [from, to) of the text
        bool lastLineUnended; // the file's last line had no break: "no final break" is kept
    };
    QList<Cut> cuts;
    bool inSection = false;
    forEachLine(m_text, [&](const Line &line) {
        if (line.kind == Kind::Section) {
            if (inSection)
                return false;
            inSection = sameName(line.name, wanted);
        } else if (inSection && line.kind == Kind::Key && pending.remove(line.name.toString().toCaseFolded())) {
            const bool unended = line.end == m_text.size();
            cuts.append({line.start, unended ? line.end : line.end + 1, unended});
        }
        return !pending.isEmpty();
    });
    if (cuts.isEmpty())
        return std::nullopt;
    QString text;
    text.reserve(m_text.size());
    qsizetype from = 0;
    for (const Cut &cut : cuts) {
        text += QStringView(m_text).sliced(from, cut.from - from);
        if (cut.lastLineUnended && text.endsWith(u'\n'))
            text.chop(1);
        from = cut.to;
    }
    text += QStringView(m_text).sliced(from);
    return encode(text, used);
}

QByteArray IniText::encode(const QString &text, TextFormat *used) const
{
    TextFormat format = m_format;
    format.lineEnd = LineEnd::CrLf;
    return encodeText(text, format, used);
}

std::optional<QString> IniSection::value(QStringView key) const
{
    const auto it = m_values.constFind(IniText::trimmed(key).toString().toCaseFolded());
    if (it == m_values.cend())
        return std::nullopt;
    return *it;
}

std::optional<int> IniText::parseInt(QStringView text)
{
    const QStringView t = trimmed(text);
    qsizetype i = 0;
    bool negative = false;
    if (!t.isEmpty() && (t.front() == u'+' || t.front() == u'-')) {
        negative = t.front() == u'-';
        ++i;
    }
    if (i == t.size())
        return std::nullopt;
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 magnitude = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            return std::nullopt;
    }
    if (negative)
        return int(-magnitude);
    if (magnitude == limit)
        return std::nullopt;
    return int(magnitude);
}
