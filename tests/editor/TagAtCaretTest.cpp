// Finding the opening tag under the caret, reading its attributes, and putting a rebuilt tag
// together with what only the page knew.
#include "editor/TagAtCaret.h"

#include <gtest/gtest.h>

namespace {

struct CaretCase {
    const char *what;
    const char *text;
    int caret;
    const char *name; // "" when no tag is found
    int start;
    int length;
};

TEST(TagAtCaret, FindsTheOpeningTagHoldingTheCaret)
{
    const CaretCase cases[] = {
        {"on '<'", "x <IMG SRC=\"a.gif\"> y", 2, "IMG", 2, 17},
        {"inside", "x <IMG SRC=\"a.gif\"> y", 9, "IMG", 2, 17},
        {"on '>'", "x <IMG SRC=\"a.gif\"> y", 18, "IMG", 2, 17},
        {"just after '>'", "x <IMG SRC=\"a.gif\"> y", 19, "IMG", 2, 17},
        {"a step further", "x <IMG SRC=\"a.gif\"> y", 20, "", 0, 0},
        {"before '<'", "x <IMG SRC=\"a.gif\"> y", 1, "", 0, 0},
        {"between two tags: the next one", "<B><HR>", 3, "HR", 3, 4},
        {"lower case", "<hr size=2>", 4, "HR", 0, 11},
        {"'>' inside quotes", "<A HREF=\"a>b\" X=1>", 15, "A", 0, 18},
        {"spread over lines", "<BODY\r\n  BGCOLOR=red>", 12, "BODY", 0, 21},
        {"closing tag", "a</A>b", 3, "", 0, 0},
        {"comment", "<!-- x -->", 3, "", 0, 0},
        {"declaration", "<!DOCTYPE html>", 4, "", 0, 0},
        {"unclosed before the next tag", "<IMG SRC=\"a.gif\" <B>", 3, "", 0, 0},
        {"unclosed at the end", "<IMG SRC=a.gif", 3, "", 0, 0},
        {"quote never closed", "<IMG ALT=\"x>", 3, "", 0, 0},
        {"stray quote", "<IMG \"a\">", 3, "", 0, 0},
        {"plain text", "no tags here", 3, "", 0, 0},
        {"empty text", "", 0, "", 0, 0},
        {"caret past the end", "<HR>", 9, "", 0, 0},
        {"caret negative", "<HR>", -1, "", 0, 0},
    };
    for (const CaretCase &c : cases) {
        const std::optional<OpeningTag> tag = TagAtCaret::openingTagAt(QString::fromUtf8(c.text), c.caret);
        if (QLatin1String(c.name).isEmpty()) {
            EXPECT_FALSE(tag.has_value()) << c.what;
            continue;
        }
        ASSERT_TRUE(tag.has_value()) << c.what;
        EXPECT_EQ(tag->name, QLatin1String(c.name)) << c.what;
        EXPECT_EQ(tag->start, c.start) << c.what;
        EXPECT_EQ(tag->length, c.length) << c.what;
    }
}

TEST(TagAtCaret, ReadsAttributesAsWritten)
{
    const std::optional<OpeningTag> tag =
        TagAtCaret::parse("<img Src=\"a b.gif\" alt='say \"hi\"' width=20 ISMAP class = \"x\" data-k=>");
    ASSERT_TRUE(tag.has_value());
    EXPECT_EQ(tag->name, "IMG");
    const QStringList names{"SRC", "ALT", "WIDTH", "ISMAP", "CLASS", "DATA-K"};
    const QStringList values{"a b.gif", "say \"hi\"", "20", "", "x", ""};
    const QStringList texts{"Src=\"a b.gif\"", "alt='say \"hi\"'", "width=20", "ISMAP", "class = \"x\"", "data-k="};
    ASSERT_EQ(tag->attributes.size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        EXPECT_EQ(tag->attributes[i].name, names[i]);
        EXPECT_EQ(tag->attributes[i].value, values[i]) << names[i].toStdString();
        EXPECT_EQ(tag->attributes[i].text, texts[i]) << names[i].toStdString();
    }
    EXPECT_TRUE(tag->has("ISMAP"));
    EXPECT_FALSE(tag->has("HEIGHT"));
    EXPECT_FALSE(tag->selfClosing);

    EXPECT_TRUE(TagAtCaret::parse("<HR NOSHADE/>")->selfClosing);
    EXPECT_TRUE(TagAtCaret::parse("<br />")->selfClosing);
    EXPECT_FALSE(TagAtCaret::parse("<IMG SRC=a> after").has_value()); // more than one tag
    EXPECT_FALSE(TagAtCaret::parse("</A>").has_value());
}

TEST(TagAtCaret, MergedTagKeepsWhatTheDialogDoesNotKnow)
{
    const QStringList img{"ALIGN", "BORDER", "HEIGHT", "WIDTH", "ALT", "SRC", "ISMAP"};
    struct Case {
        const char *what;
        const char *original;
        const char *edited;
        QStringList known;
        const char *merged;
    } cases[] = {
        {"unknown ones follow as written", "<img src=\"a.gif\" class=\"pic\" onclick='go()'>",
         "<IMG BORDER=0 SRC=\"b.gif\">", img, "<IMG BORDER=0 SRC=\"b.gif\" class=\"pic\" onclick='go()'>"},
        {"a known one the dialog left out is gone", "<IMG ALT=\"x\" SRC=a>", "<IMG BORDER=0 SRC=\"a\">", img,
         "<IMG BORDER=0 SRC=\"a\">"},
        {"the dialog's own blanks stay",
         "<HR>",
         "<HR ALIGN=\"LEFT\"  SIZE=\"2\"  WIDTH=\"50%\">",
         {"ALIGN", "SIZE", "WIDTH"},
         "<HR ALIGN=\"LEFT\"  SIZE=\"2\"  WIDTH=\"50%\">"},
        {"a '/>' ending stays", "<hr class=x />", "<HR SIZE=\"2\">", {"SIZE"}, "<HR SIZE=\"2\" class=x />"},
        {"the dialog's value wins over an unknown one",
         "<FRAME ID=1 NAME=a>",
         "<FRAME NAME=\"b\" ID=2 >",
         {"NAME"},
         "<FRAME NAME=\"b\" ID=2 >"},
        {"a blank before '>' goes when attributes follow",
         "<FRAME NAME=a TITLE=t>",
         "<FRAME NAME=\"b\" >",
         {"NAME"},
         "<FRAME NAME=\"b\" TITLE=t>"},
    };
    for (const Case &c : cases) {
        const std::optional<OpeningTag> original = TagAtCaret::parse(QString::fromUtf8(c.original));
        ASSERT_TRUE(original.has_value()) << c.what;
        EXPECT_EQ(TagAtCaret::mergedTag(*original, QString::fromUtf8(c.edited), c.known), QString::fromUtf8(c.merged))
            << c.what;
    }
}

TEST(TagAtCaret, ListsNestAndCloseInOrder)
{
    const QString text = "<UL>\r\n<LI>a\r\n<ol><LI>b</OL>\r\n<LI>c</UL> <LI>d";
    const QStringList lists{"UL", "OL"};
    const auto enclosing = [&](const char *item) {
        const int at = int(text.indexOf(QLatin1String(item))) - 4; // the LI before the item text
        const std::optional<OpeningTag> list = TagAtCaret::enclosingTag(text, at, lists);
        return list ? list->name + QString::number(list->start) : QStringLiteral("none");
    };
    EXPECT_EQ(enclosing("a"), "UL0");
    EXPECT_EQ(enclosing("b"), "OL13");
    EXPECT_EQ(enclosing("c"), "UL0"); // the inner list is closed by then
    EXPECT_EQ(enclosing("d"), "none");

    const QString nested = "<UL><li><UL><LI>x</UL></ul>";
    const std::optional<OpeningTag> outer = TagAtCaret::openingTagAt(nested, 0);
    ASSERT_TRUE(outer.has_value());
    EXPECT_EQ(TagAtCaret::matchingClose(nested, *outer), nested.indexOf("</ul>"));
    EXPECT_EQ(TagAtCaret::matchingClose("<UL><LI>x", *TagAtCaret::parse("<UL>")), -1);
}

} // namespace
