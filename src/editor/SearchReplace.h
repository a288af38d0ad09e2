#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class EditorAccess;
class EventPump;
class Prompts;

// Texts of the search commands, each kept once here.
namespace SearchTexts {
inline const QString notFoundPrefix = QStringLiteral("\"");
inline const QString notFoundSuffix = QStringLiteral("\" not found");
inline const QString allSlashesQuestion =
    QStringLiteral("Replace ALL instance of \"\\\" with \"/\" (within tags and elsewhere) in open file?");
inline const QString preciseSlashesQuestion = QStringLiteral(
    "Replace PRECISE instances of \"\\\" with \"/\" (only when it appears within quotes within a tag) in open file?");
inline const QString slashCountPrefix = QStringLiteral("There were ");
inline const QString slashCountSuffix = QStringLiteral(" slash characters replaced.");

QString notFound(const QString &findText);
QString slashCount(int count);
} // namespace SearchTexts

// What a find or replace dialog holds when one of its buttons is pressed.
struct SearchRequest {
    QString findText;
    QString replaceText;
    bool matchCase = false;
};

struct TextPatch {
    qsizetype position;
    QString text;
};

// What the slash commands need from the editing window beyond the editor access. Any may be
// empty (no window in a test); the commands then do without.
struct EditorHooks {
    std::function<bool()> wordWrap;
    std::function<void(bool on)> setWordWrap;
    // Typing during the pass over the tags would move the text under the offsets found in it.
    std::function<bool()> readOnly;
    std::function<void(bool on)> setReadOnly;
    // Overwrites, as one undo step, the characters at each patch's position (an index into
    // plainText()) with its text of the same length; patches are ascending and never cross a
    // line break. Without it the whole changed span is replaced in one edit, which on a big
    // document costs as much as loading it again.
    std::function<void(const std::vector<TextPatch> &patches)> overwrite;
};

namespace SearchText {
// Upper case of a to z only: accented letters, "ß" and everything else stay as they are.
QString upperAsciiLetters(QString text);

// Next occurrence of `needle` in `haystack` at or after `from`, or -1. An empty needle is never
// found, and an occurrence that would begin or end between the CR and LF of a line break is
// skipped: the editing window cannot select half a line break.
qsizetype findOccurrence(QStringView haystack, QStringView needle, qsizetype from);

// One pass of Replace All over a text with CR LF line breaks: every occurrence of `needle` in
// `folded` (the text as matched, same length as `text`), non-overlapping, each next search
// starting right after the previous match. `text` supplies the characters kept.
struct ReplaceAllPlan {
    int count = 0;
    qsizetype firstStart = -1; // span of the text that changes, in `text` offsets
    qsizetype lastEnd = -1;
    QString middle; // what replaces [firstStart, lastEnd)
};
ReplaceAllPlan planReplaceAll(QStringView text, QStringView folded, QStringView needle, QStringView replacement);

// The whole text after Replace All (for callers that want text in, text out).
QString replaceAllInText(const QString &text, const QString &findText, const QString &replaceText, bool matchCase);

// Positions of the backslashes inside quoted values of the tags of one line. Quotes pair in
// order inside each tag (a last unpaired quote closes nothing). A tag ends at the first ">"
// after its "<"; a ">" before any "<" is plain text; a "<" with no ">" after it ends the line's
// search, since a tag running on past the line cannot be judged from the line.
void tagValueBackslashes(QStringView line, std::vector<qsizetype> &positions);
} // namespace SearchText

// The search state of the main window and the find, replace and slash commands over the
// editing window. Offsets are document offsets, line breaks counting two.
class SearchSession final {
public:
    SearchSession(EditorAccess &editor, Prompts &prompts, std::function<void()> markModified);

    // Find and Replace commands: returns the text for the dialog's find field (the selection)
    // and makes the dialog's next Find Next start a new search.
    QString startCommand();

    // Find Next of the Find or the Replace dialog.
    bool dialogFindNext(const SearchRequest &dialog);
    // Find Next command (F3); the Find dialog's text appears in the failure message.
    bool findNextCommand(const QString &findDialogText);
    // Replace button: true when the selection was the find text and got replaced.
    bool replace(const SearchRequest &dialog);
    // Replace All button: the number of replacements; shows nothing.
    int replaceAll(const SearchRequest &dialog);

    // Edit menu: every backslash, or only those inside quoted tag values. Each returns the
    // count, or nullopt when the question was answered No or the pass was stopped.
    std::optional<int> replaceAllBackslashes();
    // `stop` is the flag shared with tag colouring (a stop button or a mouse press sets it).
    std::optional<int> replaceBackslashesInTags(EventPump &pump, bool &stop);

    void setEditorHooks(EditorHooks hooks) { m_hooks = std::move(hooks); }

    bool isNewSearch() const { return m_newSearch; }
    const QString &textCopy() const { return m_textCopy; }
    const QString &searchText() const { return m_searchText; }
    std::optional<qsizetype> searchPosition() const { return m_position; }
    const QString &replacementText() const { return m_replacement; }

private:
    void startSearch(const SearchRequest &dialog);
    void takeTextCopy(bool matchCase);
    bool findNext(const QString &messageText);
    // Turns the backslashes at `positions` (ascending, in the '\n' text `text`) into "/" in one
    // edit, leaving the caret after the last one.
    void applySlashes(const QString &text, const std::vector<qsizetype> &positions);

    EditorAccess &m_editor;
    Prompts &m_prompts;
    std::function<void()> m_markModified;
    EditorHooks m_hooks;

    bool m_newSearch = false;
    QString m_textCopy;
    QString m_searchText;
    std::optional<qsizetype> m_position;
    QString m_replacement;
};
