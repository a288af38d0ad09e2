#include "editor/HtmlEditor.h"

#include <QFontDatabase>

HtmlEditor::HtmlEditor(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("RE1"));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setContextMenuPolicy(Qt::CustomContextMenu);
    setUndoRedoEnabled(true);
}

void HtmlEditor::setWordWrap(bool on)
{
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

bool HtmlEditor::wordWrap() const
{
    return lineWrapMode() != QPlainTextEdit::NoWrap;
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
