#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>

namespace {

// Glyphs cannot be placed beyond 2^25 pixels along a line: a few million characters.
QString lineOfWidth(qreal pixels)
{
    const int perCharacter = QFontMetrics(HtmlEditor().font()).horizontalAdvance(u'M');
    return QString(qsizetype(pixels / perCharacter), u'M');
}

// Unwrapped, a line too wide to place its glyphs showed piled-up glyphs at its end, and the
// caret and clicks landed elsewhere. Such a line is shown wrapped, the Wrap option as it was.
// Wrapped, a long run without a blank took minutes to lay out (a hang here).
TEST(LongLineWrap, ALongLineIsShownWhereTheCaretCanReachItsEnd)
{
    const qreal placeable = qreal(1 << 25);
    struct Case {
        const char *name;
        QString line;
        bool typed;
        bool wrapOption;
        QPlainTextEdit::LineWrapMode shown;
    };
    const Case cases[] = {
        {"loaded, too wide", lineOfWidth(placeable * 1.2), false, false, QPlainTextEdit::WidgetWidth},
        {"typed, too wide", lineOfWidth(placeable * 1.2), true, false, QPlainTextEdit::WidgetWidth},
        {"loaded, a quarter as wide", lineOfWidth(placeable / 4), false, false, QPlainTextEdit::NoWrap},
        {"loaded, wrapped", lineOfWidth(placeable / 4), false, true, QPlainTextEdit::WidgetWidth},
        {"typed, wrapped", lineOfWidth(placeable / 4), true, true, QPlainTextEdit::WidgetWidth},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        HtmlEditor edit;
        edit.setWordWrap(c.wrapOption);
        edit.resize(600, 400);
        edit.show();
        RichEditAccess access(edit);
        access.setPlainText(c.typed ? QStringLiteral("<P>") : c.line);
        if (c.typed) {
            access.setSelection(3, 0);
            access.replaceSelection(c.line);
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return edit.lineWrapMode() == c.shown; }));
        EXPECT_EQ(edit.wordWrap(), c.wrapOption) << "the option stays as the user set it";
        edit.moveCursor(QTextCursor::End);
        edit.ensureCursorVisible();
        EXPECT_TRUE(edit.viewport()->rect().contains(edit.cursorRect().center()))
            << "the end of the line is where the caret shows it";
    }
}

} // namespace
