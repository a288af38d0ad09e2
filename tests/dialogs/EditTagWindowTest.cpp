// Edit Tag from the main window: the tag under the caret opens its dialog filled in, OK puts
// the new tag in its place as one undoable step, Cancel changes nothing.
#include "dialogs/TagEditing.h"
#include "editor/HtmlDocument.h"
#include "editor/RichEditAccess.h"
#include "testsupport/DialogControls.h"
#include "testsupport/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>

namespace {

class EditTagWindowTest : public MainWindowFixture {
protected:
    // The page, unmodified, with the caret just after the first occurrence of `caretAfter`.
    TForm1 &startWith(const QString &page, const QString &caretAfter)
    {
        TForm1 &w = start();
        w.editorAccess().setPlainText(page);
        w.editorAccess().setSelection(int(LineBreaks::toCrLf(page).indexOf(caretAfter) + caretAfter.size()), 0);
        w.document().setModified(false);
        clipboard.setText("the user's");
        return w;
    }
};

TEST_F(EditTagWindowTest, ImageTagIsEditedInPlaceKeepingWhatTheDialogDoesNotKnow)
{
    TForm1 &w = startWith("<p>\n<img src=\"a.gif\" alt=\"Old\" width=20 class=\"pic\"></p>", "<img s");
    QString source, width;
    whenModal([&](QDialog *d) {
        source = in<QLineEdit>(d, "EditIMGSource")->text();
        width = in<QLineEdit>(d, "EditIMGWidth")->text();
        in<QLineEdit>(d, "EditIMGAlt")->setText("New");
        press(d, "BitBtnInsert");
    });
    trigger("EditTag1");
    EXPECT_EQ(source, "a.gif");
    EXPECT_EQ(width, "20");
    const QString edited = "<p>\n<IMG BORDER=0 WIDTH=20 ALT=\"New\" SRC=\"a.gif\" class=\"pic\"></p>";
    EXPECT_EQ(w.editorAccess().plainText(), edited);
    EXPECT_EQ(w.editorAccess().selectedText(), "<IMG BORDER=0 WIDTH=20 ALT=\"New\" SRC=\"a.gif\" class=\"pic\">");
    EXPECT_TRUE(w.document().isModified());
    EXPECT_EQ(clipboard.text(), "the user's"); // the dialog's hand-over stays out of the clipboard

    trigger("Undo1"); // one step takes the whole edit back
    EXPECT_EQ(w.editorAccess().plainText(), "<p>\n<img src=\"a.gif\" alt=\"Old\" width=20 class=\"pic\"></p>");
}

TEST_F(EditTagWindowTest, CancelChangesNothing)
{
    TForm1 &w = startWith("<body bgcolor=\"#FF0000\" onload=\"go()\">text", "<bo");
    QString shown;
    whenModal([&](QDialog *d) {
        shown = in<QLineEdit>(d, "EditBodyTag")->text();
        in<QCheckBox>(d, "CheckHTML")->setChecked(true);
        press(d, "BitBtn1"); // Close
    });
    trigger("EditTag1");
    EXPECT_TRUE(shown.startsWith("<BODY BGCOLOR=#FF0000 ")) << shown.toStdString();
    EXPECT_EQ(w.editorAccess().plainText(), "<body bgcolor=\"#FF0000\" onload=\"go()\">text");
    EXPECT_FALSE(w.document().isModified());
    EXPECT_EQ(clipboard.text(), "the user's");
}

TEST_F(EditTagWindowTest, BodyInsertReplacesOnlyTheTagNotTheSkeleton)
{
    TForm1 &w = startWith("<HTML><body text=navy onload=\"go()\">x</body>", "onload");
    whenModal([](QDialog *d) {
        in<QCheckBox>(d, "CheckHTML")->setChecked(true); // the skeleton is not wanted here
        press(d, "BitBtnInsert");
    });
    trigger("EditTag1");
    EXPECT_EQ(w.editorAccess().plainText(),
              "<HTML><BODY BGCOLOR=#FFFFFF TEXT=\"#000080\" LINK=#0000FF ALINK=#0000A0 VLINK=#800080 "
              "onload=\"go()\">x</body>");
}

TEST_F(EditTagWindowTest, RuleFromThePopUpMenu)
{
    TForm1 &w = startWith("a<hr width=\"300\" noshade id=r>b", "<hr");
    bool pixels = false, noShade = false;
    int pixelWidth = 0;
    whenModal([&](QDialog *d) {
        pixels = in<QRadioButton>(d, "RadioPixels")->isChecked() && in<QSpinBox>(d, "SpinPixels")->isEnabled() &&
                 !in<QSpinBox>(d, "SpinPercent")->isEnabled();
        pixelWidth = in<QSpinBox>(d, "SpinPixels")->value();
        noShade = in<QCheckBox>(d, "CheckNoShade")->isChecked();
        in<QSpinBox>(d, "SpinThick")->setValue(5);
        press(d, "Button1"); // OK
    });
    QAction *item = action("EditTag2");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->parent()->objectName(), "PopupMenuEditor");
    item->trigger();
    EXPECT_TRUE(pixels);
    EXPECT_EQ(pixelWidth, 300);
    EXPECT_TRUE(noShade);
    EXPECT_EQ(w.editorAccess().plainText(), "a<HR ALIGN=\"CENTER\"  SIZE=\"5\"  WIDTH=\"300\" NOSHADE id=r>b");
}

TEST_F(EditTagWindowTest, ListItemEditsItsListAndTheKindChangesBothTags)
{
    TForm1 &w = startWith("<ul class=x>\n<li>one\n<li>two\n</ul>", "<l");
    bool itemsShut = false;
    whenModal([&](QDialog *d) {
        itemsShut = !in<QLineEdit>(d, "Edit1")->isEnabled() && !in<QSpinBox>(d, "SpinEdit1")->isEnabled();
        in<QRadioButton>(d, "RadioOrd")->click();
        press(d, "Button2"); // Make List
    });
    trigger("EditTag1");
    EXPECT_TRUE(itemsShut);
    EXPECT_EQ(w.editorAccess().plainText(), "<OL class=x>\n<li>one\n<li>two\n</OL>");
    trigger("Undo1");
    EXPECT_EQ(w.editorAccess().plainText(), "<ul class=x>\n<li>one\n<li>two\n</ul>");
}

TEST_F(EditTagWindowTest, FrameAndFramesetAreFilledFromTheirTags)
{
    TForm1 &w = startWith("<frameset cols=\"20%,*\">\n<frame src=\"m.htm\" name=menu scrolling=no>", "<frame ");
    QString name, scrolling;
    whenModal([&](QDialog *d) {
        name = in<QLineEdit>(d, "EditName")->text();
        scrolling = in<QComboBox>(d, "ComboBoxScroll")->currentText();
        in<QLineEdit>(d, "EditURL")->setText("n.htm");
        press(d, "ButtonOK");
    });
    trigger("EditTag1");
    EXPECT_EQ(name, "menu");
    EXPECT_EQ(scrolling, "No");
    EXPECT_EQ(w.editorAccess().plainText(),
              "<frameset cols=\"20%,*\">\n<FRAME NAME=\"menu\" SRC=\"n.htm\" SCROLLING=\"No\" >");

    QString cols;
    whenModal([&](QDialog *d) {
        cols = in<QLineEdit>(d, "EditCols")->text();
        in<QLineEdit>(d, "EditRows")->setText("50%,50%");
        press(d, "ButtonOK");
    });
    w.editorAccess().setSelection(1, 0);
    trigger("EditTag1");
    EXPECT_EQ(cols, "20%,*");
    EXPECT_TRUE(w.editorAccess().plainText().startsWith("<FRAMESET COLS=\"20%,*\" ROWS=\"50%,50%\">\n<FRAME"));
}

TEST_F(EditTagWindowTest, OutsideAnyEditableTagTheUserIsTold)
{
    TForm1 &w = startWith("<p>plain <td>cell</td>", "pla");
    prompts.expectInformation();
    trigger("EditTag1");
    EXPECT_EQ(prompts.last().text, EditTagTexts::noTag);
    EXPECT_EQ(w.editorAccess().plainText(), "<p>plain <td>cell</td>");
    EXPECT_FALSE(w.document().isModified());
}

} // namespace
