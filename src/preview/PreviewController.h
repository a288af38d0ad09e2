#pragma once

#include "config/Settings.h"
#include "preview/PreviewFile.h"
#include "preview/ProgramLauncher.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

class BrowserLink;
class Prompts;
class Settings;

inline constexpr int kSettingsPageWebBrowsers = 3;
inline constexpr int kSettingsPageHelperApps = 4;
// Live preview follows the text this long after it stops changing.
inline constexpr int kLivePreviewQuietMs = 400;

// The three panels beside the editing area; the active one is lime, the others grey.
enum class PreviewPanel { Edit, Preview, Pane };

// The embedded browser pane as the preview commands see it. Every call that drives the
// browser reports whether it worked, so that a failure can be told to the user.
class BrowserPaneView {
public:
    virtual ~BrowserPaneView() = default;

    virtual bool isAvailable() const = 0;
    virtual bool isShowing() const = 0;
    // Over the editing window, with its size.
    virtual void showOverEditor() = 0;
    virtual void hideFromEditor() = 0;
    virtual bool navigate(const QUrl &address) = 0;
    // Shows `html` as the page at `path` (so that its links resolve from that page's folder)
    // without writing it anywhere; the scroll position stays when that page is showing.
    virtual bool showLive(const QString &path, const QByteArray &html) = 0;
    virtual bool goBack() = 0;
    virtual bool goForward() = 0;
    virtual bool stop() = 0;
    virtual void setActivePanel(PreviewPanel panel) = 0;
    virtual void setControlPanelVisible(bool visible) = 0;
    virtual QString addressText() const = 0;
};

// What the preview commands need from the main window.
class PreviewHost {
public:
    virtual ~PreviewHost() = default;

    virtual PreviewDocument previewDocument() const = 0;
    // The document's own Save; the file it is now in, or nothing when it was not saved (the
    // user was told why, and the document is still modified).
    virtual std::optional<QString> saveDocument() = 0;
    virtual bool isHelpPage() const = 0;
    virtual void openSettingsDialog(int page) = 0;
    virtual QString browserModeLetter() const = 0;
    virtual void setBrowserModeLetter(const QString &letter) = 0;
    virtual void setBusyCursor(bool busy) = 0;
};

namespace PreviewTexts {
inline const QString browserDownloadAddress = QStringLiteral("https://www.microsoft.com/edge/download");
inline const QString startupNoBrowser =
    QStringLiteral("You do not appear to have Microsoft Internet Explorer 3.0 (or higher) installed. You will not be "
                   "able to use the built-in MSIE browser preview. We recommend you download a free copy from:  ") +
    browserDownloadAddress;
inline const QString paneUnavailable =
    QStringLiteral("You do not appear to have Microsoft Internet Explorer v3.0 (or higher) installed. You cannot use "
                   "this MSIE browser preview screen without it. We recommend you download a free copy at:  ") +
    browserDownloadAddress;
inline const QString nothingToPreview = QStringLiteral("There is no open HTML data to preview.");
inline const QString cannotLoadPane = QStringLiteral(
    "Unable to load MS Internet Explorer preview window. Please be sure MSIE v3.0 or greater is installed correctly "
    "to use this feature.");
inline const QString cannotLoadFileInPane = QStringLiteral(
    "Unable to load file in internal MS Internet Explorer v3.0. Please be sure MSIE v3.0 or greater is installed "
    "correctly.");
inline const QString cannotShowPage =
    QStringLiteral("Unable to launch internal MS Internet Explorer. Please be sure it is installed correctly.");
inline const QString atFirstPage = QStringLiteral("You are at the initial page -- you cannot go back further.");
inline const QString atLastPage = QStringLiteral("You are at the last page -- there is no NEXT page to view.");
inline const QString badAddress =
    QStringLiteral("Unable to connect to address listed. Please be sure it is a valid web address (http://....)");
inline const QString locateNetscape =
    QStringLiteral("You must locate Netscape Navigator first...Press OK to continue..");
inline const QString locateMsie = QStringLiteral("You must locate MS Internet Explorer first...Press OK to continue..");
inline const QString netscapeFailed = QStringLiteral("Error launching file to Netscape.");
inline const QString msieFailed = QStringLiteral("Error launching file to MSIE.");
inline const QString noHelperApp = QStringLiteral(
    "You have not selected a helper app for this yet. We will now jump to the OPTIONS screen where you can select an "
    "application to associate with this menu item.");
QString couldNotLaunch(const QString &program);
QString previewCopyFailed(const QString &reason);
inline const QString ftpNotYet = QStringLiteral(
    "The built-in FTP file transfer is not available in this version. It will come in a later release; until then, "
    "set up your own FTP program under Helper Apps in the OPTIONS screen.");
inline const QString feedbackAddress = QStringLiteral("support@tovarel.pro");
inline const QString feedback =
    QStringLiteral("We would like to hear from you! Please send your bugs, comments and suggestions by e-mail to ") +
    feedbackAddress + QStringLiteral(".");
} // namespace PreviewTexts

// The preview commands (outside browsers, the embedded pane) and the helper programs.
class PreviewController final {
public:
    // `pane` may be null: the embedded browser is then unavailable.
    PreviewController(Settings &settings, Prompts &prompts, PreviewHost &host, BrowserLink &link,
                      ProgramLauncher &launcher, BrowserPaneView *pane);

    // Outside browsers.
    void BitBtnNSClick();
    void BitBtnIEClick();
    void LabelBrowserModeDblClick();

    // The embedded pane.
    void PanelIEClick();
    void PanelEClick();
    void BitBtn6Click(); // Back
    void BitBtn7Click(); // Next
    void BitBtn5Click(); // Stop
    void Button3Click(); // GO!
    void BitBtn8Click(); // X
    bool paneShowing() const;
    // A project page or a listed file opened while the pane shows: the pane follows it.
    void showPageInPane(const QString &path);
    // Live preview: while the pane shows, it follows the editing window's text. Called a
    // moment after the text stops changing.
    void showLiveText();
    // The preview copies written for the text that was shown: they go once another page is
    // opened, the document is closed or the program ends, so none is left in a site.
    void removePreviewCopies();

    // Helper programs and the two information commands.
    void LauchImageEditor1Click();
    void LaunchFTPProgram1Click();
    void LaunchImageMapEditor1Click();
    void FTP1Click();
    void BugsSuggestionsFeedback1Click();

private:
    void previewInBrowser(const QString &program, const QString &locateText, const QString &service,
                          const QString &startFlag, const QString &failureText);
    void launchHelper(SettingKey key);
    bool paneAvailable() const;
    bool liveMode() const;
    bool showLive(const PreviewDocument &document);
    // The file the pane shows for the document outside live mode; nothing when the preview
    // stops (the user has been told why).
    std::optional<QString> paneFile(const PreviewDocument &document);
    QString helpCopyPath() const;
    void writeHelpCopy();
    // Completes a choice whose copy was written: the copy is remembered, and the document is
    // saved first where the mode says so. False when that save did not happen (the user
    // has been told why) and the preview stops.
    bool completeChoice(PreviewChoice &choice);
    void rememberCopy(const QString &path);

    Settings &m_settings;
    Prompts &m_prompts;
    PreviewHost &m_host;
    BrowserLink &m_link;
    ProgramLauncher &m_launcher;
    BrowserPaneView *m_pane;
    QStringList m_copies;
};
