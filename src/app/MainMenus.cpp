#include "app/MainMenus.h"

#include "editor/TagCommands.h"

namespace {
using K = MenuRowKind;

constexpr MenuRow menu(const char *name, const char *caption)
{
    return {K::Menu, name, caption};
}
constexpr MenuRow subMenu(const char *caption)
{
    return {K::Menu, "", caption};
}
constexpr MenuRow endMenu()
{
    return {K::EndMenu};
}
constexpr MenuRow separator()
{
    return {K::Separator};
}
// An item that runs its own command.
constexpr MenuRow item(const char *name, const char *caption, const char *shortcut = "", const char *icon = "")
{
    return {K::Item, name, caption, shortcut, icon};
}
// One more item of `command`: it shares that command's handler.
constexpr MenuRow itemOf(const char *command, const char *name, const char *caption)
{
    return {K::Item, name, caption, "", "", command};
}
constexpr MenuRow button(const char *name, const char *hint, const char *command, const char *text = "",
                         const char *icon = "")
{
    return {K::Button, name, text, "", icon, command, hint};
}
constexpr MenuRow quickTables(int first, const char *nameSuffix)
{
    return {K::QuickTables, nameSuffix, "", "", "", "", "", first};
}

// The rows are indented as the menus nest.
// clang-format off
constexpr MenuRow kMainMenu[] = {
    menu("File1", "&File"),
        item("NewProject1", "&New Project", "Ctrl+N", "SP_FileDialogNewFolder"),
        item("Open1", "&Open Project", "Ctrl+O", "SP_DirOpenIcon"),
        item("Save1", "&Save Project", "Ctrl+S", "SP_DriveFDIcon"),
        item("SaveAs1", "Save Project &As"),
        separator(),
        item("NewHTMLFile1", "New HTML File", "Alt+N", "SP_FileIcon"),
        item("OpenHTMLFile1", "Open HTML File", "Alt+O", "SP_DialogOpenButton"),
        item("OpenHTMLTemplate1", "Open HTML Template", "", "SP_FileDialogContentsView"),
        item("SaveHTMLFile1", "Save &HTML File", "Alt+S", "SP_DialogSaveButton"),
        item("SaveHTMLFileAs1", "Save HT&ML File As"),
        item("CloseHTMLFile1", "Close HTML File"),
        separator(),
        item("PrintProjectOutline1", "&Print Project/HTML", "Ctrl+P", "SP_FileDialogDetailedView"),
        separator(),
        item("Quit1", "E&xit", "Alt+X"),
        separator(),
        item("Recent1", ""), // the recent projects: captions filled in from the settings
        item("Recent2", ""),
        item("Recent3", ""),
        item("Recent4", ""),
    endMenu(),

    menu("Edit1", "&Edit"),
        item("Undo1", "&Undo", "Ctrl+Z", "SP_ArrowBack"),
        item("Cut1", "Cu&t"),
        item("Copy1", "&Copy"),
        item("Paste1", "&Paste"),
        item("SelectAll1", "Se&lect All", "Ctrl+A"),
        separator(),
        item("Replaceallwith1", "Replace &all \"\\\" with \"/\" (every occurence)", "Ctrl+\\"),
        item("Replaceprecisewithonlyintags1", "Replace precise \"\\\" with \"/\" (only in tags)", "Ctrl+Shift+\\"),
        separator(),
        item("RemovePagefromProject1", "&Remove Page from Project"),
        item("ChangeHTMLLink1", "Change &HTML Link"),
        item("ChangePageTitle1", "C&hange Page Title"),
        separator(),
        item("ExtendedReplace1", "&Extended Replace", "Ctrl+E", "SP_BrowserReload"),
    endMenu(),

    menu("Search1", "Se&arch"),
        item("Find1", "&Find", "Ctrl+F", "SP_FileDialogContentsView"),
        item("FindNext1", "Find &Next", "F3"),
        item("Replace1", "&Replace", "Ctrl+R", "SP_BrowserReload"),
    endMenu(),

    menu("Tags1", "T&ags"),
        item("ColorTagsNow1", "&Color Tags Now", "Ctrl+K"),
        separator(),
        item("AHREF1", "<A HREF>"),
        subMenu("Font..."),
            item("font2", "<FONT>"),
            item("font11", "Font Size +1", "Alt+F1"),
            item("font21", "Font Size +2", "Alt+F2"),
            item("font12", "Font Size -1", "Ctrl+Alt+F1"),
            item("font22", "Font Size -2", "Ctrl+Alt+F2"),
            item("BoldTag", "Bold", "Ctrl+Shift+B"),
            item("Italic", "Italic", "Ctrl+Shift+I"),
            item("Underline", "Underline", "Ctrl+Shift+U"),
            item("PRE1", "<PRE>"),
            item("Blockquote1", "Blockquote"),
            item("Superscript1", "Superscript"),
            item("Subscript1", "Subscript"),
        endMenu(),
        subMenu("Heading.."),
            item("H11", "H1"),
            item("H21", "H2"),
            item("H31", "H3"),
        endMenu(),
        item("Center1", "Center", "Ctrl+Shift+C"),
        item("Paragraph1", "Paragraph <P>", "Alt+Return"),
        item("LineBreak1", "Line Break <BR>", "Shift+Return"),
        item("NonbreakingSpace1", "Non-breaking Space", "Ctrl+Shift+N"),
        subMenu("Lists..."),
            item("UnorderedListUL1", "Unordered List <UL>"),
            item("BitBtnOL", "Ordered List <OL>"),
            item("BitBtnDL", "Definition List <DL>"),
            item("BitBtnLI", "List Item <LI>"),
            item("BitBtnDT", "Definition Term <DT>"),
            item("BitBtnDD", "Definition <DD>"),
        endMenu(),
        subMenu("Table..."),
            item("table2", "<TABLE>"),
            item("tr1", "<TR>"),
            item("td1", "<TD>"),
            item("th1", "<TH>"),
            item("Caption1", "<Caption>"),
            quickTables(1, ""),
        endMenu(),
        subMenu("Frames"),
            item("BitBtnNO", "<NOFRAME>"),
            item("BitBtnFRA", "<FRAME>"),
            item("BitBtnSET", "<FRAMESET>"),
            separator(),
            item("FRAMESETDialog1", "FRAMESET Dialog"),
            item("FRAMEDialog1", "FRAME Dialog"),
        endMenu(),
        item("Comment1", "Comment"),
        subMenu("Special Characters..."),
            item("Copyright1", "Copyright"),
            item("TM1", "TM - Trademark"),
            item("RRegisteredTrademark1", "R - Registered Trademark"),
            item("N141", "1/4"),
            item("N121", "1/2"),
            item("N341", "3/4"),
            item("N17", "Ampersand"),
            item("N22", "<"),
            item("N23", ">"),
        endMenu(),
        item("InsertLastModifiedDateTime1", "Insert Last Modified Date/Time"),
        separator(),
        item("PowerBODY1", "Power <&BODY>", "Ctrl+B"),
        item("PowerAHREF1", "Power <&A HREF>", "Ctrl+H"),
        item("MailTo1", "Mail To:", "Ctrl+Shift+M"),
        item("PowerIMG1", "Power <&IMG>", "Ctrl+I"),
        item("PowerTABLE1", "Power <&TABLE>", "Ctrl+T"),
        separator(),
        item("PowerFrame1", "Power <&FRAME>", "Ctrl+Shift+F"),
        item("PowerList1", "Power &LIST", "Ctrl+L"),
        item("HorizontalRule1", "Horizontal Rule <HR>"),
        separator(),
        item("EditTag1", "&Edit Tag", "F4"),
    endMenu(),

    menu("Tools1", "&Tools"),
        item("SpeedBar1", "Show Tag Panel", "", "SP_FileDialogListView"),
        item("ColorPicker1", "Color Picker..."),
        separator(),
        item("GetPageLoadingData1", "Analyze Page/Site", "Ctrl+F2", "SP_FileDialogInfoView"),
        item("CheckLinks1", "Check Links"),
        item("BackupHTMLfiles1", "Backup HTML files", "Ctrl+F1", "SP_DriveHDIcon"),
        item("FTP1", "FTP File Transfer", "", "SP_DriveNetIcon"),
        item("SpellCheck2", "Spell Check", "", "SP_DialogApplyButton"),
        item("CheckPage1", "Check Page"),
        item("TidyPage1", "Tidy Page"),
    endMenu(),

    menu("Settings1", "Settin&gs"),
        item("PreferencesSettings1", "Settings", "Ctrl+F3", "SP_FileDialogDetailedView"),
        item("LivePreview1", "&Live Preview"),
    endMenu(),

    menu("HelperApps1", "He&lper Apps"),
        item("LauchImageEditor1", "Lauch &Image Editor"),
        item("LaunchFTPProgram1", "Launch &FTP Program"),
        item("LaunchImageMapEditor1", "Launch Image &Map Editor"),
    endMenu(),

    menu("Help1", "&Help"),
        item("WelcometoTovarelPro1", "&Welcome to Tovarel Pro"),
        item("Instructions1", "&Instructions", "", "SP_DialogHelpButton"),
        item("HelpOnTop1", "Show Help On &Top", "Ctrl+/"),
        item("FrequentlyAskedQuestions1", "Frequently Asked Questions"),
        item("ShowTipoftheDay1", "Show Tip of the &Day"),
        separator(),
        item("About1", "&About"),
        item("BugsSuggestionsFeedback1", "&Bugs/Suggestions/Feedback"),
    endMenu(),
};

constexpr MenuRow kToolBar[] = {
    button("BitBtnNewProject", "New Project", "NewProject1"),
    button("BitBtnOpenProject", "Open Project", "Open1"),
    button("BitBtnSaveProject", "Save Project", "Save1"),
    separator(),
    button("BitBtnNewHTML", "New HTML file", "NewHTMLFile1"),
    button("BitBtnOpenHTMLFile", "Open HTML file", "OpenHTMLFile1"),
    button("BitBtnLoadFromTemplate", "Load HTML Template", "OpenHTMLTemplate1"),
    button("BitBtnSaveHTML", "Save HTML File", "SaveHTMLFile1"),
    separator(),
    button("BitBtnUndo", "Undo", "Undo1"),
    button("BitBtnCut", "Cut", "Cut1", "Cut"),
    button("BitBtnCopy", "Copy", "Copy1", "Copy"),
    button("BitBtnPaste", "Paste", "Paste1", "Paste"),
    separator(),
    button("BitBtnFind", "Find Text", "Find1"),
    button("BitBtnReplace", "Replace Text", "Replace1"),
    separator(),
    button("BitBtnRemovePage", "Remove page from project", "RemovePagefromProject1", "", "SP_TrashIcon"),
    button("BitBtnPrint", "Print", "PrintProjectOutline1"),
    separator(),
    button("BitBtnTagPanel", "Show Tag Panel", "SpeedBar1"),
    button("BitBtnHelp", "Instructions", "Instructions1"),
    separator(),
    button("BitBtnPowerBody", "Power Body Tag", "PowerBODY1", "BODY"),
    button("BitBtnPowerAnchor", "Power Anchor Tag", "PowerAHREF1", "A"),
    button("BitBtnEmail", "Insert <Mailto:> Tag", "MailTo1", "@"),
    button("BitBtnPowerImage", "Power Image Tag/Preview", "PowerIMG1", "IMG"),
    button("BitBtnPowerTable", "Power Table Tag", "PowerTABLE1", "TBL"),
    separator(),
    button("BitBtnPowerFrame", "POWER Frame Tag", "PowerFrame1", "Frame"),
    button("BitBtnPowerList", "Power List Tag", "PowerList1", "List"),
    separator(),
    button("BitBtnGetPageLoadingData", "Analyze Page/Site", "GetPageLoadingData1"),
    button("BitBtnReplaceAll", "Extended Replace", "ExtendedReplace1"),
    button("BitBtnBackup", "Backup Project Files", "BackupHTMLfiles1"),
    separator(),
    button("BitBtnNS", "Netscape Preview", "BitBtnNS", "", "SP_ComputerIcon"),
    button("BitBtnIE", "MS Explorer Preview", "BitBtnIE", "", "SP_DesktopIcon"),
    button("BitBtnFTP", "FTP File Transfer", "FTP1"),
    button("BitBtnOptions", "Settings", "PreferencesSettings1"),
    button("BitBtnSpellCheck", "Check spelling", "SpellCheck2"),
};

// The tag commands' own items here ("...Popup") leave what they insert selected.
constexpr MenuRow kEditorMenu[] = {
    itemOf("NewHTMLFile1", "New2", "New"),
    itemOf("OpenHTMLFile1", "Open2", "Open"),
    itemOf("SaveHTMLFile1", "Save2", "Save"),
    itemOf("SaveHTMLFileAs1", "SaveAs2", "Save As.."),
    separator(),
    itemOf("Undo1", "Undo2", "Undo"),
    itemOf("Cut1", "Cut2", "Cut"),
    itemOf("Copy1", "Copy2", "Copy"),
    itemOf("Paste1", "Paste2", "Paste"),
    itemOf("SelectAll1", "SelectAll2", "Select All"),
    separator(),
    subMenu("Format..."),
        subMenu("Heading.."),
            item("H11Popup", "H1"),
            item("H21Popup", "H2"),
            item("H31Popup", "H3"),
        endMenu(),
        item("Center1Popup", "Center"),
        item("Paragraph1Popup", "Paragraph <P>"),
        item("LineBreak1Popup", "Line Break <BR>"),
        item("NonbreakingSpace1Popup", "Non-breaking space"),
        itemOf("HorizontalRule1", "HorizontalRule2", "Horizontal Rule <HR>"),
    endMenu(),
    subMenu("Font..."),
        subMenu("Size"),
            item("font2Popup", "<FONT>"),
            item("font11Popup", "Font + 1"),
            item("font21Popup", "Font + 2"),
            item("font12Popup", "Font - 1"),
            item("font22Popup", "Font - 2"),
        endMenu(),
        item("BoldTagPopup", "Bold"),
        item("ItalicPopup", "Italic"),
        item("UnderlinePopup", "Underline"),
        item("PRE1Popup", "<PRE>"),
        item("Blockquote1Popup", "Blockquote"),
        item("Superscript1Popup", "Superscript"),
        item("Subscript1Popup", "Subscript"),
    endMenu(),
    subMenu("Table..."),
        item("table2Popup", "<TABLE>"),
        item("tr1Popup", "<TR>"),
        item("td1Popup", "<TD>"),
        item("th1Popup", "<TH>"),
        item("Caption1Popup", "<CAPTION>"),
        quickTables(kEditorQuickTableMin, "Popup"),
    endMenu(),
    subMenu("List..."),
        item("UnorderedListUL1Popup", "UL"),
        item("BitBtnOLPopup", "OL"),
        item("BitBtnDLPopup", "DL"),
        item("BitBtnLIPopup", "LI"),
        item("BitBtnDTPopup", "DT"),
        item("BitBtnDDPopup", "DD"),
    endMenu(),
    subMenu("Frame..."),
        item("BitBtnNOPopup", "<NOFRAME>"),
        item("BitBtnFRAPopup", "<FRAME>"),
        item("BitBtnSETPopup", "<FRAMESET>"),
        separator(),
        itemOf("FRAMESETDialog1", "FRAMESETDialog2", "FRAMESET Dialog"),
        itemOf("FRAMEDialog1", "FRAMEDialog2", "FRAME Dialog"),
    endMenu(),
    itemOf("ColorTagsNow1", "ColorTagsNow2", "Color Tags Now"),
    item("TagColorOptions1", "Tag Color Options"),
    item("Comment1Popup", "Comment.."),
    separator(),
    itemOf("Find1", "Find2", "Find ..."),
    itemOf("Replace1", "Replace2", "Replace ..."),
    separator(),
    itemOf("PrintProjectOutline1", "Print2", "Print"),
    subMenu("Power..."),
        itemOf("PowerBODY1", "PowerBODY2", "<BODY>"),
        itemOf("PowerAHREF1", "PowerAHREF2", "<A HREF>"),
        itemOf("PowerIMG1", "PowerIMG2", "<IMG>"),
        itemOf("PowerTABLE1", "PowerTABLE2", "<TABLE>"),
        itemOf("PowerFrame1", "PowerFrame2", "<FRAME>"),
        itemOf("PowerList1", "PowerList2", "<LIST>"),
        itemOf("HorizontalRule1", "HorizontalRule3", "<HR>"),
    endMenu(),
    itemOf("EditTag1", "EditTag2", "Edit Tag"),
    item("MailTo2", "Mail To:"), // leaves the whole link selected
    itemOf("ColorPicker1", "ColorPicker2", "Color Picker"),
    itemOf("PreferencesSettings1", "Preferences1", "Settings"),
    itemOf("SpellCheck2", "SpellCheck1", "Spell Check"),
    itemOf("CheckPage1", "CheckPage2", "Check Page"),
    itemOf("TidyPage1", "TidyPage2", "Tidy Page"),
};

constexpr MenuRow kOutlineMenu[] = {
    itemOf("Open1", "OpenProject2", "Open Project"),
    itemOf("PrintProjectOutline1", "PrintProject2", "Print Project"),
    separator(),
    item("OpenEditWebPage1", "Open/Edit Web Page"),
    itemOf("RemovePagefromProject1", "RemovePage2", "Remove Page from Project"),
    separator(),
    item("AddWebPage2", "Add a Web Page"),
    item("AddSubPage2", "Add a Sub-Page"),
    separator(),
    item("MovePage2", "Move Page Up/Down"),
    separator(),
    itemOf("ChangeHTMLLink1", "ChangeHTMLLink2", "Change HTML Link"),
    itemOf("ChangePageTitle1", "ChangePageTitle2", "Change Page Title"),
    separator(),
    subMenu("Expand"),
        item("Selected1", "This Page Group"),
        item("AllPageGroups1", "All Page Groups"),
    endMenu(),
    subMenu("Collapse"),
        item("ThisLevel1", "This Page Group"),
        item("EntireSite1", "All Page Groups"),
    endMenu(),
    separator(),
    itemOf("GetPageLoadingData1", "PageSiteAnalysis2", "Page/Site Analysis"),
    itemOf("CheckLinks1", "CheckLinks2", "Check Links"),
};
// clang-format on
} // namespace

std::span<const MenuRow> mainMenuRows()
{
    return kMainMenu;
}

std::span<const MenuRow> toolBarRows()
{
    return kToolBar;
}

std::span<const MenuRow> editorMenuRows()
{
    return kEditorMenu;
}

std::span<const MenuRow> outlineMenuRows()
{
    return kOutlineMenu;
}
