#include "spell/SpellMarker.h"

#include "editor/HtmlEditor.h"
#include "spell/SpellMarks.h"
#include "spell/TSpellEngine.h"

#include <QScrollBar>
#include <QTextBlock>

namespace {
// An edit is marked once typing pauses this long, so a word is not marked half typed.
constexpr int kSettleMs = 300;
// A tag left open this many lines above the window is taken as closed.
constexpr int kTagLookBackLines = 50;

QTextCharFormat markFormat()
{
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    format.setUnderlineColor(Qt::red);
    return format;
}
} // namespace

SpellMarker::SpellMarker(QPlainTextEdit &editor, std::function<TSpellEngine &()> engine, QObject *parent)
    : QObject(parent), m_editor(editor), m_engine(std::move(engine))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SpellMarker::refresh);
    connect(m_editor.document(), &QTextDocument::contentsChanged, this, [this] { schedule(kSettleMs); });
    connect(m_editor.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { schedule(0); });
    m_editor.viewport()->installEventFilter(this); // a taller window shows more lines
}

bool SpellMarker::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        schedule(0);
    return QObject::eventFilter(watched, event);
}

void SpellMarker::setOn(bool on)
{
    const bool wasOn = m_on;
    m_on = on;
    if (!on)
        m_timer.stop();
    if (on || wasOn) // off while off needs no engine
        m_engine().setAlwaysActive(on);
    refresh();
}

void SpellMarker::schedule(int delayMs)
{
    if (m_on)
        m_timer.start(delayMs);
}

void SpellMarker::refresh()
{
    m_timer.stop();
    QList<QTextEdit::ExtraSelection> marks;
    if (m_on) {
        if (!m_engine().isActive())
            m_engine().setAlwaysActive(true);
        const QTextBlock last = m_editor.cursorForPosition(QPoint(0, m_editor.viewport()->height())).block();
        QString segment;
        int segmentStart = -1;
        for (QTextBlock block = firstToMark(); block.isValid() && block.blockNumber() <= last.blockNumber();
             block = block.next()) {
            // A long line is laid out once and painted in its own way: it keeps no marks.
            if (block.length() - 1 >= kLongLineLength) {
                markSegment(segment, segmentStart, marks);
                segment.clear();
                segmentStart = -1;
                continue;
            }
            if (segmentStart < 0)
                segmentStart = block.position();
            else
                segment += QLatin1Char('\n');
            segment += block.text();
        }
        markSegment(segment, segmentStart, marks);
    }
    if (sameAsShown(marks))
        return;
    m_marks = marks;
    m_editor.setExtraSelections(marks);
}

QTextBlock SpellMarker::firstToMark() const
{
    // The lines from a tag still open above the window: its words are no words.
    const QTextBlock first = m_editor.cursorForPosition(QPoint(0, 0)).block();
    QTextBlock block = first.previous();
    for (int i = 0; i < kTagLookBackLines && block.isValid(); ++i, block = block.previous()) {
        if (const std::optional<bool> open = SpellMarks::tagOpenAtEnd(block.text()))
            return *open ? block : first;
    }
    return first;
}

void SpellMarker::markSegment(const QString &text, int start, QList<QTextEdit::ExtraSelection> &marks) const
{
    if (start < 0)
        return;
    static const QTextCharFormat format = markFormat();
    for (const MarkedWord &word : SpellMarks::unknownWords(m_engine(), text)) {
        QTextCursor cursor(m_editor.document());
        cursor.setPosition(start + word.start);
        cursor.setPosition(start + word.start + word.length, QTextCursor::KeepAnchor);
        marks.append({cursor, format});
    }
}

bool SpellMarker::sameAsShown(const QList<QTextEdit::ExtraSelection> &marks) const
{
    return std::equal(marks.begin(), marks.end(), m_marks.begin(), m_marks.end(),
                      [](const QTextEdit::ExtraSelection &a, const QTextEdit::ExtraSelection &b) {
                          return a.cursor.anchor() == b.cursor.anchor() && a.cursor.position() == b.cursor.position();
                      });
}

QTextCursor SpellMarker::markAt(const QPoint &viewportPoint) const
{
    const int position = m_editor.cursorForPosition(viewportPoint).position();
    for (const QTextEdit::ExtraSelection &mark : m_marks) {
        if (mark.cursor.selectionStart() <= position && position <= mark.cursor.selectionEnd())
            return mark.cursor;
    }
    return QTextCursor();
}
