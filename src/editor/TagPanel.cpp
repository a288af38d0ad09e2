#include "editor/TagPanel.h"

#include "editor/EditorAccess.h"

namespace TagPanel {
const QStringList &tagEntries()
{
    static const QStringList entries{
        "<!--.-->", "<A HREF=\"\">.</A>", "<A NAME=\"\">.</A>", "<ABBREV>.</ABBREV>", "<ACRONYM>.</ACRONYM>",
        "<ADDRESS>.</ADDRESS>", "<APPLET>.</APPLET>", "<AREA>", "<AU>.</AU>", "<B>.</B>", "<BANNER>.</BANNER>",
        "<BASE>", "<BASEFONT>", "<BGSOUND>", "<BIG>.</BIG>", "<BLINK>.</BLINK>", "<BLOCKQUOTE>.</BLOCKQUOTE>",
        "<BODY>.</BODY>", "<BR>", "<CAPTION>.</CAPTION>", "<CENTER>.</CENTER>", "<CITE>.</CITE>", "<CODE>.</CODE>",
        "<COL>", "<COMMENT>.</COMMENT>", "<DD>", "<DEL>.</DEL>", "<DFN>.</DFN>", "<DIR>.</DIR>", "<DIV>.</DIV>",
        "<DL>.</DL>", "<DT>", "<EM>.</EM>", "<EMBED>", "<FIG>.</FIG>", "<FN>.</FN>", "<FONT>.</FONT>",
        "<FORM>.</FORM>", "<FRAME>.</FRAME>", "<FRAMESET>.</FRAMESET>", "<H1>.</H1>", "<H2>.</H2>", "<H3>.</H3>",
        "<H4>.</H4>", "<H5>.</H5>", "<H6>.</H6>", "<HEAD>.</HEAD>", "<HR>", "<HTML>.</HTML>",
        "<HTML><HEAD><TITLE></TITLE></HEAD><BODY>.</BODY></HTML>", "<I>.</I>", "<IMG>", "<INPUT TYPE=>.</INPUT>",
        "<INS>.</INS>", "<ISINDEX>", "<KBD>.</KBD>", "<LI>", "<LINK>", "<LISTING>.</LISTING>", "<MAP>.</MAP>",
        "<MARQUEE>.</MARQUEE>", "<MENU>.</MENU>", "<META>", "<MULTICOL>.</MULTICOL>", "<NEXTID>", "<NOBR>.</NOBR>",
        "<NOFRAMES>.</NOFRAMES>", "<NOTE>.</NOTE>", "<OBJECT>.</OBJECT>", "<OL>.</OL>", "<OPTION>", "<OVERLAY>",
        "<P>.</P>", "<PARAM>.</PARAM>", "<PLAINTEXT>.</PLAINTEXT>", "<PRE>.</PRE>", "<RANGE>", "<S>.</S>",
        "<SAMP>.</SAMP>", "<SELECT>.</SELECT>", "<SMALL>.</SMALL>", "<SPACER>", "<STRIKE>.</STRIKE>",
        "<STRONG>.</STRONG>", "<STYLE>", "<SUB>.</SUB>", "<SUP>.</SUP>", "<TAB>", "<TABLE>.</TABLE>", "<TD>.</TD>",
        "<TEXTAREA>.</TEXTAREA>", "<TH>.</TH>", "<TITLE>.</TITLE>", "<TR>.</TR>", "<TT>.</TT>", "<U>.</U>",
        "<UL>.</UL>", "<VAR>.</VAR>", "<WBR>.</WBR>", "<XMP>.</XMP>",
    };
    return entries;
}

const QStringList &attributeEntries()
{
    static const QStringList entries{
        "ACTION=", "ALIGN=", "ALINK=", "ALT=", "BACKGROUND=", "BEHAVIOR=", "BGCOLOR=", "BGPROPERTIES=", "BORDER=",
        "BORDERCOLOR=", "BORDERCOLORDARK=", "BORDERCOLORLIGHT=", "CELLPADDING=", "CELLSPACING=", "CLEAR", "CODE=",
        "CODEBASE=", "COLOR=", "COLS=", "COLSPAN=", "COMPACT", "CONTENT=", "COORDS=", "DIRECTION=", "DYNSRC=",
        "ENCTYPE=", "FACE=", "FRAMESPACING=", "HEIGHT=", "HREF=", "HSPACE=", "HTTP-EQUIV=", "ISMAP", "LEFTMARGIN=",
        "LINK=", "LOOP=", "LOWSRC=", "MARGINHEIGHT=", "MARGINWIDTH=", "MAXLENGTH=", "METHOD=", "METHODS=", "NAME=",
        "NOHREF", "NORESIZE", "NOSHADE", "NOWRAP", "REL=", "REV=", "ROWS=", "ROWSPAN=", "SCROLLAMOUNT=",
        "SCROLLDELAY=", "SCROLLING=", "SHAPE=", "SIZE=", "SRC=", "START=", "TARGET=", "TEXT=", "TITLE=",
        "TOPMARGIN=", "TYPE=", "URN=", "USEMAP=", "VALIGN=", "VALUE=", "VERSION=", "VLINK=", "VSPACE=", "WIDTH=",
        "WRAP=",
    };
    return entries;
}

void insertTag(EditorAccess &editor, const QString &entry)
{
    const int start = editor.selStart();
    const QString selected = editor.selectedText();
    const qsizetype dot = entry.indexOf(QLatin1Char('.'));
    const QString before = dot < 0 ? entry : entry.left(dot);
    const QString after = dot < 0 ? QString() : entry.mid(dot + 1);
    editor.setFocus();
    editor.replaceSelection(before + selected + after);
    editor.setSelection(start + int(before.size()), int(selected.size()));
}

void insertAttribute(EditorAccess &editor, const QString &entry)
{
    const int start = editor.selStart();
    editor.replaceSelection(entry + editor.selectedText());
    editor.setFocus();
    editor.setSelection(start + int(entry.size()), 0);
}
} // namespace TagPanel
