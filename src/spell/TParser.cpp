#include "spell/TParser.h"

#include "editor/EditorAccess.h"

#include <algorithm>

void TParser::setWordCharacters(QStringView characters)
{
    for (int c = 0; c < 256; ++c)
        m_wordTable[size_t(c)] = isLetterBeyondAscii(QChar(c));
    m_wideWordCharacters.clear();
    for (QChar c : characters) {
        if (c.unicode() < 256)
            m_wordTable[c.unicode()] = true;
        else if (!m_wideWordCharacters.contains(c))
            m_wideWordCharacters.append(c);
    }
}

bool TParser::isTerminator(QChar c) const
{
    switch (c.unicode()) {
    case '\r':
    case '\n':
    case '\t':
    case ' ':
    case '"':
    case '(':
    case ')':
    case '[':
    case ']':
    case '{':
    case '}':
    case ',':
    case '<':
    case '>':
    case '\'':
        return true;
    default:
        return false;
    }
}

void TParser::reloadLine()
{
    m_lineText = lineCount() > 0 ? fetchLine(std::min(m_line, lineCount() - 1)) : QString();
}

void TParser::moveToLine(int line, int lineStart)
{
    m_line = line;
    m_lineStart = lineStart;
    m_lineText = fetchLine(line);
}

void TParser::setRange(int start, int end)
{
    m_position = m_rangeStart = start;
    m_rangeEnd = end;
    m_wordLength = 0;
    m_wordStart = 0;
    m_atEnd = false;
    const int lines = lineCount();
    int line = 0;
    int lineStart = 0;
    QString text = lines > 0 ? fetchLine(0) : QString();
    // The line holding the position; its line break belongs to it.
    while (line + 1 < lines && start > lineStart + int(text.size()) + 2) {
        lineStart += int(text.size()) + 2;
        ++line;
        text = fetchLine(line);
    }
    m_line = line;
    m_lineStart = lineStart;
    m_lineText = std::move(text);
    m_column = start - lineStart;
    backToWordStart();
}

void TParser::startFromCaret()
{
    setRange(controlSelStart(), m_rangeEnd);
}

void TParser::limitToSelection()
{
    setRange(m_position, controlSelStart() + controlSelLength());
}

void TParser::backToWordStart()
{
    if (m_column >= 1 && m_column <= lineLength() && isWordCharacter(m_lineText.at(m_column - 1))) {
        while (m_column > 1 && isWordCharacter(m_lineText.at(m_column - 2)))
            --m_column;
    }
    m_position = m_lineStart + m_column;
}

bool TParser::nextWord()
{
    m_addressWord = false;
    m_skipped = false;
    const int lines = lineCount();
    if (lines == 0 || m_line >= lines || m_line < 0) {
        m_atEnd = true;
        return false;
    }
    m_column += m_wordLength;
    m_wordLength = 0;
    for (;;) {
        const int length = lineLength();
        if (m_column > length) {
            if (m_line + 1 >= lines) {
                m_atEnd = true;
                return false;
            }
            moveToLine(m_line + 1, m_lineStart + length + 2);
            m_column = 1;
            continue;
        }
        if (m_column < 1) {
            m_column = 1;
            continue;
        }
        const QChar *text = m_lineText.constData();
        if (m_skipQuoted && m_quoteCharacters.contains(text[0])) {
            m_column = length + 1;
            continue;
        }
        const QChar c = text[m_column - 1];
        if (m_skipTags && c == QLatin1Char('<')) {
            m_skipped = true;
            ++m_column;
            // A tag may run over several lines; one that never closes hides the rest.
            for (;;) {
                if (m_column > lineLength()) {
                    if (m_line + 1 >= lines) {
                        m_atEnd = true;
                        return false;
                    }
                    moveToLine(m_line + 1, m_lineStart + lineLength() + 2);
                    m_column = 1;
                    continue;
                }
                if (m_lineText.at(m_column - 1) == QLatin1Char('>'))
                    break;
                ++m_column;
            }
            continue;
        }
        if (!isWordCharacter(c)) {
            ++m_column;
            continue;
        }
        const int position = m_lineStart + m_column;
        if (position > m_rangeEnd) {
            m_atEnd = true;
            return false;
        }
        int end = m_column; // one-based column of the word's last character
        while (end < length && isWordCharacter(text[end]))
            ++end;
        if (m_skipAddresses && end < length) {
            bool address = text[end] == QLatin1Char('@');
            if (!address && text[end] == QLatin1Char(':')) {
                const QStringView scheme(text + m_column - 1, end - m_column + 1);
                address = scheme.compare(QLatin1String("http"), Qt::CaseInsensitive) == 0 ||
                          scheme.compare(QLatin1String("ftp"), Qt::CaseInsensitive) == 0 ||
                          scheme.compare(QLatin1String("news"), Qt::CaseInsensitive) == 0;
            }
            if (address) {
                while (end < length && !isTerminator(text[end]))
                    ++end;
                m_addressWord = true;
                m_skipped = true;
            }
        }
        m_position = position;
        m_wordStart = m_column - 1;
        m_wordLength = end - m_column + 1;
        return true;
    }
}

void TParser::replaceWord(const QString &text)
{
    m_rangeEnd += int(text.size()) - m_wordLength;
    if (!m_undoSuppressed)
        recordReplacement(text);
    editText(m_position - 1, m_wordLength, text);
    m_wordStart = m_column - 1;
    m_wordLength = int(text.size());
    reloadLine();
}

QRect TParser::controlRect() const
{
    return m_view ? m_view->controlRect() : QRect();
}

QRect TParser::wordRect() const
{
    if (!m_view)
        return {};
    const QPoint start = m_view->offsetPoint(m_position - 1);
    const QPoint end = m_view->offsetPoint(m_position - 1 + m_wordLength);
    return QRect(start, QPoint(std::max(start.x(), end.x()), end.y() + m_view->lineHeight()));
}

void TParser::bringIntoView()
{
    if (m_view)
        m_view->scrollToLine(std::max(0, m_line - m_view->visibleLineCount() / 2));
}

bool TParser::removeFollowingSpace()
{
    if (m_column < 1 || m_column > lineLength() || m_lineText.at(m_column - 1) != QLatin1Char(' '))
        return false;
    m_rangeEnd -= 1;
    editText(m_lineStart + m_column - 1, 1, QString());
    reloadLine();
    return true;
}

void TParser::insertSpace()
{
    m_rangeEnd += 1;
    editText(m_position - 1, 0, QStringLiteral(" "));
    reloadLine();
}

void TParser::setActionCode(TUndoAction code)
{
    if (TUndo *undo = newestUndo())
        undo->action = code;
}

void TParser::recordReplacement(const QString &newText)
{
    TUndo *undo = newestUndo();
    if (m_undoSuppressed || !undo)
        return;
    undo->hasReplacement = true;
    undo->oldText = word();
    undo->newText = newText;
}

void TParser::restorePosition(const TUndo &undo)
{
    m_column = undo.column;
    m_line = undo.line;
    m_position = undo.position;
    m_lineStart = m_position - m_column;
    m_wordStart = std::max(0, m_column - 1);
    m_wordLength = 0;
    m_atEnd = false;
    reloadLine();
}

void TParser::pushUndo()
{
    TUndo undo;
    undo.column = m_column;
    undo.wordLength = m_wordLength;
    undo.position = m_position;
    undo.line = m_line;
    undo.word = word();
    m_undo.push_back(std::move(undo));
    // The newest record is the word in hand; the ones before it can be taken back.
    while (int(m_undo.size()) > m_maxUndo + 1)
        m_undo.pop_front();
}

std::optional<TUndo> TParser::popUndo()
{
    if (m_undo.size() < 2)
        return std::nullopt;
    m_undo.pop_back();
    TUndo undo = std::move(m_undo.back());
    m_undo.pop_back();
    restorePosition(undo);
    m_undoSuppressed = true;
    if (undo.action == TUndoAction::Change && undo.repeatedDelete)
        insertSpace();
    else if (undo.action == TUndoAction::DeleteWithFollowingSpace) {
        insertSpace();
        insertSpace();
    }
    if (undo.hasReplacement) {
        m_wordStart = m_column - 1;
        m_wordLength = int(undo.newText.size());
        replaceWord(undo.oldText);
    }
    m_undoSuppressed = false;
    m_wordLength = 0; // the walk finds the restored word again
    return undo;
}

// Buffer -------------------------------------------------------------------------------

TBufferParser::TBufferParser(QByteArray &buffer) : TParser(TParserKind::Buffer, nullptr), m_buffer(buffer)
{
    initialiseRange();
    reloadLine();
}

void TBufferParser::editText(int offset, int length, const QString &text)
{
    const int size = textLength();
    offset = std::clamp(offset, 0, size);
    length = std::clamp(length, 0, size - offset);
    m_buffer.replace(offset, length, text.toLatin1());
}

// String -------------------------------------------------------------------------------

TStringParser::TStringParser(QString &text) : TParser(TParserKind::String, nullptr), m_text(text)
{
    initialiseRange();
    reloadLine();
}

void TStringParser::editText(int offset, int length, const QString &text)
{
    const int size = int(m_text.size());
    offset = std::clamp(offset, 0, size);
    length = std::clamp(length, 0, size - offset);
    m_text.replace(offset, length, text);
}

// Memo and rich edit -------------------------------------------------------------------

TCustomMemoParser::TCustomMemoParser(TParserKind kind, EditorAccess &editor, SpellControlView *view)
    : TParser(kind, view), m_editor(editor)
{
    initialiseRange();
    reloadLine();
}

int TCustomMemoParser::lineCount() const
{
    return m_editor.lineCount();
}
QString TCustomMemoParser::fetchLine(int line) const
{
    return m_editor.lineText(line);
}
int TCustomMemoParser::textLength() const
{
    return m_editor.textLength();
}
int TCustomMemoParser::controlSelStart() const
{
    return m_editor.selStart();
}
int TCustomMemoParser::controlSelLength() const
{
    return m_editor.selLength();
}

void TCustomMemoParser::selectWord()
{
    m_editor.setSelection(position() - 1, wordLength());
}

QString TCustomMemoParser::selectedText() const
{
    return m_editor.selectedText();
}

void TCustomMemoParser::editText(int offset, int length, const QString &text)
{
    m_editor.setSelection(offset, length);
    m_editor.replaceSelection(text);
}

// Single-line edit ---------------------------------------------------------------------

TCustomEditParser::TCustomEditParser(LineEditControl &edit, SpellControlView *view)
    : TParser(TParserKind::Edit, view), m_edit(edit)
{
    initialiseRange();
    reloadLine();
}

void TCustomEditParser::selectWord()
{
    m_edit.setSelection(position() - 1, wordLength());
}

QString TCustomEditParser::selectedText() const
{
    return m_edit.text().mid(m_edit.selStart(), m_edit.selLength());
}

void TCustomEditParser::editText(int offset, int length, const QString &text)
{
    m_edit.setSelection(offset, length);
    m_edit.replaceSelection(text);
}
