#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

// Access to the editing window as the rest of the program sees it. Offsets and lengths
// count each line break as two characters (CR LF), and texts handed in or out carry line
// breaks as "\r\n"; the whole text for loading and saving uses '\n'.
class EditorAccess {
public:
    virtual ~EditorAccess() = default;

    virtual QString plainText() const = 0;             // '\n' line breaks
    virtual void setPlainText(const QString &text) = 0; // replaces everything, caret at 0
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
};

// Offset arithmetic shared by every implementation: '\n' text <-> offsets counting CR LF.
namespace LineBreaks {
QString toCrLf(const QString &text);     // every '\n' becomes "\r\n"
QString fromCrLf(const QString &text);   // every CR LF, lone CR and lone LF becomes '\n'
} // namespace LineBreaks
