#include "config/Settings.h"

#include "config/ColorNames.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"

#include <QDir>

namespace {
using K = SettingKey;
using F = SettingsFile;
using T = SettingType;

// The one table of settings: file, section, key, type, default, read at start-up.
constexpr std::array<SettingDefinition, size_t(SettingKey::Count)> kTable{{
    {K::StartLocation, F::Default, "Start", "Location", T::Text, nullptr, true},
    {K::FilesLocation, F::Default, "Files", "Location", T::Text, nullptr, true},
    {K::FilesSelected, F::Default, "Files", "Selected", T::Text, "", true},
    {K::FilesUseSel, F::Default, "Files", "UseSel", T::Flag, "0", true},
    {K::FilesConfirm, F::Default, "Files", "Confirm", T::Flag, "1", true},
    {K::RelImage, F::Default, "Location", "RelImage", T::Text, "", true},
    {K::PreviewOption, F::Default, "Location", "PreviewOption", T::Text, "temp", true},
    {K::ImagesFolder, F::Default, "Location", "Images", T::Text, "", true},
    {K::MsieControl, F::Default, "HTML", "MSIEControl", T::Flag, "1", true},
    {K::HtmlExt, F::Default, "HTML", "Ext", T::Text, "html", true},
    {K::TagsStrong, F::Default, "TAGS", "STRONG", T::Flag, "0", true},
    {K::TagsEm, F::Default, "TAGS", "EM", T::Flag, "0", true},
    {K::EditProblem, F::Default, "Fix", "EditProblem", T::Flag, "0", true},
    {K::FtpPath, F::Default, "Helpers", "FTPPath", T::Text, "", true},
    {K::ImageEditor, F::Default, "Helpers", "Editor", T::Text, "", true},
    {K::ImagemapEditor, F::Default, "Helpers", "Imagemap", T::Text, "", true},
    {K::UseAnchor, F::Default, "Path", "UseAnchor", T::Flag, "0", true},
    {K::AnchorPath, F::Default, "Path", "AnchorPath", T::Text, "", true},
    {K::TagsColored, F::Default, "Tags", "Colored", T::Flag, "0", true},
    {K::FormatWrap, F::Default, "Format", "Wrap", T::Flag, "1", true},
    {K::TidyIndent, F::Default, "Tidy", "Indent", T::Flag, "0", true},
    {K::TidyUpperCase, F::Default, "Tidy", "UpperCase", T::Flag, "1", true},
    {K::TidyKeepDoctype, F::Default, "Tidy", "KeepDoctype", T::Flag, "1", true},
    {K::LivePreview, F::Default, "Location", "LivePreview", T::Flag, "0", true},
    {K::NetscapeProgram, F::Options, "Location", "Netscape", T::Text, "", true},
    {K::MsieProgram, F::Options, "Location", "MSIE", T::Text, "", true},
    {K::HtmlTemplate, F::Options, "Location", "HTMLTemp", T::Text, "", true},
    {K::ShowTips, F::Options, "Help", "ShowTips", T::Flag, "1", true},
    {K::BackupType, F::Options, "Backup", "Type", T::Integer, "1", true},
    {K::BackupPromptFreq, F::Options, "Backup", "PromptFreq", T::Integer, "5", true},
    {K::Email, F::Options, "Defaults", "EMAIL", T::Text, "xxxxxx@xxxxxxxx.xxx", true},
    {K::ColorDefault, F::Options, "Colors", "DEFAULT", T::Text, "clRed", true},
    {K::ColorHref, F::Options, "Colors", "HREF", T::Text, "clRed", true},
    {K::ColorImg, F::Options, "Colors", "IMG", T::Text, "clRed", true},
    {K::ColorFont, F::Options, "Colors", "FONT", T::Text, "clRed", true},
    {K::ColorTable, F::Options, "Colors", "TABLE", T::Text, "clRed", true},
    {K::ColorList, F::Options, "Colors", "LIST", T::Text, "clRed", true},
    {K::ColorBg, F::Options, "Colors", "BG", T::Integer, "16777215", false},
    {K::ColorText, F::Options, "Colors", "Text", T::Integer, "0", false},
    {K::ColorLink, F::Options, "Colors", "Link", T::Integer, "16711680", false},
    {K::ColorVLink, F::Options, "Colors", "VLink", T::Integer, "8388736", false},
    {K::ColorALink, F::Options, "Colors", "ALink", T::Integer, "10485760", false},
    {K::Recent1, F::Options, "Recent", "File1", T::Text, "", true},
    {K::Recent2, F::Options, "Recent", "File2", T::Text, "", true},
    {K::Recent3, F::Options, "Recent", "File3", T::Text, "", true},
    {K::Recent4, F::Options, "Recent", "File4", T::Text, "", true},
    {K::SpellMarks, F::Options, "Spell", "MarkAsYouType", T::Flag, "0", true},
}};

constexpr bool tableIsInKeyOrder()
{
    for (size_t i = 0; i < kTable.size(); ++i)
        if (size_t(kTable[i].key) != i)
            return false;
    return true;
}
static_assert(tableIsInKeyOrder(), "the settings table must list the keys in enum order");

constexpr quint32 kRed = 0x0000FF;

bool holdsPathSeparator(const QString &text)
{
    return text.contains(QLatin1Char('/')) || text.contains(QLatin1Char('\\')) || text.contains(QChar(0));
}
} // namespace

const SettingDefinition &settingDefinition(SettingKey key)
{
    return kTable[size_t(key)];
}

Settings::Settings(AppFolders folders) : m_folders(std::move(folders))
{
    for (const SettingDefinition &d : kTable)
        m_values[size_t(d.key)] = defaultText(d.key);
}

QString Settings::iniPath(SettingsFile file) const
{
    return m_folders.writable() + QLatin1String(file == SettingsFile::Default ? kDefaultIniName : kOptionsIniName);
}

QString Settings::defaultText(SettingKey key) const
{
    switch (key) {
    case SettingKey::StartLocation:
        return m_folders.writable();
    case SettingKey::FilesLocation:
        return withTrailingSeparator(QDir::homePath());
    default:
        return QLatin1String(settingDefinition(key).defaultValue);
    }
}

void Settings::readKeys(SettingsFile file, const QList<SettingKey> &keys)
{
    // The file is read once for all its keys: a huge settings file costs one pass, not one
    // pass per key.
    QList<IniName> names;
    for (SettingKey key : keys)
        names.append({QLatin1String(settingDefinition(key).section), QLatin1String(settingDefinition(key).name)});
    const QList<std::optional<QString>> found = IniFile(iniPath(file)).readAll().values(names);
    for (qsizetype i = 0; i < keys.size(); ++i)
        m_values[size_t(keys[i])] = typedValue(keys[i], found[i]);
}

QString Settings::typedValue(SettingKey key, const std::optional<QString> &stored) const
{
    const QString fallback = defaultText(key);
    if (!stored)
        return fallback;
    switch (settingDefinition(key).type) {
    case SettingType::Text:
        // The extension names files beside the program ("new." and it): a separator in it
        // would put them in another folder.
        if (key == SettingKey::HtmlExt && holdsPathSeparator(*stored))
            return fallback;
        return *stored;
    case SettingType::Flag: {
        const std::optional<int> number = IniText::parseInt(*stored);
        const bool on = number ? *number != 0 : fallback == QLatin1String("1");
        return on ? QStringLiteral("1") : QStringLiteral("0");
    }
    case SettingType::Integer:
        return QString::number(IniText::parseInt(*stored).value_or(fallback.toInt()));
    }
    return fallback;
}

void Settings::readStartupKeys(SettingsFile file)
{
    QList<SettingKey> keys;
    for (const SettingDefinition &d : kTable)
        if (d.file == file && d.readAtStartup)
            keys.append(d.key);
    readKeys(file, keys);
}

void Settings::readDefaultIni()
{
    readStartupKeys(SettingsFile::Default);
}

void Settings::readOptionsIni()
{
    readStartupKeys(SettingsFile::Options);
}

void Settings::reload(SettingKey key)
{
    readKeys(settingDefinition(key).file, {key});
}

QString Settings::text(SettingKey key) const
{
    return m_values[size_t(key)];
}

bool Settings::flag(SettingKey key) const
{
    return text(key) == QLatin1String("1");
}

int Settings::integer(SettingKey key) const
{
    return text(key).toInt();
}

void Settings::setInMemory(SettingKey key, const QString &value)
{
    m_values[size_t(key)] = value;
}

bool Settings::store(SettingKey key, const QString &value)
{
    setInMemory(key, value);
    return storeInFile(key, value);
}

QString Settings::storedText(SettingKey key) const
{
    const SettingDefinition &d = settingDefinition(key);
    return IniFile(iniPath(d.file)).readString(QLatin1String(d.section), QLatin1String(d.name), QString());
}

bool Settings::storeInFile(SettingKey key, const QString &value) const
{
    const SettingDefinition &d = settingDefinition(key);
    return IniFile(iniPath(d.file)).writeString(QLatin1String(d.section), QLatin1String(d.name), value);
}

namespace {
const QString kBackupSection = QStringLiteral("Backup");
}

int Settings::backupCounter(const QString &counterKey) const
{
    return IniFile(iniPath(SettingsFile::Options)).readInt(kBackupSection, counterKey, 0);
}

bool Settings::storeBackupCounter(const QString &counterKey, int closings) const
{
    return IniFile(iniPath(SettingsFile::Options)).writeInt(kBackupSection, counterKey, closings);
}

bool Settings::storeFlag(SettingKey key, bool value)
{
    return store(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool Settings::storeInteger(SettingKey key, int value)
{
    return store(key, QString::number(value));
}

quint32 Settings::tagColour(SettingKey key) const
{
    const QString value = text(key);
    if (const std::optional<quint32> named = ColorFromName(value))
        return *named;
    bool isNumber = false;
    const quint32 number = value.toUInt(&isNumber);
    return isNumber ? (number & 0xFFFFFF) : kRed;
}
