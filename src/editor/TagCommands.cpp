#include "editor/TagCommands.h"

#include <array>

namespace {
using K = TagCommandKind;

// handler, kind, open, close, tag bar button, its caption, its tab
constexpr std::array<TagCommand, 45> kCommands{{
    {"AHREF1Click", K::Wrap, "<A HREF=\"\">", "</A>", "", "", ""},
    {"font2Click", K::Wrap, "<FONT>", "</FONT>", "BitBtnFont", "F", "Font"},
    {"font11Click", K::Wrap, "<FONT SIZE=\"+1\">", "</FONT>", "BitBtnFont1", "F+1", "Font"},
    {"font21Click", K::Wrap, "<FONT SIZE=\"+2\">", "</FONT>", "BitBtnFont2", "F+2", "Font"},
    {"font12Click", K::Wrap, "<FONT SIZE=\"-1\">", "</FONT>", "BitBtnFontMinus1", "F-1", "Font"},
    {"font22Click", K::Wrap, "<FONT SIZE=\"-2\">", "</FONT>", "BitBtnFontMinus2", "F-2", "Font"},
    {"BoldTagClick", K::Wrap, "<B>", "</B>", "BitBtnBold", "B", "Common"},
    {"ItalicClick", K::Wrap, "<I>", "</I>", "BitBtnItalic", "I", "Common"},
    {"UnderlineClick", K::Wrap, "<U>", "</U>", "BitBtnUnderline", "U", "Common"},
    {"PRE1Click", K::Wrap, "<PRE>", "</PRE>", "ButtonPRE", "PRE", "Font"},
    {"Blockquote1Click", K::Wrap, "<BLOCKQUOTE>", "</BLOCKQUOTE>", "", "", ""},
    {"Superscript1Click", K::Wrap, "<SUP>", "</SUP>", "BitBtnSuperScript", "Sup", "Font"},
    {"Subscript1Click", K::Wrap, "<SUB>", "</SUB>", "BitBtnSubScript", "Sub", "Font"},
    {"H11Click", K::Wrap, "<H1>", "</H1>", "ButtonH1", "H1", "Font"},
    {"H21Click", K::Wrap, "<H2>", "</H2>", "ButtonH2", "H2", "Font"},
    {"H31Click", K::Wrap, "<H3>", "</H3>", "ButtonH5", "H3", "Font"},
    {"Center1Click", K::Wrap, "<CENTER>", "</CENTER>", "BitBtnCenter", "Center", "Common"},
    {"Paragraph1Click", K::Single, "<P>", "", "BitBtnP", "P", "Common"},
    {"LineBreak1Click", K::Single, "<BR>", "", "BitBtnBR", "BR", "Common"},
    {"NonbreakingSpace1Click", K::Single, "&nbsp;", "", "", "", ""},
    {"UnorderedListUL1Click", K::LineWrap, "UL", "", "BitBtnUL", "UL", "List"},
    {"BitBtnOLClick", K::LineWrap, "OL", "", "BitBtnOL", "OL", "List"},
    {"BitBtnDLClick", K::LineWrap, "DL", "", "BitBtnDL", "DL", "List"},
    {"BitBtnLIClick", K::Single, "<LI>", "", "BitBtnLI", "LI", "List"},
    {"BitBtnDTClick", K::Single, "<DT>", "", "BitBtnDT", "DT", "List"},
    {"BitBtnDDClick", K::Single, "<DD>", "", "BitBtnDD", "DD", "List"},
    {"table2Click", K::Wrap, "<TABLE>", "</TABLE>", "BitBtn4", "Tbl", "Table"},
    {"tr1Click", K::Wrap, "<TR>", "</TR>", "BitBtnTR", "TR", "Table"},
    {"td1Click", K::Wrap, "<TD>", "</TD>", "BitBtnTD", "TD", "Table"},
    {"th1Click", K::Wrap, "<TH>", "</TH>", "BitBtnTH", "TH", "Table"},
    {"Caption1Click", K::Wrap, "<CAPTION>", "</CAPTION>", "BitBtnCaption", "Cap", "Table"},
    {"BitBtnNOClick", K::LineWrap, "NOFRAMES", "", "BitBtnNO", "NO", "Frames"},
    {"BitBtnFRAClick", K::Single, "<FRAME>", "", "BitBtnFRA", "FRA", "Frames"},
    {"BitBtnSETClick", K::LineWrap, "FRAMESET", "", "BitBtnSET", "SET", "Frames"},
    {"Comment1Click", K::Comment, "<!-- ", " -->", "", "", ""},
    {"Copyright1Click", K::Single, "&copy;", "", "", "", ""},
    {"TM1Click", K::Single, "&trade;", "", "", "", ""},
    {"RRegisteredTrademark1Click", K::Single, "&reg;", "", "", "", ""},
    {"N141Click", K::Single, "&#188;", "", "", "", ""},
    {"N121Click", K::Single, "&#189;", "", "", "", ""},
    {"N341Click", K::Single, "&#190;", "", "", "", ""},
    {"N17Click", K::Single, "&amp;", "", "", "", ""},
    {"N22Click", K::Single, "&lt;", "", "", "", ""},
    {"N23Click", K::Single, "&gt;", "", "", "", ""},
    {"InsertLastModifiedDateTime1Click", K::DateStamp, "", "", "", "", ""},
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
