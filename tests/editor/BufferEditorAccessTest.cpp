#include "editor/BufferEditorAccess.h"
#include "platform/Clipboard.h"

#include <gtest/gtest.h>

// Offsets count each line break as two characters; texts in and out carry CR LF.
TEST(BufferEditorAccess, OffsetsCountLineBreaksAsTwo)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("ab\ncd\n\nef"));
    EXPECT_EQ(editor.textLength(), 12);
    struct Case {
        int start, length;
        const char *selected;
        int expectedStart, expectedLength;
    };
    const Case cases[] = {
        {0, 2, "ab", 0, 2},
        {1, 3, "b\r\n", 1, 3},
        {2, 3, "\r\nc", 2, 3},
        {3, 1, "\r\n", 2, 2}, // starting inside a line break: the whole break is taken
        {3, 0, "", 2, 0},     // an empty selection there sits at the end of the line
        {4, 8, "cd\r\n\r\nef", 4, 8},
        {8, 2, "\r\n", 8, 2},
        {10, 99, "ef", 10, 2}, // past the end: clipped
        {-5, 1, "a", 0, 1},
    };
    for (const Case &c : cases) {
        editor.setSelection(c.start, c.length);
        EXPECT_EQ(editor.selectedText(), QLatin1String(c.selected)) << c.start;
        EXPECT_EQ(editor.selStart(), c.expectedStart) << c.start;
        EXPECT_EQ(editor.selLength(), c.expectedLength) << c.start;
    }
}

TEST(BufferEditorAccess, ReplaceSelectionAcceptsCrLfAndLeavesTheCaretAfter)
{
    MemoryClipboard clipboard;
    BufferEditorAccess editor(&clipboard, QStringLiteral("one\ntwo"));
    editor.setSelection(5, 3); // "two" is at 5 (one + CR LF)
    EXPECT_EQ(editor.selectedText(), QStringLiteral("two"));
    editor.replaceSelection(QStringLiteral("<B>\r\nx</B>"));
    EXPECT_EQ(editor.plainText(), QStringLiteral("one\n<B>\nx</B>"));
    EXPECT_EQ(editor.selStart(), 5 + 10);
    EXPECT_EQ(editor.selLength(), 0);

    clipboard.setText(QStringLiteral("P"));
    editor.setSelection(0, 3);
    editor.paste();
    EXPECT_EQ(editor.lines(), QStringList({"P", "<B>", "x</B>"}));
}
