#include "editor/TagCommands.h"

#include <array>

namespace {
using K = TagCommandKind;

// handler, kind, open, close, Tags menu path, shortcut, button, caption, tab, editing-window menu path
constexpr std::array<TagCommand, 45> kCommands{{
    {"AHREF1Click", K::Wrap, "<A HREF=\"\">", "</A>", "<A HREF>", "", "", "", "", ""},
    {"font2Click", K::Wrap, "<FONT>", "</FONT>", "Font...|<FONT>", "", "BitBtnFont", "F", "Font",
     "Font...|Size|<FONT>"},
    {"font11Click", K::Wrap, "<FONT SIZE=\"+1\">", "</FONT>", "Font...|Font Size +1", "Alt+F1", "BitBtnFont1", "F+1",
     "Font", "Font...|Size|Font + 1"},
    {"font21Click", K::Wrap, "<FONT SIZE=\"+2\">", "</FONT>", "Font...|Font Size +2", "Alt+F2", "BitBtnFont2", "F+2",
     "Font", "Font...|Size|Font + 2"},
    {"font12Click", K::Wrap, "<FONT SIZE=\"-1\">", "</FONT>", "Font...|Font Size -1", "Ctrl+Alt+F1", "BitBtnFontMinus1",
     "F-1", "Font", "Font...|Size|Font - 1"},
    {"font22Click", K::Wrap, "<FONT SIZE=\"-2\">", "</FONT>", "Font...|Font Size -2", "Ctrl+Alt+F2", "BitBtnFontMinus2",
     "F-2", "Font", "Font...|Size|Font - 2"},
    {"BoldTagClick", K::Wrap, "<B>", "</B>", "Font...|Bold", "Ctrl+Shift+B", "BitBtnBold", "B", "Common",
     "Font...|Bold"},
    {"ItalicClick", K::Wrap, "<I>", "</I>", "Font...|Italic", "Ctrl+Shift+I", "BitBtnItalic", "I", "Common",
     "Font...|Italic"},
    {"UnderlineClick", K::Wrap, "<U>", "</U>", "Font...|Underline", "Ctrl+Shift+U", "BitBtnUnderline", "U", "Common",
     "Font...|Underline"},
    {"PRE1Click", K::Wrap, "<PRE>", "</PRE>", "Font...|<PRE>", "", "ButtonPRE", "PRE", "Font", "Font...|<PRE>"},
    {"Blockquote1Click", K::Wrap, "<BLOCKQUOTE>", "</BLOCKQUOTE>", "Font...|Blockquote", "", "", "", "",
     "Font...|Blockquote"},
    {"Superscript1Click", K::Wrap, "<SUP>", "</SUP>", "Font...|Superscript", "", "BitBtnSuperScript", "Sup", "Font",
     "Font...|Superscript"},
    {"Subscript1Click", K::Wrap, "<SUB>", "</SUB>", "Font...|Subscript", "", "BitBtnSubScript", "Sub", "Font",
     "Font...|Subscript"},
    {"H11Click", K::Wrap, "<H1>", "</H1>", "Heading..|H1", "", "ButtonH1", "H1", "Font", "Format...|Heading..|H1"},
    {"H21Click", K::Wrap, "<H2>", "</H2>", "Heading..|H2", "", "ButtonH2", "H2", "Font", "Format...|Heading..|H2"},
    {"H31Click", K::Wrap, "<H3>", "</H3>", "Heading..|H3", "", "ButtonH5", "H3", "Font", "Format...|Heading..|H3"},
    {"Center1Click", K::Wrap, "<CENTER>", "</CENTER>", "Center", "Ctrl+Shift+C", "BitBtnCenter", "Center", "Common",
     "Format...|Center"},
    {"Paragraph1Click", K::Single, "<P>", "", "Paragraph <P>", "Alt+Return", "BitBtnP", "P", "Common",
     "Format...|Paragraph <P>"},
    {"LineBreak1Click", K::Single, "<BR>", "", "Line Break <BR>", "Shift+Return", "BitBtnBR", "BR", "Common",
     "Format...|Line Break <BR>"},
    {"NonbreakingSpace1Click", K::Single, "&nbsp;", "", "Non-breaking Space", "Ctrl+Shift+N", "", "", "",
     "Format...|Non-breaking space"},
    {"UnorderedListUL1Click", K::LineWrap, "UL", "", "Lists...|Unordered List <UL>", "", "BitBtnUL", "UL", "List",
     "List...|UL"},
    {"BitBtnOLClick", K::LineWrap, "OL", "", "Lists...|Ordered List <OL>", "", "BitBtnOL", "OL", "List", "List...|OL"},
    {"BitBtnDLClick", K::LineWrap, "DL", "", "Lists...|Definition List <DL>", "", "BitBtnDL", "DL", "List",
     "List...|DL"},
    {"BitBtnLIClick", K::Single, "<LI>", "", "Lists...|List Item <LI>", "", "BitBtnLI", "LI", "List", "List...|LI"},
    {"BitBtnDTClick", K::Single, "<DT>", "", "Lists...|Definition Term <DT>", "", "BitBtnDT", "DT", "List",
     "List...|DT"},
    {"BitBtnDDClick", K::Single, "<DD>", "", "Lists...|Definition <DD>", "", "BitBtnDD", "DD", "List", "List...|DD"},
    {"table2Click", K::Wrap, "<TABLE>", "</TABLE>", "Table...|<TABLE>", "", "BitBtn4", "Tbl", "Table",
     "Table...|<TABLE>"},
    {"tr1Click", K::Wrap, "<TR>", "</TR>", "Table...|<TR>", "", "BitBtnTR", "TR", "Table", "Table...|<TR>"},
    {"td1Click", K::Wrap, "<TD>", "</TD>", "Table...|<TD>", "", "BitBtnTD", "TD", "Table", "Table...|<TD>"},
    {"th1Click", K::Wrap, "<TH>", "</TH>", "Table...|<TH>", "", "BitBtnTH", "TH", "Table", "Table...|<TH>"},
    {"Caption1Click", K::Wrap, "<CAPTION>", "</CAPTION>", "Table...|<Caption>", "", "BitBtnCaption", "Cap", "Table",
     "Table...|<CAPTION>"},
    {"BitBtnNOClick", K::LineWrap, "NOFRAMES", "", "Frames|<NOFRAME>", "", "BitBtnNO", "NO", "Frames",
     "Frame...|<NOFRAME>"},
    {"BitBtnFRAClick", K::Single, "<FRAME>", "", "Frames|<FRAME>", "", "BitBtnFRA", "FRA", "Frames",
     "Frame...|<FRAME>"},
    {"BitBtnSETClick", K::LineWrap, "FRAMESET", "", "Frames|<FRAMESET>", "", "BitBtnSET", "SET", "Frames",
     "Frame...|<FRAMESET>"},
    {"Comment1Click", K::Comment, "<!-- ", " -->", "Comment", "", "", "", "", "Comment.."},
    {"Copyright1Click", K::Single, "&copy;", "", "Special Characters...|Copyright", "", "", "", "", ""},
    {"TM1Click", K::Single, "&trade;", "", "Special Characters...|TM - Trademark", "", "", "", "", ""},
    {"RRegisteredTrademark1Click", K::Single, "&reg;", "", "Special Characters...|R - Registered Trademark", "", "", "",
     "", ""},
    {"N141Click", K::Single, "&#188;", "", "Special Characters...|1/4", "", "", "", "", ""},
    {"N121Click", K::Single, "&#189;", "", "Special Characters...|1/2", "", "", "", "", ""},
    {"N341Click", K::Single, "&#190;", "", "Special Characters...|3/4", "", "", "", "", ""},
    {"N17Click", K::Single, "&amp;", "", "Special Characters...|Ampersand", "", "", "", "", ""},
    {"N22Click", K::Single, "&lt;", "", "Special Characters...|<", "", "", "", "", ""},
    {"N23Click", K::Single, "&gt;", "", "Special Characters...|>", "", "", "", "", ""},
    {"InsertLastModifiedDateTime1Click", K::DateStamp, "", "", "Insert Last Modified Date/Time", "", "", "", "", ""},
}};
} // namespace

std::span<const TagCommand> tagCommands()
{
    return kCommands;
}

const TagCommand *findTagCommand(const QString &handler)
{
    for (const TagCommand &command : kCommands)
        if (handler == QLatin1String(command.handler))
            return &command;
    return nullptr;
}

WrapTags wrapTagsOf(const TagCommand &command, bool strong, bool em)
{
    const QString handler = QLatin1String(command.handler);
    if (strong && handler == QLatin1String("BoldTagClick"))
        return {QStringLiteral("<STRONG>"), QStringLiteral("</STRONG>")};
    if (em && handler == QLatin1String("ItalicClick"))
        return {QStringLiteral("<EM>"), QStringLiteral("</EM>")};
    return {QLatin1String(command.openTag), QLatin1String(command.closeTag)};
}

QString quickTableHandler(int rows, int columns)
{
    return QStringLiteral("N%1C%2Click").arg(rows).arg(columns);
}
