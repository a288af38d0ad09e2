#include "editor/HtmlEditor.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <array>
#include <utility>

namespace {
// Laying out a long line again takes seconds: long enough to wait for a change that undoes itself.
constexpr int kWrapDelayMs = 250;

// What the window keeps with one line, so that it goes when the line goes: a long line's
// colours, and the style of the break before the line.
struct BlockNotes final : QTextBlockUserData {
    QList<QTextLayout::FormatRange> ranges; // by start
    int longest = 0;                        // bounds the search for ranges reaching a visual line
    std::optional<LineEnd> breakStyle;
};

BlockNotes *notesOf(const QTextBlock &block)
{
    return dynamic_cast<BlockNotes *>(block.userData());
}

BlockNotes &notesMadeFor(const QTextBlock &block)
{
    BlockNotes *notes = notesOf(block);
    if (!notes) {
        notes = new BlockNotes;
        QTextBlock(block).setUserData(notes); // the block owns it
    }
    return *notes;
}

// Not the soft hyphen (drawn only where a line breaks) nor letters that take a dotless form.
constexpr std::array<std::pair<char16_t, char16_t>, 7> kDrawnAlikeUnshaped{{
    {u'\t', u'\t'},
    {0x20, 0x7E},
    {0xA0, 0xAC},
    {0xAE, 0x24F},
    {0x2010, 0x2027},
    {0x2030, 0x205E},
    {0x20A0, 0x20BF},
}};

// True when some character of the text, line breaks aside, must be shaped to look right.
bool needsShaping(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c != u'\n' && c != QChar::ParagraphSeparator && !drawnAlikeUnshaped(c.unicode());
    });
}

bool isLong(const QTextBlock &block)
{
    return block.length() - 1 >= kLongLineLength;
}

qsizetype longestLine(const QString &text)
{
    qsizetype longest = 0;
    for (qsizetype lineStart = 0;;) {
        const qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        longest = std::max(longest, (lineEnd < 0 ? text.size() : lineEnd) - lineStart);
        if (lineEnd < 0)
            return longest;
        lineStart = lineEnd + 1;
    }
}

// Qt places glyphs in 26.6 fixed point, so nothing lies beyond 2^25 pixels: further along an
// unwrapped line glyphs pile up and the caret and clicks land in the wrong place.
constexpr qreal kWidestPlaceableLine = qreal(1 << 25);

// Wrapping at word boundaries looks along a word for its end on every visual line, so a long
// run without a blank (a picture's data address) took time growing with its square: minutes for
// a megabyte. Pages holding a long line wrap anywhere instead.
QTextOption::WrapMode wordBreaksFor(bool holdsLongLine)
{
    return holdsLongLine ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
}

// The first visual line of a laid-out block that reaches down to `top` (block coordinates).
int firstLineReaching(const QTextLayout &layout, qreal top)
{
    int low = 0;
    int high = layout.lineCount();
    while (low < high) {
        const int mid = (low + high) / 2;
        const QTextLine line = layout.lineAt(mid);
        if (line.y() + line.height() < top)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}
} // namespace

bool drawnAlikeUnshaped(char16_t c)
{
    if (c >= 0x20 && c < 0x7F)
        return true;
    return std::any_of(kDrawnAlikeUnshaped.begin(), kDrawnAlikeUnshaped.end(),
                       [c](const auto &range) { return c >= range.first && c <= range.second; });
}

HtmlEditor::HtmlEditor(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("RE1"));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setContextMenuPolicy(Qt::CustomContextMenu);
    setUndoRedoEnabled(true);
    m_wantWrap = lineWrapMode() != QPlainTextEdit::NoWrap;
    m_wrapLater.setSingleShot(true);
    m_wrapLater.setInterval(kWrapDelayMs);
    connect(&m_wrapLater, &QTimer::timeout, this, &HtmlEditor::applyWordWrap);
    m_shapeLater.setSingleShot(true);
    m_shapeLater.setInterval(0);
    connect(&m_shapeLater, &QTimer::timeout, this, [this] { setShaped(true); });
    // Emitted before the layout sees the change, so a long line is laid out once, keeping its glyphs.
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int, int added) {
        keepLongLinesLaidOut(position, added);
        shapeAgainFor(position, added);
    });
}

void HtmlEditor::keepLongLinesLaidOut(int position, int added)
{
    // Without the glyph cache every paint and caret move would shape the whole line again.
    const qsizetype widest = longestUnwrappedLine(); // once, not for each line of a large paste
    for (QTextBlock block = document()->findBlock(position); block.isValid() && block.position() <= position + added;
         block = block.next()) {
        if (isLong(block)) {
            block.layout()->setCacheEnabled(true);
            m_holdsLongLine = true;
            if (wordWrapMode() != wordBreaksFor(true))
                setWordWrapMode(wordBreaksFor(true)); // before the layout sees this change
        }
        if (!m_holdsTooWideLine && block.length() - 1 > widest) {
            m_holdsTooWideLine = true;
            m_wrapLater.start(); // not while the document is telling its layout of this change
        }
    }
}

qsizetype HtmlEditor::longestUnwrappedLine() const
{
    // A wide character may take two columns of a fixed-pitch font.
    return qsizetype(kWidestPlaceableLine / (2 * std::max(1, fontMetrics().horizontalAdvance(u'M'))));
}

bool HtmlEditor::showsWrapped() const
{
    return m_wantWrap || m_holdsTooWideLine;
}

void HtmlEditor::shapeAgainFor(int position, int added)
{
    if (m_shaped || m_loading || added <= 0)
        return;
    QTextCursor inserted(document());
    inserted.setPosition(position);
    inserted.setPosition(std::min(position + added, document()->characterCount() - 1), QTextCursor::KeepAnchor);
    // Once this change is laid out: a font change now would lay the text out twice.
    if (needsShaping(inserted.selectedText()))
        m_shapeLater.start();
}

void HtmlEditor::setShaped(bool on)
{
    if (m_shaped == on)
        return;
    m_shaped = on;
    QFont shown = font();
    shown.setStyleStrategy(on ? QFont::StyleStrategy(shown.styleStrategy() & ~QFont::PreferNoShaping)
                              : QFont::StyleStrategy(shown.styleStrategy() | QFont::PreferNoShaping));
    setFont(shown);
}

void HtmlEditor::loadText(const QString &text)
{
    const qsizetype longest = longestLine(text);
    const bool holdsLongLine = longest >= kLongLineLength;
    m_holdsTooWideLine = longest > longestUnwrappedLine();
    // Shaping takes a third of a long line's layout: text that looks the same goes without.
    const bool shaped = !holdsLongLine || needsShaping(text);
    m_shapeLater.stop();
    if (lineWrapMode() != (showsWrapped() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap) ||
        shaped != m_shaped) {
        clear(); // a deferred wrap mode or other shaping: take it on before the new text is laid out, not after
        m_holdsLongLine = false;
        m_wrapLater.stop();
        applyWordWrap();
        setShaped(shaped);
    }
    m_holdsLongLine = holdsLongLine;
    pinScrollBarForWrappedLongLine();
    const QScopedValueRollback<bool> loading(m_loading, true); // its shaping is settled
    setPlainText(text);
}

void HtmlEditor::pinScrollBarForWrappedLongLine()
{
    // A wrapped long line needs the scroll bar anyway. Showing it before the line is laid out
    // saves laying the line out a second time for the narrower window.
    setVerticalScrollBarPolicy(m_holdsLongLine && showsWrapped() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

void HtmlEditor::setWordWrap(bool on)
{
    m_wantWrap = on;
    if (m_holdsLongLine) {
        m_wrapLater.start();
    } else {
        m_wrapLater.stop();
        applyWordWrap();
    }
}

bool HtmlEditor::wordWrap() const
{
    return m_wantWrap;
}

void HtmlEditor::applyWordWrap()
{
    const LineWrapMode mode = showsWrapped() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap;
    if (lineWrapMode() == mode)
        return;
    pinScrollBarForWrappedLongLine();
    setLineWrapMode(mode);
}

void HtmlEditor::setLongLineColours(const QTextBlock &block, const QList<QTextLayout::FormatRange> &colours)
{
    if (!block.isValid())
        return;
    // A line whose notes hold only its break's style has no colours to take away.
    if (const BlockNotes *notes = notesOf(block); colours.isEmpty() && (!notes || notes->ranges.isEmpty()))
        return;
    BlockNotes &held = notesMadeFor(block);
    held.ranges = colours;
    std::stable_sort(
        held.ranges.begin(), held.ranges.end(),
        [](const QTextLayout::FormatRange &a, const QTextLayout::FormatRange &b) { return a.start < b.start; });
    held.longest = 0;
    for (const QTextLayout::FormatRange &range : std::as_const(held.ranges))
        held.longest = std::max(held.longest, range.length);
    viewport()->update();
}

QList<QTextLayout::FormatRange> HtmlEditor::longLineColours(const QTextBlock &block) const
{
    const BlockNotes *held = notesOf(block);
    return held ? held->ranges : QList<QTextLayout::FormatRange>{};
}

void HtmlEditor::setBreakStyle(const QTextBlock &block, std::optional<LineEnd> style)
{
    if (block.isValid() && (style || notesOf(block)))
        notesMadeFor(block).breakStyle = style;
}

std::optional<LineEnd> HtmlEditor::breakStyle(const QTextBlock &block) const
{
    const BlockNotes *notes = notesOf(block);
    return notes ? notes->breakStyle : std::nullopt;
}

void HtmlEditor::keyPressEvent(QKeyEvent *event)
{
    Q_EMIT keyPressed();
    QPlainTextEdit::keyPressEvent(event);
}

void HtmlEditor::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mousePressed();
    QPlainTextEdit::mousePressEvent(event);
}

void HtmlEditor::paintEvent(QPaintEvent *event)
{
    if (m_holdsLongLine && lineWrapMode() == QPlainTextEdit::NoWrap) {
        // Unwrapped, a long line is one visual line: the widget's own painting would draw every
        // glyph of it on each paint, the caret's blink included.
        QPainter painter(viewport());
        painter.setClipRect(event->rect());
        paintBlocks(painter, event->rect());
        return;
    }
    QPlainTextEdit::paintEvent(event);
    if (m_holdsLongLine) {
        QPainter painter(viewport());
        painter.setClipRect(event->rect());
        paintLongLineColours(painter, event->rect());
    }
}

void HtmlEditor::paintBlocks(QPainter &painter, const QRect &area)
{
    const QAbstractTextDocumentLayout::PaintContext context = getPaintContext();
    painter.setPen(context.palette.text().color());
    QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid() && offset.y() <= area.bottom(); block = block.next()) {
        const QRectF bounds = blockBoundingRect(block).translated(offset);
        if (block.isVisible() && bounds.bottom() >= area.top()) {
            QTextLayout &layout = *block.layout();
            const QList<QTextLayout::FormatRange> selections = selectionsIn(block, context);
            if (isLong(block)) {
                paintVisibleText(painter, block, offset, area, selections);
                paintColoursOf(painter, block, offset, area);
            } else {
                layout.draw(&painter, offset, selections, area);
            }
            if (caretShown() && context.cursorPosition >= block.position() &&
                context.cursorPosition < block.position() + block.length())
                layout.drawCursor(&painter, offset, context.cursorPosition - block.position(), cursorWidth());
        }
        offset.ry() += bounds.height();
    }
}

QList<QTextLayout::FormatRange> HtmlEditor::selectionsIn(const QTextBlock &block,
                                                         const QAbstractTextDocumentLayout::PaintContext &context)
{
    QList<QTextLayout::FormatRange> within;
    for (const QAbstractTextDocumentLayout::Selection &selection : context.selections) {
        const int from = selection.cursor.selectionStart() - block.position();
        const int to = selection.cursor.selectionEnd() - block.position();
        if (from < block.length() && to > 0 && to > from)
            within.append({from, to - from, selection.format});
    }
    return within;
}

bool HtmlEditor::caretShown() const
{
    return !isReadOnly() || (textInteractionFlags() & Qt::TextSelectableByKeyboard);
}

void HtmlEditor::paintVisibleText(QPainter &painter, const QTextBlock &block, QPointF offset, const QRect &area,
                                  const QList<QTextLayout::FormatRange> &selections)
{
    // The characters within the painted area and the selection's part of them, as the layout
    // draws them: the selection's background behind its text in the selection's colour.
    const QTextLayout &layout = *block.layout();
    const QPen textPen = painter.pen();
    for (int i = firstLineReaching(layout, area.top() - offset.y()); i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (offset.y() + line.y() > area.bottom())
            break;
        const auto [lineFrom, lineTo] = visibleRange(line, offset, area);
        for (const QGlyphRun &run : line.glyphRuns(lineFrom, lineTo - lineFrom))
            painter.drawGlyphRun(offset, run);
        const bool lastLine = i == layout.lineCount() - 1;
        for (const QTextLayout::FormatRange &selection : selections) {
            const int from = std::max(selection.start, lineFrom);
            const int to = std::min(selection.start + selection.length, lineTo);
            const qreal top = offset.y() + line.y();
            if (to > from) {
                const qreal x1 = line.cursorToX(from);
                const qreal x2 = line.cursorToX(to);
                QPainterPath selected; // filled as the layout fills a selection, to the same pixels
                selected.addRect(QRectF(offset.x() + std::min(x1, x2), top, std::abs(x2 - x1), line.height()));
                painter.fillPath(selected, selection.format.background());
                painter.setPen(selection.format.foreground().color());
                for (const QGlyphRun &run : line.glyphRuns(from, to - from))
                    painter.drawGlyphRun(offset, run);
                painter.setPen(textPen);
            }
            // A selection reaching past the end of the line shows its line break.
            const int lineEnd = line.textStart() + line.textLength();
            if (lastLine && selection.start <= lineEnd && selection.start + selection.length > lineEnd)
                painter.fillRect(
                    QRectF(offset.x() + line.naturalTextWidth() + line.x(), top, line.height() / 4, line.height()),
                    selection.format.background());
        }
    }
}

std::pair<int, int> HtmlEditor::visibleRange(const QTextLine &line, QPointF offset, const QRect &area)
{
    // Unwrapped, the line is the whole text: only the characters within the painted area.
    return {std::max(line.textStart(), line.xToCursor(area.left() - offset.x()) - 1),
            std::min(line.textStart() + line.textLength(), line.xToCursor(area.right() + 1 - offset.x()) + 1)};
}

void HtmlEditor::paintLongLineColours(QPainter &painter, const QRect &area)
{
    const int caret = getPaintContext().cursorPosition;
    QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid() && offset.y() <= area.bottom(); block = block.next()) {
        const QRectF bounds = blockBoundingRect(block).translated(offset);
        const BlockNotes *notes = notesOf(block);
        if (block.isVisible() && notes && !notes->ranges.isEmpty() && bounds.bottom() >= area.top()) {
            paintColoursOf(painter, block, offset, area);
            if (caretShown() && caret >= block.position() && caret < block.position() + block.length())
                block.layout()->drawCursor(&painter, offset, caret - block.position(), cursorWidth());
        }
        offset.ry() += bounds.height();
    }
}

void HtmlEditor::paintColoursOf(QPainter &painter, const QTextBlock &block, QPointF offset, const QRect &area)
{
    // The colours of the visible part of a long line, drawn over the text the way a layout
    // format shows them: the selection keeps its own colours, the caret stays on top.
    const BlockNotes *colours = notesOf(block);
    if (!colours || colours->ranges.isEmpty())
        return;
    const QTextCursor cursor = textCursor();
    const QTextLayout &layout = *block.layout();
    const int selectionFrom = cursor.selectionStart() - block.position();
    const int selectionTo = cursor.selectionEnd() - block.position();
    for (int i = firstLineReaching(layout, area.top() - offset.y()); i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (offset.y() + line.y() > area.bottom())
            break;
        const auto [lineFrom, lineTo] = visibleRange(line, offset, area);
        auto range = std::lower_bound(colours->ranges.begin(), colours->ranges.end(), lineFrom - colours->longest,
                                      [](const QTextLayout::FormatRange &r, int at) { return r.start < at; });
        for (; range != colours->ranges.end() && range->start < lineTo; ++range) {
            const int from = std::max(range->start, lineFrom);
            const int to = std::min(range->start + range->length, lineTo);
            const auto paintPart = [&](int partFrom, int partTo) {
                if (partTo <= partFrom)
                    return;
                const qreal x1 = line.cursorToX(partFrom);
                const qreal x2 = line.cursorToX(partTo);
                painter.fillRect(
                    QRectF(offset.x() + std::min(x1, x2), offset.y() + line.y(), std::abs(x2 - x1), line.height()),
                    palette().base());
                painter.setPen(range->format.foreground().color());
                for (const QGlyphRun &run : line.glyphRuns(partFrom, partTo - partFrom))
                    painter.drawGlyphRun(offset, run);
            };
            if (selectionTo > selectionFrom) {
                paintPart(from, std::min(to, selectionFrom));
                paintPart(std::max(from, selectionTo), to);
            } else {
                paintPart(from, to);
            }
        }
    }
}
