#include "dialogs/SnipPage.h"
#include "dialogs/TFormCustom.h"
#include "editor/HtmlDocument.h"
#include "editor/RichEditAccess.h"
#include "testsupport/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {
class CustomSnipsWindowTest : public MainWindowFixture {
protected:
    QComboBox *combo() const { return control<QComboBox>(QStringLiteral("ComboCustom")); }

    QStringList comboItems() const
    {
        QStringList items;
        for (int i = 0; i < combo()->count(); ++i)
            items << combo()->itemText(i);
        return items;
    }

    // Picks an item as the user does.
    void choose(int index)
    {
        combo()->setCurrentIndex(index);
        Q_EMIT combo()->activated(index);
    }

    static void press(QDialog *d, const char *name) { d->findChild<QAbstractButton *>(QLatin1String(name))->click(); }

    // Types into a field key by key, so the key-release normalisation runs.
    static void type(QDialog *d, const char *name, const QString &text, bool clearFirst = true)
    {
        auto *field = d->findChild<QLineEdit *>(QLatin1String(name));
        if (clearFirst)
            field->clear();
        QTest::keyClicks(field, text);
    }

    void addTag(const QString &name, const QString &start, std::function<void(QDialog *)> more = {})
    {
        whenModal([=](QDialog *d) {
            type(d, "EditName", name);
            type(d, "EditStart", start);
            if (more)
                more(d);
            press(d, "ButtonAddTag");
        });
        click(QStringLiteral("BitBtnCustomAdd"));
    }

    SnipPage *page(const char *suffix)
    {
        return window().findChild<SnipPage *>(QStringLiteral("TabSheet") + QLatin1String(suffix));
    }
    QListWidget *list(const char *suffix) { return page(suffix)->list(); }
    QLineEdit *entry(const char *suffix)
    {
        return page(suffix)->findChild<QLineEdit *>(QStringLiteral("Edit") + QLatin1String(suffix));
    }
    void pageClick(const char *suffix, const char *button)
    {
        page(suffix)->findChild<QAbstractButton *>(QLatin1String(button) + QLatin1String(suffix))->click();
    }
    void addSnip(const char *suffix, const QString &text)
    {
        QTest::mouseClick(entry(suffix), Qt::LeftButton); // empties the field
        QTest::keyClicks(entry(suffix), text);
        pageClick(suffix, "ButtonAdd");
    }
};
} // namespace

TEST_F(CustomSnipsWindowTest, TagsFromTheFileSortedUnderTheTwoHeaders)
{
    folder.write("custom.dat", "Red * <FONT COLOR=\"red\"></FONT>\r\nBold * <B></B>\r\nBreak * <BR>\r\n");
    TForm1 &w = start();
    EXPECT_EQ(comboItems(), QStringList({"  Select a Custom Tag to Insert", " NONE", "Bold * <B></B>", "Break * <BR>",
                                         "Red * <FONT COLOR=\"red\"></FONT>"}));
    EXPECT_EQ(combo()->currentIndex(), 0);

    struct Case {
        int item;
        const char *document;
        const char *selected;
    };
    const Case cases[] = {
        {2, "1 <B>x</B> 2", "<B>x</B>"},
        {3, "1 <BR>x 2", "<BR>x"},
        {4, "1 <FONT COLOR=\"red\">x</FONT> 2", "<FONT COLOR=\"red\">x</FONT>"},
        {1, "1 x 2", "x"}, // " NONE" inserts nothing
        {0, "1 x 2", "x"},
    };
    for (const Case &c : cases) {
        w.editorAccess().setPlainText(QStringLiteral("1 x 2"));
        w.editorAccess().setSelection(2, 1);
        w.document().setModified(false);
        choose(c.item);
        EXPECT_EQ(w.editorAccess().plainText(), QLatin1String(c.document)) << c.item;
        EXPECT_EQ(w.editorAccess().selectedText(), QLatin1String(c.selected)) << c.item;
        EXPECT_EQ(w.document().isModified(), c.item >= 2) << c.item;
        if (c.item >= 2) {
            EXPECT_EQ(combo()->currentIndex(), 0) << c.item;
        }
    }
}

TEST_F(CustomSnipsWindowTest, AddedTagIsNormalisedSortedSavedAndSurvivesARestart)
{
    folder.write("custom.dat", "Zed * <Z></Z>\r\n");
    start();
    addTag(QStringLiteral("Bold"), QStringLiteral("<B>"), [](QDialog *d) {
        EXPECT_EQ(d->findChild<QLineEdit *>("EditStart")->text(), "<B>");
        EXPECT_EQ(d->findChild<QLineEdit *>("EditStart")->cursorPosition(), 2);
        EXPECT_EQ(d->findChild<QLineEdit *>("EditEnd")->text(), "</B>");
        type(d, "EditEnd", "/STRONG");
        EXPECT_EQ(d->findChild<QLineEdit *>("EditEnd")->text(), "</STRONG>");
        type(d, "EditEnd", "</B>");
    });
    EXPECT_EQ(folder.read("custom.dat"), "Bold * <B></B>\r\nZed * <Z></Z>\r\n");
    EXPECT_EQ(combo()->currentIndex(), 0);
    EXPECT_EQ(comboItems().value(2), "Bold * <B></B>");

    TearDown();
    start();
    EXPECT_EQ(comboItems(),
              QStringList({"  Select a Custom Tag to Insert", " NONE", "Bold * <B></B>", "Zed * <Z></Z>"}));
}

TEST_F(CustomSnipsWindowTest, RefusalsComeInOrderAndKeepTheDialogOpen)
{
    start();
    prompts.expectInformation()
        .expectInformation()
        .expectInformation()
        .expectInformation()
        .expectConfirm(false)
        .expectConfirm(true);
    whenModal([this](QDialog *d) {
        press(d, "ButtonAddTag"); // no name
        type(d, "EditName", "a*b");
        press(d, "ButtonAddTag");
        type(d, "EditName", " a");
        press(d, "ButtonAddTag");
        type(d, "EditName", "Plain");
        d->findChild<QLineEdit *>("EditStart")->setText("<>");
        press(d, "ButtonAddTag");
        type(d, "EditStart", "HR");
        d->findChild<QLineEdit *>("EditEnd")->clear();
        press(d, "ButtonAddTag"); // no end tag: No keeps the dialog open
        EXPECT_TRUE(d->isVisible());
        press(d, "ButtonAddTag"); // Yes adds it without one
    });
    click(QStringLiteral("BitBtnCustomAdd"));
    EXPECT_EQ(prompts.shownTexts(), QStringList({CustomTagDialogTexts::nameEmpty, CustomTagDialogTexts::nameCharacters,
                                                 CustomTagDialogTexts::nameBlank, CustomTagDialogTexts::startMissing,
                                                 CustomTagDialogTexts::endMissing, CustomTagDialogTexts::endMissing}));
    EXPECT_EQ(folder.read("custom.dat"), "Plain * <HR>\r\n");
}

TEST_F(CustomSnipsWindowTest, DeleteModeEditsTheWholeListOnlyOnOK)
{
    folder.write("custom.dat", "a * <A></A>\r\nb * <B></B>\r\nc * <C></C>\r\n");
    start();
    whenModal([](QDialog *d) {
        auto *list = d->findChild<QListWidget *>("ListBox1");
        ASSERT_EQ(list->count(), 3);
        list->setCurrentRow(1);
        press(d, "ButtonDelete");
        EXPECT_EQ(list->count(), 2);
        press(d, "ButtonCancel");
    });
    click(QStringLiteral("BitBtnCustomDelete"));
    EXPECT_EQ(comboItems().size(), 5);
    EXPECT_EQ(folder.read("custom.dat"), "a * <A></A>\r\nb * <B></B>\r\nc * <C></C>\r\n");

    whenModal([](QDialog *d) {
        auto *list = d->findChild<QListWidget *>("ListBox1");
        list->setCurrentRow(0);
        Q_EMIT list->itemDoubleClicked(list->item(0));
        EXPECT_EQ(list->item(0)->text(), "b * <B></B>");
        press(d, "ButtonOK");
    });
    click(QStringLiteral("BitBtnCustomDelete"));
    EXPECT_EQ(folder.read("custom.dat"), "b * <B></B>\r\nc * <C></C>\r\n");

    whenModal([](QDialog *d) {
        press(d, "ButtonDeleteAll");
        press(d, "ButtonOK");
    });
    click(QStringLiteral("BitBtnCustomDelete"));
    EXPECT_EQ(folder.read("custom.dat"), "");
    EXPECT_EQ(comboItems(), QStringList({"  Select a Custom Tag to Insert", " NONE"}));
    EXPECT_EQ(combo()->currentIndex(), 0);
}

TEST_F(CustomSnipsWindowTest, UnwritableFileIsReportedAndTheListKeepsTheTag)
{
    QDir(folder.path()).mkdir(QStringLiteral("custom.dat")); // a folder where the file should be
    start();
    EXPECT_EQ(comboItems().size(), 2);
    prompts.expectError();
    addTag(QStringLiteral("Bold"), QStringLiteral("B"));
    EXPECT_TRUE(prompts.last().text.contains("custom.dat")) << prompts.last().text.toStdString();
    EXPECT_EQ(comboItems().value(2), "Bold * <B></B>");
}

TEST_F(CustomSnipsWindowTest, SnipsAreAddedSortedAndWrittenAfterEveryChange)
{
    folder.write("urlsnips.dat", "http://b.example/\r\nhttp://a.example/\r\n");
    start();
    EXPECT_EQ(list("URL")->count(), 2);
    EXPECT_EQ(list("URL")->item(0)->text(), "http://a.example/");
    EXPECT_EQ(entry("Misc")->text(), "Type or paste a new entry here...");
    EXPECT_FALSE(folder.exists("missnips.dat"));

    for (const char *text : {"b", "a", "c"})
        addSnip("Misc", QLatin1String(text));
    EXPECT_EQ(folder.read("missnips.dat"), "a\r\nb\r\nc\r\n");
    EXPECT_TRUE(entry("Misc")->text().isEmpty());

    // Add without clicking into the field first takes the prompt text like any other.
    entry("URL")->setText(SnipTexts::entryPrompt);
    pageClick("URL", "ButtonAdd");
    EXPECT_EQ(folder.read("urlsnips.dat"),
              "http://a.example/\r\nhttp://b.example/\r\nType or paste a new entry here...\r\n");
    pageClick("URL", "ButtonAdd"); // an empty field adds nothing
    EXPECT_EQ(list("URL")->count(), 3);

    list("Misc")->setCurrentRow(2);
    pageClick("Misc", "ButtonDel");
    EXPECT_EQ(list("Misc")->currentRow(), 1);
    EXPECT_TRUE(list("Misc")->currentItem()->isSelected());
    list("Misc")->setCurrentRow(0);
    pageClick("Misc", "ButtonDel");
    EXPECT_TRUE(list("Misc")->selectedItems().isEmpty());
    pageClick("Misc", "ButtonDel"); // nothing selected: nothing happens
    EXPECT_EQ(folder.read("missnips.dat"), "b\r\n");

    TearDown();
    start();
    EXPECT_EQ(list("Misc")->count(), 1);
    EXPECT_EQ(list("URL")->count(), 3);
}

TEST_F(CustomSnipsWindowTest, EditingASnip)
{
    folder.write("urlsnips.dat", "a\r\nb\r\n");
    start();
    prompts.expectInformation();
    pageClick("URL", "ButtonEdit");
    EXPECT_EQ(prompts.last().text, SnipTexts::nothingToEdit);

    list("URL")->setCurrentRow(0);
    whenModal([](QDialog *d) {
        EXPECT_EQ(d->windowTitle(), "Edit Entry");
        auto *field = d->findChild<QLineEdit *>("Edit1");
        EXPECT_EQ(field->text(), "a");
        field->setText("z");
        press(d, "ButtonOK");
    });
    window().findChild<QAction *>("EditSnipURL")->trigger();
    EXPECT_EQ(folder.read("urlsnips.dat"), "b\r\nz\r\n");

    list("URL")->setCurrentRow(0);
    whenModal([](QDialog *d) {
        d->findChild<QLineEdit *>("Edit1")->setText("q");
        press(d, "ButtonCancel");
    });
    pageClick("URL", "ButtonEdit");
    EXPECT_EQ(folder.read("urlsnips.dat"), "b\r\nz\r\n");
}

TEST_F(CustomSnipsWindowTest, DoubleClickPastesOrOnlyCopies)
{
    folder.write("missnips.dat", "Hello\r\n");
    TForm1 &w = start();
    w.editorAccess().setPlainText(QStringLiteral("1 x 2"));
    w.editorAccess().setSelection(2, 1);
    w.document().setModified(false);
    QListWidget *snips = list("Misc");
    snips->setCurrentRow(0);
    Q_EMIT snips->itemDoubleClicked(snips->item(0));
    EXPECT_EQ(w.editorAccess().plainText(), "1 Hello 2");
    EXPECT_EQ(w.editorAccess().selStart(), 7);
    EXPECT_EQ(w.editorAccess().selLength(), 0);
    EXPECT_TRUE(w.document().isModified());

    control<QRadioButton>(QStringLiteral("RadioClip"))->setChecked(true);
    clipboard.setText(QStringLiteral("before"));
    w.editorAccess().setSelection(0, 1);
    w.document().setModified(false);
    Q_EMIT snips->itemDoubleClicked(snips->item(0));
    EXPECT_EQ(clipboard.text(), "Hello");
    EXPECT_EQ(w.editorAccess().plainText(), "1 Hello 2");
    EXPECT_EQ(w.editorAccess().selectedText(), "1");
    EXPECT_FALSE(w.document().isModified());
}

TEST_F(CustomSnipsWindowTest, SnipPageControlsFollowThePageHeight)
{
    TForm1 &w = start();
    w.show();
    control<QTabWidget>(QStringLiteral("PageControlLeft"))->setCurrentIndex(2);
    for (int height : {700, 500}) {
        w.resize(1000, height);
        QApplication::processEvents();
        SnipPage *url = page("URL");
        const QRect listArea = list("URL")->geometry();
        const QRect field = entry("URL")->geometry();
        const auto at = [&](const char *name) {
            return url->findChild<QWidget *>(QLatin1String(name) + QStringLiteral("URL"))->geometry();
        };
        ASSERT_GT(url->height(), 100) << height;
        EXPECT_EQ(listArea.height(), url->height() - at("ButtonAdd").height() - field.height() - 58) << height;
        EXPECT_EQ(field.top(), listArea.bottom() + 1 + 5) << height;
        EXPECT_EQ(at("ButtonAdd").top(), field.bottom() + 1 + 8) << height;
        EXPECT_EQ(at("ButtonDel").top(), at("ButtonAdd").top()) << height;
        EXPECT_EQ(at("ButtonEdit").top(), at("ButtonAdd").top()) << height;
    }
}
