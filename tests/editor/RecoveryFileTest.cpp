// The crash recovery copy: its file read back as written, bad files refused, and the copy
// written only once typing has rested and removed once nothing is unsaved.
#include "editor/RecoveryFile.h"

#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QDateTime kAt(QDate(2026, 12, 8), QTime(9, 15, 30, 250));

TEST(RecoveryFile, ReadsBackWhatItWrote)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("recovery.dat");
    const RecoveredPage pages[] = {
        {"/site/ünïcode page.htm", kAt, "<HTML>\nline two\n\nlast ✓"},
        {"/site/empty.htm", kAt, ""},
        {"/site/odd.htm", kAt, "page=forged\nchanged=never\n\n"}, // header look-alikes stay text
    };
    for (const RecoveredPage &page : pages) {
        QString error;
        ASSERT_TRUE(RecoveryFile::write(path, page, &error)) << error.toStdString();
        const std::optional<RecoveredPage> back = RecoveryFile::read(path, &error);
        ASSERT_TRUE(back.has_value()) << error.toStdString();
        EXPECT_EQ(back->pageName, page.pageName);
        EXPECT_EQ(back->changed, page.changed);
        EXPECT_EQ(back->text, page.text);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"recovery.dat"}); // no temporary left
}

TEST(RecoveryFile, RefusesWhatIsNotARecoveryFile)
{
    const char *bad[] = {
        "",
        "<HTML>a page</HTML>",
        "Tovarel Pro recovery 1\npage=/a.htm\nchanged=2026-12-08T09:15:30.250Z\n", // header never ends
        "Tovarel Pro recovery 1\nchanged=2026-12-08T09:15:30.250Z\n\ntext",        // no page
        "Tovarel Pro recovery 1\npage=/a.htm\n\ntext",                             // no time
        "Tovarel Pro recovery 1\npage=/a.htm\nchanged=yesterday\n\ntext",
        "Tovarel Pro recovery 2\npage=/a.htm\nchanged=2026-12-08T09:15:30.250Z\n\ntext",
    };
    for (const char *bytes : bad) {
        QString error;
        EXPECT_FALSE(RecoveryFile::decode(QByteArray(bytes), &error).has_value()) << bytes;
        EXPECT_FALSE(error.isEmpty()) << bytes;
    }
    QString error;
    EXPECT_FALSE(RecoveryFile::write("/no/such/folder/recovery.dat", {"a", kAt, "t"}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(RecoveryFile::read("/no/such/folder/recovery.dat").has_value());
}

TEST(RecoveryKeeper, WritesOnceTypingRestsAndRemovesOnceNothingIsUnsaved)
{
    QTemporaryDir dir;
    FixedClock clock(kAt);
    RecoveryKeeper keeper(dir.filePath("recovery.dat"), clock);
    int asked = 0;
    const auto page = [&asked] {
        ++asked;
        return RecoveredPage{"/a.htm", {}, "typed"};
    };

    keeper.tick(true, page); // unsaved, but nothing typed since the start
    EXPECT_FALSE(QFile::exists(keeper.filePath()));

    keeper.textChanged();
    clock.set(kAt.addSecs(RecoveryKeeper::kQuietSeconds - 1));
    keeper.tick(true, page);
    EXPECT_FALSE(QFile::exists(keeper.filePath())) << "still typing";
    EXPECT_EQ(asked, 0);

    clock.set(kAt.addSecs(RecoveryKeeper::kQuietSeconds));
    keeper.tick(true, page);
    ASSERT_TRUE(QFile::exists(keeper.filePath()));
    EXPECT_EQ(RecoveryFile::read(keeper.filePath())->changed, kAt); // the time of the change, not of the copy
    keeper.tick(true, page);
    EXPECT_EQ(asked, 1) << "nothing new: not written again";

    keeper.tick(false, page); // saved
    EXPECT_FALSE(QFile::exists(keeper.filePath()));

    // A copy left by a crash is the keeper's to remove once nothing is unsaved.
    ASSERT_TRUE(RecoveryFile::write(keeper.filePath(), {"/b.htm", kAt, "old"}));
    RecoveryKeeper next(keeper.filePath(), clock);
    next.tick(false, page);
    EXPECT_FALSE(QFile::exists(keeper.filePath()));
}

TEST(RecoveryKeeper, ACopyThatCannotBeWrittenIsTriedAgain)
{
    QTemporaryDir dir;
    FixedClock clock(kAt);
    const QString folder = dir.filePath("later");
    RecoveryKeeper keeper(folder + "/recovery.dat", clock);
    keeper.textChanged();
    clock.set(kAt.addSecs(10));
    keeper.tick(true, [] { return RecoveredPage{"/a.htm", {}, "typed"}; });
    EXPECT_FALSE(QFile::exists(keeper.filePath()));
    ASSERT_TRUE(QDir().mkpath(folder));
    keeper.tick(true, [] { return RecoveredPage{"/a.htm", {}, "typed"}; });
    EXPECT_TRUE(QFile::exists(keeper.filePath()));
}

} // namespace
