#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "testsupport/MainWindowFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {
// The main window with the shipped dictionary, its spelling marks as the user turns them on.
class SpellMarksWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        folder.write("spell/american.dct", readFileBytes(QStringLiteral(TOVAREL_DICTIONARY)).value_or(QByteArray()));
        folder.write("spell/spell.cfg",
                     readFileBytes(QStringLiteral(TOVAREL_SOURCE_DIR "/data/spell/spell.cfg")).value_or(QByteArray()));
    }

    TForm1 &startShown()
    {
        TForm1 &w = start();
        w.resize(1000, 700);
        w.show();
        return w;
    }

    static QStringList marked(TForm1 &w)
    {
        QStringList words;
        for (const QTextEdit::ExtraSelection &mark : w.editor().extraSelections())
            words << mark.cursor.selectedText();
        return words;
    }

    // Right-click in the middle of the first `word`, as the editing window reports it.
    static void rightClickOn(TForm1 &w, const QString &word)
    {
        QTextCursor at(w.editor().document());
        at.setPosition(int(w.editor().toPlainText().indexOf(word)) + int(word.size()) / 2);
        Q_EMIT w.editor().customContextMenuRequested(w.editor().cursorRect(at).center());
    }

    static QMenu *markMenu(TForm1 &w) { return w.findChild<QMenu *>(QStringLiteral("SpellMarkMenu")); }

    // The marked word's menu item with this text; null when the menu or the item is missing.
    static QAction *markMenuItem(TForm1 &w, const QString &text)
    {
        const QList<QAction *> items = markMenu(w) ? markMenu(w)->actions() : QList<QAction *>();
        const auto found = std::find_if(items.begin(), items.end(), [&](QAction *a) { return a->text() == text; });
        return found == items.end() ? nullptr : *found;
    }
};

TEST_F(SpellMarksWindowTest, TypedMisspeltWordIsMarkedAndItsSuggestionReplacesIt)
{
    TForm1 &w = startShown();
    click("CheckSpellMarks");
    EXPECT_EQ(IniFile(folder.file("OPTIONS.INI")).readString("Spell", "MarkAsYouType", ""), "1");
    QTest::keyClicks(&w.editor(), "<P CLASS=\"zzq\">Teh quick fox</P>");
    QTRY_COMPARE(marked(w), QStringList{"Teh"}); // the tag's words are no words

    // The marks are display only.
    const int undoSteps = w.editor().document()->availableUndoSteps();
    const QString text = w.editorAccess().plainText();
    w.document().setModified(false);
    click("CheckSpellMarks");
    EXPECT_TRUE(marked(w).isEmpty());
    click("CheckSpellMarks");
    EXPECT_EQ(marked(w), QStringList{"Teh"});
    EXPECT_EQ(w.editorAccess().plainText(), text);
    EXPECT_FALSE(w.document().isModified());
    EXPECT_EQ(w.editor().document()->availableUndoSteps(), undoSteps);

    rightClickOn(w, "quick"); // a known word: the window's own menu
    EXPECT_EQ(markMenu(w), nullptr);
    rightClickOn(w, "Teh");
    QMenu *menu = markMenu(w);
    ASSERT_NE(menu, nullptr);
    ASSERT_FALSE(menu->actions().isEmpty());
    const QString first = menu->actions().first()->text();
    EXPECT_FALSE(first.isEmpty());
    menu->actions().first()->trigger();
    EXPECT_EQ(w.editorAccess().plainText(), "<P CLASS=\"zzq\">" + first + " quick fox</P>");
    EXPECT_TRUE(w.document().isModified());
    EXPECT_TRUE(marked(w).isEmpty());
    w.editor().undo(); // the replacement was one step
    EXPECT_EQ(w.editorAccess().plainText(), text);
}

TEST_F(SpellMarksWindowTest, IgnoreAllAndAddUnmarkTheWordAndLeaveTheColoursAlone)
{
    IniFile(folder.file("DEFAULT.INI")).writeString("Tags", "Colored", "1");
    IniFile(folder.file("OPTIONS.INI")).writeString("Spell", "MarkAsYouType", "1");
    TForm1 &w = startShown();
    EXPECT_TRUE(control<QCheckBox>("CheckSpellMarks")->isChecked());
    ASSERT_TRUE(w.document().load(folder.write("page.html", "<B>qqzx</B> zzqx zzqx\n")));
    QTRY_COMPARE(marked(w), QStringList({"qqzx", "zzqx", "zzqx"}));
    const QTextBlock line = w.editor().document()->firstBlock();
    ASSERT_FALSE(line.layout()->formats().isEmpty());
    const QList<QTextLayout::FormatRange> colours = line.layout()->formats();
    const int undoSteps = w.editor().document()->availableUndoSteps();
    EXPECT_FALSE(w.document().isModified());

    rightClickOn(w, "zzqx");
    QAction *ignoreAll = markMenuItem(w, "&Ignore All");
    ASSERT_NE(ignoreAll, nullptr);
    ignoreAll->trigger();
    EXPECT_EQ(marked(w), QStringList{"qqzx"});
    delete markMenu(w);

    rightClickOn(w, "qqzx");
    QAction *add = markMenuItem(w, "&Add");
    ASSERT_NE(add, nullptr);
    add->trigger();
    EXPECT_TRUE(marked(w).isEmpty());
    EXPECT_TRUE(folder.read("spell/default.udt").contains("qqzx"));

    EXPECT_EQ(line.layout()->formats(), colours);
    EXPECT_FALSE(w.document().isModified());
    EXPECT_EQ(w.editor().document()->availableUndoSteps(), undoSteps);
}

TEST_F(SpellMarksWindowTest, TheSettingsBoxAndTheMainWindowBoxAreOneSetting)
{
    TForm1 &w = startShown();
    w.editorAccess().setPlainText("zzqx words");
    modalAnswer = [](QDialog &dialog) {
        auto *box = dialog.findChild<QCheckBox *>("CheckSpellMarks");
        EXPECT_NE(box, nullptr);
        if (!box)
            return int(QDialog::Rejected);
        EXPECT_FALSE(box->isChecked());
        box->setChecked(true);
        dialog.findChild<QAbstractButton *>("Button3")->click(); // Apply
        return int(QDialog::Accepted);
    };
    trigger("PreferencesSettings1");
    EXPECT_TRUE(control<QCheckBox>("CheckSpellMarks")->isChecked());
    EXPECT_EQ(IniFile(folder.file("OPTIONS.INI")).readString("Spell", "MarkAsYouType", ""), "1");
    EXPECT_EQ(marked(w), QStringList{"zzqx"});
}
} // namespace
