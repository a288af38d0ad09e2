#pragma once

#include <QString>

#include <span>

// How a tag command inserts: wrap in place around the selection, a single item, a line
// wrap, or one of the commands with a rule of their own.
enum class TagCommandKind { Wrap, Single, LineWrap, Comment, DateStamp };

// One command of the Tags menu, the tag bar and the editing window's menu. Its menu items are
// named after the handler without "Click" (the editing window's with "Popup" after it) and
// stand in the main window's menu table; an empty button means no tag bar button.
struct TagCommand {
    const char *handler; // the one handler every entry point shares
    TagCommandKind kind;
    const char *openTag;  // Wrap: the opening tag; Single: the item; LineWrap: the kind
    const char *closeTag; // Wrap only
    const char *button;
    const char *buttonCaption;
    const char *buttonTab;
};

std::span<const TagCommand> tagCommands();
const TagCommand *findTagCommand(const QString &handler);

// Bold and Italic write STRONG and EM instead when the settings say so.
struct WrapTags {
    QString open;
    QString close;
};
WrapTags wrapTagsOf(const TagCommand &command, bool strong, bool em);

// The quick tables: rows and columns 1 to 5 in the Tags menu, 2 to 5 in the editing window's menu.
QString quickTableHandler(int rows, int columns); // "N3C2Click"
inline constexpr int kQuickTableMax = 5;
inline constexpr int kEditorQuickTableMin = 2;
