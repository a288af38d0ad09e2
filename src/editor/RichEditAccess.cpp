#include "editor/RichEditAccess.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

RichEditAccess::RichEditAccess(QPlainTextEdit &edit) : m_edit(edit) {}

QTextDocument &RichEditAccess::document() const { return *m_edit.document(); }

QString RichEditAccess::plainText() const
{
    // toPlainText() would turn no-break spaces into spaces; the raw text keeps every character.
    QString text = document().toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

void RichEditAccess::setPlainText(const QString &text) { m_edit.setPlainText(text); }

QStringList RichEditAccess::lines() const { return plainText().split(QLatin1Char('\n')); }

int RichEditAccess::textLength() const { return toOffset(document().characterCount() - 1); }

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

int RichEditAccess::selStart() const { return toOffset(m_edit.textCursor().selectionStart()); }

int RichEditAccess::selLength() const
{
    const QTextCursor cursor = m_edit.textCursor();
    return toOffset(cursor.selectionEnd()) - toOffset(cursor.selectionStart());
}

QString RichEditAccess::selectedText() const
{
    QString text = m_edit.textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    return text;
}

void RichEditAccess::replaceSelection(const QString &text)
{
    QTextCursor cursor = m_edit.textCursor();
    cursor.insertText(LineBreaks::fromCrLf(text));
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

void RichEditAccess::setFocus() { m_edit.setFocus(); }

void RichEditAccess::paste() { m_edit.paste(); }

void RichEditAccess::colourRange(int start, int length, const QColor &colour)
{
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
