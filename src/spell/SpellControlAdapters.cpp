#include "spell/SpellControlAdapters.h"

#include "editor/RichEditAccess.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

QString QLineEditSpellControl::text() const
{
    return m_edit.text();
}

int QLineEditSpellControl::selStart() const
{
    return m_edit.hasSelectedText() ? m_edit.selectionStart() : m_edit.cursorPosition();
}

int QLineEditSpellControl::selLength() const
{
    return m_edit.hasSelectedText() ? m_edit.selectionLength() : 0;
}

void QLineEditSpellControl::setSelection(int start, int length)
{
    m_edit.setSelection(start, length);
}

void QLineEditSpellControl::replaceSelection(const QString &text)
{
    // insert() replaces the selection and keeps the edit's own undo.
    m_edit.insert(text);
}

QRect PlainTextSpellView::controlRect() const
{
    const QWidget *viewport = m_edit.viewport();
    return QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
}

QPoint PlainTextSpellView::offsetPoint(int offset) const
{
    QTextCursor cursor(m_edit.document());
    cursor.setPosition(std::clamp(m_access.toPosition(offset), 0, m_edit.document()->characterCount() - 1));
    return m_edit.viewport()->mapToGlobal(m_edit.cursorRect(cursor).topLeft());
}

int PlainTextSpellView::lineHeight() const
{
    return m_edit.fontMetrics().height();
}

int PlainTextSpellView::visibleLineCount() const
{
    return std::max(1, m_edit.viewport()->height() / std::max(1, lineHeight()));
}

void PlainTextSpellView::scrollToLine(int firstVisibleLine)
{
    // Without wrapping the scroll bar counts lines; with it, the block's first line is used.
    const QTextBlock block = m_edit.document()->findBlockByNumber(firstVisibleLine);
    m_edit.verticalScrollBar()->setValue(block.isValid() ? block.firstLineNumber() : firstVisibleLine);
}

QRect LineEditSpellView::controlRect() const
{
    return QRect(m_edit.mapToGlobal(QPoint(0, 0)), m_edit.size());
}

QPoint LineEditSpellView::offsetPoint(int offset) const
{
    const QRect inner = m_edit.contentsRect();
    const int x = m_edit.fontMetrics().horizontalAdvance(m_edit.text().left(offset));
    return m_edit.mapToGlobal(QPoint(inner.left() + x, inner.top()));
}

int LineEditSpellView::lineHeight() const
{
    return m_edit.fontMetrics().height();
}
