#include "dialogs/TFormHoriz.h"
#include "dialogs/Tformframes.h"
#include "editor/HtmlDocument.h"
#include "editor/RichEditAccess.h"
#include "testsupport/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {
class FramesWindowTest : public MainWindowFixture {
protected:
    TForm1 &begin(const QString &text, int selStart, int selLength)
    {
        TForm1 &w = start();
        w.editorAccess().setPlainText(text);
        w.editorAccess().setSelection(selStart, selLength);
        w.document().setModified(false);
        return w;
    }

    // Opens a dialog through `entry` (an action or, failing that, a button) and runs `act` on it.
    void open(const QString &entry, std::function<void(QDialog *)> act)
    {
        whenModal(std::move(act));
        if (window().findChild<QAction *>(entry))
            trigger(entry);
        else
            click(entry);
    }

    static void press(QDialog *d, const char *name) { d->findChild<QAbstractButton *>(QLatin1String(name))->click(); }
    static QLineEdit *edit(QDialog *d, const char *name) { return d->findChild<QLineEdit *>(QLatin1String(name)); }
    static QSpinBox *spin(QDialog *d, const char *name) { return d->findChild<QSpinBox *>(QLatin1String(name)); }
    static QCheckBox *check(QDialog *d, const char *name) { return d->findChild<QCheckBox *>(QLatin1String(name)); }
    static void pictureClick(QDialog *d, const char *name)
    {
        QTest::mouseClick(d->findChild<QWidget *>(QLatin1String(name)), Qt::LeftButton);
    }
};

const QString kTwoColumns = QStringLiteral("<FRAMESET ROWS=\"100%\" COLS=\"50%,*\">\r\n"
                                           "    <FRAME NAME=\"Frame1\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE>\r\n"
                                           "    <FRAME NAME=\"Frame2\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE>\r\n"
                                           "<NOFRAME>\r\n</NOFRAME>\r\n</FRAMESET>\r\n");
} // namespace

TEST_F(FramesWindowTest, EveryEntryPointOpensItsDialog)
{
    TForm1 &w = begin(QStringLiteral("abc"), 1, 1);
    const std::pair<const char *, const char *> entries[] = {
        {"PowerFrame1", "Frame Builder"},
        {"PowerFrame2", "Frame Builder"},
        {"BitBtnPowerFrame", "Frame Builder"},
        {"BitBtnPFrame", "Frame Builder"},
        {"FRAMESETDialog1", "FRAMESET Dialog"},
        {"FRAMESETDialog2", "FRAMESET Dialog"},
        {"BitBtnSetDialog", "FRAMESET Dialog"},
        {"FRAMEDialog1", "FRAME Dialog"},
        {"FRAMEDialog2", "FRAME Dialog"},
        {"BitBtnFrameDialog", "FRAME Dialog"},
        {"PowerList1", "Power List Tag"},
        {"PowerList2", "Power List Tag"},
        {"BitBtnPowerList", "Power List Tag"},
        {"BitBtnList", "Power List Tag"},
        {"HorizontalRule1", "POWER Horizontal Line Tag"},
        {"HorizontalRule2", "POWER Horizontal Line Tag"},
        {"HorizontalRule3", "POWER Horizontal Line Tag"},
    };
    for (const auto &[entry, title] : entries) {
        QString shown;
        open(QLatin1String(entry), [&shown](QDialog *d) {
            shown = d->windowTitle();
            d->done(QDialog::Rejected);
        });
        EXPECT_EQ(shown, QLatin1String(title)) << entry;
        // Nothing was inserted, and a cut selection came back.
        EXPECT_EQ(w.editorAccess().plainText(), "abc") << entry;
        EXPECT_EQ(w.editorAccess().selectedText(), "b") << entry;
    }
    EXPECT_EQ(action("PowerFrame1")->text(), "Power <&FRAME>");
    EXPECT_EQ(action("PowerFrame1")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    EXPECT_EQ(action("PowerList1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_EQ(action("FRAMESETDialog2")->text(), action("FRAMESETDialog1")->text());
    EXPECT_EQ(action("HorizontalRule2")->text(), "Horizontal Rule <HR>");
    EXPECT_EQ(action("HorizontalRule3")->text(), "<HR>");
    EXPECT_EQ(button("BitBtnPowerFrame")->toolTip(), "POWER Frame Tag");
    EXPECT_EQ(button("BitBtnPFrame")->toolTip(), "POWER Frame");
    EXPECT_EQ(button("BitBtnSetDialog")->toolTip(), "FRAMESET Dialog");
    EXPECT_EQ(button("BitBtnFrameDialog")->toolTip(), "FRAME Dialog");
    EXPECT_EQ(button("BitBtnPowerList")->toolTip(), "Power List Tag");
    EXPECT_EQ(button("BitBtnList")->toolTip(), "Power LIST Tag");
    EXPECT_FALSE(w.document().isModified());
}

TEST_F(FramesWindowTest, WizardDefaultGoesInFrontOfTheSelectionAndIsSelected)
{
    TForm1 &w = begin(QStringLiteral("abc"), 1, 1);
    open(QStringLiteral("PowerFrame1"), [](QDialog *d) {
        press(d, "ButtonNext");
        press(d, "ButtonNext");
        EXPECT_EQ(d->findChild<QPushButton *>("ButtonNext")->text(), "Finish  >");
        EXPECT_EQ(edit(d, "EditName")->text(), "Frame1");
        press(d, "ButtonNext");
    });
    EXPECT_EQ(w.editorAccess().plainText(), "a" + QString(kTwoColumns).replace("\r\n", "\n") + "bc");
    EXPECT_EQ(w.editorAccess().selectedText(), kTwoColumns);
    EXPECT_EQ(clipboard.text().replace("\r\n", "\n"), QString(kTwoColumns).replace("\r\n", "\n"));
    EXPECT_TRUE(w.document().isModified());
}

TEST_F(FramesWindowTest, WizardRowsWithASplitFrameAndItsPictures)
{
    TForm1 &w = begin(QString(), 0, 0);
    open(QStringLiteral("BitBtnPFrame"), [](QDialog *d) {
        EXPECT_EQ(d->findChild<QLabel *>("LabelStep")->text(), "Frame Builder Step#1:  Define Starting Layout");
        EXPECT_FALSE(d->findChild<QPushButton *>("ButtonBack")->isEnabled());
        d->findChild<QRadioButton *>("RadioButton2")->click();
        spin(d, "SpinEditStartNumber")->setValue(3);
        press(d, "ButtonNext");
        EXPECT_EQ(d->findChild<QLabel *>("LabelStep")->text(), "Frame Builder Step#2:  Create Subframes");
        spin(d, "SpinEdit2")->setValue(2);
        // Rows: the main frames stacked, each 320 wide; frame 2's halves side by side.
        EXPECT_EQ(d->findChild<QWidget *>("Panel21")->geometry(), QRect(0, 0, 320, 80));
        EXPECT_EQ(d->findChild<QWidget *>("Panel321")->geometry(), QRect(0, 80, 160, 80));
        EXPECT_EQ(d->findChild<QWidget *>("Panel322")->geometry(), QRect(160, 80, 160, 80));
        EXPECT_FALSE(d->findChild<QWidget *>("Panel24")->isVisibleTo(d));
        EXPECT_FALSE(d->findChild<QWidget *>("SpinEdit4")->isVisibleTo(d));
        press(d, "ButtonNext");
        EXPECT_EQ(d->findChild<QLabel *>("LabelStep")->text(), "Frame Builder Step#3:  Enter Frame Data");
        EXPECT_FALSE(d->findChild<QWidget *>("SpinEdit1")->isVisibleTo(d));
        EXPECT_TRUE(d->findChild<FramePicture *>("Panel21")->isCurrent());
        pictureClick(d, "Panel322");
        EXPECT_FALSE(d->findChild<FramePicture *>("Panel21")->isCurrent());
        EXPECT_TRUE(d->findChild<FramePicture *>("Panel322")->isCurrent());
        EXPECT_EQ(edit(d, "EditName")->text(), "Frame2B");
        check(d, "CheckBoxResize")->setChecked(false);
        check(d, "CheckBoxBorder")->setChecked(true);
        press(d, "ButtonNext");
    });
    EXPECT_EQ(w.editorAccess().selectedText(),
              "<FRAMESET COLS=\"100%\" ROWS=\"33%,33%,*\">\r\n"
              "    <FRAME NAME=\"Frame1\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE>\r\n"
              "    <FRAMESET COLS=\"50%,*\">\r\n"
              "        <FRAME NAME=\"Frame2A\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE>\r\n"
              "        <FRAME NAME=\"Frame2B\" SRC=\"\" SCROLLING=\"Auto\"  FRAMEBORDER=\"0\">\r\n"
              "    </FRAMESET>\r\n"
              "    <FRAME NAME=\"Frame3\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE>\r\n"
              "<NOFRAME>\r\n</NOFRAME>\r\n</FRAMESET>\r\n");
}

TEST_F(FramesWindowTest, WizardKeepsSubFrameDataAcrossALoweredDialAndPicksFiles)
{
    TForm1 &w = begin(QString(), 0, 0);
    prompts.expectOpenFile(folder.file("pages/menu.html"));
    open(QStringLiteral("PowerFrame1"), [this](QDialog *d) {
        press(d, "ButtonNext");
        spin(d, "SpinEdit1")->setValue(3);
        // Columns: side by side, frame 1's sub-frames stacked.
        EXPECT_EQ(d->findChild<QWidget *>("Panel22")->geometry(), QRect(160, 0, 160, 240));
        EXPECT_EQ(d->findChild<QWidget *>("Panel313")->geometry(), QRect(0, 160, 160, 80));
        press(d, "ButtonNext");
        EXPECT_EQ(edit(d, "EditName")->text(), "Frame1A");
        pictureClick(d, "Panel313");
        press(d, "BitBtnOpenURL");
        EXPECT_EQ(edit(d, "EditURL")->text(), "menu.html");
        EXPECT_EQ(prompts.last().request.filter, FrameBuilderTexts::fileFilter);
        edit(d, "EditName")->setText("Menu");
        press(d, "ButtonBack");
        spin(d, "SpinEdit1")->setValue(2);
        EXPECT_FALSE(d->findChild<QWidget *>("Panel313")->isVisibleTo(d));
        spin(d, "SpinEdit1")->setValue(3);
        press(d, "ButtonNext");
        pictureClick(d, "Panel313");
        EXPECT_EQ(edit(d, "EditName")->text(), "Menu");
        EXPECT_EQ(edit(d, "EditURL")->text(), "menu.html");
        press(d, "ButtonNext");
    });
    EXPECT_TRUE(w.editorAccess().selectedText().contains(
        "        <FRAME NAME=\"Menu\" SRC=\"menu.html\" SCROLLING=\"Auto\" NORESIZE>\r\n    </FRAMESET>\r\n"));
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(FramesWindowTest, WizardStartsAfreshAtEveryOpening)
{
    begin(QString(), 0, 0);
    open(QStringLiteral("PowerFrame1"), [](QDialog *d) {
        d->findChild<QRadioButton *>("RadioButton2")->click();
        spin(d, "SpinEditStartNumber")->setValue(4);
        press(d, "ButtonCancel");
    });
    open(QStringLiteral("PowerFrame1"), [](QDialog *d) {
        EXPECT_TRUE(d->findChild<QRadioButton *>("RadioButton1")->isChecked());
        EXPECT_EQ(spin(d, "SpinEditStartNumber")->value(), 2);
        press(d, "ButtonCancel");
    });
}

TEST_F(FramesWindowTest, TemplatesHighlightTheirPictureAndShowTheirColours)
{
    TForm1 &w = begin(QStringLiteral("xy"), 1, 0);
    open(QStringLiteral("PowerFrame1"), [](QDialog *d) {
        auto *frames = static_cast<Tformframes *>(d);
        d->findChild<QTabWidget *>("PageControl1")->setCurrentIndex(1);
        QWidget *highlight = d->findChild<QWidget *>("ShapeHighlight");
        QWidget *pink = d->findChild<QWidget *>("GroupBoxPink");
        EXPECT_EQ(frames->selectedTemplate(), 1);
        EXPECT_TRUE(highlight->geometry().contains(d->findChild<QWidget *>("ImageTemplate1")->geometry()));
        EXPECT_FALSE(pink->isVisibleTo(d));
        pictureClick(d, "ImageTemplate4");
        EXPECT_EQ(frames->selectedTemplate(), 4);
        EXPECT_TRUE(highlight->geometry().contains(d->findChild<QWidget *>("ImageTemplate4")->geometry()));
        EXPECT_TRUE(pink->isVisibleTo(d));
        pictureClick(d, "ImageTemplate1");
        EXPECT_FALSE(pink->isVisibleTo(d));
        // No close box, and Escape does not close it either.
        EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint);
        d->close();
        QTest::keyClick(d, Qt::Key_Escape);
        EXPECT_TRUE(d->isVisible());
        press(d, "ButtonCreateTempFrames");
    });
    EXPECT_EQ(w.editorAccess().selectedText(), "<FRAMESET ROWS=\"100%\" COLS=\"20%,*\">\r\n"
                                               "    <FRAME NAME=\"Frame1\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE>\r\n"
                                               "    <FRAME NAME=\"Frame2\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE>\r\n"
                                               "<NOFRAME>\r\n</NOFRAME>\r\n</FRAMESET>\r\n");
    EXPECT_TRUE(w.editorAccess().plainText().startsWith("x<FRAMESET"));
}

TEST_F(FramesWindowTest, TemplateFourWithTypedData)
{
    TForm1 &w = begin(QString(), 0, 0);
    prompts.expectOpenFile(folder.file("x/side.htm"));
    open(QStringLiteral("PowerFrame2"), [](QDialog *d) {
        d->findChild<QTabWidget *>("PageControl1")->setCurrentIndex(1);
        pictureClick(d, "ImageTemplate4");
        press(d, "BitBtnOpenURLPink");
        d->findChild<QComboBox *>("ComboTempWhite")->setCurrentText("No");
        check(d, "CheckBoxYellowBorder")->setChecked(true);
        edit(d, "EditTemplateNameWhite")->setText("Main");
        press(d, "ButtonCreateTempFrames");
    });
    EXPECT_EQ(w.editorAccess().selectedText(),
              "<FRAMESET ROWS=\"100%\" COLS=\"20%,*\">\r\n"
              "    <FRAME NAME=\"Frame1\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE FRAMEBORDER=\"0\">\r\n"
              "    <FRAMESET ROWS=\"20%,*\">\r\n"
              "        <FRAME NAME=\"Frame3\" SRC=\"side.htm\" SCROLLING=\"Auto\" NORESIZE>\r\n"
              "        <FRAME NAME=\"Main\" SRC=\"\" SCROLLING=\"No\" NORESIZE>\r\n"
              "    </FRAMESET>\r\n"
              "<NOFRAME>\r\n</NOFRAME>\r\n</FRAMESET>\r\n");
}

TEST_F(FramesWindowTest, FramesetWrapsTheSelectedLines)
{
    struct Case {
        int selStart;
        int selLength;
        const char *cols;
        const char *rows;
        const char *document;
        const char *selected;
    };
    const Case cases[] = {
        {3, 6, "50%,*", "", "x\n<FRAMESET COLS=\"50%,*\">\n    a\n    b\n</FRAMESET>\ny",
         "<FRAMESET COLS=\"50%,*\">\r\n    a\r\n    b\r\n</FRAMESET>\r\n"},
        {0, 0, "100%", "50%,50%", "<FRAMESET COLS=\"100%\" ROWS=\"50%,50%\">\n</FRAMESET>\nx\na\nb\ny",
         "<FRAMESET COLS=\"100%\" ROWS=\"50%,50%\">\r\n</FRAMESET>\r\n"},
        {3, 4, "", "", "x\n<FRAMESET>\n    a\n    b\n</FRAMESET>\ny", "<FRAMESET>\r\n    a\r\n    b\r\n</FRAMESET>"},
    };
    for (const Case &c : cases) {
        TForm1 &w = begin(QStringLiteral("x\na\nb\ny"), c.selStart, c.selLength);
        open(QStringLiteral("FRAMESETDialog1"), [&c](QDialog *d) {
            edit(d, "EditCols")->setText(QLatin1String(c.cols));
            edit(d, "EditRows")->setText(QLatin1String(c.rows));
            press(d, "ButtonOK");
        });
        EXPECT_EQ(w.editorAccess().plainText(), QLatin1String(c.document)) << c.selStart;
        EXPECT_EQ(w.editorAccess().selectedText(), QLatin1String(c.selected)) << c.selStart;
        EXPECT_EQ(clipboard.text().replace("\r\n", "\n"), QString(QLatin1String(c.selected)).replace("\r\n", "\n"));
        EXPECT_TRUE(w.document().isModified());
        TearDown();
    }
}

TEST_F(FramesWindowTest, CancelledFramesetPutsTheCutTextBackEvenIfTheClipboardChanged)
{
    TForm1 &w = begin(QStringLiteral("x\na\nb\ny"), 3, 6);
    open(QStringLiteral("BitBtnSetDialog"), [this, &w](QDialog *d) {
        EXPECT_EQ(w.editorAccess().plainText(), "x\ny"); // cut while the dialog is open
        clipboard.setText(QStringLiteral("something else"));
        press(d, "ButtonCancel");
    });
    EXPECT_EQ(w.editorAccess().plainText(), "x\na\nb\ny");
    EXPECT_EQ(w.editorAccess().selStart(), 3);
    EXPECT_EQ(w.editorAccess().selectedText(), "a\r\nb\r\n");
    EXPECT_FALSE(w.document().isModified());
}

TEST_F(FramesWindowTest, FrameDialogExistsFromStartAndResetsAtEachOpening)
{
    TForm1 &w = begin(QStringLiteral("abc"), 1, 1);
    EXPECT_NE(w.findChild<QDialog *>("FormFrameDialog"), nullptr);
    open(QStringLiteral("FRAMEDialog1"), [](QDialog *d) { press(d, "ButtonOK"); });
    const QString tag = "<FRAME NAME=\"\" SRC=\"\" SCROLLING=\"Auto\"  NORESIZE>\r\n";
    EXPECT_EQ(w.editorAccess().selectedText(), tag);
    EXPECT_EQ(w.editorAccess().plainText(), "a" + QString(tag).replace("\r\n", "\n") + "bc");

    open(QStringLiteral("FRAMEDialog2"), [](QDialog *d) {
        edit(d, "EditName")->setText("Index");
        edit(d, "EditURL")->setText("table.html");
        d->findChild<QComboBox *>("ComboBoxScroll")->setCurrentText("Yes");
        check(d, "CheckBoxResize")->setChecked(false);
        check(d, "CheckBoxBorder")->setChecked(true);
        press(d, "ButtonOK");
    });
    EXPECT_EQ(w.editorAccess().selectedText(),
              "<FRAME NAME=\"Index\" SRC=\"table.html\" SCROLLING=\"Yes\"  FRAMEBORDER=\"0\">\r\n");
    open(QStringLiteral("BitBtnFrameDialog"), [](QDialog *d) {
        EXPECT_EQ(edit(d, "EditName")->text(), "");
        EXPECT_EQ(d->findChild<QComboBox *>("ComboBoxScroll")->currentText(), "Auto");
        EXPECT_TRUE(check(d, "CheckBoxResize")->isChecked());
        EXPECT_FALSE(check(d, "CheckBoxBorder")->isChecked());
        press(d, "ButtonCancel");
    });
}

TEST_F(FramesWindowTest, ListOfThreeGoesInFrontOfTheSelection)
{
    TForm1 &w = begin(QStringLiteral("xyz"), 1, 1);
    open(QStringLiteral("PowerList1"), [](QDialog *d) {
        EXPECT_TRUE(edit(d, "Edit1")->isVisibleTo(d));
        EXPECT_FALSE(edit(d, "Edit2")->isVisibleTo(d));
        spin(d, "SpinEdit1")->setValue(3);
        EXPECT_TRUE(edit(d, "Edit3")->isVisibleTo(d));
        EXPECT_FALSE(edit(d, "Edit4")->isVisibleTo(d));
        edit(d, "Edit1")->setText("a");
        edit(d, "Edit2")->setText("b");
        edit(d, "Edit3")->setText("c");
        press(d, "Button2");
    });
    EXPECT_EQ(w.editorAccess().plainText(), "x<UL>\n    <LI>a\n    <LI>b\n    <LI>c\n</UL>\nyz");
    EXPECT_EQ(w.editorAccess().selectedText(), "<UL>\r\n    <LI>a\r\n    <LI>b\r\n    <LI>c\r\n</UL>\r\n");
}

TEST_F(FramesWindowTest, OrderedListOfTwelveWithoutIndent)
{
    TForm1 &w = begin(QString(), 0, 0);
    open(QStringLiteral("BitBtnList"), [](QDialog *d) {
        d->findChild<QRadioButton *>("RadioOrd")->click();
        spin(d, "SpinEdit1")->setValue(12);
        EXPECT_TRUE(edit(d, "Edit10")->isVisibleTo(d));
        edit(d, "Edit10")->setText("ten");
        check(d, "CheckIndent")->setChecked(true);
        press(d, "Button2");
    });
    const QStringList lines = w.editorAccess().selectedText().split("\r\n");
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], "<OL>");
    EXPECT_EQ(lines[10], "<LI>ten");
    EXPECT_EQ(lines[12], "<LI>");
    EXPECT_EQ(lines[13], "</OL>");
}

TEST_F(FramesWindowTest, RuleReplacesTheSelectionAndDrawsItsSample)
{
    TForm1 &w = begin(QStringLiteral("a old b"), 2, 3);
    open(QStringLiteral("HorizontalRule1"), [](QDialog *d) {
        auto *sample = d->findChild<HorizontalRuleSample *>("PanelSample");
        EXPECT_EQ(sample->lineRect().width(), 160);
        EXPECT_FALSE(spin(d, "SpinPixels")->isEnabled());
        d->findChild<QRadioButton *>("RadioPixels")->click();
        EXPECT_TRUE(spin(d, "SpinPixels")->isEnabled());
        EXPECT_FALSE(spin(d, "SpinPercent")->isEnabled());
        spin(d, "SpinPixels")->setValue(300);
        spin(d, "SpinThick")->setValue(5);
        d->findChild<QComboBox *>("ComboAlign")->setCurrentText("LEFT");
        EXPECT_EQ(sample->lineRect().left(), 0);
        EXPECT_EQ(sample->lineRect().width(), 150);
        EXPECT_EQ(sample->lineRect().height(), 5);
        check(d, "CheckNoShade")->setChecked(true);
        press(d, "Button1");
    });
    const QString tag = "<HR ALIGN=\"LEFT\"  SIZE=\"5\"  WIDTH=\"300\" NOSHADE>";
    EXPECT_EQ(w.editorAccess().plainText(), "a " + tag + " b");
    EXPECT_EQ(w.editorAccess().selectedText(), tag);
    EXPECT_EQ(clipboard.text(), tag);
}

TEST_F(FramesWindowTest, ColourPickerReplacesTheSelectionWithTheQuotedColour)
{
    TForm1 &w = begin(QStringLiteral("a word b"), 2, 4);
    prompts.expectColor(QColor(Qt::white));
    trigger(QStringLiteral("ColorPicker1"));
    EXPECT_EQ(w.editorAccess().plainText(), "a \"#FFFFFF\" b");
    EXPECT_EQ(w.editorAccess().selStart(), 2);
    EXPECT_EQ(w.editorAccess().selectedText(), "\"#FFFFFF\"");
    EXPECT_TRUE(w.document().isModified());

    prompts.expectColor(std::nullopt); // cancelled: nothing changes
    trigger(QStringLiteral("ColorPicker2"));
    EXPECT_EQ(w.editorAccess().plainText(), "a \"#FFFFFF\" b");
    EXPECT_EQ(action("ColorPicker1")->text(), "Color Picker...");
    EXPECT_EQ(action("ColorPicker2")->text(), "Color Picker");
    EXPECT_TRUE(prompts.allAnswered());
}
