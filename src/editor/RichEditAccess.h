#pragma once

#include "editor/EditorAccess.h"

#include <QMetaObject>
#include <QTextCharFormat>
#include <QTextLayout>

#include <utility>
#include <vector>

class HtmlEditor;
class QTextBlock;
class QTextDocument;

// Editor access over the editing window. Positions inside the widget count a line break
// as one character; the conversion adds the block number (one extra per break before it).
class RichEditAccess final : public EditorAccess {
public:
    explicit RichEditAccess(HtmlEditor &edit);
    ~RichEditAccess() override;
    RichEditAccess(const RichEditAccess &) = delete;
    RichEditAccess &operator=(const RichEditAccess &) = delete;

    QString plainText() const override;
    void setPlainText(const QString &text) override;
    QStringList lines() const override;
    int textLength() const override;
    void setOtherLineEnds(const LineEndMarks &marks) override;
    LineEndMarks otherLineEnds() const override;
    void setChangeListener(std::function<void()> listener) override { m_changeListener = std::move(listener); }
    // Told of every change the change listener hears of, with the lines it left changed
    // (numbered as they are after it) and how many lines it added (negative: took out).
    void setLinesEditedListener(std::function<void(int first, int last, int addedLines)> listener)
    {
        m_linesEditedListener = std::move(listener);
    }

    int selStart() const override;
    int selLength() const override;
    QString selectedText() const override;
    void replaceSelection(const QString &text) override;
    void setSelection(int start, int length) override;

    void setFocus() override;
    void paste() override;
    void colourRange(int start, int length, const QColor &colour) override;

    int lineCount() const override;
    QString lineText(int line) const override;
    int lineLength(int line) const override;
    void setLineColours(int line, const QList<LineColour> &colours) override;
    void flushLineColours() override;

    int toOffset(int position) const;
    int toPosition(int offset) const;

private:
    class Quiet;
    QTextDocument &document() const;
    const QTextCharFormat &formatFor(const QColor &colour);
    void moveColours(int position, int removed, int added);
    void tellLinesEdited(int position, int added, int addedLines);
    QList<QTextLayout::FormatRange> coloursOf(const QTextBlock &block) const;
    // True when the line must be laid out again to show them (layout formats changed).
    bool setColoursOf(const QTextBlock &block, const QList<QTextLayout::FormatRange> &colours);

    HtmlEditor &m_edit;
    // A pass uses a handful of colours over a million tags: share one format per colour.
    std::vector<std::pair<QRgb, QTextCharFormat>> m_formats;
    // Document positions whose colours changed since the last repaint request.
    int m_dirtyFrom = -1;
    int m_dirtyTo = -1;
    int m_blockCount = 0;
    QMetaObject::Connection m_editWatch;
    std::function<void()> m_changeListener;
    std::function<void(int, int, int)> m_linesEditedListener;
    int m_quiet = 0; // loads and colours under way
};
