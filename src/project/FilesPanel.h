#pragma once

#include "platform/Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class EditorAccess;
class PictureComponent;
class Settings;

namespace FilesTexts {
inline const QString tabCaption = QStringLiteral("Files");
inline const QString insertButton = QStringLiteral("Insert Link/Image");
inline const QString insertHint = QStringLiteral("Insert selected graphic or HTML file as link");
inline const QString insertImage = QStringLiteral("Insert Image");
inline const QString insertLink = QStringLiteral("Insert Link to HTML file");
inline const QString analyzeWebPage = QStringLiteral("Analyze Web Page");
inline const QString notHtmlQuestion = QStringLiteral(
    "This does not appear to be a valid HTML file type. Do you wish to open it in the editing window anyways?");
inline const QString cannotOpenFile =
    QStringLiteral("Cannot open this file. Has it been moved, renamed, or deleted? Please right-click it and select "
                   "\"Change file link\" to re-establish the file link.");
inline const QString cannotMeasure =
    QStringLiteral("Error opening file. File is corrupt or cannot handle this file type.");
inline const QString fileSizePrefix = QStringLiteral("File Size: ");
inline const QString fileSizeSuffix = QStringLiteral("KB");
inline const QString pageLocation = QStringLiteral("Page Location:  ");
} // namespace FilesTexts

// What the Files tab needs from the main window.
class FilesTabHost {
public:
    virtual ~FilesTabHost() = default;

    // The open-document question; the tab stops on Cancel.
    virtual Answer askToSaveDocument() = 0;
    // Clears the editing window, makes `path` the open file name and loads it (status text
    // and automatic colouring included). False when the file cannot be read, with `error`
    // naming the file and the reason.
    virtual bool loadDocument(const QString &path, QString *error) = 0;
    // Shows the file in the embedded browser pane when that pane is showing.
    virtual void showPageInBrowserPane(const QString &path) = 0;
    virtual EditorAccess &editorAccess() = 0;
    virtual void setDocumentModified() = 0;
    virtual void showStatus(int panel, const QString &text) = 0;
    // A picture double-clicked in the list.
    virtual void openPictureInPowerImg(const QString &path) = 0;
    // The folder of the page open in the editing window; empty for a page never saved.
    virtual QString pageFolder() const = 0;
    // The folder of the open project's first page; empty without a project.
    virtual QString projectFolder() const = 0;
};

// The decisions of the Files tab, apart from its controls.
namespace FilesPanel {

struct FilterEntry {
    QString caption;
    QString mask; // "*.png;*.jpeg;..."
};
// "All Files|*.*|Image Files|*.png;...|..." as caption and mask pairs.
QList<FilterEntry> parseFilter(const QString &filter);

// One mask against one name, without regard to case, as the Windows file search matches:
// "*.*" takes every name, and a three-letter extension also takes longer ones that start
// with it (the short-name match), so "*.htm" lists "index.html" too.
bool matchesMask(const QString &fileName, const QString &mask);

// The hidden list: for each mask of the ";"-separated list the names it matches, in the
// sorted order of a list box, so a name matched by two masks sits twice, side by side.
QStringList hiddenListNames(const QStringList &folderNames, const QString &maskList);
QStringList listFolder(const QString &folder, const QString &maskList);

// The visible list: each name unless it equals (exactly) the name just before it.
QStringList withoutRepeats(const QStringList &names);

QString joinPath(const QString &folder, const QString &name);
QString bareName(const QString &path);
// Lower-cased, with its dot; empty when the name has none.
QString extensionOf(const QString &path);

enum class Opening { PowerImg, HtmlDocument, AskFirst };
Opening openingFor(const QString &path);

// A picture gets a sized IMG tag; anything else a link.
bool takesImgTag(const QString &path);
QString linkTag(const QString &fileName);
QString imgTag(const QString &source, int width, int height);

// "Analyze Web Page" is offered when the extension with its dot occurs in the masks text.
bool analyzeEnabled(const QString &fileName, const QString &masksText);

QString fileSizeStatus(qint64 bytes);

// The fixed folder the tab always opens on: [Files] Selected when UseSel is on, else empty.
QString fixedStartFolder(const Settings &settings);
// Where the tab starts when no folder is fixed, best first: the open project's folder, the
// open page's folder, the remembered one ([Files] Location); empty ones left out.
QStringList startFolderChoices(const Settings &settings, const QString &projectFolder, const QString &pageFolder);
// The root (of `roots`) that holds the folder; the longest match wins.
QString driveOf(const QString &folder, const QStringList &roots);

// The tag goes in at the start of the selection (selected text ends up after it) and stays
// selected.
void insertAtSelectionStart(EditorAccess &editor, const QString &tag, const std::function<void()> &markModified);

} // namespace FilesPanel

// The handlers of the tab that act on files, without any control.
class FilesPanelActions final {
public:
    FilesPanelActions(Settings &settings, Prompts &prompts, FilesTabHost &host, PictureComponent &measurer);

    // ListBox2Click: the size in status panel 0, "Page Location:  " in panel 1.
    void showFileSize(const QString &path);
    // ListBox2DblClick.
    void open(const QString &folder, const QString &name);
    // BitBtnInsertLinkImageClick; false when nothing was inserted.
    bool insertLinkOrImage(const QString &path);
    bool openAsHtml(const QString &path, bool showInBrowserPane);

private:
    Settings &m_settings;
    Prompts &m_prompts;
    FilesTabHost &m_host;
    PictureComponent &m_measurer;
};
