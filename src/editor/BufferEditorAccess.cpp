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
} // namespace LineBreaks

BufferEditorAccess::BufferEditorAccess(Clipboard *clipboard, QString text)
    : m_clipboard(clipboard), m_text(std::move(text))
{
}

void BufferEditorAccess::setPlainText(const QString &text)
{
    m_text = LineBreaks::fromCrLf(text);
    m_selStart = m_selEnd = 0;
    m_colours.clear();
}

QStringList BufferEditorAccess::lines() const { return m_text.split(QLatin1Char('\n')); }

int BufferEditorAccess::textLength() const { return toOffset(int(m_text.size())); }

int BufferEditorAccess::toOffset(int position) const
{
    return position + int(QStringView(m_text).left(position).count(QLatin1Char('\n')));
}

int BufferEditorAccess::toPosition(int offset) const
{
    int offsetSoFar = 0;
    for (int pos = 0; pos < m_text.size(); ++pos) {
        const int width = m_text.at(pos) == QLatin1Char('\n') ? 2 : 1;
        if (offsetSoFar + width > offset)
            return pos;
        offsetSoFar += width;
    }
    return int(m_text.size());
}

int BufferEditorAccess::selStart() const { return toOffset(m_selStart); }

int BufferEditorAccess::selLength() const { return toOffset(m_selEnd) - toOffset(m_selStart); }

QString BufferEditorAccess::selectedText() const
{
    return LineBreaks::toCrLf(m_text.mid(m_selStart, m_selEnd - m_selStart));
}

void BufferEditorAccess::replaceSelection(const QString &text)
{
    const QString inserted = LineBreaks::fromCrLf(text);
    m_text.replace(m_selStart, m_selEnd - m_selStart, inserted);
    m_selStart = m_selEnd = m_selStart + int(inserted.size());
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
