#pragma once

#include "spell/SpellTypes.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringView>

#include <array>
#include <deque>
#include <optional>

class EditorAccess;

// What an undo record takes back: the spell dialog's action codes, and 105 for the delete
// of a repeated word that also removed the space after it.
enum class TUndoAction : int {
    Pending = 0, // the word awaits its action
    ChangeAll = 4,
    Change = 5, // also the delete of a repeated word with no space after it
    IgnoreAll = 6,
    Ignore = 7,
    Add = 8,
    AutoCorrect = 9,
    DeleteWithFollowingSpace = 105,
};

// One undo record of the spell dialog's actions (`TUndo`).
struct TUndo {
    TUndoAction action = TUndoAction::Pending;
    int column = 1;
    int wordLength = 0;
    int position = 1;
    int line = 0;
    QString word;
    bool hasReplacement = false;
    QString oldText;
    QString newText;
    // The engine's own: the word before this one, so a repeated word is found again after
    // its delete is undone; and whether Change was the delete of a repeated word (a plain
    // change must not get a space back).
    QString previousWord;
    bool repeatedDelete = false;
};

// Where a control is on the screen and how it scrolls; parsers of windows use it to report
// the word's rectangle (to place the spell dialog) and to bring the word into view. A
// parser without one reports empty rectangles and does not scroll.
class SpellControlView {
public:
    virtual ~SpellControlView() = default;
    virtual QRect controlRect() const = 0; // client area, screen coordinates
    // Top left of the character at a text offset (line breaks counting two), on the screen.
    virtual QPoint offsetPoint(int offset) const = 0;
    virtual int lineHeight() const = 0;
    virtual int visibleLineCount() const = 0;
    virtual void scrollToLine(int firstVisibleLine) = 0;
};

// A single-line edit control as the edit parser needs it; a QLineEdit adapter implements
// it in the windows layer.
class LineEditControl {
public:
    virtual ~LineEditControl() = default;
    virtual QString text() const = 0;
    virtual int selStart() const = 0;
    virtual int selLength() const = 0;
    virtual void setSelection(int start, int length) = 0;
    virtual void replaceSelection(const QString &text) = 0;
};

// Walks one text for the spell engine (`TParser`): yields the next word of a range,
// skipping tags, e-mail addresses, URLs and quoted lines when asked, selects and replaces
// the current word in place and keeps the undo records. Positions are one-based and count
// a line break as two characters; the column is one-based within the current line. The
// current word is a view into the current line, so reading words allocates nothing.
class TParser {
public:
    static constexpr int kDefaultMaxUndo = 20;

    virtual ~TParser() = default;

    TParserKind kind() const { return m_kind; }

    // Set by the engine before a check. Besides these, every letter (and combining mark)
    // beyond ASCII belongs to a word, so a letter that no open dictionary uses does not cut
    // a word in two ("naïve"); ASCII characters are word characters only when listed.
    void setWordCharacters(QStringView characters);
    bool isWordCharacter(QChar c) const
    {
        return c.unicode() < 256 ? m_wordTable[c.unicode()]
                                 : isLetterBeyondAscii(c) || m_wideWordCharacters.contains(c);
    }
    static bool isLetterBeyondAscii(QChar c) { return c.unicode() >= 128 && (c.isLetter() || c.isMark()); }
    void setSkipTags(bool on) { m_skipTags = on; }
    void setSkipAddresses(bool on) { m_skipAddresses = on; }
    void setSkipQuoted(bool on) { m_skipQuoted = on; }
    void setQuoteCharacters(const QString &characters) { m_quoteCharacters = characters; }
    // The undo records that can be taken back, besides the record of the word in hand.
    void setMaxUndo(int records) { m_maxUndo = std::max(0, records); }

    // 1. The part to check, as one-based positions; the start moves back to the start of the
    //    word it is in.
    virtual void setRange(int start, int end);
    // 2. From the control's caret to the current range end.
    virtual void startFromCaret();
    // 3. From the current position to the control's selection end.
    virtual void limitToSelection();
    // 4. False, with atEnd() set, when no further word starts within the range.
    bool nextWord();
    // 5.
    virtual void selectWord() {}
    // 6. Replaces the current word; the word length becomes the new text's.
    void replaceWord(const QString &text);
    // 7, 8. Screen rectangles; empty without a view.
    QRect controlRect() const;
    QRect wordRect() const;
    // 9.
    void bringIntoView();
    // 10.
    void backToWordStart();
    // 11.
    virtual void start() {}
    // 12. Deletes the character at the column when it is a space.
    bool removeFollowingSpace();
    // 13.
    void insertSpace();
    // 14.
    virtual QString selectedText() const { return QString(); }
    // 15, 16.
    void setActionCode(TUndoAction code);
    void recordReplacement(const QString &newText);
    // 17.
    void restorePosition(const TUndo &undo);
    // 18.
    void pushUndo();
    // 19. Takes back to the record before the newest; nullopt when there is none.
    std::optional<TUndo> popUndo();
    // 20.
    bool canUndo() const { return m_undo.size() > 1; }
    TUndo *newestUndo() { return m_undo.empty() ? nullptr : &m_undo.back(); }
    // Internal edits (automatic replacements) leave the undo records alone.
    void setUndoSuppressed(bool suppressed) { m_undoSuppressed = suppressed; }
    int undoCount() const { return int(m_undo.size()); }

    // The current word.
    QStringView wordView() const { return QStringView(m_lineText).mid(m_wordStart, m_wordLength); }
    QString word() const { return wordView().toString(); }
    int position() const { return m_position; }
    int column() const { return m_column; }
    int line() const { return m_line; }
    int wordLength() const { return m_wordLength; }
    // The next word is then read from the current position, e.g. a replacement is checked.
    void clearWordLength() { m_wordLength = 0; }
    int rangeStart() const { return m_rangeStart; }
    int rangeEnd() const { return m_rangeEnd; }
    bool atEnd() const { return m_atEnd; }
    bool isAddressWord() const { return m_addressWord; }
    bool wasSkipped() const { return m_skipped; }

protected:
    TParser(TParserKind kind, SpellControlView *view) : m_kind(kind), m_view(view) {}

    // The text, as lines; one-line kinds have exactly one.
    virtual int lineCount() const = 0;
    virtual QString fetchLine(int line) const = 0;
    // Replaces `length` characters at a zero-based offset (line breaks counting two).
    virtual void editText(int offset, int length, const QString &text) = 0;
    // Length of the text, line breaks counting two.
    virtual int textLength() const = 0;
    virtual int controlSelStart() const { return m_position; }
    virtual int controlSelLength() const { return 0; }

    // Call after the text changed outside editText (e.g. a new source).
    void reloadLine();
    void initialiseRange() { m_rangeEnd = textLength(); }

private:
    void moveToLine(int line, int lineStart);
    int lineLength() const { return int(m_lineText.size()); }
    bool isTerminator(QChar c) const;

    TParserKind m_kind;
    SpellControlView *m_view;
    std::array<bool, 256> m_wordTable{};
    QString m_wideWordCharacters;
    bool m_skipTags = false;
    bool m_skipAddresses = false;
    bool m_skipQuoted = false;
    QString m_quoteCharacters = QStringLiteral(">");
    int m_maxUndo = kDefaultMaxUndo;

    int m_column = 1;
    int m_line = 0;
    int m_lineStart = 0; // offset of the current line's first character
    int m_position = 1;
    int m_wordStart = 0; // index of the word in m_lineText
    int m_wordLength = 0;
    int m_rangeStart = 1;
    int m_rangeEnd = 0;
    bool m_atEnd = false;
    bool m_addressWord = false;
    bool m_skipped = false;
    bool m_undoSuppressed = false;
    QString m_lineText;
    std::deque<TUndo> m_undo;
};

// Kind 0: a zero-terminated 8-bit buffer (Latin-1), walked as one line.
class TBufferParser final : public TParser {
public:
    explicit TBufferParser(QByteArray &buffer);

protected:
    int lineCount() const override { return 1; }
    QString fetchLine(int) const override { return QString::fromLatin1(m_buffer.constData()); }
    void editText(int offset, int length, const QString &text) override;
    int textLength() const override { return int(qstrlen(m_buffer.constData())); }

private:
    QByteArray &m_buffer;
};

// Kind 1: a string variable, walked as one line.
class TStringParser final : public TParser {
public:
    explicit TStringParser(QString &text);

protected:
    int lineCount() const override { return 1; }
    QString fetchLine(int) const override { return m_text; }
    void editText(int offset, int length, const QString &text) override;
    int textLength() const override { return int(m_text.size()); }

private:
    QString &m_text;
};

// Kind 4: a multi-line control, line by line, edited through its selection.
class TCustomMemoParser : public TParser {
public:
    explicit TCustomMemoParser(EditorAccess &editor, SpellControlView *view = nullptr)
        : TCustomMemoParser(TParserKind::Memo, editor, view)
    {
    }

    void selectWord() override;
    QString selectedText() const override;

protected:
    TCustomMemoParser(TParserKind kind, EditorAccess &editor, SpellControlView *view);
    int lineCount() const override;
    QString fetchLine(int line) const override;
    void editText(int offset, int length, const QString &text) override;
    int textLength() const override;
    int controlSelStart() const override;
    int controlSelLength() const override;

private:
    EditorAccess &m_editor;
};

// Kind 2: the editing window. It walks the text as the memo parser does; only the screen
// position of the word comes from the rich-edit window's own view.
class TCustomRichEditParser final : public TCustomMemoParser {
public:
    explicit TCustomRichEditParser(EditorAccess &editor, SpellControlView *view = nullptr)
        : TCustomMemoParser(TParserKind::RichEdit, editor, view)
    {
    }
};

// Kind 3: a single-line edit control's text as one line.
class TCustomEditParser final : public TParser {
public:
    explicit TCustomEditParser(LineEditControl &edit, SpellControlView *view = nullptr);

    void selectWord() override;
    QString selectedText() const override;

protected:
    int lineCount() const override { return 1; }
    QString fetchLine(int) const override { return m_edit.text(); }
    void editText(int offset, int length, const QString &text) override;
    int textLength() const override { return int(m_edit.text().size()); }
    int controlSelStart() const override { return m_edit.selStart(); }
    int controlSelLength() const override { return m_edit.selLength(); }

private:
    LineEditControl &m_edit;
};
