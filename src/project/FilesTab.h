#pragma once

#include "config/HtmlExtensions.h"
#include "project/FilesPanel.h"

#include <QListWidget>
#include <QWidget>

#include <memory>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class Settings;
class TPictureView;

// The folder tree: the current folder's ancestors from the root down, then its sub-folders.
// Activating an entry (double-click, Enter) makes it the current folder.
class DirectoryListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit DirectoryListBox(QWidget *parent = nullptr);

    const QString &directory() const { return m_directory; }
    // False, and nothing changed, when the path is no folder.
    bool setDirectory(const QString &path);

Q_SIGNALS:
    void directoryChanged(const QString &path);

private:
    void fill();

    QString m_directory;
};

// The "Files" tab: drive box, folder tree, filter box and the file list, with the button and
// pop-up menu that insert a link or a sized IMG tag for the selected file.
class FilesTab final : public QWidget {
    Q_OBJECT
public:
    FilesTab(Settings &settings, Prompts &prompts, const HtmlFileMasks &masks, FilesTabHost &host,
             QWidget *parent = nullptr);
    ~FilesTab() override;

    QString currentFolder() const;
    QString selectedFileName() const;
    QString selectedFilePath() const; // empty when nothing is selected
    // The HTML-extension list changed (settings dialog).
    void setHtmlMasks(const HtmlFileMasks &masks);
    bool goToFolder(const QString &folder);

public Q_SLOTS:
    void PageControl1Change();
    void DriveComboBox1Change(int index);
    void DirectoryListBox1Change(const QString &folder);
    void FilterComboBox1Change(int index);
    void FileListBox1Change();
    void ListBox2Click();
    void ListBox2DblClick();
    void ListBox2MouseDown(const QPoint &position);
    // A folder typed or pasted into the path field.
    void EditFolderPathDone();
    void BitBtnInsertLinkImageClick();
    void AnalyzeWebPage1Click();

Q_SIGNALS:
    // "Analyze Web Page" for the selected file.
    void analyzeWebPageRequested(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layOut();
    void refillFileList();
    QString currentMask() const;
    // Moves without counting as the user's choice of folder.
    bool goToStartFolder();

    Settings &m_settings;
    FilesTabHost &m_host;
    // Once the user picks a folder, showing the tab again keeps it.
    bool m_folderChosen = false;
    bool m_movingByItself = false;
    HtmlFileMasks m_masks;
    QStringList m_hiddenNames;

    QComboBox *m_driveBox = nullptr;
    QLineEdit *m_folderPath = nullptr;
    DirectoryListBox *m_folders = nullptr;
    QComboBox *m_filterBox = nullptr;
    QListWidget *m_hiddenList = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_insertButton = nullptr;
    QMenu *m_popup = nullptr;
    QAction *m_analyze = nullptr;
    TPictureView *m_imageDummy = nullptr;
    std::unique_ptr<FilesPanelActions> m_actions;
};
