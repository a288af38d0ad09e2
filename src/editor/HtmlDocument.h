#pragma once

#include "platform/Prompts.h"
#include "platform/TextFile.h"

#include <QString>

#include <functional>

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
};

inline constexpr int kSettingsPageFiles = 0;
inline constexpr int kSettingsPageTagOptions = 1;

// The one HTML document of the editing window: its file name, its modified state and
// the commands that start, load, save and close it without ever losing a change.
class HtmlDocument final {
public:
    HtmlDocument(EditorAccess &editor, Prompts &prompts, Settings &settings, Clipboard &clipboard, DocumentHooks hooks);

    void setOpenFilter(const QString &filter) { m_openFilter = filter; }

    const QString &openFileName() const { return m_openFileName; }
    // The name alone, without a load or the status text (a command about to load a file).
    void setOpenFileName(const QString &name) { m_openFileName = name; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    bool isHelpPage() const { return m_helpPage; }
    void setHelpPage(bool helpPage) { m_helpPage = helpPage; }
    const TextFormat &format() const { return m_format; }
    Answer lastAnswer() const { return m_lastAnswer; }

    QString untitledName() const;
    bool isUntitled() const;

    // Start-up: the empty untitled document.
    void startUntitled();

    // The open-document question; callers stop on Cancel. A failed save also gives Cancel,
    // so nothing that follows can throw the unsaved text away.
    Answer askToSave(DocumentAsker asker = DocumentAsker::Other);

    // Reads a file into the editing window; false (and nothing changed) when it cannot be read.
    bool load(const QString &path);

    // The File menu commands.
    void newFile();
    void openFile();
    void openTemplate();
    void save();
    void saveAs();
    void close();

private:
    void showOpenFileName();
    bool writeTo(const QString &path);
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
inline const QString cannotOpen = QStringLiteral(
    "Cannot open this file. Has it been moved, renamed, or deleted? Please right-click it and select \"Change file "
    "link\" to re-establish the file link.");
QString saveFailed(const QString &path, const QString &reason);
} // namespace DocumentTexts

// The skeleton of a new document, lines ended by CR LF.
QString newDocumentSkeleton();
inline const QString kProductPageAddress = QStringLiteral("https://www.tovarel.pro/");
