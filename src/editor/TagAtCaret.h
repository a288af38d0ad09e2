#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One attribute of a tag as the page has it: `text` is exactly what was written
// (`class="x"`, `NOSHADE`), so an attribute nobody changes goes back unchanged.
struct TagAttribute {
    QString name; // upper case
    QString value;
    QString text;
};

// An opening tag of the text: where it stands (offsets into the text handed in) and what it says.
struct OpeningTag {
    int start = 0;
    int length = 0;
    QString name; // upper case
    QList<TagAttribute> attributes;
    bool selfClosing = false; // written "... />"

    const TagAttribute *attribute(const QString &upperName) const;
    QString value(const QString &upperName) const; // empty when absent
    bool has(const QString &upperName) const { return attribute(upperName) != nullptr; }
};

namespace TagAtCaret {

// The opening tag whose text holds the caret: on its '<', anywhere inside, on its '>' or just
// after it (a tag starting right there wins). nullopt outside any tag, in a closing tag, a
// comment or a declaration, and for a tag left unclosed before the next '<' or the end.
std::optional<OpeningTag> openingTagAt(const QString &text, int caret);

// The whole text is one opening tag ("<IMG SRC=a.gif>"); nullopt otherwise.
std::optional<OpeningTag> parse(const QString &tagText);

// The first opening tag named `upperName` in the text, searched from `from` on.
std::optional<OpeningTag> firstTagNamed(const QString &text, const QString &upperName, int from = 0);

// The innermost of `upperNames` still open before `position` (its closing tags counted out).
std::optional<OpeningTag> enclosingTag(const QString &text, int position, const QStringList &upperNames);

// The closing tag matching the opening tag `open` (nested ones of the same name skipped):
// its start, or -1 when the text has none.
int matchingClose(const QString &text, const OpeningTag &open);

// The dialog's new tag with what only the page knew: the original's attributes that are not
// in `known` (upper-case names the dialog writes) follow, as written; so does a "/>" ending.
QString mergedTag(const OpeningTag &original, const QString &editedTag, const QStringList &known);

} // namespace TagAtCaret
