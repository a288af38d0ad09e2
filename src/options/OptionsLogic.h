#pragma once

#include "config/HtmlExtensions.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class Settings;

inline constexpr int kSettingsPageChangeFilePath = 2;
inline constexpr int kMaxPromptFrequency = 15;
inline constexpr int kMinPromptFrequency = 1;

namespace OptionsTexts {
inline const QString tooManyExtensions =
    QStringLiteral("There are only 15 different extensions allowed. Please delete one before adding another.");
inline const QString emptyExtension =
    QStringLiteral("Please enter a valid extension in the space to the right of the ADD button.");
inline const QString imagePathHowTo = QStringLiteral(
    "In the next dialog box, go to the directory where you store the images used in your HTML files and select any "
    "file in that directory. Then click the OPEN button. That will return the proper directory location.");
inline const QString defaultFolderHowTo = QStringLiteral(
    "In the next dialog box, go to the directory you wish to use as DEFAULT and select any file in that directory. "
    "Then click the OPEN button. That will return the proper directory location.");
inline const QString newPathHowTo = QStringLiteral(
    "In the next dialog box, go to the new directory where your HTML file is located and select any file in that "
    "directory. Then click the OPEN button. That will return the proper path location.");
inline const QString pathsUpdated = QStringLiteral("All file references have been updated with the new path data.");
inline const QString browseTitle = QStringLiteral("Select any file in the new directory location, then click OPEN");
// Programs on Linux have no extension: the first entry lists every file that may be run.
inline const QString browseFilter = QStringLiteral("Executable Files|*|All Files|*.*");
inline constexpr int executablesEntry = 1;
inline constexpr int allFilesEntry = 2;
} // namespace OptionsTexts

// The colour boxes' ten names in box order; a value outside the table shows as index 0.
const std::array<QString, 10> &tagColourNames();
int tagColourIndex(quint32 colour);
// What a colour box shows for a stored name: "Red" for "clRed".
QString tagColourCaption(const QString &name);
int tagColourIndexOfName(const QString &name);
quint32 tagColourOfName(const QString &name);

// The extension list of the dialog: kept sorted, at most 15 added by hand.
enum class AddExtensionResult { Added, TooMany, Empty };
void sortExtensions(QStringList &extensions);
AddExtensionResult addExtension(QStringList &extensions, const QString &typed);
QStringList extensionsForDialog(const QString &programFolder);
// The list, one per line, to "htmlext.dat"; the reason when it cannot be written.
std::optional<QString> saveExtensions(const QString &programFolder, const QStringList &extensions);

// Change File Path.
// The folders that hold the project's pages, told apart without regard to case, each spelled
// as its first page has it, in order of first appearance.
QStringList projectFolders(const QStringList &paths);
// Pages directly in `oldFolder` (compared without case) move to `newFolder`; the file names
// and the new folder keep their case, so the paths still open on a case-sensitive disk.
QStringList rewriteProjectPaths(const QStringList &paths, const QString &oldFolder, const QString &newFolder);
QString projectPathFile(const QString &programFolder, const QString &projectName);
bool writeProjectPathFile(const QString &programFolder, const QString &projectName, const QStringList &paths);

int clampPromptFrequency(int value);
// Empty gives "html"; one leading dot is dropped.
QString defaultExtensionFrom(const QString &typed);

// Every value the dialog shows, as filled from the settings and as read back for Apply.
struct OptionsForm {
    QStringList extensions;
    QString defaultExt;
    QString templatePath;
    QString imagePath;
    bool useDefaultFolder = false;
    QString defaultFolder;
    bool confirm = true;
    bool largeFile = false;
    std::array<QString, 6> colourNames;
    bool strong = false;
    bool em = false;
    QString netscape;
    QString msie;
    QString previewMode; // "auto", "temp" or "nosave"
    bool hideMsieControl = false;
    bool livePreview = false;
    bool spellMarks = false;
    QString imageEditor;
    QString ftp;
    QString imageMap;
    int backupType = 1;
    int promptFrequency = 5;
};

OptionsForm optionsFormFrom(const Settings &settings, QStringList extensions);

struct OptionsApplied {
    std::optional<QString> extensionsError; // Apply stopped at its first step
    HtmlFileMasks masks;
    QString modeLetter;
};

// Apply: the extension file, the settings in memory and the settings files, in that order.
OptionsApplied applyOptions(const OptionsForm &form, Settings &settings);

// What the settings dialog changes in the main window.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    virtual void setHtmlMasks(const HtmlFileMasks &masks) = 0; // open dialog and Files tab filters
    virtual void setBrowserModeLetter(const QString &letter) = 0;
    virtual QStringList projectPaths() const = 0;
    virtual QString projectName() const = 0; // the project file's name, e.g. "site.out"; empty: none open
    virtual void setProjectPaths(const QStringList &paths) = 0;
};
