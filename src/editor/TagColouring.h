#pragma once

#include "editor/EditorAccess.h"

#include <QColor>
#include <QString>
#include <QStringView>

#include <array>
#include <functional>
#include <vector>

class EventPump;
class Settings;

// The kinds of tags, in the order their patterns are tried: a later kind wins.
enum class TagKind { Default, Href, Font, Img, Table, List };
inline constexpr int kTagKindCount = 6;

// The kind of one tag text ("<" to ">" inclusive), matched lower-cased by substring.
TagKind tagKindOf(QStringView tagText);

// A coloured part of one line; start counts from the line's first character.
struct TagSpan {
    int start;
    int length;
    TagKind kind;
    friend bool operator==(const TagSpan &, const TagSpan &) = default;
};

// Pairs the "<" and ">" of one line the way the colouring pass does: first unmasked "<"
// with first unmasked ">", both masked once used. Keeps its buffers between lines, so a
// pass over a large file allocates next to nothing per tag.
class TagScanner final {
public:
    const std::vector<TagSpan> &scan(QStringView line);

private:
    QString m_work;
    std::vector<TagSpan> m_spans;
};

std::vector<TagSpan> scanLineTags(QStringView line);

// One colour per kind, indexed by TagKind.
using TagColours = std::array<QColor, kTagKindCount>;
TagColours tagColoursFrom(const Settings &settings);

// The editing window's wrap mode and the "Wrap" check box it is restored from.
struct WordWrapControl {
    std::function<void(bool on)> setWordWrap;
    std::function<bool()> wrapChecked;
};

// Colours one line of the editing window as a pass does, replacing the colours it had.
class LineColourer final {
public:
    LineColourer(EditorAccess &editor, const TagColours &colours);
    // Returns the line's length, for callers that share out their work by text.
    qsizetype colour(int line);

private:
    EditorAccess &m_editor;
    TagColours m_colours;
    TagScanner m_scanner;
    QList<LineColour> m_lineColours;
};

// About a millisecond of scanning: the text coloured at once after one edit.
inline constexpr qsizetype kTypingShare = 64 * 1024;

// Colours the lines edits change while the user types, as a pass colours them. A pass
// pairs "<" and ">" within each line, so a line's colours follow from its own text: the
// lines an edit leaves changed are all whose colours can change, and nothing below them
// needs a second look. A large edit (a paste, an undone replace) is coloured a share at a
// time so that input keeps running. A line longer than a share keeps the colours that move
// with its characters until the next pass: scanning it on every keystroke would cost frames.
class TypingColourer final {
public:
    explicit TypingColourer(EditorAccess &editor);

    // `first` to `last` are the lines an edit left changed, numbered as they are now;
    // `addedLines` is how many lines it put in (negative: took out). Colours them at once
    // up to a share of text; what is left waits for colourPending().
    void linesChanged(int first, int last, int addedLines, const TagColours &colours);
    bool hasPending() const { return m_pendingFirst >= 0; }
    void colourPending(const TagColours &colours);
    void dropPending() { m_pendingFirst = m_pendingLast = -1; }

private:
    // Colours lines from `first` on, up to `last` or a share of text; the next line not
    // coloured, or -1 when none is left.
    int colourShare(int first, int last, const TagColours &colours);
    void addPending(int first, int last);

    EditorAccess &m_editor;
    int m_pendingFirst = -1;
    int m_pendingLast = -1;
};

enum class ColourPassResult { Finished, Stopped };

// Colours every tag of the editing window, line by line, letting input run between lines
// so that a stop request (a flag the window sets) ends it. Display only: the text, its undo
// history and its modified state stay as they were.
class ColourPass final {
public:
    ColourPass(EditorAccess &editor, EventPump &pump, bool &stopFlag, const TagColours &colours);

    ColourPassResult run(const WordWrapControl &wrap);

private:
    void restoreWrap(const WordWrapControl &wrap);

    EditorAccess &m_editor;
    EventPump &m_pump;
    bool &m_stop;
    TagColours m_colours;
};
