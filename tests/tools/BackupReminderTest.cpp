#include "tools/BackupReminder.h"
#include "platform/IniFile.h"
#include "testsupport/TempProgramFolder.h"

#include <gtest/gtest.h>

TEST(BackupReminder, SixthClosingRemindsAndResets)
{
    TempProgramFolder folder;
    const QString ini = folder.file("OPTIONS.INI");
    QList<bool> due;
    for (int closing = 1; closing <= 12; ++closing)
        due << BackupReminder::countClosing(ini, 1, 5, "MySite.out");
    EXPECT_EQ(due, QList<bool>({false, false, false, false, false, true, false, false, false, false, false, true}));
    EXPECT_EQ(IniFile(ini).readInt("Backup", "MYSITE", -1), 0);
    EXPECT_EQ(BackupReminder::counterKey("site.out"), "SITE");
}

TEST(BackupReminder, NothingIsCountedWithoutAReminderOrAProject)
{
    TempProgramFolder folder;
    const QString ini = folder.file("OPTIONS.INI");
    EXPECT_FALSE(BackupReminder::countClosing(ini, 0, 5, "site.out"));
    EXPECT_FALSE(BackupReminder::countClosing(ini, 2, 0, "site.out"));
    EXPECT_FALSE(BackupReminder::countClosing(ini, 1, 5, ""));
    EXPECT_FALSE(BackupReminder::countClosing(ini, 1, 0, "Welcome.OUT"));
    EXPECT_FALSE(folder.exists("OPTIONS.INI"));
    EXPECT_TRUE(BackupReminder::countClosing(ini, 1, 0, "site.out")); // a frequency of 0 reminds every time
}
