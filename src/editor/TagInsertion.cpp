#include "editor/TagInsertion.h"

#include "editor/EditorAccess.h"
#include "editor/HtmlDocument.h"
#include "platform/Clipboard.h"

#include <QDateTime>

#include <array>

namespace {
const QString kCrLf = QStringLiteral("\r\n");

constexpr std::array<const char *, 16> kSingleItems{"<P>",    "<BR>",    "&nbsp;", "<LI>",   "<DT>",   "<DD>",
                                                    "&copy;", "&trade;", "&reg;",  "&#188;", "&#189;", "&#190;",
                                                    "&amp;",  "&lt;",    "&gt;",   "<FRAME>"};

QString linePrefix(const QString &kind)
{
    if (kind == QLatin1String("UL") || kind == QLatin1String("OL"))
        return QStringLiteral("   <LI>");
    if (kind == QLatin1String("NOFRAMES") || kind == QLatin1String("FRAMESET"))
        return QStringLiteral("   ");
    return {};
}
} // namespace

namespace TagTexts {
bool isSingleItem(const QString &text)
{
    for (const char *item : kSingleItems)
        if (text == QLatin1String(item))
            return true;
    return false;
}

QString lineWrapBlock(const QString &kind, const QString &selection)
{
    if (kind == QLatin1String("NEW"))
        return newDocumentSkeleton();
    QStringList lines{QLatin1Char('<') + kind + QLatin1Char('>')};
    const bool endsWithBreak = selection.isEmpty() || selection.endsWith(kCrLf);
    if (!selection.isEmpty()) {
        QStringList selected = selection.split(kCrLf);
        if (selection.endsWith(kCrLf))
            selected.removeLast(); // a closing line break makes no further line
        const QString prefix = linePrefix(kind);
        for (const QString &line : std::as_const(selected))
            lines << prefix + line;
    }
    lines << QStringLiteral("</") + kind + QLatin1Char('>');
    return lines.join(kCrLf) + (endsWithBreak ? kCrLf : QString());
}

QString quickTableBlock(int rows, int columns)
{
    QString block = QStringLiteral("<TABLE>") + kCrLf;
    for (int r = 0; r < rows; ++r) {
        block += QStringLiteral("<TR>") + kCrLf;
        for (int c = 0; c < columns; ++c)
            block += QStringLiteral("    <TD></TD>") + kCrLf;
        block += QStringLiteral("</TR>") + kCrLf;
    }
    return block + QStringLiteral("</TABLE>") + kCrLf;
}

CustomPair splitCustomPair(const QString &pair)
{
    // Without a "<" followed by a ">" there is no opening tag to find: the text goes in
    // front of the selection as it stands.
    const qsizetype open = pair.indexOf(QLatin1Char('<'));
    const qsizetype openEnd = open < 0 ? -1 : pair.indexOf(QLatin1Char('>'), open + 1);
    if (openEnd < 0)
        return {pair, {}};
    CustomPair result{pair.mid(open, openEnd - open + 1), {}};
    QString masked = pair;
    masked[open] = QLatin1Char('$');
    masked[openEnd] = QLatin1Char('$');
    const qsizetype close = masked.indexOf(QLatin1Char('<'));
    if (close < 0)
        return result;
    const qsizetype closeEnd = masked.indexOf(QLatin1Char('>'), close + 1);
    result.closeTag = closeEnd < 0 ? pair.mid(close) : pair.mid(close, closeEnd - close + 1);
    return result;
}

QString lastModifiedStamp(const QDateTime &now, const QLocale &locale)
{
    const QDate date = now.date();
    const QTime time = now.time();
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("<!--Last Modified: %1, %2 %3, %4, at %5:%6 %7-->")
        .arg(locale.dayName(date.dayOfWeek(), QLocale::LongFormat),
             locale.monthName(date.month(), QLocale::ShortFormat))
        .arg(date.day())
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}
} // namespace TagTexts

TagInserter::TagInserter(EditorAccess &editor, Clipboard &clipboard, std::function<void()> markModified)
    : m_editor(editor), m_clipboard(clipboard), m_markModified(std::move(markModified))
{
}

void TagInserter::insertTagText(const QString &text, CaretRule rule)
{
    if (TagTexts::isSingleItem(text))
        insertSingleItem(text);
    else
        wrapInPlace(text, rule);
}

void TagInserter::wrapInPlace(const QString &text, CaretRule rule)
{
    const int start = m_editor.selStart();
    m_markModified();
    m_editor.setFocus();
    m_editor.replaceSelection(text);
    const int length = int(text.size());
    if (rule == CaretRule::BeforeClosingTag && length >= 4)
        m_editor.setSelection(start + length - 4, 0);
    else
        m_editor.setSelection(start, length);
}

void TagInserter::wrapSelection(const QString &openTag, const QString &closeTag, CaretRule rule)
{
    insertTagText(openTag + m_editor.selectedText() + closeTag, rule);
}

void TagInserter::insertSingleItem(const QString &item)
{
    m_editor.setFocus();
    m_markModified();
    const int start = m_editor.selStart();
    const int at = item == QLatin1String("<BR>") ? start + m_editor.selLength() : start;
    m_editor.setSelection(at, 0);
    m_editor.replaceSelection(item);
}

void TagInserter::lineWrap(const QString &kind)
{
    m_markModified();
    m_clipboard.clear();
    m_editor.setFocus();
    const QString selection = m_editor.selectedText();
    if (!selection.isEmpty())
        m_editor.replaceSelection(QString()); // cut: the block below takes the clipboard's place
    m_clipboard.setText(TagTexts::lineWrapBlock(kind, selection));
    m_editor.paste();
}

void TagInserter::quickTable(int rows, int columns)
{
    m_clipboard.clear();
    m_clipboard.setText(TagTexts::quickTableBlock(rows, columns));
    m_editor.setFocus();
    m_editor.setSelection(m_editor.selStart(), 0);
    m_markModified();
    m_editor.paste();
}

void TagInserter::customPairWrap(const QString &pair)
{
    const TagTexts::CustomPair tags = TagTexts::splitCustomPair(pair);
    const QString text = tags.openTag + m_editor.selectedText() + tags.closeTag;
    const int start = m_editor.selStart();
    m_editor.setFocus();
    m_editor.replaceSelection(text);
    m_editor.setSelection(start, int(text.size()));
    m_markModified();
}

void TagInserter::pasteAndSelect(int length, bool collapseFirst)
{
    m_editor.setFocus();
    if (collapseFirst)
        m_editor.setSelection(m_editor.selStart(), 0);
    m_markModified();
    m_editor.paste();
    const int caret = m_editor.selStart();
    m_editor.setSelection(caret - length, length);
}

void TagInserter::comment(CaretRule rule)
{
    if (m_editor.selLength() > 0) {
        wrapSelection(QStringLiteral("<!-- "), QStringLiteral(" -->"), rule);
        return;
    }
    m_editor.setFocus();
    m_markModified();
    const QString empty = QStringLiteral("<!--  -->");
    const int start = m_editor.selStart();
    m_editor.replaceSelection(empty);
    m_editor.setSelection(start + int(empty.size()) - 5, 0);
}

void TagInserter::insertLastModified(const QDateTime &now, const QLocale &locale)
{
    wrapInPlace(TagTexts::lastModifiedStamp(now, locale));
}
