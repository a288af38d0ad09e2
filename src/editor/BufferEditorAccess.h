#pragma once

#include "editor/EditorAccess.h"

#include <vector>

class Clipboard;

struct ColouredRange {
    int start;
    int length;
    QColor colour;
};

// Editor access over an in-memory text, for logic that needs no window.
class BufferEditorAccess final : public EditorAccess {
public:
    explicit BufferEditorAccess(Clipboard *clipboard = nullptr, QString text = {});

    QString plainText() const override { return m_text; }
    void setPlainText(const QString &text) override;
    QStringList lines() const override;
    int textLength() const override;
    void setOtherLineEnds(const LineEndMarks &marks) override { m_otherLineEnds = marks; }
    LineEndMarks otherLineEnds() const override { return m_otherLineEnds; }
    void setChangeListener(std::function<void()> listener) override { m_changeListener = std::move(listener); }

    int selStart() const override;
    int selLength() const override;
    QString selectedText() const override;
    void replaceSelection(const QString &text) override;
    void setSelection(int start, int length) override;

    void setFocus() override { m_focused = true; }
    void paste() override;
    void colourRange(int start, int length, const QColor &colour) override;

    int lineCount() const override;
    QString lineText(int line) const override;
    void setLineColours(int line, const QList<LineColour> &colours) override;

    bool hasFocus() const { return m_focused; }
    const std::vector<ColouredRange> &colouredRanges() const { return m_colours; }

private:
    int toOffset(int position) const;           // buffer position -> CR LF offset
    int toPosition(int offset) const;           // CR LF offset -> buffer position
    const std::vector<int> &lineStarts() const; // buffer position of every line's start
    void textChanged() { m_lineStarts.clear(); }
    void moveColours(int editFrom, int editTo, int insertedLength); // CR LF offsets

    Clipboard *m_clipboard;
    QString m_text;
    int m_selStart = 0; // buffer positions
    int m_selEnd = 0;
    bool m_focused = false;
    std::vector<ColouredRange> m_colours;
    LineEndMarks m_otherLineEnds;
    std::function<void()> m_changeListener;
    mutable std::vector<int> m_lineStarts; // empty until asked for after a change
};
