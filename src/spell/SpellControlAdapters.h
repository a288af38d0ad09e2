#pragma once

#include "spell/TParser.h"

class QLineEdit;
class QPlainTextEdit;
class QWidget;
class RichEditAccess;

// The spell parsers' view of real controls: a QLineEdit as a single-line edit, and the
// screen geometry and scrolling of a QPlainTextEdit (the editing window or a memo) and of
// a QLineEdit.
class QLineEditSpellControl final : public LineEditControl {
public:
    explicit QLineEditSpellControl(QLineEdit &edit) : m_edit(edit) {}
    QString text() const override;
    int selStart() const override;
    int selLength() const override;
    void setSelection(int start, int length) override;
    void replaceSelection(const QString &text) override;

private:
    QLineEdit &m_edit;
};

class PlainTextSpellView final : public SpellControlView {
public:
    // `access` converts the parser's offsets (line breaks counting two) to the widget's.
    PlainTextSpellView(QPlainTextEdit &edit, RichEditAccess &access) : m_edit(edit), m_access(access) {}
    QRect controlRect() const override;
    QPoint offsetPoint(int offset) const override;
    int lineHeight() const override;
    int visibleLineCount() const override;
    void scrollToLine(int firstVisibleLine) override;

private:
    QPlainTextEdit &m_edit;
    RichEditAccess &m_access;
};

class LineEditSpellView final : public SpellControlView {
public:
    explicit LineEditSpellView(QLineEdit &edit) : m_edit(edit) {}
    QRect controlRect() const override;
    QPoint offsetPoint(int offset) const override;
    int lineHeight() const override;
    int visibleLineCount() const override { return 1; }
    void scrollToLine(int) override {}

private:
    QLineEdit &m_edit;
};
