#include "dialogs/CustomTagList.h"
#include "dialogs/SnipList.h"
#include "testsupport/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QFile>

TEST(CustomTagList, LoadSortsAndTheHeadersGoOnTop)
{
    TempProgramFolder folder;
    const QString path =
        folder.write("custom.dat", "red * <FONT COLOR=\"red\"></FONT>\r\nBold * <B></B>\r\naa * <I>\r\n");
    CustomTagList list;
    list.load(path);
    EXPECT_EQ(list.comboItems(), QStringList({"  Select a Custom Tag to Insert", " NONE", "aa * <I>", "Bold * <B></B>",
                                              "red * <FONT COLOR=\"red\"></FONT>"}));
    EXPECT_TRUE(CustomTagList::isHeaderItem(1));
    EXPECT_FALSE(CustomTagList::isHeaderItem(2));
}

TEST(CustomTagList, SavedWholeWithCrLfAndWithoutHeaders)
{
    TempProgramFolder folder;
    const QString path = folder.file("custom.dat");
    CustomTagList list;
    list.load(path); // missing: empty
    EXPECT_EQ(list.comboItems().size(), 2);
    list.add(QStringLiteral("zz * <U></U>"));
    list.add(QStringLiteral("Bold * <B></B>"));
    ASSERT_TRUE(list.save(path));
    EXPECT_EQ(folder.read("custom.dat"), "Bold * <B></B>\r\nzz * <U></U>\r\n");

    list.replaceAll({});
    ASSERT_TRUE(list.save(path));
    EXPECT_EQ(folder.read("custom.dat"), "");
}

TEST(CustomTagList, LatinOneFileAndLfLinesComeBackAsLatinOneWithCrLf)
{
    TempProgramFolder folder;
    const QString path = folder.write("custom.dat", "Caf\xe9 * <B></B>\nA * <I></I>");
    CustomTagList list;
    list.load(path);
    ASSERT_EQ(list.entries().size(), 2);
    EXPECT_EQ(list.entries()[1], QStringLiteral("Caf\u00e9 * <B></B>"));
    ASSERT_TRUE(list.save(path));
    EXPECT_EQ(folder.read("custom.dat"), "A * <I></I>\r\nCaf\xe9 * <B></B>\r\n");
}

TEST(CustomTagList, AFailedWriteKeepsTheListAndTheOldFile)
{
    TempProgramFolder folder;
    const QString path = folder.file("missing folder/custom.dat");
    CustomTagList list;
    list.add(QStringLiteral("a * <B></B>"));
    QString error;
    EXPECT_FALSE(list.save(path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(list.entries(), QStringList({"a * <B></B>"}));
    EXPECT_TRUE(error.contains(QStringLiteral("custom.dat")));
    EXPECT_TRUE(cannotWriteDataFile(error).startsWith(error));
}

TEST(SnipList, SortedOnAddAndWrittenInThatOrder)
{
    TempProgramFolder folder;
    const QString path = folder.file("urlsnips.dat");
    SnipList snips;
    snips.load(path);
    EXPECT_TRUE(snips.entries().isEmpty());
    for (const char *text : {"b", "a", "c"})
        snips.add(QLatin1String(text));
    ASSERT_TRUE(snips.save(path));
    EXPECT_EQ(folder.read("urlsnips.dat"), "a\r\nb\r\nc\r\n");

    SnipList again;
    again.load(path);
    EXPECT_EQ(again.entries(), QStringList({"a", "b", "c"}));
}

TEST(SnipList, SortIgnoresCaseLikeASortedListBox)
{
    SnipList snips;
    for (const char *text : {"beta", "Alpha", "alpha", "Gamma"})
        snips.add(QLatin1String(text));
    EXPECT_EQ(snips.entries(), QStringList({"Alpha", "alpha", "beta", "Gamma"}));
}

TEST(SnipList, SelectionAfterDelete)
{
    struct Case {
        int removed;
        int selectedAfter;
        QStringList left;
    };
    const Case cases[] = {
        {0, -1, {"b", "c"}},
        {2, 1, {"a", "b"}},
        {-1, -1, {"a", "b", "c"}}, // nothing selected: nothing happens
        {3, -1, {"a", "b", "c"}},
    };
    for (const Case &c : cases) {
        SnipList snips;
        for (const char *text : {"a", "b", "c"})
            snips.add(QLatin1String(text));
        EXPECT_EQ(snips.remove(c.removed), c.selectedAfter) << c.removed;
        EXPECT_EQ(snips.entries(), c.left) << c.removed;
    }
}

TEST(SnipList, EditedEntryMovesToItsSortedPlace)
{
    SnipList snips;
    for (const char *text : {"a", "b", "c"})
        snips.add(QLatin1String(text));
    EXPECT_EQ(snips.replace(0, QStringLiteral("d")), 2);
    EXPECT_EQ(snips.entries(), QStringList({"b", "c", "d"}));
}

TEST(SnipList, ALineBreakNeverSplitsAnEntryInTheFile)
{
    TempProgramFolder folder;
    const QString path = folder.file("missnips.dat");
    SnipList snips;
    snips.add(QStringLiteral("one\r\ntwo\nthree"));
    ASSERT_TRUE(snips.save(path));
    EXPECT_EQ(folder.read("missnips.dat"), "one two three\r\n");
}

TEST(SnipList, EmptyLinesInsideTheFileStayEntries)
{
    TempProgramFolder folder;
    const QString path = folder.write("missnips.dat", "x\r\n\r\ny\r\n");
    SnipList snips;
    snips.load(path);
    EXPECT_EQ(snips.entries(), QStringList({"", "x", "y"}));
    ASSERT_TRUE(snips.save(path));
    EXPECT_EQ(folder.read("missnips.dat"), "\r\nx\r\ny\r\n");
}
