#include "preview/PreviewController.h"

#include "config/Settings.h"
#include "platform/Prompts.h"
#include "preview/BrowserLink.h"

#include <QFile>
#include <QFileInfo>

QString PreviewTexts::couldNotLaunch(const QString &program)
{
    return QStringLiteral("Sorry, could not launch the program: \"") + program +
           QStringLiteral("\".  To connect this menu ") +
           QStringLiteral("to a valid application, go to the OPTIONS screen and select a new Helper App.");
}

QString PreviewTexts::previewCopyFailed(const QString &reason)
{
    return QStringLiteral("The preview file could not be written: ") + reason;
}

PreviewController::PreviewController(Settings &settings, Prompts &prompts, PreviewHost &host, BrowserLink &link,
                                     ProgramLauncher &launcher, BrowserPaneView *pane)
    : m_settings(settings), m_prompts(prompts), m_host(host), m_link(link), m_launcher(launcher), m_pane(pane)
{
}

// Outside browsers

void PreviewController::BitBtnNSClick()
{
    previewInBrowser(m_settings.text(SettingKey::NetscapeProgram), PreviewTexts::locateNetscape,
                     BrowserLinkTexts::netscapeService, BrowserLinkTexts::netscapeStartFlag,
                     PreviewTexts::netscapeFailed);
}

void PreviewController::BitBtnIEClick()
{
    previewInBrowser(m_settings.text(SettingKey::MsieProgram), PreviewTexts::locateMsie, BrowserLinkTexts::msieService,
                     QString(), PreviewTexts::msieFailed);
}

void PreviewController::previewInBrowser(const QString &program, const QString &locateText, const QString &service,
                                         const QString &startFlag, const QString &failureText)
{
    QString browser = program;
    if (browser.isEmpty()) {
        m_prompts.information(locateText);
        m_host.openSettingsDialog(kSettingsPageWebBrowsers);
        // The preview goes on with whatever the user chose there, even nothing.
        browser = service == BrowserLinkTexts::netscapeService ? m_settings.text(SettingKey::NetscapeProgram)
                                                               : m_settings.text(SettingKey::MsieProgram);
    }
    PreviewChoice choice = choosePreviewFile(m_host.previewDocument(), m_settings);
    if (choice.writeError) {
        m_prompts.error(PreviewTexts::previewCopyFailed(*choice.writeError));
        return;
    }
    if (!completeChoice(choice))
        return;
    const BrowserSendResult sent = sendToBrowser(m_link, service, browser + startFlag, choice.path);
    if (!sent.activated)
        m_prompts.information(failureText);
}

bool PreviewController::completeChoice(PreviewChoice &choice)
{
    if (choice.isCopy)
        rememberCopy(choice.path);
    if (!choice.saveDocumentFirst)
        return true;
    const std::optional<QString> saved = m_host.saveDocument();
    if (!saved)
        return false;
    choice.path = *saved;
    return true;
}

void PreviewController::rememberCopy(const QString &path)
{
    if (!m_copies.contains(path))
        m_copies << path;
}

void PreviewController::removePreviewCopies()
{
    for (const QString &copy : std::as_const(m_copies))
        QFile::remove(copy);
    m_copies.clear();
}

void PreviewController::LabelBrowserModeDblClick()
{
    const PreviewModes::Step step = PreviewModes::next(m_host.browserModeLetter());
    m_host.setBrowserModeLetter(step.letter);
    m_settings.store(SettingKey::PreviewOption, step.mode);
}

// The embedded pane

bool PreviewController::paneAvailable() const
{
    return m_pane && m_pane->isAvailable();
}

bool PreviewController::paneShowing() const
{
    return paneAvailable() && m_pane->isShowing();
}

QString PreviewController::helpCopyPath() const
{
    return m_settings.folders().writable() + kHelpPreviewCopy;
}

void PreviewController::writeHelpCopy()
{
    const PreviewDocument document = m_host.previewDocument();
    // A failed copy leaves the pane on what it could show; there is nothing to tell.
    if (writeTextFileAtomically(helpCopyPath(), document.text, document.format))
        rememberCopy(helpCopyPath());
}

void PreviewController::PanelIEClick()
{
    if (!paneAvailable()) {
        m_prompts.information(PreviewTexts::paneUnavailable);
        return;
    }
    m_pane->showOverEditor();
    const PreviewDocument document = m_host.previewDocument();
    if (document.openFileName == document.untitledName && document.text.isEmpty()) {
        m_prompts.information(PreviewTexts::nothingToPreview);
        return;
    }
    bool shown = false;
    if (liveMode()) {
        m_pane->setActivePanel(PreviewPanel::Pane);
        shown = showLive(document);
    } else {
        const std::optional<QString> path = paneFile(document);
        if (!path)
            return;
        m_pane->setActivePanel(PreviewPanel::Pane);
        shown = m_pane->navigate(QUrl::fromLocalFile(*path));
    }
    if (!shown) {
        m_prompts.information(PreviewTexts::cannotLoadFileInPane);
        return;
    }
    if (m_settings.flag(SettingKey::MsieControl))
        m_pane->setControlPanelVisible(true);
}

std::optional<QString> PreviewController::paneFile(const PreviewDocument &document)
{
    PreviewChoice choice = choosePreviewFile(document, m_settings);
    if (choice.writeError) {
        m_prompts.information(PreviewTexts::cannotLoadPane);
        return std::nullopt;
    }
    if (!completeChoice(choice))
        return std::nullopt;
    // A help page is not named .html, so the browser gets a copy that it takes for HTML.
    if (QFileInfo(document.openFileName).suffix().compare(QLatin1String("kvn"), Qt::CaseInsensitive) == 0) {
        writeHelpCopy();
        return helpCopyPath();
    }
    return choice.path;
}

bool PreviewController::liveMode() const
{
    return m_settings.flag(SettingKey::LivePreview);
}

bool PreviewController::showLive(const PreviewDocument &document)
{
    // The bytes a save would write, so the page's own charset declaration still holds.
    return m_pane->showLive(document.openFileName, encodeText(document.text, document.format));
}

void PreviewController::showLiveText()
{
    if (liveMode() && paneShowing())
        showLive(m_host.previewDocument());
}

void PreviewController::PanelEClick()
{
    if (m_pane) {
        m_pane->setControlPanelVisible(false);
        if (m_pane->isAvailable())
            m_pane->hideFromEditor();
        m_pane->setActivePanel(PreviewPanel::Edit);
    }
}

void PreviewController::BitBtn6Click()
{
    if (paneAvailable() && !m_pane->goBack())
        m_prompts.information(PreviewTexts::atFirstPage);
}

void PreviewController::BitBtn7Click()
{
    if (paneAvailable() && !m_pane->goForward())
        m_prompts.information(PreviewTexts::atLastPage);
}

void PreviewController::BitBtn5Click()
{
    if (paneAvailable())
        m_pane->stop(); // nothing to say when there was nothing to stop
}

void PreviewController::Button3Click()
{
    if (!paneAvailable())
        return;
    // The address goes as typed; only text that is no address at all is refused.
    const QString typed = m_pane->addressText();
    const QUrl address(typed);
    if (typed.isEmpty() || !address.isValid() || address.scheme().isEmpty() || !m_pane->navigate(address))
        m_prompts.information(PreviewTexts::badAddress);
}

void PreviewController::BitBtn8Click()
{
    if (m_pane)
        m_pane->setControlPanelVisible(false);
}

void PreviewController::showPageInPane(const QString &path)
{
    if (!paneShowing())
        return;
    if (liveMode()) {
        showLive(m_host.previewDocument()); // the page just opened: its text is the file's
        return;
    }
    QString shown = path;
    if (m_host.isHelpPage() || QFileInfo(path).suffix().compare(QLatin1String("kvn"), Qt::CaseInsensitive) == 0) {
        writeHelpCopy();
        shown = helpCopyPath();
    }
    if (!m_pane->navigate(QUrl::fromLocalFile(shown)))
        m_prompts.information(PreviewTexts::cannotShowPage);
}

// Helper programs

void PreviewController::LauchImageEditor1Click()
{
    launchHelper(SettingKey::ImageEditor);
}
void PreviewController::LaunchFTPProgram1Click()
{
    launchHelper(SettingKey::FtpPath);
}
void PreviewController::LaunchImageMapEditor1Click()
{
    launchHelper(SettingKey::ImagemapEditor);
}

void PreviewController::launchHelper(SettingKey key)
{
    const QString program = m_settings.text(key);
    if (program.isEmpty()) {
        // Nothing starts now, even when a program is chosen there: the user asks again.
        m_prompts.information(PreviewTexts::noHelperApp);
        m_host.openSettingsDialog(kSettingsPageHelperApps);
        return;
    }
    m_host.setBusyCursor(true);
    const ProgramLauncher::Result result = m_launcher.launch(program);
    m_host.setBusyCursor(false);
    if (result.raised)
        m_prompts.error(PreviewTexts::couldNotLaunch(program));
    else if (result.code <= 32)
        m_prompts.error(launchFailureText(result.code, program));
}

void PreviewController::FTP1Click()
{
    m_prompts.information(PreviewTexts::ftpNotYet);
}

void PreviewController::BugsSuggestionsFeedback1Click()
{
    m_prompts.information(PreviewTexts::feedback);
}
