#pragma once

#include "platform/AppFolders.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

// Every key of the two settings files, in the one table of Settings.cpp.
enum class SettingKey {
    // DEFAULT.INI
    StartLocation,
    FilesLocation,
    FilesSelected,
    FilesUseSel,
    FilesConfirm,
    RelImage,
    PreviewOption,
    ImagesFolder,
    MsieControl,
    HtmlExt,
    TagsStrong,
    TagsEm,
    EditProblem,
    FtpPath,
    ImageEditor,
    ImagemapEditor,
    UseAnchor,
    AnchorPath,
    TagsColored,
    FormatWrap,
    TidyIndent,
    TidyUpperCase,
    TidyKeepDoctype,
    LivePreview,
    // OPTIONS.INI
    NetscapeProgram,
    MsieProgram,
    HtmlTemplate,
    ShowTips,
    BackupType,
    BackupPromptFreq,
    Email,
    ColorDefault,
    ColorHref,
    ColorImg,
    ColorFont,
    ColorTable,
    ColorList,
    ColorBg,
    ColorText,
    ColorLink,
    ColorVLink,
    ColorALink,
    Recent1,
    Recent2,
    Recent3,
    Recent4,
    SpellMarks,
    Count
};

enum class SettingsFile { Default, Options };
enum class SettingType { Text, Flag, Integer };

struct SettingDefinition {
    SettingKey key;
    SettingsFile file;
    const char *section;
    const char *name;
    SettingType type;
    const char *defaultValue; // nullptr: computed (program folder, home folder)
    bool readAtStartup;
};

const SettingDefinition &settingDefinition(SettingKey key);

inline constexpr const char *kDefaultIniName = "DEFAULT.INI";
inline constexpr const char *kOptionsIniName = "OPTIONS.INI";

// The in-memory settings of one run. Read from the files at start-up; every change is
// written to its file at once, and a failed write is swallowed (the memory value stays).
class Settings final {
public:
    explicit Settings(AppFolders folders);
    // Run in place in `folder` (tests, tools).
    explicit Settings(const QString &folder) : Settings(AppFolders::inPlace(folder)) {}

    // The shipped files are read from folders().shipped(); the settings files and
    // everything else the program writes live in folders().writable().
    const AppFolders &folders() const { return m_folders; }
    QString iniPath(SettingsFile file) const;

    // Start-up reads, one block per file; a key missing or unreadable keeps its default.
    void readDefaultIni();
    void readOptionsIni(); // the keys marked for start-up, the recent projects too: one pass

    QString text(SettingKey key) const;
    bool flag(SettingKey key) const;
    int integer(SettingKey key) const;
    QString defaultText(SettingKey key) const;

    // Memory only (for example the UseSel substitution of start-up).
    void setInMemory(SettingKey key, const QString &value);
    // Memory and file; returns whether the file was written.
    bool store(SettingKey key, const QString &value);
    bool storeFlag(SettingKey key, bool value);
    bool storeInteger(SettingKey key, int value);

    // A key of the table read from its file now (for keys not read at start-up).
    void reload(SettingKey key);
    // The file alone, memory left as it is: what the file holds for a key now (empty when
    // it holds nothing), and writing it.
    QString storedText(SettingKey key) const;
    bool storeInFile(SettingKey key, const QString &value) const;

    // The closings of a project counted for the backup reminder, in OPTIONS.INI [Backup]
    // under a key made from the project's name (so outside the table); 0 when not counted.
    int backupCounter(const QString &counterKey) const;
    bool storeBackupCounter(const QString &counterKey, int closings) const;

    // The colour of a tag kind: a colour name, or a decimal 0x00BBGGRR value; red otherwise.
    quint32 tagColour(SettingKey key) const;

private:
    void readKeys(SettingsFile file, const QList<SettingKey> &keys);
    void readStartupKeys(SettingsFile file);
    QString typedValue(SettingKey key, const std::optional<QString> &stored) const;

    AppFolders m_folders;
    std::array<QString, size_t(SettingKey::Count)> m_values;
};
