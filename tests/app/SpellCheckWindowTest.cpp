#include "editor/HtmlDocument.h"
#include "editor/RichEditAccess.h"
#include "platform/TextFile.h"
#include "testsupport/MainWindowFixture.h"

namespace {
// The main window's spell check with the shipped dictionary in its program folder.
class SpellCheckWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        folder.write("spell/american.dct", readFileBytes(QStringLiteral(TOVAREL_DICTIONARY)).value_or(QByteArray()));
        folder.write("spell/spell.cfg",
                     readFileBytes(QStringLiteral(TOVAREL_SOURCE_DIR "/data/spell/spell.cfg")).value_or(QByteArray()));
    }
};
} // namespace

TEST_F(SpellCheckWindowTest, NoToTheRemainderRestoresTheSelection)
{
    TForm1 &w = start();
    w.editorAccess().setPlainText("good words here. Teh end");
    w.editorAccess().setSelection(0, 10);
    prompts.expectConfirm(false);
    click("BitBtnSpellCheck");
    EXPECT_EQ(prompts.last().text, "The selected text has been checked.\nCheck the remainder of the document?");
    EXPECT_EQ(w.editorAccess().selStart(), 0);
    EXPECT_EQ(w.editorAccess().selLength(), 10);
    EXPECT_EQ(w.editorAccess().plainText(), "good words here. Teh end");
}

TEST_F(SpellCheckWindowTest, CaretAtTheEndGivesAnEmptyRemainder)
{
    TForm1 &w = start();
    w.editorAccess().setPlainText("fine words");
    w.editorAccess().setSelection(10, 0);
    prompts.expectInformation(); // the pass over the part before the caret ends with the engine's message
    trigger("SpellCheck2");
    EXPECT_TRUE(prompts.last().text.startsWith("Spell Check Complete")) << prompts.last().text.toStdString();
    EXPECT_EQ(w.editorAccess().selStart(), 10);
}
