#include "editor/HtmlDocument.h"
#include "editor/RichEditAccess.h"
#include "platform/IniFile.h"
#include "preview/PreviewController.h"
#include "testsupport/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMap>
#include <QTabWidget>
#include <QTest>

using PreviewWiringTest = MainWindowFixture;

namespace {
// The settings dialog's current page, recorded when it runs.
QString pageShown(QDialog &dialog)
{
    auto *pages = dialog.findChild<QTabWidget *>();
    return pages ? pages->tabText(pages->currentIndex()) : QStringLiteral("<no pages>");
}
} // namespace

TEST_F(PreviewWiringTest, SettingsOpenOnTheRightPageFromEveryPlace)
{
    TForm1 &w = start();
    QStringList pages;
    modalAnswer = [&pages](QDialog &dialog) {
        pages << pageShown(dialog);
        return int(QDialog::Rejected);
    };
    trigger("PreferencesSettings1");
    click("BitBtnOptions");
    trigger("Preferences1");
    trigger("TagColorOptions1");
    prompts.expectInformation();
    trigger("LauchImageEditor1");                    // no helper set: the message, then the Helper Apps page
    prompts.expectInformation().expectInformation(); // then the preview goes on, still without a browser
    click("BitBtnNS");
    prompts.expectInformation();
    click("BitBtnLoadFromTemplate");
    EXPECT_EQ(pages, QStringList({"Files", "Files", "Files", "Tag Options", "Helper Apps", "Web Browsers", "Files"}));
    EXPECT_EQ(prompts.shownTexts().at(1), PreviewTexts::locateNetscape);
    EXPECT_EQ(prompts.shownTexts().at(2), PreviewTexts::netscapeFailed);
    EXPECT_EQ(action("PreferencesSettings1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F3));
    Q_UNUSED(w);
}

TEST_F(PreviewWiringTest, ToolButtonsAndTheModeLetter)
{
    TForm1 &w = start();
    const std::pair<const char *, const char *> hints[] = {
        {"BitBtnNS", "Netscape Preview"}, {"BitBtnIE", "MS Explorer Preview"}, {"BitBtnOptions", "Settings"}};
    for (const auto &[name, hint] : hints)
        EXPECT_EQ(button(QLatin1String(name))->toolTip(), QLatin1String(hint));
    EXPECT_NE(w.findChild<QWidget *>("PanelMSIE"), nullptr);
    EXPECT_NE(w.findChild<QWidget *>("PanelIE"), nullptr);
    // "IE" on a new, empty document: nothing to preview.
    w.editorAccess().setPlainText(QString());
    prompts.expectInformation();
    QTest::mouseClick(w.findChild<QWidget *>("PanelIE"), Qt::LeftButton);
    EXPECT_EQ(prompts.last().text, "There is no open HTML data to preview.");
}

TEST_F(PreviewWiringTest, FilesTabSitsBetweenTheWebSiteAndTheSnips)
{
    TForm1 &w = start();
    auto *left = control<QTabWidget>("PageControlLeft");
    QStringList tabs;
    for (int i = 0; i < left->count(); ++i)
        tabs << left->tabText(i);
    EXPECT_EQ(tabs, QStringList({"Web Site", "Files", "Snips"}));
    EXPECT_NE(left->widget(1)->findChild<QWidget *>("ListBox2"), nullptr);
    EXPECT_NE(left->widget(1)->findChild<QWidget *>("BitBtnInsertLinkImage"), nullptr);
    Q_UNUSED(w);
}

// "auto" saves the page before the browser shows it: a save that fails says why, leaves the
// page modified, and shows nothing.
TEST_F(PreviewWiringTest, AutoPreviewOfAPageThatCannotBeSavedKeepsItModifiedAndSaysWhy)
{
    TForm1 &w = start();
    const QString path = folder.write("site/page.html", "<P>saved</P>");
    prompts.expectOpenFile(path);
    trigger("OpenHTMLFile1");
    w.settings().store(SettingKey::PreviewOption, "auto");
    w.settings().store(SettingKey::NetscapeProgram, "/bin/true");
    typeText(QStringLiteral("edited "));
    ASSERT_TRUE(QDir(folder.file("site")).removeRecursively());
    prompts.expectError();
    click("BitBtnNS");
    EXPECT_TRUE(prompts.allAnswered());
    EXPECT_TRUE(prompts.last().text.contains(path)) << prompts.last().text.toStdString();
    EXPECT_TRUE(prompts.last().text.contains("does not exist")) << prompts.last().text.toStdString();
    EXPECT_TRUE(w.document().isModified());
}

// The preview copy "$$temp.htm" lies in the site's folder: it goes once another page is
// opened, the page is closed or the program ends, so none is uploaded with the site.
TEST_F(PreviewWiringTest, PreviewCopiesGoWhenNoLongerShown)
{
    TForm1 &w = start();
    w.settings().store(SettingKey::NetscapeProgram, "/bin/true"); // mode "temp", the default
    const QString first = folder.write("site/first.html", "<P>1</P>");
    const QString second = folder.write("other/second.html", "<P>2</P>");
    prompts.expectOpenFile(first);
    trigger("OpenHTMLFile1");
    click("BitBtnNS");
    EXPECT_EQ(folder.read("site/$$temp.htm"), "<P>1</P>");
    prompts.expectOpenFile(second);
    trigger("OpenHTMLFile1");
    EXPECT_FALSE(folder.exists("site/$$temp.htm"));
    click("BitBtnNS");
    EXPECT_TRUE(folder.exists("other/$$temp.htm"));
    trigger("CloseHTMLFile1");
    EXPECT_FALSE(folder.exists("other/$$temp.htm"));
    click("BitBtnNS");
    EXPECT_TRUE(folder.exists("other/$$temp.htm"));
    w.close();
    EXPECT_FALSE(folder.exists("other/$$temp.htm"));
    EXPECT_EQ(folder.read("site/first.html"), "<P>1</P>");
    EXPECT_EQ(folder.read("other/second.html"), "<P>2</P>");
    EXPECT_TRUE(prompts.shown().size() == 2u); // the two open dialogs
}

TEST_F(PreviewWiringTest, FirstStartFillsTheEmptyBrowserSlotsFromThePath)
{
    const auto table = [](QMap<QString, QString> onPath) {
        return [onPath](const QString &name) { return onPath.value(name); };
    };
    const struct {
        QMap<QString, QString> onPath;
        const char *first, *second;
    } cases[] = {
        {{{"xdg-open", "/usr/bin/xdg-open"}, {"chromium", "/usr/bin/chromium"}, {"konqueror", "/usr/bin/konqueror"}},
         "/usr/bin/xdg-open",
         "/usr/bin/chromium"},
        {{{"firefox-esr", "/usr/bin/firefox-esr"}, {"epiphany-browser", "/usr/bin/epiphany-browser"}},
         "/usr/bin/firefox-esr",
         "/usr/bin/epiphany-browser"},
        {{{"xdg-open", "/usr/bin/xdg-open"}}, "/usr/bin/xdg-open", "<none>"},
        {{}, "<none>", "<none>"},
    };
    for (const auto &c : cases) {
        folder.write("OPTIONS.INI", ""); // a first start: no browser set
        findProgram = table(c.onPath);
        start();
        const IniFile options(folder.file("OPTIONS.INI"));
        EXPECT_EQ(options.readString("Location", "Netscape", "<none>"), c.first);
        EXPECT_EQ(options.readString("Location", "MSIE", "<none>"), c.second);
        TearDown();
    }

    // A slot the user has set is never touched.
    folder.write("OPTIONS.INI", "[Location]\r\nMSIE=/opt/my browser\r\n");
    findProgram = table({{"xdg-open", "/usr/bin/xdg-open"}, {"firefox", "/usr/bin/firefox"}});
    start();
    const IniFile options(folder.file("OPTIONS.INI"));
    EXPECT_EQ(options.readString("Location", "Netscape", "<none>"), "<none>");
    EXPECT_EQ(options.readString("Location", "MSIE", "<none>"), "/opt/my browser");
}
