#pragma once

#include "editor/EditorAccess.h"

class QPlainTextEdit;
class QTextDocument;

// Editor access over the editing window. Positions inside the widget count a line break
// as one character; the conversion adds the block number (one extra per break before it).
class RichEditAccess final : public EditorAccess {
public:
    explicit RichEditAccess(QPlainTextEdit &edit);

    QString plainText() const override;
    void setPlainText(const QString &text) override;
    QStringList lines() const override;
    int textLength() const override;

    int selStart() const override;
    int selLength() const override;
    QString selectedText() const override;
    void replaceSelection(const QString &text) override;
    void setSelection(int start, int length) override;

    void setFocus() override;
    void paste() override;
    void colourRange(int start, int length, const QColor &colour) override;

    int toOffset(int position) const;
    int toPosition(int offset) const;

private:
    QTextDocument &document() const;

    QPlainTextEdit &m_edit;
};
