// The site tools of the main window: page and site analysis, replace across files, backup.
#include "app/TForm1.h"

#include "editor/HtmlDocument.h"
#include "editor/RichEditAccess.h"
#include "platform/Prompts.h"
#include "project/FilesTab.h"
#include "tools/TFormBackup.h"
#include "tools/TFormBigReplace.h"
#include "tools/TFormLoadSize.h"

void TForm1::buildSiteToolCommands()
{
    m_analysisMemory = std::make_unique<AnalysisMemory>();
    onCommand(QStringLiteral("GetPageLoadingData1"), &TForm1::GetPageLoadingData1Click);
    onCommand(QStringLiteral("BackupHTMLfiles1"), &TForm1::BitBtnBackupClick);
    onCommand(QStringLiteral("ExtendedReplace1"), &TForm1::BitBtnReplaceAllClick);
    connect(m_filesTab, &FilesTab::analyzeWebPageRequested, this, &TForm1::AnalyzeWebPage1Click);
}

SiteToolContext TForm1::siteToolContext(const QString &projectName)
{
    return {&m_settings,      m_env.prompts, m_env.clock, m_env.eventPump, m_settings.folders().writable(),
            projectsFolder(), projectName};
}

void TForm1::openAnalysis(const QString &filesTabPath)
{
    TFormLoadSize form(
        {siteToolContext(m_projectName), m_analysisMemory.get(), m_project, selectedPage(), filesTabPath}, this);
    runModal(form);
}

void TForm1::GetPageLoadingData1Click()
{
    openAnalysis(QString());
}

void TForm1::AnalyzeWebPage1Click(const QString &path)
{
    if (path.isEmpty()) {
        prompts().information(LoadSizeTexts::noPageSelected);
        return;
    }
    prompts().information(LoadSizeTexts::alreadyLoaded);
    openAnalysis(path);
}

void TForm1::BitBtnReplaceAllClick()
{
    // The pages are changed on disk, so the editing window lets go of its document first.
    if (m_document->isModified()) {
        prompts().information(BigReplaceTexts::closeFilesFirst);
        if (m_document->askToSave() == Answer::Cancel)
            return;
    }
    m_editorAccess->setPlainText(QString());
    m_document->setHelpPage(false);
    m_document->startUntitled();
    setSaveCommandsEnabled(true);

    TFormBigReplace form(siteToolContext(m_projectName), this);
    runModal(form);
}

void TForm1::BitBtnBackupClick()
{
    openBackupDialog(m_projectName);
}

void TForm1::openBackupDialog(const QString &projectName)
{
    TFormBackup form(siteToolContext(projectName), this);
    runModal(form);
}
