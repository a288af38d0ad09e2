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
