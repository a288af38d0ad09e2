// Edit Tag's logic: which dialog edits which tag, how each dialog is filled from a tag, and
// what goes back into the page.
#include "dialogs/TagEditing.h"

#include <gtest/gtest.h>

namespace {

OpeningTag tagOf(const QString &text)
{
    const std::optional<OpeningTag> tag = TagAtCaret::parse(text);
    EXPECT_TRUE(tag.has_value()) << text.toStdString();
    return tag.value_or(OpeningTag{});
}

TEST(TagEditing, OnlyTagsADialogBuildsAreEditable)
{
    const QString page = "<P><TD>x</TD><LI>stray <ol type=a>\r\n <li>one\r\n</ol>";
    struct Case {
        const char *at; // the caret goes just after this text's first occurrence
        const char *edited;
    } cases[] = {
        {"<P", ""},    {"<TD", ""},   {"<LI", ""}, // a list item with no list around it
        {"<ol", "OL"}, {"<li", "OL"},              // a list item stands for its list
        {"</ol", ""},
    };
    for (const Case &c : cases) {
        const int caret = int(page.indexOf(QLatin1String(c.at))) + int(qstrlen(c.at));
        const std::optional<OpeningTag> tag = TagEditing::editableTagAt(page, caret);
        EXPECT_EQ(tag ? tag->name : QString(), QLatin1String(c.edited)) << c.at;
    }
    for (const char *name : {"BODY", "A", "IMG", "TABLE", "HR", "FRAMESET", "FRAME", "UL", "OL"})
        EXPECT_TRUE(TagEditing::dialogFor(QLatin1String(name)).has_value()) << name;
}

TEST(TagEditing, ColoursReadAsPagesWriteThem)
{
    struct Case {
        const char *text;
        std::optional<quint32> value; // 0x00BBGGRR
    } cases[] = {
        {"#FF0000", 0x0000FF}, {"#00ff80", 0x80FF00},    {"0000FF", 0xFF0000},       {" navy ", 0x800000},
        {"Red", 0x0000FF},     {"#12345", std::nullopt}, {"nonsense", std::nullopt}, {"", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TagEditing::colourValue(QLatin1String(c.text)), c.value) << c.text;
}

TEST(TagEditing, DialogsAreFilledFromTheTag)
{
    BodyFields base;
    base.colours.link = 0x123456;
    const BodyFields body = TagEditing::bodyFields(
        tagOf("<body bgcolor=\"#FFFF00\" text=navy vlink=junk background=\"art/bg.gif\">"), base);
    EXPECT_EQ(body.colours.background, 0x00FFFFu);
    EXPECT_EQ(body.colours.text, 0x800000u);
    EXPECT_EQ(body.colours.link, 0x123456u);                       // not in the tag
    EXPECT_EQ(body.colours.visitedLink, base.colours.visitedLink); // unreadable
    EXPECT_TRUE(body.tiledImage);
    EXPECT_EQ(BodyTagBuilder::imageReference(body), "art/bg.gif"); // the folder survives

    const AnchorFields named = TagEditing::anchorFields(tagOf("<a name=top>"));
    EXPECT_TRUE(named.namedAnchor);
    EXPECT_EQ(named.href, "top");
    EXPECT_EQ(TagEditing::anchorFields(tagOf("<A NAME=x HREF=\"b.htm\">")).href, "b.htm");

    const TableFields table = TagEditing::tableFields(tagOf("<table border width=\"80%\" cellpadding=3>"));
    EXPECT_EQ(table.border, 1); // a bare BORDER
    EXPECT_TRUE(table.percentWidth);
    EXPECT_EQ(table.percent, 80);
    EXPECT_EQ(table.padding, 3);
    EXPECT_EQ(TableBuilder::openingTag(TagEditing::tableFields(tagOf("<TABLE>"))), "<TABLE >");

    const HorizontalRuleRequest rule = TagEditing::ruleRequest(tagOf("<hr align=left size=\"4px\" noshade>"));
    EXPECT_EQ(buildHorizontalRule(rule), "<HR ALIGN=\"LEFT\"  SIZE=\"4\"  WIDTH=\"100%\" NOSHADE>");

    const FrameRecord frame = TagEditing::frameRecord(tagOf("<frame src=a.htm scrolling=no frameborder=no>"));
    EXPECT_EQ(frame.scrolling, "No");
    EXPECT_TRUE(frame.noBorder);
    EXPECT_FALSE(frame.noResize);
}

// A tag the dialog made, read back into the dialog and made again, comes out the same.
TEST(TagEditing, EachDialogReadsBackItsOwnTag)
{
    ImgFields img;
    img.source = "pics/a b.gif";
    img.alt = "An A";
    img.width = "50%";
    img.height = "20";
    img.align = "LEFT";
    img.border = 2;
    img.ismap = true;
    const QString imgTag = ImgTagBuilder::tag(img);
    EXPECT_EQ(ImgTagBuilder::tag(TagEditing::imgFields(tagOf(imgTag))), imgTag);

    TableFields table;
    table.pixels = 400;
    table.border = 3;
    table.spacing = 4;
    table.align = "CENTER";
    table.valign = "TOP";
    const QString tableTag = TableBuilder::openingTag(table);
    EXPECT_EQ(TableBuilder::openingTag(TagEditing::tableFields(tagOf(tableTag))), tableTag);

    for (const bool percent : {true, false}) {
        HorizontalRuleRequest rule;
        rule.align = "RIGHT";
        rule.thickness = 7;
        rule.percentWidth = percent;
        rule.pixels = 640;
        rule.noShade = true;
        const QString hr = buildHorizontalRule(rule);
        EXPECT_EQ(buildHorizontalRule(TagEditing::ruleRequest(tagOf(hr))), hr);
    }

    BodyFields body;
    body.colours = {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0};
    const QString bodyTag = BodyTagBuilder::bodyTag(body);
    EXPECT_EQ(BodyTagBuilder::bodyTag(TagEditing::bodyFields(tagOf(bodyTag), BodyFields{})), bodyTag);

    const QString frameTag = FramesetDialogText::frameTag("main", "b.htm", "Yes", true, true).trimmed();
    const FrameRecord frame = TagEditing::frameRecord(tagOf(frameTag));
    EXPECT_EQ(
        FramesetDialogText::frameTag(*frame.name, frame.url, frame.scrolling, frame.noResize, frame.noBorder).trimmed(),
        frameTag);
}

TEST(TagEditing, ReplacementTakesTheDialogsTagOfTheSameKind)
{
    const QString page = "x <a name=\"top\" id=t>Top</a> y";
    const OpeningTag anchor = *TagEditing::editableTagAt(page, 3);
    // The named form comes as a link to the anchor, then the anchor: the anchor is the one.
    const std::optional<TagReplacement> named =
        TagEditing::replacement(page, anchor, "<A HREF=#start>Top</A>  <A NAME=start>");
    ASSERT_TRUE(named.has_value());
    EXPECT_EQ(named->start, 2);
    EXPECT_EQ(named->length, 19);
    EXPECT_EQ(named->text, "<A NAME=start id=t>");

    EXPECT_FALSE(TagEditing::replacement(page, anchor, "no tag at all").has_value());
}

TEST(TagEditing, AListThatChangesItsKindTakesItsClosingTagAlong)
{
    const QString page = "<ul class=x>\r\n<li>a<ul><li>b</ul>\r\n</UL > after";
    const OpeningTag list = *TagEditing::editableTagAt(page, 16);
    ASSERT_EQ(list.start, 0);
    const QString made = "<OL>\r\n    <LI>\r\n</OL>\r\n";
    const std::optional<TagReplacement> changed = TagEditing::replacement(page, list, made);
    ASSERT_TRUE(changed.has_value());
    EXPECT_EQ(page.left(changed->start) + changed->text + page.mid(changed->start + changed->length),
              "<OL class=x>\r\n<li>a<ul><li>b</ul>\r\n</OL> after");

    const std::optional<TagReplacement> same = TagEditing::replacement(page, list, "<UL>\r\n    <LI>\r\n</UL>\r\n");
    ASSERT_TRUE(same.has_value());
    EXPECT_EQ(same->length, list.length); // only the tag
    EXPECT_EQ(same->text, "<UL class=x>");
}

} // namespace
