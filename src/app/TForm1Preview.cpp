// The preview side of the main window: outside browsers, the browser pane, helper programs
// and the settings dialog.
#include "app/MainWindowHosts.h"
#include "app/TForm1.h"

#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "options/TFormOptions.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "preview/BrowserLink.h"
#include "preview/BrowserPane.h"
#include "preview/ProgramLauncher.h"
#include "project/FilesTab.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTextDocument>
#include <QTimer>

PreviewDocument MainPreviewHost::previewDocument() const
{
    const HtmlDocument &document = *m_window.m_document;
    return {document.openFileName(), document.untitledName(), document.isModified(),
            m_window.m_editorAccess->plainText(), document.format()};
}

std::optional<QString> MainPreviewHost::saveDocument()
{
    HtmlDocument &document = *m_window.m_document;
    if (document.askToSave(DocumentAsker::SaveHtmlFile) == Answer::Cancel)
        return std::nullopt;
    return document.openFileName();
}
bool MainPreviewHost::isHelpPage() const
{
    return m_window.m_document->isHelpPage();
}
void MainPreviewHost::openSettingsDialog(int page)
{
    m_window.openSettingsDialog(page);
}
QString MainPreviewHost::browserModeLetter() const
{
    return m_window.m_labelBrowserMode->text();
}
void MainPreviewHost::setBrowserModeLetter(const QString &letter)
{
    m_window.m_labelBrowserMode->setText(letter);
}

void MainPreviewHost::setBusyCursor(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void MainOptionsHost::setHtmlMasks(const HtmlFileMasks &masks)
{
    m_window.applyHtmlMasks(masks);
}
void MainOptionsHost::setBrowserModeLetter(const QString &letter)
{
    m_window.m_labelBrowserMode->setText(letter);
}
QStringList MainOptionsHost::projectPaths() const
{
    return m_window.m_project.paths();
}
QString MainOptionsHost::projectName() const
{
    return m_window.m_projectName;
}

void MainOptionsHost::setProjectPaths(const QStringList &paths)
{
    m_window.m_project.assign(m_window.m_project.pages(), paths);
}

Answer MainFilesHost::askToSaveDocument()
{
    return m_window.m_document->askToSave();
}

bool MainFilesHost::loadDocument(const QString &path, QString *error)
{
    return m_window.loadPage(path, error);
}

void MainFilesHost::showPageInBrowserPane(const QString &path)
{
    m_window.m_preview->showPageInPane(path);
}
EditorAccess &MainFilesHost::editorAccess()
{
    return *m_window.m_editorAccess;
}
void MainFilesHost::setDocumentModified()
{
    m_window.m_document->setModified(true);
}
void MainFilesHost::showStatus(int panel, const QString &text)
{
    m_window.setStatusPanelText(panel, text);
}

void MainFilesHost::openPictureInPowerImg(const QString &path)
{
    m_window.openPowerImg(path);
}

QString MainFilesHost::pageFolder() const
{
    const HtmlDocument &document = *m_window.m_document;
    return document.isUntitled() ? QString() : folderPart(document.openFileName());
}

QString MainFilesHost::projectFolder() const
{
    if (m_window.m_projectName.isEmpty())
        return {};
    for (const QString &path : m_window.m_project.paths())
        if (!folderPart(path).isEmpty())
            return folderPart(path);
    return {};
}

void TForm1::createEmbeddedBrowser()
{
    m_embeddedBrowserAvailable = PageViewModule::usable(m_env.webViewModule);
    if (!m_embeddedBrowserAvailable)
        prompts().information(PreviewTexts::startupNoBrowser);
    m_browserLink = std::make_unique<ProcessBrowserLink>();
    m_launcher = std::make_unique<DesktopProgramLauncher>();
    m_previewHost = std::make_unique<MainPreviewHost>(*this);
    m_optionsHost = std::make_unique<MainOptionsHost>(*this);
    m_browserPane = new BrowserPane(m_panelHtmlWindow, m_editor, m_env.webViewModule);
    m_preview = std::make_unique<PreviewController>(m_settings, prompts(), *m_previewHost, *m_browserLink, *m_launcher,
                                                    m_browserPane);
    m_browserPane->connectTo(*m_preview, m_labelBrowserMode);
    buildPreviewCommands();
}

void TForm1::buildPreviewCommands()
{
    PreviewController *preview = m_preview.get();
    const auto previewCommand = [&](const char *name, void (PreviewController::*handler)()) {
        onCommand(QLatin1String(name), [preview, handler] { (preview->*handler)(); });
    };
    onCommand(QStringLiteral("PreferencesSettings1"), &TForm1::PreferencesSettings1Click);
    previewCommand("LauchImageEditor1", &PreviewController::LauchImageEditor1Click);
    previewCommand("LaunchFTPProgram1", &PreviewController::LaunchFTPProgram1Click);
    previewCommand("LaunchImageMapEditor1", &PreviewController::LaunchImageMapEditor1Click);
    previewCommand("FTP1", &PreviewController::FTP1Click);
    previewCommand("BugsSuggestionsFeedback1", &PreviewController::BugsSuggestionsFeedback1Click);
    previewCommand("BitBtnNS", &PreviewController::BitBtnNSClick);
    previewCommand("BitBtnIE", &PreviewController::BitBtnIEClick);
    buildLivePreview();
}

void TForm1::buildLivePreview()
{
    auto *timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("TimerLivePreview"));
    timer->setSingleShot(true);
    timer->setInterval(kLivePreviewQuietMs);
    connect(timer, &QTimer::timeout, this, [this] { m_preview->showLiveText(); });
    connect(m_editor->document(), &QTextDocument::contentsChanged, timer, qOverload<>(&QTimer::start));

    QAction *live = commandAction(QStringLiteral("LivePreview1"));
    live->setCheckable(true);
    live->setChecked(m_settings.flag(SettingKey::LivePreview));
    onCommand(QStringLiteral("LivePreview1"), [this, live] {
        m_settings.storeFlag(SettingKey::LivePreview, live->isChecked());
        m_preview->showLiveText();
    });
}

void TForm1::PreferencesSettings1Click()
{
    openSettingsDialog(kSettingsPageFiles);
}

void TForm1::openSettingsDialog(int page)
{
    TFormOptions options(m_settings, prompts(), page, *m_optionsHost, this);
    runModal(options);
    commandAction(QStringLiteral("LivePreview1"))->setChecked(m_settings.flag(SettingKey::LivePreview));
    applySpellMarksSetting();
}

void TForm1::applyHtmlMasks(const HtmlFileMasks &masks)
{
    m_masks = masks;
    m_document->setOpenFilter(masks.openFilter);
    m_filesTab->setHtmlMasks(masks);
}

void TForm1::showPageInBrowserPane()
{
    m_preview->showPageInPane(m_document->openFileName());
}
