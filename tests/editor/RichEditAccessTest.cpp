#include "editor/RichEditAccess.h"
#include "editor/BufferEditorAccess.h"
#include "editor/HtmlEditor.h"

#include <gtest/gtest.h>

#include <QTest>
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

// A loaded file's line ends other than its first style stay with their breaks: a replace over
// many lines hands them on in order, a break put in takes the first style, a break taken out
// takes its style along. The window and the in-memory buffer follow the same rule.
TEST(EditorAccessLineEnds, StyleStaysWithItsBreakThroughReplacements)
{
    constexpr auto Cr = LineEnd::Cr;
    constexpr auto Lf = LineEnd::Lf;
    const LineEndMarks loaded{{0, Cr}, {2, Lf}, {3, Cr}}; // "a" CR, "b", "c" LF, "d" CR, "e"
    struct Case {
        const char *name;
        int start, length;
        const char *inserted;
        const char *text;
        LineEndMarks after;
    };
    const Case cases[] = {
        {"a character inside a line", 3, 0, "x", "a\nxb\nc\nd\ne", loaded},
        {"a line break put in", 3, 0, "\r\n", "a\n\nb\nc\nd\ne", {{0, Cr}, {3, Lf}, {4, Cr}}},
        {"a CR break taken out", 1, 2, "", "ab\nc\nd\ne", {{1, Lf}, {2, Cr}}},
        {"lines replaced line for line", 3, 7, "B\r\nC\r\nD", "a\nB\nC\nD\ne", loaded},
        {"lines replaced by one", 3, 7, "BCD", "a\nBCD\ne", {{0, Cr}, {1, Cr}}},
        {"everything replaced", 0, 13, "new", "new", {}},
    };
    for (const Case &c : cases) {
        HtmlEditor edit;
        RichEditAccess window(edit);
        BufferEditorAccess buffer;
        for (EditorAccess *editor : std::initializer_list<EditorAccess *>{&window, &buffer}) {
            SCOPED_TRACE(std::string(c.name) + (editor == &window ? " (window)" : " (buffer)"));
            editor->setPlainText(QStringLiteral("a\nb\nc\nd\ne"));
            editor->setOtherLineEnds(loaded);
            editor->setSelection(c.start, c.length);
            editor->replaceSelection(QLatin1String(c.inserted));
            EXPECT_EQ(editor->plainText(), QLatin1String(c.text));
            EXPECT_EQ(editor->otherLineEnds(), c.after);
            editor->setPlainText(QStringLiteral("x\ny"));
            EXPECT_TRUE(editor->otherLineEnds().isEmpty()); // a load starts afresh
        }
    }
}

// Typing in the window: Enter adds a break of the first style, Backspace and Delete remove a
// break and its style; the styles of every other break stay put.
TEST(EditorAccessLineEnds, KeysInTheWindowKeepTheOtherBreaksStyles)
{
    constexpr auto Cr = LineEnd::Cr;
    constexpr auto Lf = LineEnd::Lf;
    struct Case {
        const char *name;
        int caret;
        Qt::Key key;
        const char *text;
        LineEndMarks after;
    };
    const Case cases[] = {
        {"Enter inside a line", 10, Qt::Key_Return, "a\nb\nc\nx\ny\nz", {{0, Cr}, {1, Lf}, {4, Cr}}},
        {"Enter at a line start", 3, Qt::Key_Return, "a\n\nb\nc\nxy\nz", {{0, Cr}, {2, Lf}, {4, Cr}}},
        {"Backspace at a line start", 3, Qt::Key_Backspace, "ab\nc\nxy\nz", {{0, Lf}, {2, Cr}}},
        {"Delete at a line end", 1, Qt::Key_Delete, "ab\nc\nxy\nz", {{0, Lf}, {2, Cr}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        HtmlEditor edit;
        RichEditAccess editor(edit);
        editor.setPlainText(QStringLiteral("a\nb\nc\nxy\nz"));
        editor.setOtherLineEnds({{0, Cr}, {1, Lf}, {3, Cr}});
        editor.setSelection(c.caret, 0);
        QTest::keyClick(&edit, c.key);
        EXPECT_EQ(editor.plainText(), QLatin1String(c.text));
        EXPECT_EQ(editor.otherLineEnds(), c.after);
    }
}

// U+2029 and U+FDD0/U+FDD1 would end a paragraph in the widget and U+2028 break the line on
// screen: read back through the access, every one is the character that was put in, on its line;
// characters beyond U+FFFF whose second half looks like a held character stay as they are.
TEST(RichEditAccess, CharactersTheWidgetReservesComeBackUnchanged)
{
    HtmlEditor edit;
    RichEditAccess editor(edit);
    const QString line = QStringLiteral("a\u2029b\u2028c\uFDD0d\uFDD1e\uFDEFf\uFDD5g\U0001F400h\U00010401i\U0001F410");
    editor.setPlainText(line + QStringLiteral("\n") + line);
    EXPECT_EQ(editor.lineCount(), 2);
    EXPECT_EQ(editor.plainText(), line + QStringLiteral("\n") + line);
    EXPECT_EQ(editor.lineText(1), line);
    EXPECT_EQ(editor.lines(), QStringList({line, line}));
    editor.setSelection(0, int(line.size()));
    EXPECT_EQ(editor.selectedText(), line);

    editor.setSelection(1, 0);
    editor.replaceSelection(QStringLiteral("\u2029\uFDD1"));
    EXPECT_EQ(editor.lineCount(), 2);
    EXPECT_EQ(editor.lineText(0), QStringLiteral("a\u2029\uFDD1") + line.mid(1));
}

// The listener hears of every change to the text, from any side, but not of loads and colours.
TEST(RichEditAccess, ReportsEveryChangeButNotLoadsOrColours)
{
    HtmlEditor edit;
    RichEditAccess editor(edit);
    int changes = 0;
    editor.setChangeListener([&changes] { ++changes; });
    editor.setPlainText(QStringLiteral("<B>bold</B>\nplain"));
    editor.colourRange(0, 3, Qt::red);
    editor.setLineColours(1, {{0, 2, QColor(Qt::blue)}});
    editor.flushLineColours();
    EXPECT_EQ(changes, 0);

    const std::pair<const char *, std::function<void()>> edits[] = {
        {"through the access", [&] { editor.replaceSelection(QStringLiteral("x")); }},
        {"on the widget's document", [&] { QTextCursor(edit.document()).insertText(QStringLiteral("y")); }},
        {"typed", [&] { QTest::keyClick(&edit, Qt::Key_Z); }},
        {"undone", [&] { edit.undo(); }},
    };
    for (const auto &[name, change] : edits) {
        const int before = changes;
        change();
        EXPECT_GT(changes, before) << name;
    }
}
