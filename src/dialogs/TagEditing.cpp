#include "dialogs/TagEditing.h"

#include "config/ColorNames.h"
#include "platform/ProgramFolder.h"

#include <QColor>

#include <array>
#include <utility>

namespace {
const QStringList kLists{QStringLiteral("UL"), QStringLiteral("OL")};

constexpr std::array<std::pair<const char *, TagDialog>, 9> kDialogs{{
    {"BODY", TagDialog::Body},
    {"A", TagDialog::Anchor},
    {"IMG", TagDialog::Image},
    {"TABLE", TagDialog::Table},
    {"HR", TagDialog::Rule},
    {"FRAMESET", TagDialog::Frameset},
    {"FRAME", TagDialog::Frame},
    {"UL", TagDialog::List},
    {"OL", TagDialog::List},
}};

// The leading digits of a value ("2", "300px"); nullopt when it starts with none.
std::optional<int> leadingNumber(const QString &value)
{
    const QString trimmed = value.trimmed();
    qsizetype digits = 0;
    while (digits < trimmed.size() && digits < 9 && trimmed.at(digits).isDigit())
        ++digits;
    if (digits == 0)
        return std::nullopt;
    return trimmed.left(digits).toInt();
}

void readNumber(const OpeningTag &tag, const QString &name, int &into)
{
    if (const std::optional<int> number = leadingNumber(tag.value(name)))
        into = *number;
}

void readColour(const OpeningTag &tag, const QString &name, quint32 &into)
{
    if (const std::optional<quint32> colour = TagEditing::colourValue(tag.value(name)))
        into = *colour;
}

// A WIDTH of "50%" or "300": which kind, and the number.
void readWidth(const OpeningTag &tag, bool &percent, int &percentValue, int &pixels)
{
    const QString width = tag.value(QStringLiteral("WIDTH"));
    const std::optional<int> number = leadingNumber(width);
    if (!number)
        return;
    percent = width.trimmed().endsWith(QLatin1Char('%'));
    (percent ? percentValue : pixels) = *number;
}
} // namespace

namespace TagEditing {

std::optional<TagDialog> dialogFor(const QString &upperTagName)
{
    for (const auto &[name, dialog] : kDialogs)
        if (upperTagName == QLatin1String(name))
            return dialog;
    return std::nullopt;
}

QStringList knownAttributes(TagDialog dialog)
{
    switch (dialog) {
    case TagDialog::Body:
        return {"BACKGROUND", "BGCOLOR", "TEXT", "LINK", "ALINK", "VLINK"};
    case TagDialog::Anchor:
        return {"HREF", "NAME"};
    case TagDialog::Image:
        return {"ALIGN", "BORDER", "HEIGHT", "WIDTH", "ALT", "SRC", "ISMAP"};
    case TagDialog::Table:
        return {"CELLPADDING", "CELLSPACING", "WIDTH", "BORDER", "ALIGN", "VALIGN"};
    case TagDialog::Rule:
        return {"ALIGN", "SIZE", "WIDTH", "NOSHADE"};
    case TagDialog::Frameset:
        return {"COLS", "ROWS"};
    case TagDialog::Frame:
        return {"NAME", "SRC", "SCROLLING", "NORESIZE", "FRAMEBORDER"};
    case TagDialog::List:
        return {};
    }
    return {};
}

std::optional<OpeningTag> editableTagAt(const QString &text, int caret)
{
    std::optional<OpeningTag> tag = TagAtCaret::openingTagAt(text, caret);
    if (tag && tag->name == QLatin1String("LI"))
        tag = TagAtCaret::enclosingTag(text, tag->start, kLists);
    if (!tag || !dialogFor(tag->name))
        return std::nullopt;
    return tag;
}

namespace {
// The tag of the dialog's text that stands for the page's tag.
std::optional<OpeningTag> builtTag(const QString &dialogText, const OpeningTag &original, TagDialog dialog)
{
    if (dialog == TagDialog::List) {
        std::optional<OpeningTag> list;
        for (const QString &name : kLists)
            if (const auto found = TagAtCaret::firstTagNamed(dialogText, name);
                found && (!list || found->start < list->start))
                list = found;
        return list;
    }
    // A named anchor comes from the dialog as a link to it followed by the anchor itself.
    const bool namedAnchor = dialog == TagDialog::Anchor && !original.has(QStringLiteral("HREF"));
    for (int from = 0;;) {
        std::optional<OpeningTag> tag = TagAtCaret::firstTagNamed(dialogText, original.name, from);
        if (!tag || !namedAnchor || tag->has(QStringLiteral("NAME")))
            return tag;
        from = tag->start + tag->length;
    }
}
} // namespace

std::optional<TagReplacement> replacement(const QString &text, const OpeningTag &original, const QString &dialogText)
{
    const std::optional<TagDialog> dialog = dialogFor(original.name);
    if (!dialog)
        return std::nullopt;
    const std::optional<OpeningTag> built = builtTag(dialogText, original, *dialog);
    if (!built)
        return std::nullopt;
    const QString tag =
        TagAtCaret::mergedTag(original, dialogText.mid(built->start, built->length), knownAttributes(*dialog));
    const int close = built->name == original.name ? -1 : TagAtCaret::matchingClose(text, original);
    if (close < 0)
        return TagReplacement{original.start, original.length, tag};
    // The list changed its kind: the closing tag follows, in one replacement so one undo takes both back.
    const int closeEnd = int(text.indexOf(QLatin1Char('>'), close)) + 1;
    const int innerStart = original.start + original.length;
    return TagReplacement{original.start, closeEnd - original.start,
                          tag + text.mid(innerStart, close - innerStart) + QStringLiteral("</") + built->name +
                              QLatin1Char('>')};
}

std::optional<quint32> colourValue(const QString &htmlColour)
{
    QString name = htmlColour.trimmed();
    if (name.size() == 6 && QColor::isValidColorName(QLatin1Char('#') + name))
        name.prepend(QLatin1Char('#')); // old pages leave the '#' out
    if (!QColor::isValidColorName(name))
        return std::nullopt;
    return fromQColor(QColor::fromString(name));
}

BodyFields bodyFields(const OpeningTag &tag, BodyFields base)
{
    readColour(tag, QStringLiteral("BGCOLOR"), base.colours.background);
    readColour(tag, QStringLiteral("TEXT"), base.colours.text);
    readColour(tag, QStringLiteral("LINK"), base.colours.link);
    readColour(tag, QStringLiteral("VLINK"), base.colours.visitedLink);
    readColour(tag, QStringLiteral("ALINK"), base.colours.activeLink);
    const QString background = tag.value(QStringLiteral("BACKGROUND"));
    if (!background.isEmpty()) {
        base.tiledImage = true;
        base.imagePath = background;
        // The folder of the reference comes back as the relative path in front of the name.
        base.pathPrefix = folderPart(background);
        base.insertPath = !base.pathPrefix.isEmpty();
    }
    return base;
}

AnchorFields anchorFields(const OpeningTag &tag)
{
    AnchorFields fields;
    fields.namedAnchor = !tag.has(QStringLiteral("HREF")) && tag.has(QStringLiteral("NAME"));
    fields.href = tag.value(fields.namedAnchor ? QStringLiteral("NAME") : QStringLiteral("HREF"));
    return fields;
}

ImgFields imgFields(const OpeningTag &tag)
{
    ImgFields fields;
    fields.source = tag.value(QStringLiteral("SRC"));
    fields.alt = tag.value(QStringLiteral("ALT"));
    fields.width = tag.value(QStringLiteral("WIDTH"));
    fields.height = tag.value(QStringLiteral("HEIGHT"));
    fields.align = tag.value(QStringLiteral("ALIGN")).toUpper();
    readNumber(tag, QStringLiteral("BORDER"), fields.border);
    fields.ismap = tag.has(QStringLiteral("ISMAP"));
    return fields;
}

TableFields tableFields(const OpeningTag &tag)
{
    TableFields fields;
    fields.percent = 0; // a table without WIDTH keeps none
    readWidth(tag, fields.percentWidth, fields.percent, fields.pixels);
    if (tag.has(QStringLiteral("BORDER")))
        fields.border = 1; // a bare BORDER draws one pixel
    readNumber(tag, QStringLiteral("BORDER"), fields.border);
    readNumber(tag, QStringLiteral("CELLPADDING"), fields.padding);
    readNumber(tag, QStringLiteral("CELLSPACING"), fields.spacing);
    fields.align = tag.value(QStringLiteral("ALIGN")).toUpper();
    fields.valign = tag.value(QStringLiteral("VALIGN")).toUpper();
    return fields;
}

HorizontalRuleRequest ruleRequest(const OpeningTag &tag)
{
    HorizontalRuleRequest request;
    const QString align = tag.value(QStringLiteral("ALIGN")).toUpper();
    if (align == QLatin1String("LEFT") || align == QLatin1String("RIGHT"))
        request.align = align;
    readNumber(tag, QStringLiteral("SIZE"), request.thickness);
    readWidth(tag, request.percentWidth, request.percent, request.pixels);
    if (!tag.has(QStringLiteral("WIDTH")))
        request.percent = 100; // a rule without WIDTH spans the page
    request.noShade = tag.has(QStringLiteral("NOSHADE"));
    return request;
}

FrameRecord frameRecord(const OpeningTag &tag)
{
    FrameRecord frame;
    frame.name = tag.value(QStringLiteral("NAME"));
    frame.url = tag.value(QStringLiteral("SRC"));
    for (const QString &choice : kScrollingChoices)
        if (choice.compare(tag.value(QStringLiteral("SCROLLING")), Qt::CaseInsensitive) == 0)
            frame.scrolling = choice;
    frame.noResize = tag.has(QStringLiteral("NORESIZE"));
    const QString border = tag.value(QStringLiteral("FRAMEBORDER"));
    frame.noBorder = border == QLatin1String("0") || border.compare(QLatin1String("no"), Qt::CaseInsensitive) == 0;
    return frame;
}

} // namespace TagEditing
