#include "editor/BufferEditorAccess.h"

#include "platform/Clipboard.h"

#include <algorithm>

namespace LineBreaks {
QString toCrLf(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

QString fromCrLf(const QString &text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

LineEndMarks marksAfterEdit(const LineEndMarks &marks, int line, int removed, int added)
{
    LineEndMarks after;
    after.reserve(marks.size());
    for (const LineEndMark &mark : marks) {
        if (mark.line < line)
            after.append(mark);
        else if (mark.line >= line + removed)
            after.append({mark.line + added - removed, mark.end});
        else if (mark.line - line < added)
            after.append(mark); // a replaced break's style goes to the new break in its place
    }
    return after;
}

int lineStart(const QStringList &lines, int line)
{
    int offset = 0;
    for (int i = 0; i < line && i < lines.size(); ++i)
        offset += int(lines[i].size()) + 2;
    return offset;
}

int lineOfOffset(const QStringList &lines, int offset)
{
    int start = 0;
    for (int line = 0; line < lines.size(); ++line) {
        start += int(lines[line].size()) + 2;
        if (offset < start)
            return line;
    }
    return std::max(0, int(lines.size()) - 1);
}
} // namespace LineBreaks

void EditorAccess::setLineColours(int line, const QList<LineColour> &colours)
{
    const int start = LineBreaks::lineStart(lines(), line);
    for (const LineColour &c : colours)
        colourRange(start + c.start, c.length, c.colour);
}

BufferEditorAccess::BufferEditorAccess(Clipboard *clipboard, QString text)
    : m_clipboard(clipboard), m_text(std::move(text))
{
}

void BufferEditorAccess::setPlainText(const QString &text)
{
    m_text = LineBreaks::fromCrLf(text);
    textChanged();
    m_selStart = m_selEnd = 0;
    m_colours.clear();
    m_otherLineEnds.clear();
}

QStringList BufferEditorAccess::lines() const
{
    return m_text.split(QLatin1Char('\n'));
}

int BufferEditorAccess::textLength() const
{
    return toOffset(int(m_text.size()));
}

int BufferEditorAccess::toOffset(int position) const
{
    // Every line start up to `position` but the first follows a break that counts one more.
    const std::vector<int> &starts = lineStarts();
    const auto breaksBefore = std::upper_bound(starts.begin() + 1, starts.end(), position) - (starts.begin() + 1);
    return position + int(breaksBefore);
}

int BufferEditorAccess::toPosition(int offset) const
{
    // The last line starting at or before `offset`; an offset inside a line break is the break.
    const std::vector<int> &starts = lineStarts();
    int after = 0; // the first line starting past `offset`
    for (int count = int(starts.size()); count > 0;) {
        const int half = count / 2;
        if (starts[size_t(after + half)] + after + half <= offset) {
            after += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    const int line = std::max(0, after - 1);
    const int start = starts[size_t(line)];
    const int end = line + 1 < int(starts.size()) ? starts[size_t(line) + 1] - 1 : int(m_text.size());
    return start + std::clamp(offset - (start + line), 0, end - start);
}

int BufferEditorAccess::selStart() const
{
    return toOffset(m_selStart);
}

int BufferEditorAccess::selLength() const
{
    return toOffset(m_selEnd) - toOffset(m_selStart);
}

QString BufferEditorAccess::selectedText() const
{
    return LineBreaks::toCrLf(m_text.mid(m_selStart, m_selEnd - m_selStart));
}

void BufferEditorAccess::replaceSelection(const QString &text)
{
    const QString inserted = LineBreaks::fromCrLf(text);
    const int editFrom = toOffset(m_selStart);
    const int editTo = toOffset(m_selEnd);
    const int insertedBreaks = int(inserted.count(QLatin1Char('\n')));
    const int insertedLength = int(inserted.size()) + insertedBreaks;
    const QStringView buffer(m_text);
    m_otherLineEnds =
        LineBreaks::marksAfterEdit(m_otherLineEnds, int(buffer.left(m_selStart).count(u'\n')),
                                   int(buffer.mid(m_selStart, m_selEnd - m_selStart).count(u'\n')), insertedBreaks);
    m_text.replace(m_selStart, m_selEnd - m_selStart, inserted);
    textChanged();
    moveColours(editFrom, editTo, insertedLength);
    m_selStart = m_selEnd = m_selStart + int(inserted.size());
    if (m_changeListener)
        m_changeListener();
}

void BufferEditorAccess::setSelection(int start, int length)
{
    start = std::max(0, start);
    length = std::max(0, length);
    m_selStart = toPosition(start);
    m_selEnd = std::max(m_selStart, toPosition(start + length));
}

void BufferEditorAccess::paste()
{
    if (m_clipboard)
        replaceSelection(m_clipboard->text());
}

void BufferEditorAccess::colourRange(int start, int length, const QColor &colour)
{
    m_colours.push_back({start, length, colour});
}

void BufferEditorAccess::moveColours(int editFrom, int editTo, int insertedLength)
{
    // Colours stay on their characters, as the window's do: later ones move with the text,
    // a colour around the edit takes in what was typed, removed characters lose theirs.
    const auto moved = [&](int offset, bool isEnd) {
        if (offset < editFrom || (offset == editFrom && isEnd))
            return offset;
        if (offset >= editTo)
            return offset - (editTo - editFrom) + insertedLength;
        return isEnd ? editFrom : editFrom + insertedLength;
    };
    std::vector<ColouredRange> kept;
    for (const ColouredRange &r : m_colours) {
        const int start = moved(r.start, false);
        const int end = moved(r.start + r.length, true);
        if (end > start)
            kept.push_back({start, end - start, r.colour});
    }
    m_colours = std::move(kept);
}

const std::vector<int> &BufferEditorAccess::lineStarts() const
{
    if (m_lineStarts.empty()) {
        m_lineStarts.push_back(0);
        for (qsizetype at = m_text.indexOf(QLatin1Char('\n')); at >= 0; at = m_text.indexOf(QLatin1Char('\n'), at + 1))
            m_lineStarts.push_back(int(at) + 1);
    }
    return m_lineStarts;
}

int BufferEditorAccess::lineCount() const
{
    return int(lineStarts().size());
}

QString BufferEditorAccess::lineText(int line) const
{
    const std::vector<int> &starts = lineStarts();
    if (line < 0 || line >= int(starts.size()))
        return {};
    const int end = line + 1 < int(starts.size()) ? starts[size_t(line) + 1] - 1 : int(m_text.size());
    return m_text.mid(starts[size_t(line)], end - starts[size_t(line)]);
}

void BufferEditorAccess::setLineColours(int line, const QList<LineColour> &colours)
{
    const std::vector<int> &starts = lineStarts();
    if (line < 0 || line >= int(starts.size()))
        return;
    const int lineLength = int(lineText(line).size());
    // Each line break before this line counts two, one of them beyond the buffer position.
    const int lineOffset = starts[size_t(line)] + line;
    std::erase_if(m_colours, [&](const ColouredRange &r) {
        return r.start >= lineOffset && r.start + r.length <= lineOffset + lineLength;
    });
    for (const LineColour &c : colours) {
        // Only the part inside the line: colours never reach into a line break or a neighbour.
        const int start = std::clamp(c.start, 0, lineLength);
        const int length = std::clamp(c.start + c.length, 0, lineLength) - start;
        if (length > 0)
            m_colours.push_back({lineOffset + start, length, c.colour});
    }
}
