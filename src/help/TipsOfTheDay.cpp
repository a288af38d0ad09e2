#include "help/TipsOfTheDay.h"

namespace TipsOfTheDay {
const QStringList &tips()
{
    static const QStringList all{
        QStringLiteral("Tovarel Pro has two halves: your web site's outline of pages on the left, and the HTML source "
                       "of one page on the right. Double-click a page in the outline to edit it."),
        QStringLiteral("Tick the \"Color\" box and Tovarel Pro colours your tags after every file it opens. Choose "
                       "the colours under Settings, Tag Options."),
        QStringLiteral("Tovarel Pro checks your spelling in place, skipping tags and Internet addresses, with a real "
                       "American English dictionary and your own word lists."),
        QStringLiteral("The small E and IE tabs beside the editing window switch between editing the page and "
                       "seeing it in the built-in browser pane."),
        QStringLiteral("Keep addresses and phrases you type often as snips on the Snips tab, and drop them into "
                       "the page with a double-click."),
        QStringLiteral("Select text in the editing window and drag it to move it; hold Ctrl while dropping to copy "
                       "it instead."),
        QStringLiteral("Name your image editor, FTP program and image map editor under Settings, Helper Apps, and "
                       "start them from the Helper Apps menu."),
        QStringLiteral("Right-click almost anywhere: the editing window, the outline and the file list each have a "
                       "menu of the commands that fit there."),
        QStringLiteral("Help On Top (Ctrl+/) keeps a small help window above your work while you try things out."),
        QStringLiteral("Make your own tag pairs on the Custom tab of the tag bar and wrap any selection in them "
                       "with one click."),
        QStringLiteral("Preview your page in your favourite outside browsers with the two preview buttons of the "
                       "tool bar."),
        QStringLiteral("A page can have sub-pages, and those sub-pages their own: build your site's outline in as "
                       "many levels as it needs."),
        QStringLiteral("Back up every page and both project files in one go; Tovarel Pro makes a dated folder for "
                       "each backup."),
        QStringLiteral("Rest the mouse on any tool button to see what it does."),
        QStringLiteral("Colouring a very large page? The Stop button beside the \"Color\" box ends it at once and "
                       "keeps the colours given so far."),
        QStringLiteral("The last four projects you opened are at the bottom of the File menu."),
        QStringLiteral("Right-click a page in the outline and choose Change Page Title or Change HTML Link to fix "
                       "it without removing it."),
        QStringLiteral("Rearrange your site with Moves Pages Up/Down: move a page, or a whole family of pages, up, "
                       "down, in or out a level. Cancel puts everything back."),
        QStringLiteral("The Power tag dialogs compose a whole BODY, anchor, image, table, list or frame tag for "
                       "you and drop it into the page."),
        QStringLiteral("The letter beside the editing window shows the preview mode: S saves first, T previews a "
                       "temporary copy, N shows the file as last saved. Double-click it to change."),
        QStringLiteral("Page and site analysis tells you how heavy a page is, which pictures and links it uses, and "
                       "which pages hold a given text."),
        QStringLiteral("On the Files tab, select a file and press the insert button: Tovarel Pro writes a link to "
                       "it, or a correctly sized IMG tag for a picture."),
        QStringLiteral("The colour picker inserts a colour value such as \"#FF0000\" right where you are typing."),
        QStringLiteral("Tovarel Pro reminds you to back up a project every few closings. Change how often, or "
                       "switch it off, on the Back Up page of the settings."),
        QStringLiteral("The built-in browser pane has its own controls: Back, Next, Stop and an address field to "
                       "visit any page."),
        QStringLiteral("Tovarel Pro saves safely: a save that fails leaves the file on disk as it was and your "
                       "text in the window."),
    };
    return all;
}
} // namespace TipsOfTheDay
