// Live preview through the main window: the pane follows the typed text, from the page's
// folder, where it was scrolled, without writing a file or reading the user's other files.
#include "config/Settings.h"
#include "editor/HtmlDocument.h"
#include "editor/RichEditAccess.h"
#include "platform/IniFile.h"
#include "testsupport/MainWindowFixture.h"
#include "testsupport/WebViewScripts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QTest>
#include <QWebEngineView>

namespace {
class LivePreviewWindowTest : public MainWindowFixture {
protected:
    QVariant evaluate(const QString &script)
    {
        auto *view = window().findChild<QWebEngineView *>("WebBrowser1");
        EXPECT_NE(view, nullptr);
        return view ? evaluateScript(view, script) : QVariant();
    }
    bool waitForScript(const QString &condition)
    {
        return QTest::qWaitFor([&] { return evaluate(condition).toBool(); }, 60000);
    }
};

TEST_F(LivePreviewWindowTest, ThePaneFollowsTheTypedTextWhereItWasScrolledAndWritesNoFile)
{
    TForm1 &w = start();
    ASSERT_TRUE(w.embeddedBrowserAvailable());
    w.show();
    folder.write("site/pic.png", redPng(7, 5));
    folder.write("private/secret.txt", "private secret");
    const QByteArray saved = "<html><body><div style=\"height:5000px\">top</div><p id=\"t\">saved</p></body></html>";
    const QString page = folder.write("site/page.html", saved);
    ASSERT_TRUE(w.document().load(page));

    trigger("LivePreview1");
    EXPECT_TRUE(action("LivePreview1")->isChecked());
    EXPECT_EQ(IniFile(folder.file("DEFAULT.INI")).readString("Location", "LivePreview", ""), "1");
    QTest::mouseClick(w.findChild<QWidget *>("PanelIE"), Qt::LeftButton);
    ASSERT_TRUE(waitForScript("document.getElementById('t') !== null"));
    evaluate("window.scrollTo(0, 1200)");
    ASSERT_TRUE(waitForScript("window.scrollY === 1200"));

    // Typed over "saved": a picture beside the page, and a script that tries to read another file.
    const int at = int(w.editorAccess().plainText().indexOf("saved"));
    w.editorAccess().setSelection(at, 5);
    w.editorAccess().replaceSelection(
        "typed<img id=\"pic\" src=\"pic.png\"><script>"
        "fetch('../private/secret.txt').then(r => r.text()).then(t => { window.fetched = 'read:' + t; })"
        "  .catch(() => { window.fetched = 'blocked'; });</script>");
    ASSERT_TRUE(waitForScript("document.getElementById('t').firstChild.data === 'typed'"));
    ASSERT_TRUE(waitForScript("document.getElementById('pic').complete && window.fetched !== undefined"));
    EXPECT_EQ(evaluate("document.getElementById('pic').naturalWidth").toInt(), 7) << "resolved from the page's folder";
    EXPECT_EQ(evaluate("window.fetched").toString(), "blocked");
    EXPECT_TRUE(waitForScript("window.scrollY === 1200")) << evaluate("window.scrollY").toInt();

    EXPECT_EQ(folder.read("site/page.html"), saved);
    EXPECT_EQ(QDir(folder.file("site")).entryList(QDir::Files), QStringList({"page.html", "pic.png"}));
    EXPECT_TRUE(w.document().isModified());
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(LivePreviewWindowTest, TheMenuItemAndTheSettingsBoxAreOneSetting)
{
    TForm1 &w = start();
    EXPECT_FALSE(action("LivePreview1")->isChecked());
    trigger("LivePreview1");
    bool boxWasChecked = false;
    modalAnswer = [&](QDialog &dialog) {
        auto *box = dialog.findChild<QCheckBox *>("CheckLivePreview");
        EXPECT_NE(box, nullptr);
        if (!box)
            return int(QDialog::Rejected);
        boxWasChecked = box->isChecked();
        box->setChecked(false);
        dialog.findChild<QAbstractButton *>("Button3")->click(); // Apply
        return int(QDialog::Accepted);
    };
    trigger("PreferencesSettings1");
    EXPECT_TRUE(boxWasChecked);
    EXPECT_FALSE(action("LivePreview1")->isChecked());
    EXPECT_FALSE(w.settings().flag(SettingKey::LivePreview));
    EXPECT_EQ(IniFile(folder.file("DEFAULT.INI")).readString("Location", "LivePreview", ""), "0");
}
} // namespace
