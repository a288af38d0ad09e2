#include "config/Settings.h"
#include "config/ColorNames.h"
#include "platform/IniFile.h"
#include "testsupport/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {
struct Expected {
    SettingKey key;
    const char *value;
};

Settings freshSettings(const TempProgramFolder &folder)
{
    Settings settings(folder.path());
    settings.readDefaultIni();
    settings.readOptionsIni();
    return settings;
}
} // namespace

TEST(Settings, FreshInstallGivesTheTableDefaults)
{
    TempProgramFolder folder;
    const Settings settings = freshSettings(folder);
    const Expected expected[] = {
        {SettingKey::TagsColored, "0"},      {SettingKey::FormatWrap, "1"},       {SettingKey::PreviewOption, "temp"},
        {SettingKey::BackupType, "1"},       {SettingKey::BackupPromptFreq, "5"}, {SettingKey::ShowTips, "1"},
        {SettingKey::FilesConfirm, "1"},     {SettingKey::FilesUseSel, "0"},      {SettingKey::MsieControl, "1"},
        {SettingKey::HtmlExt, "html"},       {SettingKey::TagsStrong, "0"},       {SettingKey::TagsEm, "0"},
        {SettingKey::EditProblem, "0"},      {SettingKey::ColorDefault, "clRed"}, {SettingKey::ColorHref, "clRed"},
        {SettingKey::ColorImg, "clRed"},     {SettingKey::ColorFont, "clRed"},    {SettingKey::ColorTable, "clRed"},
        {SettingKey::ColorList, "clRed"},    {SettingKey::ColorBg, "16777215"},   {SettingKey::ColorText, "0"},
        {SettingKey::ColorLink, "16711680"}, {SettingKey::ColorVLink, "8388736"}, {SettingKey::ColorALink, "10485760"},
        {SettingKey::Recent1, ""},           {SettingKey::Recent4, ""},           {SettingKey::HtmlTemplate, ""},
        {SettingKey::TidyIndent, "0"},       {SettingKey::TidyUpperCase, "1"},    {SettingKey::TidyKeepDoctype, "1"},
    };
    for (const Expected &e : expected)
        EXPECT_EQ(settings.text(e.key), QLatin1String(e.value)) << settingDefinition(e.key).name;
    EXPECT_EQ(settings.text(SettingKey::StartLocation), folder.path());
    EXPECT_EQ(settings.text(SettingKey::FilesLocation), QDir::homePath() + QLatin1Char('/'));
    for (SettingKey tag : {SettingKey::ColorDefault, SettingKey::ColorHref, SettingKey::ColorImg, SettingKey::ColorFont,
                           SettingKey::ColorTable, SettingKey::ColorList})
        EXPECT_EQ(settings.tagColour(tag), 0x0000FFu);
    EXPECT_FALSE(settings.text(SettingKey::Email).isEmpty());
}

TEST(Settings, KeysAreReadFromTheirOwnFileOnly)
{
    TempProgramFolder folder;
    // [Location] and [Colors] exist in both files; each key belongs to one of them.
    folder.write("DEFAULT.INI", "[Location]\r\nNetscape=/wrong/file\r\nPreviewOption=nosave\r\n");
    folder.write("OPTIONS.INI", "[Location]\r\nPreviewOption=auto\r\nNetscape=/usr/bin/netscape\r\n"
                                "[Colors]\r\nHREF=clBlue\r\nimg=clTeal\r\nTABLE=255\r\nLIST=bogus\r\n"
                                "[Recent]\r\nFile1=/p/a.out\r\nFILE3=/p/c.out\r\n");
    const Settings settings = freshSettings(folder);
    EXPECT_EQ(settings.text(SettingKey::PreviewOption), QStringLiteral("nosave"));
    EXPECT_EQ(settings.text(SettingKey::NetscapeProgram), QStringLiteral("/usr/bin/netscape"));
    EXPECT_EQ(settings.tagColour(SettingKey::ColorHref), 0xFF0000u);
    EXPECT_EQ(settings.tagColour(SettingKey::ColorImg), 0x808000u);
    EXPECT_EQ(settings.tagColour(SettingKey::ColorTable), 255u);
    EXPECT_EQ(settings.tagColour(SettingKey::ColorList), 0x0000FFu);
    EXPECT_EQ(settings.text(SettingKey::Recent1), QStringLiteral("/p/a.out"));
    EXPECT_EQ(settings.text(SettingKey::Recent2), QString());
    EXPECT_EQ(settings.text(SettingKey::Recent3), QStringLiteral("/p/c.out"));
}

TEST(Settings, BrokenOrBinarySettingsFilesGiveDefaults)
{
    const QByteArray hostile[] = {
        QByteArray("\x00\x01\x02[Tags\x00]Colored=1\xff\xfe", 18),
        QByteArray(200000, '['),
        QByteArray("[Format]\r\nWrap=yes please\r\n[Backup]\r\nPromptFreq=12abc\r\nType=\r\n"),
        QByteArray("\xef\xbb\xbf[HTML]\nExt\n=\n[=]\n"),
    };
    for (const QByteArray &bytes : hostile) {
        TempProgramFolder folder;
        folder.write("DEFAULT.INI", bytes);
        folder.write("OPTIONS.INI", bytes);
        const Settings settings = freshSettings(folder);
        EXPECT_EQ(settings.text(SettingKey::FormatWrap), QStringLiteral("1"));
        EXPECT_EQ(settings.integer(SettingKey::BackupPromptFreq), 5);
        EXPECT_EQ(settings.integer(SettingKey::BackupType), 1);
        EXPECT_EQ(settings.text(SettingKey::HtmlExt), QStringLiteral("html"));
        EXPECT_FALSE(settings.flag(SettingKey::TagsColored));
    }
}

TEST(Settings, StoreWritesAtOnceAndAFailedWriteKeepsTheMemoryValue)
{
    TempProgramFolder folder;
    Settings settings(folder.path());
    EXPECT_TRUE(settings.storeFlag(SettingKey::FormatWrap, false));
    EXPECT_EQ(IniFile(folder.file("DEFAULT.INI")).readString("Format", "Wrap", "?"), QStringLiteral("0"));

    QDir(folder.path()).mkdir("OPTIONS.INI"); // a folder where the file should be: writes fail
    EXPECT_FALSE(settings.store(SettingKey::HtmlTemplate, "/t/template.html"));
    EXPECT_EQ(settings.text(SettingKey::HtmlTemplate), QStringLiteral("/t/template.html"));
}

TEST(ColorNames, ExactCaseSensitiveTable)
{
    const std::pair<const char *, std::optional<quint32>> cases[] = {
        {"clBlack", 0x000000},     {"clBlue", 0xFF0000}, {"clRed", 0x0000FF},       {"clGreen", 0x008000},
        {"clGray", 0x808080},      {"clNavy", 0x800000}, {"clMaroon", 0x000080},    {"clPurple", 0x800080},
        {"clOlive", 0x008080},     {"clTeal", 0x808000}, {"ClBlue", std::nullopt},  {"clblue", std::nullopt},
        {" clBlue", std::nullopt}, {"", std::nullopt},   {"clWhite", std::nullopt},
    };
    for (const auto &[name, value] : cases) {
        EXPECT_EQ(ColorFromName(QLatin1String(name)), value) << name;
        if (value) {
            EXPECT_EQ(ColorToName(*value), QLatin1String(name));
        }
    }
    EXPECT_EQ(toQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
}
