#include "tools/BackupReminder.h"
#include "config/Settings.h"
#include "platform/IniFile.h"
#include "testsupport/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {
// Settings with the reminder's type and prompt frequency as the Backup page stores them.
Settings reminderSettings(const TempProgramFolder &folder, int reminderType, int promptFrequency)
{
    Settings settings(folder.path());
    settings.setInMemory(SettingKey::BackupType, QString::number(reminderType));
    settings.setInMemory(SettingKey::BackupPromptFreq, QString::number(promptFrequency));
    return settings;
}
} // namespace

TEST(BackupReminder, SixthClosingRemindsAndResets)
{
    TempProgramFolder folder;
    const Settings settings = reminderSettings(folder, 1, 5);
    QList<bool> due;
    for (int closing = 1; closing <= 12; ++closing)
        due << BackupReminder::countClosing(settings, "MySite.out");
    EXPECT_EQ(due, QList<bool>({false, false, false, false, false, true, false, false, false, false, false, true}));
    EXPECT_EQ(IniFile(folder.file("OPTIONS.INI")).readInt("Backup", "MYSITE", -1), 0);
    EXPECT_EQ(BackupReminder::counterKey("site.out"), "SITE");

    BackupReminder::countClosing(settings, "MySite.out");
    BackupReminder::backedUp(settings, "MySite.out");
    EXPECT_EQ(IniFile(folder.file("OPTIONS.INI")).readInt("Backup", "MYSITE", -1), 0);
}

TEST(BackupReminder, NothingIsCountedWithoutAReminderOrAProject)
{
    TempProgramFolder folder;
    EXPECT_FALSE(BackupReminder::countClosing(reminderSettings(folder, 0, 5), "site.out"));
    EXPECT_FALSE(BackupReminder::countClosing(reminderSettings(folder, 2, 0), "site.out"));
    EXPECT_FALSE(BackupReminder::countClosing(reminderSettings(folder, 1, 5), ""));
    EXPECT_FALSE(BackupReminder::countClosing(reminderSettings(folder, 1, 0), "Welcome.OUT"));
    EXPECT_FALSE(folder.exists("OPTIONS.INI"));
    // A frequency of 0 reminds every time.
    EXPECT_TRUE(BackupReminder::countClosing(reminderSettings(folder, 1, 0), "site.out"));
}
