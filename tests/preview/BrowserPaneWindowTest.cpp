#include "PreviewDoubles.h"

#include "config/ColorNames.h"
#include "config/Settings.h"
#include "preview/BrowserPane.h"
#include "preview/LocalPageScheme.h"
#include "testsupport/ScriptedPrompts.h"
#include "testsupport/TempProgramFolder.h"
#include "testsupport/WebViewScripts.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {
// Chromium refuses to run as root with its sandbox, and there is no GPU here. This runs
// before main() creates the application, so before any web view.
const bool kChromiumFlags = [] {
    if (qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").isEmpty())
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    return true;
}();

QWebEngineView *webView(const BrowserPane &pane)
{
    return qobject_cast<QWebEngineView *>(pane.webView());
}

QColor panelColour(QWidget *area, const char *name)
{
    return area->findChild<QWidget *>(QLatin1String(name))->palette().color(QPalette::Window);
}

class BrowserPaneWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        area.resize(800, 600);
        editor = new QPlainTextEdit(&area);
        editor->setGeometry(21, 32, 779, 568);
        host.document.untitledName = folder.file("new.html");
        host.document.openFileName = host.document.untitledName;
    }

    template <typename T> T *child(const char *name) { return area.findChild<T *>(QLatin1String(name)); }

    TempProgramFolder folder;
    Settings settings{folder.path()};
    ScriptedPrompts prompts;
    FakePreviewHost host;
    FakeBrowserLink link;
    FakeLauncher launcher;
    QWidget area;
    QPlainTextEdit *editor = nullptr;
};
} // namespace

TEST_F(BrowserPaneWindowTest, PanesControlsCarryTheirNamesAndTexts)
{
    BrowserPane pane(&area, editor, QStringLiteral(TOVAREL_WEBVIEW_MODULE));
    EXPECT_EQ(child<QWidget>("PanelE")->toolTip(), "Show Edit Window");
    EXPECT_TRUE(child<QWidget>("PanelP")->isHidden());
    EXPECT_EQ(child<QLabel>("LabelIE")->text(), "IE");
    EXPECT_EQ(child<QLineEdit>("Edit1")->text(), "Enter an HTTP web address here");
    const std::pair<const char *, const char *> buttons[] = {
        {"BitBtn6", "Back"}, {"BitBtn7", "Next"}, {"BitBtn5", "Stop"}, {"Button3", "GO!"}, {"BitBtn8", "X"}};
    for (const auto &[name, text] : buttons)
        EXPECT_EQ(child<QPushButton>(name)->text(), text) << name;
    QWidget *controls = child<QWidget>("PanelMSIE");
    EXPECT_EQ(controls->pos(), QPoint(302, 1));
    EXPECT_TRUE(controls->isHidden());
    EXPECT_EQ(controls->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(panelColour(&area, "PanelE"), toQColor(kActivePanelColour));
    EXPECT_EQ(panelColour(&area, "PanelIE"), toQColor(kIdlePanelColour));
    // Nothing of the browser is made until the pane is first shown.
    EXPECT_EQ(pane.webView(), nullptr);
}

TEST_F(BrowserPaneWindowTest, RealWebViewRendersTheDocumentAndTheModeLetterCycles)
{
    BrowserPane pane(&area, editor, QStringLiteral(TOVAREL_WEBVIEW_MODULE));
    ASSERT_TRUE(pane.isAvailable());
    QLabel modeLetter("T");
    PreviewController controller(settings, prompts, host, link, launcher, &pane);
    pane.connectTo(controller, &modeLetter);
    area.show();

    host.document.openFileName = folder.write("site/page one.html", "<HTML><BODY><P>Saved text</P></BODY></HTML>");
    host.document.text = "<HTML><BODY><P>Unsaved preview text</P></BODY></HTML>";
    host.document.modified = true;
    settings.setInMemory(SettingKey::PreviewOption, "temp");

    QTest::mouseClick(child<QWidget>("PanelIE"), Qt::LeftButton);
    ASSERT_NE(webView(pane), nullptr);
    QSignalSpy loaded(webView(pane), &QWebEngineView::loadFinished);
    ASSERT_TRUE(loaded.count() > 0 || loaded.wait(60000));
    EXPECT_TRUE(loaded.first().first().toBool());
    EXPECT_EQ(webView(pane)->url(), LocalPageScheme::shownUrl(QUrl::fromLocalFile(folder.file("site/$$temp.htm"))));
    EXPECT_EQ(webView(pane)->url().path(), folder.file("site/$$temp.htm"));

    QString text;
    bool got = false;
    webView(pane)->page()->toPlainText([&](const QString &t) {
        text = t;
        got = true;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return got; }, 30000));
    EXPECT_EQ(text.trimmed(), "Unsaved preview text");

    EXPECT_TRUE(pane.container()->isVisible());
    EXPECT_EQ(pane.container()->geometry(), editor->geometry());
    EXPECT_TRUE(child<QWidget>("PanelMSIE")->isVisible());
    EXPECT_EQ(panelColour(&area, "PanelIE"), toQColor(kActivePanelColour));
    EXPECT_EQ(panelColour(&area, "PanelE"), toQColor(kIdlePanelColour));

    // One page in the history: neither Back nor Next can go anywhere.
    prompts.expectInformation().expectInformation();
    child<QPushButton>("BitBtn6")->click();
    child<QPushButton>("BitBtn7")->click();
    EXPECT_EQ(prompts.shownTexts(), QStringList({PreviewTexts::atFirstPage, PreviewTexts::atLastPage}));

    child<QPushButton>("BitBtn8")->click();
    EXPECT_FALSE(child<QWidget>("PanelMSIE")->isVisible());
    EXPECT_TRUE(pane.container()->isVisible());

    QTest::mouseClick(child<QWidget>("PanelE"), Qt::LeftButton);
    EXPECT_FALSE(pane.container()->isVisible());
    EXPECT_FALSE(pane.isShowing());
    EXPECT_EQ(panelColour(&area, "PanelE"), toQColor(kActivePanelColour));

    QTest::mouseDClick(&modeLetter, Qt::LeftButton);
    EXPECT_EQ(host.letter, "N");
    EXPECT_EQ(settings.text(SettingKey::PreviewOption), "nosave");
}

// A page in the pane is the user's own or one they were sent: it may show its own pictures,
// style sheets and scripts, but it must not read other local files (and so cannot send them
// anywhere).
TEST_F(BrowserPaneWindowTest, LocalPageLoadsItsOwnPartsButCannotReadOtherFiles)
{
    BrowserPane pane(&area, editor, QStringLiteral(TOVAREL_WEBVIEW_MODULE));
    ASSERT_TRUE(pane.isAvailable());
    area.show();
    folder.write("site/pic.png", redPng(7, 5));
    folder.write("site/style.css", "body { margin-left: 37px; }");
    folder.write("site/script.js", "window.scriptLoaded = 42;");
    folder.write("site/secret.txt", "sibling secret");
    folder.write("private/secret.txt", "private secret");
    const QString page = folder.write(
        "site/page.html",
        "<html><head><link rel=\"stylesheet\" href=\"style.css\"><script src=\"script.js\"></script></head>"
        "<body><img id=\"pic\" src=\"pic.png\"><script>"
        "function readFile(url) { try { var x = new XMLHttpRequest(); x.open('GET', url, false); x.send();"
        "  return 'read:' + x.responseText; } catch (e) { return 'blocked'; } }"
        "window.sibling = readFile('secret.txt'); window.other = readFile('../private/secret.txt');"
        "fetch('../private/secret.txt').then(r => r.text()).then(t => { window.fetched = 'read:' + t; })"
        "  .catch(() => { window.fetched = 'blocked'; });"
        "function readFrame(f) { try { window.framed = 'read:' + f.contentDocument.body.innerText; }"
        "  catch (e) { window.framed = 'blocked'; } }"
        "</script><iframe src=\"../private/secret.txt\" onload=\"readFrame(this)\"></iframe></body></html>");

    ASSERT_TRUE(pane.navigate(QUrl::fromLocalFile(page)));
    QSignalSpy loaded(webView(pane), &QWebEngineView::loadFinished);
    ASSERT_TRUE(loaded.count() > 0 || loaded.wait(60000));
    ASSERT_TRUE(loaded.first().first().toBool());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return evaluateScript(webView(pane), "document.getElementById('pic').complete").toBool(); }, 30000));

    EXPECT_EQ(evaluateScript(webView(pane), "document.getElementById('pic').naturalWidth").toInt(), 7);
    EXPECT_EQ(evaluateScript(webView(pane), "getComputedStyle(document.body).marginLeft").toString(), "37px");
    EXPECT_EQ(evaluateScript(webView(pane), "window.scriptLoaded").toInt(), 42);
    EXPECT_EQ(evaluateScript(webView(pane), "window.sibling").toString(), "blocked");
    EXPECT_EQ(evaluateScript(webView(pane), "window.other").toString(), "blocked");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return evaluateScript(webView(pane), "window.fetched !== undefined && window.framed !== undefined")
                .toBool();
        },
        30000));
    EXPECT_EQ(evaluateScript(webView(pane), "window.fetched").toString(), "blocked");
    EXPECT_FALSE(evaluateScript(webView(pane), "window.framed").toString().contains("private secret"));
}
