#include "editor/RichEditAccess.h"

#include "editor/HtmlEditor.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <optional>

namespace {

// Characters the editing widget takes for its own: U+2029, U+FDD0 and U+FDD1 would end a
// paragraph there and U+2028 would break the line on screen, and U+FDD2..U+FDEF are kept
// with them. In the widget each stands as a lone low surrogate, which no decoded file holds
// (one after a high surrogate is half of a character beyond U+FFFF), and everything read
// back from the widget carries the character again.
constexpr char16_t kHeldLineSeparator = 0xDC00;
constexpr char16_t kHeldParagraphSeparator = 0xDC01;
constexpr char16_t kHeldNonCharacters = 0xDC10; // U+FDD0 .. U+FDEF
constexpr char16_t kFirstNonCharacter = 0xFDD0;
constexpr char16_t kLastNonCharacter = 0xFDEF;

char16_t heldInWidget(char16_t, char16_t c)
{
    if (c == 0x2028)
        return kHeldLineSeparator;
    if (c == 0x2029)
        return kHeldParagraphSeparator;
    if (c >= kFirstNonCharacter && c <= kLastNonCharacter)
        return char16_t(kHeldNonCharacters + (c - kFirstNonCharacter));
    return c;
}

char16_t givenBack(char16_t before, char16_t c)
{
    if (QChar::isHighSurrogate(before))
        return c;
    if (c == kHeldLineSeparator)
        return 0x2028;
    if (c == kHeldParagraphSeparator)
        return 0x2029;
    if (c >= kHeldNonCharacters && c <= kHeldNonCharacters + (kLastNonCharacter - kFirstNonCharacter))
        return char16_t(kFirstNonCharacter + (c - kHeldNonCharacters));
    return c;
}

// Applies `map` (given the character before, as it was) to every character; the text is
// copied only when one changes.
template <typename Map> QString mapped(QString text, Map map)
{
    char16_t before = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (const char16_t to = map(before, c); to != c)
            text[i] = QChar(to);
        before = c;
    }
    return text;
}

QString toWidget(const QString &text)
{
    return mapped(text, heldInWidget);
}

QString fromWidget(const QString &text)
{
    return mapped(text, givenBack);
}

} // namespace

// Loads and colours are no change to the text: the listener does not hear of them.
class RichEditAccess::Quiet {
public:
    explicit Quiet(RichEditAccess &access) : m_access(access) { ++m_access.m_quiet; }
    ~Quiet() { --m_access.m_quiet; }
    Quiet(const Quiet &) = delete;
    Quiet &operator=(const Quiet &) = delete;

private:
    RichEditAccess &m_access;
};

RichEditAccess::RichEditAccess(HtmlEditor &edit) : m_edit(edit)
{
    m_blockCount = document().blockCount();
    m_editWatch = QObject::connect(&document(), &QTextDocument::contentsChange, &m_edit,
                                   [this](int position, int removed, int added) {
                                       const int addedLines = document().blockCount() - m_blockCount;
                                       moveColours(position, removed, added);
                                       if (m_quiet > 0)
                                           return;
                                       if (m_changeListener)
                                           m_changeListener();
                                       if (m_linesEditedListener)
                                           tellLinesEdited(position, added, addedLines);
                                   });
}

void RichEditAccess::tellLinesEdited(int position, int added, int addedLines)
{
    // Called before the window lays the change out, so colours set now cost no second layout.
    const int first = document().findBlock(position).blockNumber();
    const QTextBlock lastBlock = document().findBlock(position + added);
    const int last = lastBlock.isValid() ? lastBlock.blockNumber() : document().blockCount() - 1;
    if (first >= 0)
        m_linesEditedListener(first, std::max(first, last), addedLines);
}

RichEditAccess::~RichEditAccess()
{
    QObject::disconnect(m_editWatch);
}

QTextDocument &RichEditAccess::document() const
{
    return *m_edit.document();
}

QString RichEditAccess::plainText() const
{
    // toPlainText() would turn no-break spaces into spaces; the raw text keeps every character.
    QString text = document().toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return fromWidget(text);
}

void RichEditAccess::setPlainText(const QString &text)
{
    const Quiet quiet(*this);
    m_edit.loadText(toWidget(text));
}

void RichEditAccess::setOtherLineEnds(const LineEndMarks &marks)
{
    for (const LineEndMark &mark : marks) {
        QTextBlock after = document().findBlockByNumber(mark.line + 1);
        if (after.isValid())
            m_edit.setBreakStyle(after, mark.end);
    }
}

LineEndMarks RichEditAccess::otherLineEnds() const
{
    LineEndMarks marks;
    for (QTextBlock block = document().firstBlock().next(); block.isValid(); block = block.next()) {
        if (const std::optional<LineEnd> end = m_edit.breakStyle(block))
            marks.append({block.blockNumber() - 1, *end});
    }
    return marks;
}

QStringList RichEditAccess::lines() const
{
    return plainText().split(QLatin1Char('\n'));
}

int RichEditAccess::textLength() const
{
    return toOffset(document().characterCount() - 1);
}

int RichEditAccess::toOffset(int position) const
{
    return position + document().findBlock(position).blockNumber();
}

int RichEditAccess::toPosition(int offset) const
{
    // Find the last block whose offset start (position + block number) is at or before `offset`.
    const QTextDocument &doc = document();
    int low = 0;
    int high = doc.blockCount() - 1;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        const QTextBlock block = doc.findBlockByNumber(mid);
        if (block.position() + mid <= offset)
            low = mid;
        else
            high = mid - 1;
    }
    const QTextBlock block = doc.findBlockByNumber(low);
    const int within = std::max(0, offset - (block.position() + low));
    return block.position() + std::min(within, block.length() - 1);
}

int RichEditAccess::selStart() const
{
    return toOffset(m_edit.textCursor().selectionStart());
}

int RichEditAccess::selLength() const
{
    const QTextCursor cursor = m_edit.textCursor();
    return toOffset(cursor.selectionEnd()) - toOffset(cursor.selectionStart());
}

QString RichEditAccess::selectedText() const
{
    QString text = m_edit.textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    return fromWidget(text);
}

void RichEditAccess::replaceSelection(const QString &text)
{
    QTextCursor cursor = m_edit.textCursor();
    // The style of the break before the first line, then those of the breaks inside the
    // selection in order: the widget may drop any of these lines when it takes the selection
    // out (an emptied line goes whole), so all are put back on the lines in their place.
    const QTextBlock first = document().findBlock(cursor.selectionStart());
    const int firstLine = first.blockNumber();
    const int lastLine = document().findBlock(cursor.selectionEnd()).blockNumber();
    std::vector<std::optional<LineEnd>> styles;
    for (QTextBlock block = first; block.isValid() && block.blockNumber() <= lastLine; block = block.next())
        styles.push_back(m_edit.breakStyle(block));
    const QString inserted = toWidget(LineBreaks::fromCrLf(text));
    cursor.insertText(inserted);
    const qsizetype insertedBreaks = inserted.count(QLatin1Char('\n'));
    QTextBlock block = document().findBlockByNumber(firstLine);
    for (qsizetype nth = 0; nth <= insertedBreaks && block.isValid(); ++nth, block = block.next())
        m_edit.setBreakStyle(block, nth < qsizetype(styles.size()) ? styles[size_t(nth)] : std::nullopt);
    m_edit.setTextCursor(cursor);
}

void RichEditAccess::setSelection(int start, int length)
{
    start = std::max(0, start);
    length = std::max(0, length);
    QTextCursor cursor(&document());
    const int anchor = toPosition(start);
    cursor.setPosition(anchor);
    cursor.setPosition(std::max(anchor, toPosition(start + length)), QTextCursor::KeepAnchor);
    m_edit.setTextCursor(cursor);
}

void RichEditAccess::setFocus()
{
    m_edit.setFocus();
}

void RichEditAccess::paste()
{
    m_edit.paste();
}

void RichEditAccess::colourRange(int start, int length, const QColor &colour)
{
    const Quiet quiet(*this);
    // Layout formats are display only: no undo step, no modified flag, never saved.
    const int from = toPosition(start);
    const int to = toPosition(start + length);
    for (QTextBlock block = document().findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        const int blockFrom = std::max(from, block.position()) - block.position();
        const int blockTo = std::min(to, block.position() + block.length() - 1) - block.position();
        if (blockTo <= blockFrom)
            continue;
        QTextLayout::FormatRange range;
        range.start = blockFrom;
        range.length = blockTo - blockFrom;
        range.format.setForeground(colour);
        QList<QTextLayout::FormatRange> formats = block.layout()->formats();
        formats.append(range);
        block.layout()->setFormats(formats);
        document().markContentsDirty(block.position(), block.length());
    }
}

int RichEditAccess::lineCount() const
{
    return document().blockCount();
}

QString RichEditAccess::lineText(int line) const
{
    return fromWidget(document().findBlockByNumber(line).text());
}

int RichEditAccess::lineLength(int line) const
{
    return std::max(0, document().findBlockByNumber(line).length() - 1);
}

const QTextCharFormat &RichEditAccess::formatFor(const QColor &colour)
{
    const QRgb rgb = colour.rgba();
    for (const auto &[key, format] : m_formats) {
        if (key == rgb)
            return format;
    }
    QTextCharFormat format;
    format.setForeground(colour);
    m_formats.emplace_back(rgb, format);
    return m_formats.back().second;
}

void RichEditAccess::setLineColours(int line, const QList<LineColour> &colours)
{
    const Quiet quiet(*this);
    const QTextBlock block = document().findBlockByNumber(line);
    if (!block.isValid())
        return;
    if (colours.isEmpty() && coloursOf(block).isEmpty())
        return;
    const int lineLength = block.length() - 1;
    QList<QTextLayout::FormatRange> ranges;
    ranges.reserve(colours.size());
    for (const LineColour &c : colours) {
        // Only the part inside the line: colours never reach into a line break or a neighbour.
        const int start = std::clamp(c.start, 0, lineLength);
        const int length = std::clamp(c.start + c.length, 0, lineLength) - start;
        if (length > 0)
            ranges.append({start, length, formatFor(c.colour)});
    }
    if (!setColoursOf(block, ranges))
        return;
    const int from = block.position();
    const int to = block.position() + block.length();
    m_dirtyFrom = m_dirtyFrom < 0 ? from : std::min(m_dirtyFrom, from);
    m_dirtyTo = std::max(m_dirtyTo, to);
}

QList<QTextLayout::FormatRange> RichEditAccess::coloursOf(const QTextBlock &block) const
{
    const QList<QTextLayout::FormatRange> drawn = m_edit.longLineColours(block);
    return drawn.isEmpty() ? block.layout()->formats() : drawn;
}

bool RichEditAccess::setColoursOf(const QTextBlock &block, const QList<QTextLayout::FormatRange> &colours)
{
    QTextLayout *layout = block.layout();
    if (block.length() - 1 >= kLongLineLength) {
        // Drawn over the text: as layout formats they would lay the whole line out again.
        m_edit.setLongLineColours(block, colours);
        if (layout->formats().isEmpty())
            return false;
        layout->clearFormats(); // coloured while it was short
        return true;
    }
    m_edit.setLongLineColours(block, {});
    // Layout formats, as a syntax highlighter sets them: no undo step, no modified flag,
    // never part of the saved text, and kept when the block is laid out again.
    layout->setFormats(colours);
    return true;
}

void RichEditAccess::flushLineColours()
{
    if (m_dirtyFrom < 0)
        return;
    // One request for the whole batch: the editor lays out again only what it shows.
    const int end = std::min(m_dirtyTo, document().characterCount());
    if (end > m_dirtyFrom)
        document().markContentsDirty(m_dirtyFrom, end - m_dirtyFrom);
    m_dirtyFrom = m_dirtyTo = -1;
}

void RichEditAccess::moveColours(int position, int removed, int added)
{
    // Layout formats sit at fixed places in their line; keep them on their characters as
    // the text changes, the way coloured characters behave in the window.
    const int blockCount = document().blockCount();
    const bool sameLines = blockCount == m_blockCount;
    m_blockCount = blockCount;
    const QTextBlock block = document().findBlock(position);
    if (!block.isValid())
        return;
    const QList<QTextLayout::FormatRange> formats = coloursOf(block);
    if (formats.isEmpty())
        return;
    const int from = position - block.position();
    // Within one line (no line break gone or added), the edit replaced [from, removedTo).
    const bool withinLine = sameLines && document().findBlock(position + added) == block;
    const int removedTo = withinLine ? from + removed : block.length();
    const int insertedLength = withinLine ? added : 0;
    const auto moved = [&](int at, bool isEnd) {
        if (at < from || (at == from && isEnd))
            return at;
        if (at >= removedTo)
            return at - (removedTo - from) + insertedLength;
        return isEnd ? from : from + insertedLength;
    };
    QList<QTextLayout::FormatRange> kept;
    for (const QTextLayout::FormatRange &range : formats) {
        const int start = moved(range.start, false);
        const int end = std::min(moved(range.start + range.length, true), block.length() - 1);
        if (end > start)
            kept.append({start, end - start, range.format});
    }
    setColoursOf(block, kept); // the line is laid out again for the edit anyway
}
