#include "editor/RichEditAccess.h"
#include "editor/HtmlEditor.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

TEST(RichEditAccess, OffsetsCountLineBreaksAsTwoLikeTheBuffer)
{
    HtmlEditor edit;
    RichEditAccess editor(edit);
    editor.setPlainText(QStringLiteral("ab\ncd\n\nef"));
    EXPECT_EQ(editor.textLength(), 12);
    struct Case {
        int start, length;
        const char *selected;
        int expectedStart, expectedLength;
    };
    const Case cases[] = {
        {0, 2, "ab", 0, 2},   {1, 3, "b\r\n", 1, 3}, {2, 3, "\r\nc", 2, 3},
        {3, 1, "\r\n", 2, 2}, {3, 0, "", 2, 0},      {4, 8, "cd\r\n\r\nef", 4, 8},
        {8, 2, "\r\n", 8, 2}, {10, 99, "ef", 10, 2}, {12, 0, "", 12, 0},
    };
    for (const Case &c : cases) {
        editor.setSelection(c.start, c.length);
        EXPECT_EQ(editor.selectedText(), QLatin1String(c.selected)) << c.start;
        EXPECT_EQ(editor.selStart(), c.expectedStart) << c.start;
        EXPECT_EQ(editor.selLength(), c.expectedLength) << c.start;
    }
}

TEST(RichEditAccess, RawTextKeepsNoBreakSpacesAndLineStructure)
{
    HtmlEditor edit;
    RichEditAccess editor(edit);
    const QString text = QStringLiteral("a\u00A0b\n\n\u00E9\n");
    editor.setPlainText(text);
    EXPECT_EQ(editor.plainText(), text);
    EXPECT_EQ(editor.lines(), QStringList({"a\u00A0b", "", "\u00E9", ""}));
}

TEST(RichEditAccess, ReplaceSelectionTakesCrLfAndLeavesTheCaretAfterIt)
{
    HtmlEditor edit;
    RichEditAccess editor(edit);
    editor.setPlainText(QStringLiteral("one\ntwo"));
    editor.setSelection(5, 3);
    editor.replaceSelection(QStringLiteral("<B>\r\nx</B>"));
    EXPECT_EQ(editor.plainText(), QStringLiteral("one\n<B>\nx</B>"));
    EXPECT_EQ(editor.selStart(), 15);
    EXPECT_EQ(editor.selLength(), 0);
}

TEST(RichEditAccess, ColoursAreDisplayOnly)
{
    HtmlEditor edit;
    RichEditAccess editor(edit);
    editor.setPlainText(QStringLiteral("<B>bold</B>\n<I>x</I>"));
    edit.document()->setModified(false);
    const int revision = edit.document()->revision();
    editor.colourRange(0, 3, Qt::red);
    editor.colourRange(11, 5, Qt::blue); // across the line break
    EXPECT_EQ(edit.document()->revision(), revision);
    EXPECT_FALSE(edit.document()->isModified());
    EXPECT_FALSE(edit.document()->isUndoAvailable());
    EXPECT_EQ(editor.plainText(), QStringLiteral("<B>bold</B>\n<I>x</I>"));
    const QList<QTextLayout::FormatRange> first = edit.document()->firstBlock().layout()->formats();
    ASSERT_EQ(first.size(), 1);
    EXPECT_EQ(first[0].start, 0);
    EXPECT_EQ(first[0].length, 3);
    const QList<QTextLayout::FormatRange> second = edit.document()->lastBlock().layout()->formats();
    ASSERT_EQ(second.size(), 1);
    EXPECT_EQ(second[0].start, 0);
    EXPECT_EQ(second[0].length, 3);
}
