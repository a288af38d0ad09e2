#pragma once

#include <QList>
#include <QObject>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>

#include <functional>

class TSpellEngine;

// The editing window's spelling marks: the words of the visible lines that a spell check
// would question, underlined with a wavy red line. They are the window's extra selections,
// so the text, its formats (the tag colours), the undo history and the modified state stay
// as they are. Edits are marked again once typing pauses, scrolling at once.
class SpellMarker final : public QObject {
    Q_OBJECT
public:
    // The editor must outlive the marker; `engine` gives the spell engine (made when first
    // asked for, and only while the marks are on) and must too.
    SpellMarker(QPlainTextEdit &editor, std::function<TSpellEngine &()> engine, QObject *parent = nullptr);

    // On keeps the engine's dictionaries open; off takes the marks away.
    void setOn(bool on);
    bool isOn() const { return m_on; }

    // Marks the visible lines now.
    void refresh();
    // The marked word at a point of the viewport, selected; a null cursor when there is none.
    QTextCursor markAt(const QPoint &viewportPoint) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void schedule(int delayMs);
    QTextBlock firstToMark() const;
    void markSegment(const QString &text, int start, QList<QTextEdit::ExtraSelection> &marks) const;
    bool sameAsShown(const QList<QTextEdit::ExtraSelection> &marks) const;

    QPlainTextEdit &m_editor;
    std::function<TSpellEngine &()> m_engine;
    QTimer m_timer;
    bool m_on = false;
    QList<QTextEdit::ExtraSelection> m_marks;
};
