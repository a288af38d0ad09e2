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
    const TextFormat latin1Lf{TextEncoding::Latin1, LineEnd::Lf, false};
    const TextFormat utf8CrBom{TextEncoding::Utf8, LineEnd::Cr, true};
    const RecoveredPage pages[] = {
        {"/site/ünïcode page.htm", kAt, "<HTML>\nline two\n\nlast ✓"},
        {"/site/empty.htm", kAt, ""},
        {"/site/odd.htm", kAt, "page=forged\nchanged=never\n\n"}, // header look-alikes stay text
        // The way the file is written comes back too, whatever the bytes alone would suggest.
        {"/site/latin.htm", kAt, "caf\u00e9\nna\u00efve\n", latin1Lf},
        {"/site/ascii-latin.htm", kAt, "only ASCII\nso far", latin1Lf},
        {"/site/one-line.htm", kAt, "no break", latin1Lf},
        {"/site/bom.htm", kAt, "a\nb", utf8CrBom},
        {"/site/mixed.htm", kAt, "first\nsecond\n\nfourth\nfifth", latin1Lf, {{0, LineEnd::CrLf}, {2, LineEnd::Cr}}},
        {"/site/widget.htm", kAt, "reserved \u2029 and \ufdd0 here\n", utf8CrBom, {{0, LineEnd::Lf}}},
        {"/site/cannot-be-latin.htm", kAt, "✓ \u00e9", latin1Lf}, // saved as UTF-8, so kept as UTF-8
    };
    for (const RecoveredPage &page : pages) {
        SCOPED_TRACE(page.pageName.toStdString());
        QString error;
        ASSERT_TRUE(RecoveryFile::write(path, page, &error)) << error.toStdString();
        const std::optional<RecoveredPage> back = RecoveryFile::read(path, &error);
        ASSERT_TRUE(back.has_value()) << error.toStdString();
        EXPECT_EQ(back->pageName, page.pageName);
        EXPECT_EQ(back->changed, page.changed);
        EXPECT_EQ(back->text, page.text);
        TextFormat saved;
        const QByteArray savedBytes = encodeText(page.text, page.format, &saved, page.otherLineEnds);
        EXPECT_EQ(back->format, saved);
        EXPECT_EQ(back->otherLineEnds, page.otherLineEnds);
        EXPECT_EQ(encodeText(back->text, back->format, nullptr, back->otherLineEnds), savedBytes);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"recovery.dat"}); // no temporary left
}

// A copy left by the version before the format was kept: UTF-8 text with '\n' breaks.
TEST(RecoveryFile, ReadsACopyOfTheFirstFormat)
{
    const std::optional<RecoveredPage> page = RecoveryFile::decode(
        "Tovarel Pro recovery 1\npage=/a.htm\nchanged=2026-12-08T09:15:30.250Z\n\n<P>caf\xc3\xa9\nlast");
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->pageName, "/a.htm");
    EXPECT_EQ(page->text, "<P>caf\u00e9\nlast");
    EXPECT_EQ(page->format, TextFormat{});
    EXPECT_TRUE(page->otherLineEnds.isEmpty());
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
        "Tovarel Pro recovery 3\npage=/a.htm\nchanged=2026-12-08T09:15:30.250Z\n\ntext",
        "Tovarel Pro recovery 2\npage=/a.htm\nchanged=2026-12-08T09:15:30.250Z\n\ntext", // no format
        "Tovarel Pro recovery 2\npage=/a.htm\nchanged=2026-12-08T09:15:30.250Z\nformat=utf-8\n\ntext",
        "Tovarel Pro recovery 2\npage=/a.htm\nchanged=2026-12-08T09:15:30.250Z\nformat=ebcdic lf\n\ntext",
        "Tovarel Pro recovery 2\npage=/a.htm\nchanged=2026-12-08T09:15:30.250Z\nformat=utf-8 lf cr\n\ntext",
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
