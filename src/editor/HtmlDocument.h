#pragma once

#include "platform/Prompts.h"
#include "platform/TextFile.h"

#include <QString>

#include <functional>
#include <optional>

class Clipboard;
class EditorAccess;
class Settings;

// Which command asks the open-document question: an explicit save saves without asking.
enum class DocumentAsker { Other, SaveHtmlFile };

// What the document needs from the window around it.
struct DocumentHooks {
    std::function<void(const QString &statusText)> showStatus; // third panel of the status bar
    std::function<void(bool enabled)> enableSaveCommands;
    std::function<void()> colourTags;           // after a load, when automatic colouring is on
    std::function<void(int page)> openSettings; // the settings dialog on one of its pages
    std::function<void()> repaint;
    std::function<void(bool readOnly)> setEditorReadOnly;
    // The window's text was replaced or let go (load, New, Open, Close, template): what was
    // made only to show the old text, such as preview copies, can go.
    std::function<void()> documentReplaced;
};

inline constexpr int kSettingsPageFiles = 0;
inline constexpr int kSettingsPageTagOptions = 1;

// The one HTML document of the editing window: its file name, its modified state and
// the commands that start, load, save and close it without ever losing a change.
class HtmlDocument final {
public:
    HtmlDocument(EditorAccess &editor, Prompts &prompts, Settings &settings, Clipboard &clipboard, DocumentHooks hooks);
    ~HtmlDocument();
    HtmlDocument(const HtmlDocument &) = delete;
    HtmlDocument &operator=(const HtmlDocument &) = delete;

    void setOpenFilter(const QString &filter) { m_openFilter = filter; }

    const QString &openFileName() const { return m_openFileName; }
    // The name alone, without a load or the status text: the text did not come from it.
    void setOpenFileName(const QString &name);
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    bool isHelpPage() const { return m_helpPage; }
    void setHelpPage(bool helpPage) { m_helpPage = helpPage; }
    // A file holding NUL bytes is no text page: it is shown, never saved.
    bool isReadOnly() const { return m_readOnly; }
    const TextFormat &format() const { return m_format; }
    // The file the window's text came from or was last saved to (empty when it is no file's),
    // and that file as it was then: what another program's changes are measured against.
    QString sourceFile() const { return m_textFromFile ? m_openFileName : QString(); }
    const std::optional<FileStamp> &sourceStamp() const { return m_stamp; }
    Answer lastAnswer() const { return m_lastAnswer; }
    // After the save question of a flow that replaces the text: a file that could not be read
    // replaced nothing, so text the user chose not to save is still there, and still unsaved.
    void keepTextOfFailedOpen();

    QString untitledName() const;
    bool isUntitled() const;

    // A copy kept from before a crash: the page's name and its text as it was, unsaved and not
    // the file's (saving over a file that is there asks first).
    void restoreUnsaved(const QString &name, const DecodedText &content);

    // Start-up, and after the site-wide replace: the empty untitled document.
    void startUntitled();

    // The open-document question; callers stop on Cancel. A failed save also gives Cancel,
    // so nothing that follows can throw the unsaved text away. A file that the window's text
    // did not come from, or that another program changed since, is replaced only when the
    // user says so.
    Answer askToSave(DocumentAsker asker = DocumentAsker::Other);

    // Reads a file into the editing window; false (and nothing changed) when it cannot be
    // read, with `error` naming the file and the reason.
    bool load(const QString &path, QString *error = nullptr);

    // The File menu commands.
    void newFile();
    void openFile();
    void openTemplate();
    void save();
    void saveAs();
    void close();

private:
    void showOpenFileName();
    void showText(const DecodedText &file);
    void replaced();
    std::optional<QString> saveTarget();
    QString replaceQuestion() const;
    bool saveTo(const QString &path);
    QString askSaveName();

    EditorAccess &m_editor;
    Prompts &m_prompts;
    Settings &m_settings;
    Clipboard &m_clipboard;
    DocumentHooks m_hooks;
    QString m_openFilter;

    QString m_openFileName;
    bool m_modified = false;
    bool m_helpPage = false;
    bool m_readOnly = false;
    bool m_textFromFile = false;      // the window's text came from the open file name
    std::optional<FileStamp> m_stamp; // that file as it was when loaded or saved
    TextFormat m_format;
    Answer m_lastAnswer = Answer::Yes;
};

// Texts shown by the document commands.
namespace DocumentTexts {
inline const QString saveQuestion = QStringLiteral("Save changes to open HTML file before closing?");
inline const QString saveAsTitle = QStringLiteral("Save HTML File As...");
inline const QString openTitle = QStringLiteral("Open HTML File");
inline const QString statusPrefix = QStringLiteral("Open HTML File:  ");
inline const QString noTemplate = QStringLiteral(
    "You have not selected a Template file yet. Go to the OPTIONS screen and select one from the Files tab.");
inline const QString cannotOpenTemplate = QStringLiteral(
    "Cannot open this file. Has it been moved, renamed, or deleted? Please right-click it and select \"Change file "
    "link\" to re-establish the file link.");
QString saveFailed(const QString &path, const QString &reason);
QString notFromThisFile(const QString &path);
QString changedOnDisk(const QString &path);
QString cannotOpen(const QString &message, const QString &reason);
inline const QString readOnlyNote =
    QStringLiteral("   (read-only: this file holds NUL bytes, so it is not a text page)");
} // namespace DocumentTexts

// The skeleton of a new document, lines ended by CR LF.
QString newDocumentSkeleton();
inline const QString kProductPageAddress = QStringLiteral("https://www.tovarel.pro/");
