#pragma once

#include "dialogs/AnchorBuilder.h"
#include "dialogs/BodyTagBuilder.h"
#include "dialogs/FrameSetBuilder.h"
#include "dialogs/HorizontalRule.h"
#include "dialogs/ImgTagBuilder.h"
#include "dialogs/TableBuilder.h"
#include "editor/TagAtCaret.h"

#include <optional>

// Edit Tag: the tag under the caret goes back into the dialog that builds it, and the tag the
// dialog makes replaces it.
enum class TagDialog { Body, Anchor, Image, Table, Rule, Frameset, Frame, List };

namespace EditTagTexts {
inline const QString caption = QStringLiteral("Edit Tag");
inline const QString noTag = QStringLiteral(
    "Put the caret inside a BODY, A, IMG, TABLE, HR, FRAMESET, FRAME or list tag (UL, OL, LI) to edit it.");
} // namespace EditTagTexts

// Where the dialog's text goes in the page: `length` characters from `start` become `text`.
struct TagReplacement {
    int start = 0;
    int length = 0;
    QString text;
};

namespace TagEditing {

std::optional<TagDialog> dialogFor(const QString &upperTagName);
// The attributes the dialog writes; the page's others are kept.
QStringList knownAttributes(TagDialog dialog);

// The tag at the caret that a dialog edits; a list item stands for its list.
std::optional<OpeningTag> editableTagAt(const QString &text, int caret);

// What replaces `original` once the dialog has made `dialogText`: its tag of the same kind,
// merged with the attributes only the page knew. A list whose kind changed (UL to OL) takes
// its closing tag along. nullopt when the dialog's text has no such tag.
std::optional<TagReplacement> replacement(const QString &text, const OpeningTag &original, const QString &dialogText);

// "#RRGGBB", "RRGGBB" or a colour name, as 0x00BBGGRR; nullopt for anything else.
std::optional<quint32> colourValue(const QString &htmlColour);

// The dialogs' fields filled from a tag; what the tag does not say keeps the value of `base`.
BodyFields bodyFields(const OpeningTag &tag, BodyFields base);
AnchorFields anchorFields(const OpeningTag &tag);
ImgFields imgFields(const OpeningTag &tag);
TableFields tableFields(const OpeningTag &tag);
HorizontalRuleRequest ruleRequest(const OpeningTag &tag);
FrameRecord frameRecord(const OpeningTag &tag);

} // namespace TagEditing
