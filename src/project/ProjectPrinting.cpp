#include "project/ProjectPrinting.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <memory>

bool printLines(QPrinter &printer, const QStringList &lines, const QFont &font)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const QRect page = painter.viewport();
    const int lineHeight = metrics.lineSpacing();
    int y = 0;
    for (const QString &line : lines) {
        if (y + lineHeight > page.height()) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(QRect(0, y, page.width(), lineHeight), Qt::TextExpandTabs | Qt::AlignLeft, line);
        y += lineHeight;
    }
    return painter.end();
}

void printEditor(QPrinter &printer, const QPlainTextEdit &editor, const QString &jobTitle)
{
    // The tag colours are display formats of the window; a copy carries them as real formats.
    std::unique_ptr<QTextDocument> copy(editor.document()->clone());
    copy->setDefaultFont(editor.font());
    QTextBlock shown = editor.document()->firstBlock();
    for (QTextBlock block = copy->firstBlock(); block.isValid() && shown.isValid();
         block = block.next(), shown = shown.next()) {
        for (const QTextLayout::FormatRange &range : shown.layout()->formats()) {
            QTextCursor cursor(copy.get());
            cursor.setPosition(block.position() + range.start);
            cursor.setPosition(block.position() + range.start + range.length, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(range.format);
        }
    }
    printer.setDocName(jobTitle);
    copy->print(&printer);
}
