#include "editor/TagInsertion.h"
#include "editor/BufferEditorAccess.h"
#include "editor/HtmlDocument.h"
#include "editor/TagCommands.h"
#include "platform/Clipboard.h"

#include <gtest/gtest.h>

#include <QDateTime>

namespace {
// The document before a command: text with the selection marked by [ and ].
struct Marked {
    QString text;
    int start;
    int length;
};

Marked parseMarked(const QString &marked)
{
    QString text = marked;
    const int open = int(text.indexOf(QLatin1Char('[')));
    text.remove(open, 1);
    const int close = int(text.indexOf(QLatin1Char(']')));
    text.remove(close, 1);
    return {text, open, close - open};
}

// The document after a command, with the selection marked the same way.
QString marked(const BufferEditorAccess &editor)
{
    QString text = LineBreaks::toCrLf(editor.plainText());
    text.insert(editor.selStart() + editor.selLength(), QLatin1Char(']'));
    text.insert(editor.selStart(), QLatin1Char('['));
    return text;
}

class TagInsertionTest : public ::testing::Test {
protected:
    void given(const QString &markedText)
    {
        const Marked m = parseMarked(markedText);
        editor.setPlainText(m.text);
        editor.setSelection(m.start, m.length);
        modified = false;
    }

    MemoryClipboard clipboard;
    BufferEditorAccess editor{&clipboard};
    bool modified = false;
    TagInserter inserter{editor, clipboard, [this] { modified = true; }};
};
} // namespace

TEST_F(TagInsertionTest, EveryWrapAndSingleCommandOfTheTable)
{
    struct Case {
        const char *handler;
        const char *before;
        const char *after;
    };
    const Case cases[] = {
        {"BoldTagClick", "x [abc] y", "x [<B>abc</B>] y"},
        {"BoldTagClick", "x [] y", "x [<B></B>] y"},
        {"ItalicClick", "[a\r\nb]", "[<I>a\r\nb</I>]"},
        {"UnderlineClick", "[u]", "[<U>u</U>]"},
        {"AHREF1Click", "[go]", "[<A HREF=\"\">go</A>]"},
        {"font2Click", "[f]", "[<FONT>f</FONT>]"},
        {"font11Click", "[f]", "[<FONT SIZE=\"+1\">f</FONT>]"},
        {"font21Click", "[f]", "[<FONT SIZE=\"+2\">f</FONT>]"},
        {"font12Click", "[f]", "[<FONT SIZE=\"-1\">f</FONT>]"},
        {"font22Click", "[f]", "[<FONT SIZE=\"-2\">f</FONT>]"},
        {"PRE1Click", "[p]", "[<PRE>p</PRE>]"},
        {"Blockquote1Click", "[q]", "[<BLOCKQUOTE>q</BLOCKQUOTE>]"},
        {"Superscript1Click", "[2]", "[<SUP>2</SUP>]"},
        {"Subscript1Click", "[2]", "[<SUB>2</SUB>]"},
        {"H11Click", "[h]", "[<H1>h</H1>]"},
        {"H21Click", "[h]", "[<H2>h</H2>]"},
        {"H31Click", "[h]", "[<H3>h</H3>]"},
        {"Center1Click", "[c]", "[<CENTER>c</CENTER>]"},
        {"table2Click", "[t]", "[<TABLE>t</TABLE>]"},
        {"tr1Click", "[t]", "[<TR>t</TR>]"},
        {"td1Click", "[t]", "[<TD>t</TD>]"},
        {"th1Click", "[t]", "[<TH>t</TH>]"},
        {"Caption1Click", "[t]", "[<CAPTION>t</CAPTION>]"},
        // Single items land in front of the selection, "<BR>" after it; the selection stays.
        {"Paragraph1Click", "x [abc] y", "x <P>[]abc y"},
        {"LineBreak1Click", "x [abc] y", "x abc<BR>[] y"},
        {"NonbreakingSpace1Click", "[a]", "&nbsp;[]a"},
        {"BitBtnLIClick", "[a]", "<LI>[]a"},
        {"BitBtnDTClick", "[a]", "<DT>[]a"},
        {"BitBtnDDClick", "[a]", "<DD>[]a"},
        {"BitBtnFRAClick", "[a]", "<FRAME>[]a"},
        {"Copyright1Click", "[]", "&copy;[]"},
        {"TM1Click", "[]", "&trade;[]"},
        {"RRegisteredTrademark1Click", "[]", "&reg;[]"},
        {"N141Click", "[]", "&#188;[]"},
        {"N121Click", "[]", "&#189;[]"},
        {"N341Click", "[]", "&#190;[]"},
        {"N17Click", "[]", "&amp;[]"},
        {"N22Click", "[]", "&lt;[]"},
        {"N23Click", "[]", "&gt;[]"},
        {"LineBreak1Click", "a\r\n[b\r\n]c", "a\r\nb\r\n<BR>[]c"},
    };
    for (const Case &c : cases) {
        const TagCommand *command = findTagCommand(QLatin1String(c.handler));
        ASSERT_NE(command, nullptr) << c.handler;
        given(QLatin1String(c.before));
        if (command->kind == TagCommandKind::Single) {
            inserter.insertTagText(QLatin1String(command->openTag));
        } else {
            const WrapTags tags = wrapTagsOf(*command, false, false);
            inserter.wrapSelection(tags.open, tags.close);
        }
        EXPECT_EQ(marked(editor), QLatin1String(c.after)) << c.handler << " on " << c.before;
        EXPECT_TRUE(modified) << c.handler;
        EXPECT_TRUE(editor.hasFocus()) << c.handler;
    }
}

TEST_F(TagInsertionTest, StrongAndEmReplaceBoldAndItalicOnlyWhenSet)
{
    const TagCommand &bold = *findTagCommand("BoldTagClick");
    const TagCommand &italic = *findTagCommand("ItalicClick");
    const TagCommand &underline = *findTagCommand("UnderlineClick");
    EXPECT_EQ(wrapTagsOf(bold, true, false).open, "<STRONG>");
    EXPECT_EQ(wrapTagsOf(bold, true, false).close, "</STRONG>");
    EXPECT_EQ(wrapTagsOf(bold, false, true).open, "<B>");
    EXPECT_EQ(wrapTagsOf(italic, false, true).close, "</EM>");
    EXPECT_EQ(wrapTagsOf(italic, true, false).open, "<I>");
    EXPECT_EQ(wrapTagsOf(underline, true, true).open, "<U>");
}

TEST_F(TagInsertionTest, LineWrapsBuildTheirBlocksAndLeaveThemOnTheClipboard)
{
    struct Case {
        const char *kind;
        const char *before;
        const char *after;
    };
    const Case cases[] = {
        {"UL", "[a\r\nb]", "<UL>\r\n   <LI>a\r\n   <LI>b\r\n</UL>[]"},
        {"UL", "x[]y", "x<UL>\r\n</UL>\r\n[]y"},
        {"OL", "[a\r\n\r\nb\r\n]z", "<OL>\r\n   <LI>a\r\n   <LI>\r\n   <LI>b\r\n</OL>\r\n[]z"},
        {"DL", "[x]", "<DL>\r\nx\r\n</DL>[]"},
        {"NOFRAMES", "[n]", "<NOFRAMES>\r\n   n\r\n</NOFRAMES>[]"},
        {"FRAMESET", "[f\r\n]", "<FRAMESET>\r\n   f\r\n</FRAMESET>\r\n[]"},
    };
    for (const Case &c : cases) {
        clipboard.setText("previous");
        given(QLatin1String(c.before));
        inserter.lineWrap(QLatin1String(c.kind));
        EXPECT_EQ(marked(editor), QLatin1String(c.after)) << c.kind << " on " << c.before;
        // The clipboard holds exactly the block, which ends where the caret is.
        const QString after = QLatin1String(c.after);
        EXPECT_TRUE(after.left(after.indexOf(QLatin1Char('['))).endsWith(clipboard.text())) << c.kind;
        EXPECT_TRUE(clipboard.text().startsWith(QStringLiteral("<") + QLatin1String(c.kind) + ">")) << c.kind;
        EXPECT_TRUE(modified);
    }
    given("[]");
    inserter.lineWrap("NEW");
    EXPECT_EQ(LineBreaks::toCrLf(editor.plainText()), newDocumentSkeleton());
}

TEST_F(TagInsertionTest, QuickTablesGoInFrontOfTheSelectionAndStayOnTheClipboard)
{
    given("[keep]");
    inserter.quickTable(2, 3);
    const QStringList lines = LineBreaks::toCrLf(editor.plainText()).split("\r\n");
    EXPECT_EQ(lines, QStringList({"<TABLE>", "<TR>", "    <TD></TD>", "    <TD></TD>", "    <TD></TD>", "</TR>", "<TR>",
                                  "    <TD></TD>", "    <TD></TD>", "    <TD></TD>", "</TR>", "</TABLE>", "keep"}));
    EXPECT_EQ(clipboard.text(), TagTexts::quickTableBlock(2, 3));
    EXPECT_EQ(clipboard.text().count("\r\n"), 12);
    EXPECT_EQ(editor.selStart(), int(clipboard.text().size()));
    EXPECT_EQ(quickTableHandler(3, 2), "N3C2Click");
}

TEST_F(TagInsertionTest, CommentRules)
{
    given("a[]b");
    inserter.comment(CaretRule::BeforeClosingTag);
    EXPECT_EQ(marked(editor), "a<!--[]  -->b");
    given("a[]b");
    inserter.comment(CaretRule::SelectInserted);
    EXPECT_EQ(marked(editor), "a<!--[]  -->b"); // the empty comment has one rule wherever it is run
    given("[note]");
    inserter.comment(CaretRule::BeforeClosingTag);
    EXPECT_EQ(marked(editor), "<!-- note[] -->");
    given("[note]");
    inserter.comment(CaretRule::SelectInserted);
    EXPECT_EQ(marked(editor), "[<!-- note -->]");
}

TEST_F(TagInsertionTest, MailToCaretRuleSitsBeforeTheClosingAnchor)
{
    given("[me]");
    inserter.wrapSelection("<A HREF=\"mailto:x@y\">", "</A>", CaretRule::BeforeClosingTag);
    EXPECT_EQ(marked(editor), "<A HREF=\"mailto:x@y\">me[]</A>");
}

TEST_F(TagInsertionTest, CustomPairs)
{
    struct Case {
        const char *pair;
        const char *before;
        const char *after;
    };
    const Case cases[] = {
        {"<FONT COLOR=\"red\"></FONT>", "[x]", "[<FONT COLOR=\"red\">x</FONT>]"},
        {"<HR>", "a[x]", "a[<HR>x]"},
        {"<DIV>", "[]", "[<DIV>]"},
        {"<SPAN> text </SPAN> more", "[x]", "[<SPAN>x</SPAN>]"},
        {"<OPEN><UNCLOSED", "[x]", "[<OPEN>x<UNCLOSED]"},
        // No "<" followed by ">": the text goes in front of the selection as it stands.
        {"no tags here", "[x]", "[no tags herex]"},
        {"<", "[x]", "[<x]"},
        {"a>b<", "[x]", "[a>b<x]"},
        {"", "[x]", "[x]"},
    };
    for (const Case &c : cases) {
        given(QLatin1String(c.before));
        inserter.customPairWrap(QLatin1String(c.pair));
        EXPECT_EQ(marked(editor), QLatin1String(c.after)) << c.pair;
    }
}

TEST_F(TagInsertionTest, PasteAndSelectSelectsExactlyThePastedText)
{
    clipboard.setText("<IMG SRC=\"a.gif\">");
    given("x[old]y");
    inserter.pasteAndSelect(17, false);
    EXPECT_EQ(marked(editor), "x[<IMG SRC=\"a.gif\">]y");
    given("x[old]y");
    inserter.pasteAndSelect(17, true);
    EXPECT_EQ(marked(editor), "x[<IMG SRC=\"a.gif\">]oldy");
    EXPECT_TRUE(modified);
    EXPECT_EQ(clipboard.text(), "<IMG SRC=\"a.gif\">");
    clipboard.setText("a\r\nb");
    given("[]");
    inserter.pasteAndSelect(4, true);
    EXPECT_EQ(marked(editor), "[a\r\nb]");
}

TEST_F(TagInsertionTest, LastModifiedStamp)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    struct Case {
        QDateTime at;
        const char *stamp;
    };
    const Case cases[] = {
        {QDateTime(QDate(2026, 12, 7), QTime(4, 53)), "<!--Last Modified: Monday, Dec 7, 2026, at 04:53 AM-->"},
        {QDateTime(QDate(2026, 1, 1), QTime(0, 5)), "<!--Last Modified: Thursday, Jan 1, 2026, at 12:05 AM-->"},
        {QDateTime(QDate(2026, 7, 14), QTime(12, 0)), "<!--Last Modified: Tuesday, Jul 14, 2026, at 12:00 PM-->"},
        {QDateTime(QDate(2026, 7, 14), QTime(23, 59)), "<!--Last Modified: Tuesday, Jul 14, 2026, at 11:59 PM-->"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TagTexts::lastModifiedStamp(c.at, english), QLatin1String(c.stamp));
    given("[old]");
    inserter.insertLastModified(cases[0].at, english);
    EXPECT_EQ(marked(editor), "[<!--Last Modified: Monday, Dec 7, 2026, at 04:53 AM-->]");
}

// That each command has its Tags menu item is checked with the main window's menus.
TEST(TagCommandTable, HandlersAreUnique)
{
    QStringList handlers;
    for (const TagCommand &command : tagCommands()) {
        EXPECT_FALSE(handlers.contains(QLatin1String(command.handler))) << command.handler;
        handlers << QLatin1String(command.handler);
        EXPECT_TRUE(QLatin1String(command.handler).endsWith(QLatin1String("Click")));
        if (command.kind == TagCommandKind::Single) {
            EXPECT_TRUE(TagTexts::isSingleItem(QLatin1String(command.openTag))) << command.handler;
        }
    }
    EXPECT_FALSE(TagTexts::isSingleItem("<B>"));
}
