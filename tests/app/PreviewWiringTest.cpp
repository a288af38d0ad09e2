#include "editor/HtmlDocument.h"
#include "editor/RichEditAccess.h"
#include "platform/IniFile.h"
#include "preview/PreviewController.h"
#include "testsupport/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
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
