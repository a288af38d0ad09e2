#include "editor/TagColouring.h"

#include "config/ColorNames.h"
#include "config/Settings.h"
#include "platform/EventPump.h"

#include <algorithm>

namespace {
struct TagPattern {
    QLatin1StringView text;
    TagKind kind;
};

// Every pattern starts with '<', which lets the matcher only look where a '<' stands.
constexpr TagPattern kPatterns[] = {
    {QLatin1StringView("<a href"), TagKind::Href}, {QLatin1StringView("</a"), TagKind::Href},
    {QLatin1StringView("<a name"), TagKind::Href},

    {QLatin1StringView("<font"), TagKind::Font},   {QLatin1StringView("</font"), TagKind::Font},
    {QLatin1StringView("<b>"), TagKind::Font},     {QLatin1StringView("</b>"), TagKind::Font},
    {QLatin1StringView("<i>"), TagKind::Font},     {QLatin1StringView("</i>"), TagKind::Font},
    {QLatin1StringView("<u>"), TagKind::Font},     {QLatin1StringView("</u>"), TagKind::Font},

    {QLatin1StringView("<img"), TagKind::Img},

    {QLatin1StringView("<table"), TagKind::Table}, {QLatin1StringView("</table"), TagKind::Table},
    {QLatin1StringView("<tr"), TagKind::Table},    {QLatin1StringView("</tr"), TagKind::Table},
    {QLatin1StringView("<td"), TagKind::Table},    {QLatin1StringView("</td"), TagKind::Table},
    {QLatin1StringView("<th"), TagKind::Table},    {QLatin1StringView("</th"), TagKind::Table},

    {QLatin1StringView("<ol"), TagKind::List},     {QLatin1StringView("</ol"), TagKind::List},
    {QLatin1StringView("<ul"), TagKind::List},     {QLatin1StringView("</ul"), TagKind::List},
    {QLatin1StringView("<dl"), TagKind::List},     {QLatin1StringView("</dl"), TagKind::List},
    {QLatin1StringView("<li"), TagKind::List},     {QLatin1StringView("</li"), TagKind::List},
    {QLatin1StringView("<dd"), TagKind::List},     {QLatin1StringView("</dd"), TagKind::List},
    {QLatin1StringView("<dt"), TagKind::List},     {QLatin1StringView("</dt"), TagKind::List},
};

inline char16_t asciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

bool matchesAt(QStringView text, qsizetype at, QLatin1StringView pattern)
{
    if (text.size() - at < pattern.size())
        return false;
    for (qsizetype j = 0; j < pattern.size(); ++j) {
        if (asciiLower(text[at + j].unicode()) != pattern[j].unicode())
            return false;
    }
    return true;
}

// `text` is lower-case already, or ASCII (then asciiLower is the full lower-casing).
TagKind strongestKind(QStringView text)
{
    TagKind best = TagKind::Default;
    for (qsizetype at = text.indexOf(u'<'); at >= 0; at = text.indexOf(u'<', at + 1)) {
        for (const TagPattern &pattern : kPatterns) {
            if (pattern.kind > best && matchesAt(text, at, pattern.text))
                best = pattern.kind;
        }
        if (best == TagKind::List)
            break;
    }
    return best;
}
} // namespace

TagKind tagKindOf(QStringView tagText)
{
    const bool ascii = std::all_of(tagText.begin(), tagText.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        return strongestKind(tagText);
    // A few non-ASCII letters lower-case to ASCII ones (U+0130 to "i" + dot), so let Qt decide.
    const QString lowered = tagText.toString().toLower();
    return strongestKind(lowered);
}

const std::vector<TagSpan> &TagScanner::scan(QStringView line)
{
    m_spans.clear();
    qsizetype lt = line.indexOf(u'<');
    if (lt < 0)
        return m_spans;
    // The working copy: used '>' become '$', so a later tag's text reads as the pass sees it.
    m_work.resize(line.size());
    std::copy(line.begin(), line.end(), m_work.begin());
    const QStringView work(m_work);
    const qsizetype lastIndex = line.size() - 1;
    // Everything before the cursors is masked or holds no '<' / '>', so searching on from
    // them finds the first unmasked one.
    qsizetype gtFrom = 0;
    while (lt >= 0) {
        const qsizetype gt = work.indexOf(u'>', gtFrom);
        if (gt < 0)
            break; // a '<' that is never closed on its line: nothing more to pair here
        if (gt < lt) {
            // A '>' before the '<' (a tag begun on an earlier line): only the text between
            // them takes the default colour, the brackets themselves stay as they are.
            if (lt - gt > 1)
                m_spans.push_back({int(gt + 1), int(lt - gt - 1), TagKind::Default});
        } else {
            m_spans.push_back({int(lt), int(gt - lt + 1), tagKindOf(work.mid(lt, gt - lt + 1))});
            if (gt >= lastIndex)
                break;
        }
        m_work[lt] = u'$';
        m_work[gt] = u'$';
        gtFrom = gt + 1;
        lt = work.indexOf(u'<', lt + 1);
    }
    return m_spans;
}

std::vector<TagSpan> scanLineTags(QStringView line)
{
    TagScanner scanner;
    return scanner.scan(line);
}

TagColours tagColoursFrom(const Settings &settings)
{
    TagColours colours;
    colours[size_t(TagKind::Default)] = toQColor(settings.tagColour(SettingKey::ColorDefault));
    colours[size_t(TagKind::Href)] = toQColor(settings.tagColour(SettingKey::ColorHref));
    colours[size_t(TagKind::Font)] = toQColor(settings.tagColour(SettingKey::ColorFont));
    colours[size_t(TagKind::Img)] = toQColor(settings.tagColour(SettingKey::ColorImg));
    colours[size_t(TagKind::Table)] = toQColor(settings.tagColour(SettingKey::ColorTable));
    colours[size_t(TagKind::List)] = toQColor(settings.tagColour(SettingKey::ColorList));
    return colours;
}

LineColourer::LineColourer(EditorAccess &editor, const TagColours &colours) : m_editor(editor), m_colours(colours) {}

qsizetype LineColourer::colour(int line)
{
    const QString text = m_editor.lineText(line);
    const std::vector<TagSpan> &spans = m_scanner.scan(text);
    m_lineColours.clear();
    m_lineColours.reserve(qsizetype(spans.size()));
    for (const TagSpan &span : spans)
        m_lineColours.append({span.start, span.length, m_colours[size_t(span.kind)]});
    m_editor.setLineColours(line, m_lineColours);
    return text.size();
}

TypingColourer::TypingColourer(EditorAccess &editor) : m_editor(editor) {}

void TypingColourer::linesChanged(int first, int last, int addedLines, const TagColours &colours)
{
    if (hasPending() && m_pendingLast >= first) {
        // Lines waiting below the edit moved with it; counting from the edit keeps them all.
        m_pendingFirst = std::min(m_pendingFirst, first);
        m_pendingLast = std::max(m_pendingLast + addedLines, first);
    }
    if (const int next = colourShare(first, last, colours); next >= 0)
        addPending(next, last);
}

void TypingColourer::colourPending(const TagColours &colours)
{
    if (!hasPending())
        return;
    const int last = m_pendingLast;
    const int next = colourShare(m_pendingFirst, last, colours);
    dropPending();
    if (next >= 0)
        addPending(next, last);
}

void TypingColourer::addPending(int first, int last)
{
    m_pendingFirst = hasPending() ? std::min(m_pendingFirst, first) : first;
    m_pendingLast = std::max(m_pendingLast, last);
}

int TypingColourer::colourShare(int first, int last, const TagColours &colours)
{
    LineColourer colourer(m_editor, colours);
    last = std::min(last, m_editor.lineCount() - 1);
    qsizetype scanned = 0;
    int line = std::max(first, 0);
    for (; line <= last && scanned < kTypingShare; ++line) {
        if (m_editor.lineLength(line) <= kTypingShare)
            scanned += colourer.colour(line) + 1;
    }
    m_editor.flushLineColours();
    return line > last ? -1 : line;
}

ColourPass::ColourPass(EditorAccess &editor, EventPump &pump, bool &stopFlag, const TagColours &colours)
    : m_editor(editor), m_pump(pump), m_stop(stopFlag), m_colours(colours)
{
}

void ColourPass::restoreWrap(const WordWrapControl &wrap)
{
    if (wrap.setWordWrap)
        wrap.setWordWrap(wrap.wrapChecked ? wrap.wrapChecked() : false);
}

ColourPassResult ColourPass::run(const WordWrapControl &wrap)
{
    // Lines are laid out once more for their colours; without wrapping that stays cheap.
    m_stop = false;
    if (wrap.setWordWrap)
        wrap.setWordWrap(false);

    // Repainting once per batch of lines instead of once per line keeps a large pass linear.
    constexpr int kLinesPerRepaint = 256;
    LineColourer colourer(m_editor, m_colours);
    // Input may change the text between lines, so the count is asked for on every line.
    for (int line = 0; line < m_editor.lineCount(); ++line) {
        m_pump.processEvents();
        if (m_stop) {
            m_editor.flushLineColours();
            restoreWrap(wrap);
            return ColourPassResult::Stopped;
        }
        colourer.colour(line);
        if (line % kLinesPerRepaint == kLinesPerRepaint - 1)
            m_editor.flushLineColours();
    }
    m_editor.flushLineColours();
    restoreWrap(wrap);
    m_editor.setSelection(0, 0);
    return ColourPassResult::Finished;
}
