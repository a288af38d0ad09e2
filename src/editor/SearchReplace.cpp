#include "editor/SearchReplace.h"

#include "editor/EditorAccess.h"
#include "platform/EventPump.h"
#include "platform/Prompts.h"

#include <algorithm>
#include <utility>

namespace SearchTexts {
QString notFound(const QString &findText)
{
    return notFoundPrefix + findText + notFoundSuffix;
}

QString slashCount(int count)
{
    return slashCountPrefix + QString::number(count) + slashCountSuffix;
}
} // namespace SearchTexts

namespace SearchText {
QString upperAsciiLetters(QString text)
{
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            c = QChar(char16_t(u - (u'a' - u'A')));
    }
    return text;
}

qsizetype findOccurrence(QStringView haystack, QStringView needle, qsizetype from)
{
    if (needle.isEmpty())
        return -1;
    const qsizetype size = haystack.size();
    const auto splitsBreak = [&](qsizetype at) {
        return at > 0 && at < size && haystack[at] == u'\n' && haystack[at - 1] == u'\r';
    };
    for (from = std::max<qsizetype>(from, 0); from + needle.size() <= size;) {
        const qsizetype at = haystack.indexOf(needle, from);
        if (at < 0)
            return -1;
        if (!splitsBreak(at) && !splitsBreak(at + needle.size()))
            return at;
        from = at + 1;
    }
    return -1;
}

ReplaceAllPlan planReplaceAll(QStringView text, QStringView folded, QStringView needle, QStringView replacement)
{
    ReplaceAllPlan plan;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = findOccurrence(folded, needle, from);
        if (at < 0)
            break;
        if (plan.count == 0) {
            plan.firstStart = at;
            // The changed span is at least about the rest of the text; saves the early regrowths.
            plan.middle.reserve(text.size() - at);
        } else {
            plan.middle.append(text.mid(from, at - from));
        }
        plan.middle.append(replacement);
        from = at + needle.size();
        ++plan.count;
    }
    if (plan.count > 0)
        plan.lastEnd = from;
    return plan;
}

QString replaceAllInText(const QString &text, const QString &findText, const QString &replaceText, bool matchCase)
{
    const QString folded = matchCase ? QString() : upperAsciiLetters(text);
    const QString needle = matchCase ? findText : upperAsciiLetters(findText);
    const ReplaceAllPlan plan = planReplaceAll(text, matchCase ? text : folded, needle, replaceText);
    if (plan.count == 0)
        return text;
    QString result;
    result.reserve(plan.firstStart + plan.middle.size() + (text.size() - plan.lastEnd));
    result.append(QStringView(text).left(plan.firstStart));
    result.append(plan.middle);
    result.append(QStringView(text).mid(plan.lastEnd));
    return result;
}

void tagValueBackslashes(QStringView line, std::vector<qsizetype> &positions)
{
    const qsizetype size = line.size();
    qsizetype from = 0;
    while (from < size) {
        const qsizetype open = line.indexOf(u'<', from);
        if (open < 0)
            return;
        const qsizetype close = line.indexOf(u'>', open + 1);
        if (close < 0)
            return;
        bool inQuotes = false;
        std::size_t keptBeforeQuote = positions.size();
        for (qsizetype i = open + 1; i < close; ++i) {
            const QChar c = line[i];
            if (c == u'"') {
                inQuotes = !inQuotes;
                keptBeforeQuote = positions.size();
            } else if (c == u'\\' && inQuotes) {
                positions.push_back(i);
            }
        }
        // Backslashes after a quote that nothing closes are not in a value.
        if (inQuotes)
            positions.resize(keptBeforeQuote);
        from = close + 1;
    }
}
} // namespace SearchText

using namespace SearchText;

SearchSession::SearchSession(EditorAccess &editor, Prompts &prompts, std::function<void()> markModified)
    : m_editor(editor), m_prompts(prompts), m_markModified(std::move(markModified))
{
}

QString SearchSession::startCommand()
{
    m_newSearch = true;
    return m_editor.selectedText();
}

void SearchSession::takeTextCopy(bool matchCase)
{
    m_textCopy = LineBreaks::toCrLf(m_editor.plainText());
    if (!matchCase)
        m_textCopy = upperAsciiLetters(std::move(m_textCopy));
}

void SearchSession::startSearch(const SearchRequest &dialog)
{
    takeTextCopy(dialog.matchCase);
    m_searchText = dialog.matchCase ? dialog.findText : upperAsciiLetters(dialog.findText);
    m_position = 0;
}

bool SearchSession::findNext(const QString &messageText)
{
    const qsizetype at = m_position ? findOccurrence(m_textCopy, m_searchText, *m_position) : -1;
    if (at < 0) {
        m_position.reset();
        m_prompts.information(SearchTexts::notFound(messageText));
        return false;
    }
    m_editor.setFocus();
    m_editor.setSelection(int(at), int(m_searchText.size()));
    // One past the start, so that overlapping occurrences are found one after another.
    m_position = at + 1;
    return true;
}

bool SearchSession::dialogFindNext(const SearchRequest &dialog)
{
    if (m_newSearch) {
        m_newSearch = false;
        startSearch(dialog);
    }
    return findNext(dialog.findText);
}

bool SearchSession::findNextCommand(const QString &findDialogText)
{
    return findNext(findDialogText);
}

bool SearchSession::replace(const SearchRequest &dialog)
{
    m_replacement = dialog.replaceText;
    // An empty find text would match every empty selection and insert at the caret.
    if (dialog.findText.isEmpty())
        return false;
    if (upperAsciiLetters(m_editor.selectedText()) != upperAsciiLetters(dialog.findText))
        return false;
    m_editor.replaceSelection(m_replacement);
    if (m_markModified)
        m_markModified();
    takeTextCopy(dialog.matchCase);
    m_position = m_editor.selStart();
    return true;
}

int SearchSession::replaceAll(const SearchRequest &dialog)
{
    m_replacement = dialog.replaceText;
    const QString text = LineBreaks::toCrLf(m_editor.plainText());
    m_textCopy = dialog.matchCase ? text : upperAsciiLetters(text);
    m_searchText = dialog.matchCase ? dialog.findText : upperAsciiLetters(dialog.findText);
    // Offsets move by what the editing window really inserts, so plan with that form.
    const QString inserted = LineBreaks::toCrLf(LineBreaks::fromCrLf(m_replacement));
    const ReplaceAllPlan plan = planReplaceAll(text, m_textCopy, m_searchText, inserted);
    // Replacing match after match ends with a failed search.
    m_position.reset();
    if (plan.count == 0)
        return 0;

    m_editor.setFocus();
    m_editor.setSelection(int(plan.firstStart), int(plan.lastEnd - plan.firstStart));
    m_editor.replaceSelection(plan.middle);
    if (m_markModified)
        m_markModified();

    // The copy a search would take now, without reading the window again.
    QString copy;
    copy.reserve(plan.firstStart + plan.middle.size() + (m_textCopy.size() - plan.lastEnd));
    copy.append(QStringView(m_textCopy).left(plan.firstStart));
    copy.append(dialog.matchCase ? plan.middle : upperAsciiLetters(plan.middle));
    copy.append(QStringView(m_textCopy).mid(plan.lastEnd));
    m_textCopy = std::move(copy);
    return plan.count;
}

void SearchSession::applySlashes(const QString &text, const std::vector<qsizetype> &positions)
{
    const qsizetype first = positions.front();
    const qsizetype end = positions.back() + 1;
    const QStringView view(text);
    const qsizetype startOffset = first + view.left(first).count(u'\n');
    const qsizetype endOffset = end + (startOffset - first) + view.mid(first, end - first).count(u'\n');
    if (m_hooks.overwrite) {
        // One patch per line, from its first change to its last.
        std::vector<TextPatch> patches;
        for (std::size_t i = 0; i < positions.size();) {
            qsizetype lineEnd = text.indexOf(u'\n', positions[i]);
            if (lineEnd < 0)
                lineEnd = text.size();
            std::size_t last = i;
            while (last + 1 < positions.size() && positions[last + 1] < lineEnd)
                ++last;
            TextPatch patch{positions[i], text.mid(positions[i], positions[last] + 1 - positions[i])};
            for (std::size_t k = i; k <= last; ++k)
                patch.text[positions[k] - patch.position] = u'/';
            patches.push_back(std::move(patch));
            i = last + 1;
        }
        m_hooks.overwrite(patches);
        m_editor.setSelection(int(endOffset), 0);
    } else {
        QString segment = text.mid(first, end - first);
        for (const qsizetype position : positions)
            segment[position - first] = u'/';
        m_editor.setSelection(int(startOffset), int(endOffset - startOffset));
        m_editor.replaceSelection(LineBreaks::toCrLf(segment));
    }
    if (m_markModified)
        m_markModified();
}

std::optional<int> SearchSession::replaceAllBackslashes()
{
    if (!m_prompts.confirm(SearchTexts::allSlashesQuestion))
        return std::nullopt;
    const QString text = m_editor.plainText();
    std::vector<qsizetype> positions;
    for (qsizetype at = text.indexOf(u'\\'); at >= 0; at = text.indexOf(u'\\', at + 1))
        positions.push_back(at);
    if (!positions.empty())
        applySlashes(text, positions);
    const int count = int(positions.size());
    m_prompts.information(SearchTexts::slashCount(count));
    return count;
}

std::optional<int> SearchSession::replaceBackslashesInTags(EventPump &pump, bool &stop)
{
    if (!m_prompts.confirm(SearchTexts::preciseSlashesQuestion))
        return std::nullopt;
    stop = false;
    const bool wrapWas = m_hooks.wordWrap ? m_hooks.wordWrap() : false;
    const bool readOnlyWas = m_hooks.readOnly ? m_hooks.readOnly() : false;
    if (m_hooks.setWordWrap)
        m_hooks.setWordWrap(false);
    if (m_hooks.setReadOnly)
        m_hooks.setReadOnly(true);
    const auto restore = [&] {
        if (m_hooks.setReadOnly)
            m_hooks.setReadOnly(readOnlyWas);
        if (m_hooks.setWordWrap)
            m_hooks.setWordWrap(wrapWas);
    };

    // Found on the text as it was when the pass began and applied together at the end (or
    // when stopped), so a long document is not copied once per backslash.
    const QString text = m_editor.plainText();
    const int lengthAtStart = m_editor.textLength();
    std::vector<qsizetype> positions;
    std::vector<qsizetype> inLine;
    for (qsizetype lineStart = 0;;) {
        pump.processEvents();
        if (stop) {
            // Lines already done stay done, as if each had been changed as it was reached.
            if (!positions.empty())
                applySlashes(text, positions);
            restore();
            return std::nullopt;
        }
        if (m_editor.textLength() != lengthAtStart) {
            // Edited while the pass let input run: the offsets found so far no longer hold.
            restore();
            return std::nullopt;
        }
        qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        inLine.clear();
        tagValueBackslashes(QStringView(text).mid(lineStart, lineEnd - lineStart), inLine);
        for (const qsizetype position : inLine)
            positions.push_back(lineStart + position);
        if (lineEnd >= text.size())
            break;
        lineStart = lineEnd + 1;
    }
    if (!positions.empty())
        applySlashes(text, positions);
    restore();
    m_editor.setSelection(0, 0);
    const int count = int(positions.size());
    m_prompts.information(SearchTexts::slashCount(count));
    return count;
}
