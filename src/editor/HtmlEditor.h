#pragma once

#include "platform/TextFile.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextLayout>
#include <QTimer>

#include <optional>
#include <utility>

// Lines at least this long are laid out once and keep their layout, and their display
// colours are drawn over the text: a layout format on such a line would lay it out again.
inline constexpr int kLongLineLength = 1 << 16;

// Latin letters, punctuation and currency signs: characters that fonts draw alike with and
// without shaping, as they never join, combine, reorder or change form beside a neighbour.
bool drawnAlikeUnshaped(char16_t c);

// The editing window RE1: plain text, fast on large files. Reports every key and mouse
// press, which mark the document modified (and stop a running colouring pass).
class HtmlEditor final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit HtmlEditor(QWidget *parent = nullptr);

    // Replaces the whole text, as setPlainText does.
    void loadText(const QString &text);

    // The mode asked for. While the text holds a long line the window takes it on a moment
    // later, so that a mode switched off and back within that moment (a colouring pass over
    // a one-line page) lays nothing out. A line too wide to be shown unwrapped (millions of
    // characters) is wrapped whatever the mode, from when it is loaded or made until the next
    // text is loaded. A page holding a long line wraps anywhere, not only between words.
    void setWordWrap(bool on);
    bool wordWrap() const;

    // Display-only colours of a long line (ranges within the line), replacing its earlier ones.
    void setLongLineColours(const QTextBlock &block, const QList<QTextLayout::FormatRange> &colours);
    QList<QTextLayout::FormatRange> longLineColours(const QTextBlock &block) const;

    // The style of the line break before a line, when it is not the file's first. It stays
    // with the line while its text changes, a line that a new break splits off has none, and
    // it goes with the line when the break before the line goes.
    void setBreakStyle(const QTextBlock &block, std::optional<LineEnd> style);
    std::optional<LineEnd> breakStyle(const QTextBlock &block) const;

Q_SIGNALS:
    void keyPressed();
    void mousePressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void keepLongLinesLaidOut(int position, int added);
    void shapeAgainFor(int position, int added);
    void setShaped(bool on);
    void applyWordWrap();
    qsizetype longestUnwrappedLine() const;
    bool showsWrapped() const;
    void pinScrollBarForWrappedLongLine();
    void paintLongLineColours(QPainter &painter, const QRect &area);
    void paintColoursOf(QPainter &painter, const QTextBlock &block, QPointF offset, const QRect &area);
    void paintBlocks(QPainter &painter, const QRect &area);
    void paintVisibleText(QPainter &painter, const QTextBlock &block, QPointF offset, const QRect &area,
                          const QList<QTextLayout::FormatRange> &selections);
    static QList<QTextLayout::FormatRange> selectionsIn(const QTextBlock &block,
                                                        const QAbstractTextDocumentLayout::PaintContext &context);
    static std::pair<int, int> visibleRange(const QTextLine &line, QPointF offset, const QRect &area);
    bool caretShown() const;

    QTimer m_wrapLater;
    QTimer m_shapeLater;
    bool m_shaped = true;
    bool m_loading = false;
    bool m_wantWrap = false;
    bool m_holdsLongLine = false;
    bool m_holdsTooWideLine = false;
};
