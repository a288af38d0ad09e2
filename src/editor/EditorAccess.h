#pragma once

#include "platform/TextFile.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A display colour for part of one line; start counts from the line's first character.
struct LineColour {
    int start;
    int length;
    QColor colour;
};

// Access to the editing window as the rest of the program sees it. Offsets and lengths
// count each line break as two characters (CR LF), and texts handed in or out carry line
// breaks as "\r\n"; the whole text for loading and saving uses '\n'.
class EditorAccess {
public:
    virtual ~EditorAccess() = default;

    virtual QString plainText() const = 0;              // '\n' line breaks
    virtual void setPlainText(const QString &text) = 0; // replaces everything, caret at 0, a load

    // The line breaks of a loaded file that differ from its first style. Each stays with its
    // break through edits; a break an edit adds has the first style, except that
    // replaceSelection() hands the replaced breaks' styles on, in order, to the breaks it puts
    // in (so a replace over many lines keeps them). setPlainText() starts without any.
    virtual void setOtherLineEnds(const LineEndMarks &marks) = 0;
    virtual LineEndMarks otherLineEnds() const = 0;
    // Called after every change to the text, whoever makes it, but not for a load or a colour.
    virtual void setChangeListener(std::function<void()> listener) = 0;
    virtual QStringList lines() const = 0;
    virtual int textLength() const = 0; // line breaks counting two

    virtual int selStart() const = 0;
    virtual int selLength() const = 0;
    virtual QString selectedText() const = 0;
    // Replaces the selection; the caret ends after the inserted text.
    virtual void replaceSelection(const QString &text) = 0;
    // Offsets falling between the CR and LF of a line break move to the end of the line.
    virtual void setSelection(int start, int length) = 0;

    virtual void setFocus() = 0;
    virtual void paste() = 0;
    // Display only: never part of the text, the undo history or the modified state.
    virtual void colourRange(int start, int length, const QColor &colour) = 0;

    // Line by line access for passes over the whole text, so that they need not copy it.
    virtual int lineCount() const { return int(lines().size()); }
    virtual QString lineText(int line) const { return lines().value(line); }
    virtual int lineLength(int line) const { return int(lineText(line).size()); }
    // Display-only colours of one line, replacing the ones the line had (this default can
    // only add). A window may hold the repaint back until flushLineColours().
    virtual void setLineColours(int line, const QList<LineColour> &colours);
    virtual void flushLineColours() {}
};

// Offset arithmetic shared by every implementation: '\n' text <-> offsets counting CR LF.
namespace LineBreaks {
QString toCrLf(const QString &text);   // every '\n' becomes "\r\n"
QString fromCrLf(const QString &text); // every CR LF, lone CR and lone LF becomes '\n'
// The marks after an edit at `line` that took out `removed` breaks and put in `added`.
LineEndMarks marksAfterEdit(const LineEndMarks &marks, int line, int removed, int added);
// The offset where `line` starts, and the line an offset lies in (the last line past the end).
int lineStart(const QStringList &lines, int line);
int lineOfOffset(const QStringList &lines, int offset);
} // namespace LineBreaks
