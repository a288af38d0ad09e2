#include "config/Settings.h"
#include "dialogs/AnchorBuilder.h"
#include "dialogs/BodyTagBuilder.h"
#include "dialogs/HtmlColour.h"
#include "dialogs/ImgTagBuilder.h"
#include "dialogs/PowerHandOver.h"
#include "dialogs/TableBuilder.h"
#include "platform/Clipboard.h"
#include "platform/IniFile.h"
#include "testsupport/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
const QString kDefaultBody =
    QStringLiteral("<BODY BGCOLOR=#FFFFFF TEXT=\"#000000\" LINK=#0000FF ALINK=#0000A0 VLINK=#800080>");
}

TEST(HtmlColourTest, TextIsRedGreenBlueFromBgr)
{
    struct Case {
        quint32 value;
        const char *text;
    };
    const Case cases[] = {
        {0xFFFFFF, "#FFFFFF"},
        {0x000000, "#000000"},
        {0xFF0000, "#0000FF"},
        {0x800080, "#800080"},
        {0xA00000, "#0000A0"},
        {0x0A0B0C, "#0C0B0A"},
        {0x00ABCD, "#CDAB00"},
        // System colours resolve first: window (5) is white, button face (15) grey, window text (8) black.
        {0x80000005, "#FFFFFF"},
        {0xFF00000F, "#C0C0C0"},
        {0x80000008, "#000000"},
        {0xFF000018, "#FFFFE1"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(HtmlColour::text(c.value), QLatin1String(c.text)) << std::hex << c.value;
}

TEST(HtmlColourTest, ParsesDecimalAndHexadecimal)
{
    struct Case {
        const char *stored;
        std::optional<quint32> value;
    };
    const Case cases[] = {
        {"16777215", 0xFFFFFF},        {" 255 ", 0xFF},           {"0xFF0000", 0xFF0000},
        {"0X00a000", 0xA000},          {"-16777201", 0xFF00000F}, {"", std::nullopt},
        {"blue", std::nullopt},        {"0x", std::nullopt},      {"12abc", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(HtmlColour::parse(QLatin1String(c.stored)), c.value) << c.stored;
}

TEST(BodyTagBuilderTest, BodyTags)
{
    struct Case {
        const char *name;
        std::function<void(BodyFields &)> set;
        QString tag;
    };
    const Case cases[] = {
        {"defaults", [](BodyFields &) {}, kDefaultBody},
        {"tiled, no image", [](BodyFields &f) { f.tiledImage = true; },
         "<BODY BACKGROUND=\"\" TEXT=\"#000000\" LINK=#0000FF ALINK=#0000A0 VLINK=#800080>"},
        {"tiled, no image, path ticked",
         [](BodyFields &f) {
             f.tiledImage = true;
             f.insertPath = true;
             f.pathPrefix = "images/";
         },
         "<BODY BACKGROUND=\"\" TEXT=\"#000000\" LINK=#0000FF ALINK=#0000A0 VLINK=#800080>"},
        {"path without separator",
         [](BodyFields &f) {
             f.tiledImage = true;
             f.insertPath = true;
             f.pathPrefix = "images";
             f.imagePath = "c:\\pics\\bg.gif";
         },
         "<BODY BACKGROUND=\"imagesbg.gif\" TEXT=\"#000000\" LINK=#0000FF ALINK=#0000A0 VLINK=#800080>"},
        {"path not ticked",
         [](BodyFields &f) {
             f.tiledImage = true;
             f.pathPrefix = "images/";
             f.imagePath = "/home/u/pics/Tile.JPG";
         },
         "<BODY BACKGROUND=\"Tile.JPG\" TEXT=\"#000000\" LINK=#0000FF ALINK=#0000A0 VLINK=#800080>"},
        {"image kept but solid chosen", [](BodyFields &f) { f.imagePath = "c:\\pics\\bg.gif"; }, kDefaultBody},
        {"colours",
         [](BodyFields &f) {
             f.colours = {0x000000, 0xFFFFFF, 0x00FF00, 0x0000FF, 0x123456};
         },
         "<BODY BGCOLOR=#000000 TEXT=\"#FFFFFF\" LINK=#00FF00 ALINK=#563412 VLINK=#FF0000>"},
    };
    for (const Case &c : cases) {
        BodyFields fields;
        c.set(fields);
        EXPECT_EQ(BodyTagBuilder::bodyTag(fields), c.tag) << c.name;
    }
}

TEST(BodyTagBuilderTest, BareFileNameCutsAtEverySeparator)
{
    EXPECT_EQ(BodyTagBuilder::bareFileName("c:\\pics\\bg.gif"), "bg.gif");
    EXPECT_EQ(BodyTagBuilder::bareFileName("c:bg.gif"), "bg.gif");
    EXPECT_EQ(BodyTagBuilder::bareFileName("/tmp/x/bg.gif"), "bg.gif");
    EXPECT_EQ(BodyTagBuilder::bareFileName("bg.gif"), "bg.gif");
}

// Every combination of the five check boxes.
TEST(BodyTagBuilderTest, ResultLinesForEveryCheckBoxCombination)
{
    for (int mask = 0; mask < 32; ++mask) {
        BodyFields f;
        f.endBodyTag = mask & 1;
        f.html = mask & 2;
        f.head = mask & 4;
        f.title = mask & 8;
        f.meta = mask & 16;
        f.titleText = "T";
        f.description = "D";
        f.keywords = "K";
        QStringList expected;
        const bool skeleton = f.html || f.head || f.title || f.meta;
        if (f.html)
            expected << "<HTML>";
        if (f.head)
            expected << "<HEAD>";
        if (f.title)
            expected << "    <TITLE>T</TITLE>";
        if (f.meta)
            expected << "    <META Name=\"Description\" Content=\"D\">"
                     << "    <META Name=\"Keywords\" Content=\"K\">";
        if (f.head)
            expected << "</HEAD>";
        expected << kDefaultBody;
        if (skeleton || f.endBodyTag)
            expected << "</BODY>";
        if (f.html)
            expected << "</HTML>";
        EXPECT_EQ(BodyTagBuilder::resultLines(f), expected) << "mask " << mask;
        EXPECT_EQ(BodyTagBuilder::resultText(f), expected.join("\r\n") + "\r\n") << "mask " << mask;
    }
}

TEST(BodyTagBuilderTest, TitleOnlyGivesThreeLinesAndTextsGoInUnescaped)
{
    BodyFields f;
    f.title = true;
    f.titleText = "Enter Page Title (appears at top of browser window)";
    EXPECT_EQ(BodyTagBuilder::resultText(f),
              "    <TITLE>Enter Page Title (appears at top of browser window)</TITLE>\r\n" + kDefaultBody +
                  "\r\n</BODY>\r\n");
    f.title = false;
    f.meta = true;
    f.description = "a \"b\" & <c>";
    EXPECT_EQ(BodyTagBuilder::resultLines(f).first(), "    <META Name=\"Description\" Content=\"a \"b\" & <c>\">");
}

TEST(BodyColoursTest, DefaultsHexadecimalAndRoundTrip)
{
    TempProgramFolder folder;
    Settings settings(folder.path());
    const BodyColours defaults = readBodyColours(settings); // no OPTIONS.INI at all
    EXPECT_EQ(defaults.background, 0xFFFFFFu);
    EXPECT_EQ(defaults.text, 0u);
    EXPECT_EQ(defaults.link, 0xFF0000u);
    EXPECT_EQ(defaults.visitedLink, 0x800080u);
    EXPECT_EQ(defaults.activeLink, 0xA00000u);

    folder.write("OPTIONS.INI", "[Colors]\r\nBG=0x00FF00\r\nText=255\r\nLink=nonsense\r\nHREF=clBlue\r\n");
    const BodyColours read = readBodyColours(settings);
    EXPECT_EQ(read.background, 0x00FF00u);
    EXPECT_EQ(read.text, 255u);
    EXPECT_EQ(read.link, 0xFF0000u); // unreadable: the default

    storeBodyColours(settings, {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F});
    const IniFile ini(folder.file("OPTIONS.INI"));
    EXPECT_EQ(ini.readString("Colors", "BG", ""), "66051"); // decimal
    EXPECT_EQ(ini.readString("Colors", "ALink", ""), QString::number(0x0D0E0F));
    EXPECT_EQ(ini.readString("Colors", "HREF", ""), "clBlue"); // other keys kept
    const BodyColours back = readBodyColours(settings);
    EXPECT_EQ(back.text, 0x040506u);
    EXPECT_EQ(back.visitedLink, 0x0A0B0Cu);
}

TEST(AnchorBuilderTest, Tags)
{
    struct Case {
        AnchorFields fields;
        const char *tag;
    };
    const Case cases[] = {
        {{false, "http://", "", false, ""}, "<A HREF=\"http://\"></A>"},
        {{false, "http://x.org", "X", false, "pages/"}, "<A HREF=\"http://x.org\">X</A>"},
        {{true, "top", "Top", false, ""}, "<A HREF=#top>Top</A>  <A NAME=top>"},
        {{false, "a.htm", "A", true, "pages/"}, "<A HREF=\"pages/a.htm\">A</A>"},
        {{false, "a.htm", "", true, "pages"}, "<A HREF=\"pagesa.htm\"></A>"},
        {{true, "top", "", true, "p/"}, "<A HREF=#p/top></A>  <A NAME=p/top>"},
        {{false, "a\"b", "<i>", false, ""}, "<A HREF=\"a\"b\"><i></A>"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(AnchorBuilder::tag(c.fields), QLatin1String(c.tag)) << c.tag;
    EXPECT_EQ(AnchorBuilder::fileFilter("*.html;*.htm"), "HTML Files|*.html;*.htm|All Files|*.*");
    EXPECT_EQ(AnchorBuilder::mailToOpenTag("me@x.org") + "sel" + AnchorBuilder::mailToCloseTag,
              "<A HREF=\"mailto:me@x.org\">sel</A>");
}

TEST(ImgTagBuilderTest, Tags)
{
    struct Case {
        ImgFields fields;
        const char *tag;
    };
    const Case cases[] = {
        // The name keeps its case: on a case-sensitive disk BIG.GIF is not big.gif.
        {{"LOGO.GIF", "", "120", "60", "", 0, false, false, ""}, "<IMG BORDER=0 HEIGHT=60 WIDTH=120 SRC=\"LOGO.GIF\">"},
        {{"LOGO.GIF", "", "", "60", "", 0, false, false, ""}, "<IMG BORDER=0 HEIGHT=60 SRC=\"LOGO.GIF\">"},
        {{"", "", "", "", "", 0, false, false, ""}, "<IMG BORDER=0 SRC=\"\">"},
        {{"Pic.JPG", "", "", "", "", 0, false, true, "/Data/Images/"}, "<IMG BORDER=0 SRC=\"/Data/Images/Pic.JPG\">"},
        {{"Pic.JPG", "", "", "", "", 0, false, false, "/Data/"}, "<IMG BORDER=0 SRC=\"Pic.JPG\">"},
        {{"Pic.JPG", "", "", "", "", 0, false, true, "images"}, "<IMG BORDER=0 SRC=\"imagesPic.JPG\">"},
        {{"a.gif", "A \"b\"", "1", "2", "center-ish", 10, true, false, ""},
         "<IMG ALIGN=center-ish BORDER=10 HEIGHT=2 WIDTH=1 ALT=\"A \"b\"\" SRC=\"a.gif\" ISMAP>"},
        {{"a.gif", "", "", "", "LEFT", 3, false, false, ""}, "<IMG ALIGN=LEFT BORDER=3 SRC=\"a.gif\">"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ImgTagBuilder::tag(c.fields), QLatin1String(c.tag)) << c.tag;
}

TEST(ImgTagBuilderTest, LabelTexts)
{
    EXPECT_EQ(ImgTagBuilder::dimensionText("", 120, 60), "Dim: 120 X 60 pixels");
    EXPECT_EQ(ImgTagBuilder::dimensionText("File ", 1, 2), "File Dim: 1 X 2 pixels");
    EXPECT_EQ(ImgTagBuilder::sizeText("", 999), "Size: 0KB");
    EXPECT_EQ(ImgTagBuilder::sizeText("", 1999), "Size: 1KB");
    EXPECT_EQ(ImgTagBuilder::sizeText("File ", 2000), "File Size: 2KB");
}

TEST(TableBuilderTest, OpeningTags)
{
    struct Case {
        const char *name;
        std::function<void(TableFields &)> set;
        const char *tag;
    };
    const Case cases[] = {
        {"defaults", [](TableFields &) {}, "<TABLE >"},
        {"percent", [](TableFields &f) { f.percentWidth = true; }, "<TABLE WIDTH=\"90%\">"},
        {"percent 0",
         [](TableFields &f) {
             f.percentWidth = true;
             f.percent = 0;
         },
         "<TABLE>"},
        {"order",
         [](TableFields &f) {
             f.border = 2;
             f.padding = 3;
             f.spacing = 4;
             f.pixels = 200;
         },
         "<TABLE CELLPADDING=3 CELLSPACING=4 WIDTH=200 BORDER=2>"},
        {"aligns",
         [](TableFields &f) {
             f.align = "ABSMIDDLE";
             f.valign = "TOP";
             f.percentWidth = true;
             f.percent = 50;
         },
         "<TABLE WIDTH=\"50%\" ALIGN=ABSMIDDLE VALIGN=TOP>"},
        {"pixels kept aside with percent",
         [](TableFields &f) {
             f.pixels = 300;
             f.percentWidth = true;
         },
         "<TABLE WIDTH=\"90%\">"},
    };
    for (const Case &c : cases) {
        TableFields fields;
        c.set(fields);
        EXPECT_EQ(TableBuilder::openingTag(fields), QLatin1String(c.tag)) << c.name;
    }
}

TEST(TableBuilderTest, Lines)
{
    TableFields f;
    EXPECT_EQ(TableBuilder::text(f), "<TABLE >\r\n<TR>\r\n    <TD></TD>\r\n    <TD></TD>\r\n</TR>\r\n<TR>\r\n"
                                     "    <TD></TD>\r\n    <TD></TD>\r\n</TR>\r\n</TABLE>\r\n");

    f.rows = 1;
    f.columns = 3;
    f.cells = {{"a", "<b>"}}; // the third cell is missing: empty
    f.caption = "Cap";
    f.captionBottom = true; // still right after the TABLE line
    EXPECT_EQ(TableBuilder::lines(f),
              QStringList({"<TABLE >", "   <CAPTION ALIGN=BOTTOM>Cap</CAPTION>", "<TR>", "    <TD>a</TD>",
                           "    <TD><b></TD>", "    <TD></TD>", "</TR>", "</TABLE>"}));
    f.captionBottom = false;
    EXPECT_EQ(TableBuilder::lines(f).at(1), "   <CAPTION ALIGN=TOP>Cap</CAPTION>");

    struct Shape {
        int rows;
        int columns;
        QStringList lines;
    };
    const Shape shapes[] = {
        {0, 2, {"<TABLE >", "</TABLE>"}},
        {2, 0, {"<TABLE >", "<TR>", "</TR>", "<TR>", "</TR>", "</TABLE>"}},
        {-3, -1, {"<TABLE >", "</TABLE>"}},
        {1, -2, {"<TABLE >", "<TR>", "</TR>", "</TABLE>"}},
    };
    for (const Shape &s : shapes) {
        TableFields g;
        g.rows = s.rows;
        g.columns = s.columns;
        EXPECT_EQ(TableBuilder::lines(g), s.lines) << s.rows << "x" << s.columns;
    }
}

TEST(TableBuilderTest, SamplerGeometry)
{
    struct Case {
        int border, padding, spacing;
        int bevel;
        QRect cell1, cell2, cell3;
    };
    const Case cases[] = {
        {0, 0, 0, 0, {2, 2, 35, 17}, {38, 2, 35, 17}, {2, 20, 35, 17}},
        {2, 3, 4, 2, {8, 8, 41, 23}, {54, 8, 41, 23}, {8, 36, 41, 23}},
        {-5, -1, -2, 0, {2, 2, 35, 17}, {38, 2, 35, 17}, {2, 20, 35, 17}},
        // capped: border 6, spacing 8, padding 6
        {9, 20, 30, 6, {16, 16, 47, 29}, {72, 16, 47, 29}, {16, 54, 47, 29}},
    };
    for (const Case &c : cases) {
        const TableBuilder::SamplerGeometry g = TableBuilder::samplerGeometry(c.border, c.padding, c.spacing);
        EXPECT_EQ(g.bevel, c.bevel) << c.border;
        EXPECT_EQ(g.cell1, c.cell1) << c.border;
        EXPECT_EQ(g.cell2, c.cell2) << c.border;
        EXPECT_EQ(g.cell3, c.cell3) << c.border;
    }
}

TEST(PowerHandOverTest, InsertAndCopy)
{
    MemoryClipboard clipboard;
    clipboard.setText("old");
    PowerResult result;
    handOver(result, clipboard, "ab\r\n", false);
    EXPECT_FALSE(result.insert);
    EXPECT_EQ(result.length, 4);
    EXPECT_EQ(clipboard.text(), "ab\r\n");
    handOver(result, clipboard, "xyz", true);
    EXPECT_TRUE(result.insert);
    EXPECT_EQ(result.length, 3);
    result.reset();
    EXPECT_FALSE(result.insert);
    EXPECT_EQ(result.length, 0);
}
