#pragma once

#include "options/OptionsLogic.h"
#include "preview/PreviewController.h"
#include "project/FilesPanel.h"

class TForm1;

// What the preview commands and the settings dialog may see and change of the main window.
class MainPreviewHost final : public PreviewHost {
public:
    explicit MainPreviewHost(TForm1 &window) : m_window(window) {}
    PreviewDocument previewDocument() const override;
    std::optional<QString> saveDocument() override;
    bool isHelpPage() const override;
    void openSettingsDialog(int page) override;
    QString browserModeLetter() const override;
    void setBrowserModeLetter(const QString &letter) override;
    void setBusyCursor(bool busy) override;

private:
    TForm1 &m_window;
};

class MainOptionsHost final : public OptionsHost {
public:
    explicit MainOptionsHost(TForm1 &window) : m_window(window) {}
    void setHtmlMasks(const HtmlFileMasks &masks) override;
    void setBrowserModeLetter(const QString &letter) override;
    QStringList projectPaths() const override;
    QString projectName() const override;
    void setProjectPaths(const QStringList &paths) override;

private:
    TForm1 &m_window;
};

class MainFilesHost final : public FilesTabHost {
public:
    explicit MainFilesHost(TForm1 &window) : m_window(window) {}
    Answer askToSaveDocument() override;
    bool loadDocument(const QString &path, QString *error) override;
    void showPageInBrowserPane(const QString &path) override;
    EditorAccess &editorAccess() override;
    void setDocumentModified() override;
    void showStatus(int panel, const QString &text) override;
    void openPictureInPowerImg(const QString &path) override;
    QString pageFolder() const override;
    QString projectFolder() const override;

private:
    TForm1 &m_window;
};
