#include "spell/UserDictionary.h"
#include "testsupport/TempProgramFolder.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(TUserDictionary, RoundTripOfWordsAndPairs)
{
    TempProgramFolder folder;
    const QString path = folder.file(QStringLiteral("mine.udt"));
    {
        TUserDictionary dictionary(path);
        dictionary.load(); // missing: empty
        EXPECT_TRUE(dictionary.words().isEmpty());
        EXPECT_TRUE(dictionary.addWord(QStringLiteral("Zebra")));
        EXPECT_TRUE(dictionary.addWord(QStringLiteral("apple")));
        EXPECT_TRUE(dictionary.addWord(QStringLiteral("café")));
        EXPECT_FALSE(dictionary.addWord(QStringLiteral("APPLE"))); // already there, ignoring case
        EXPECT_TRUE(dictionary.addPair(QStringLiteral("teh"), QStringLiteral("the")));
        EXPECT_TRUE(dictionary.addPair(QStringLiteral("TEH"), QStringLiteral("The"))); // replaces the pair
        EXPECT_TRUE(dictionary.addPair(QStringLiteral("adn"), QStringLiteral("and")));
        EXPECT_FALSE(dictionary.addPair(QStringLiteral("x"), QString()));
        EXPECT_EQ(dictionary.words(), QStringList({"apple", "café", "Zebra"}));
        EXPECT_FALSE(QFile::exists(path)); // written when closed
    }
    const QByteArray bytes = folder.read(QStringLiteral("mine.udt"));
    EXPECT_EQ(bytes, QByteArray("[Added]\r\nIGN_ListCount=3\r\nIGN_0=apple\r\nIGN_1=caf\xe9\r\nIGN_2=Zebra\r\n\r\n"
                                "[Auto Correct]\r\nAC_ListCount=2\r\nAC_0=teh@@@The\r\nAC_1=adn@@@and\r\n"));
    TUserDictionary again(path);
    again.load();
    EXPECT_EQ(again.words(), QStringList({"apple", "café", "Zebra"}));
    EXPECT_TRUE(again.contains(u"ZEBRA"));
    EXPECT_TRUE(again.contains(u"CAFÉ"));
    EXPECT_FALSE(again.contains(u"zebr"));
    EXPECT_EQ(again.replacementFor(u"Teh"), QStringLiteral("The"));
    EXPECT_TRUE(again.replacementFor(u"the").isNull());
    EXPECT_FALSE(again.isModified());
    EXPECT_TRUE(again.removeWord(u"APPLE"));
    EXPECT_TRUE(again.removePair(u"ADN"));
    EXPECT_FALSE(again.removePair(u"adn"));
    EXPECT_TRUE(again.save());
    TUserDictionary third(path);
    third.load();
    EXPECT_EQ(third.words(), QStringList({"café", "Zebra"}));
    EXPECT_EQ(third.misspellings(), QStringList({"teh"}));
}

TEST(TUserDictionary, ReadsWhatAHandWrittenFileHolds)
{
    TempProgramFolder folder;
    // Other sections, odd spacing, quotes, gaps in the list and a count that is too high.
    const QString path =
        folder.write(QStringLiteral("hand.udt"),
                     "; mine\r\n[Other]\r\nIGN_ListCount=1\r\nIGN_0=nope\r\n[ added ]\r\n"
                     "ign_listcount = 5\r\nIGN_0 = one \r\nIGN_2=\"two\"\r\nIGN_0=dup\r\n"
                     "[Added]\r\nIGN_ListCount=1\r\nIGN_0=second section\r\n"
                     "[Auto Correct]\r\nAC_ListCount=3\r\nAC_0=@@@x\r\nAC_1=ab@@@\r\nAC_2=a@@@b@@@c\r\n");
    TUserDictionary dictionary(path);
    dictionary.load();
    EXPECT_EQ(dictionary.words(), QStringList({"one", "two"}));
    EXPECT_EQ(dictionary.misspellings(), QStringList({"a"}));
    EXPECT_EQ(dictionary.replacements(), QStringList({"b@@@c"}));
}

TEST(TUserDictionary, PlainListsAreReadOnly)
{
    TempProgramFolder folder;
    const QByteArray original = "Smith\r\n  jones  \r\n\r\nSMITH\n";
    const QString path = folder.write(QStringLiteral("names.DIC"), original);
    {
        TUserDictionary dictionary(path);
        dictionary.load();
        EXPECT_TRUE(dictionary.isReadOnly());
        EXPECT_EQ(dictionary.words(), QStringList({"jones", "Smith"}));
        EXPECT_FALSE(dictionary.addWord(QStringLiteral("brown")));
        EXPECT_FALSE(dictionary.removeWord(u"smith"));
        EXPECT_FALSE(dictionary.addPair(QStringLiteral("a"), QStringLiteral("b")));
        EXPECT_TRUE(dictionary.contains(u"JONES"));
    }
    EXPECT_EQ(folder.read(QStringLiteral("names.DIC")), original);
}

// Counts are claims: only the items present are read, however large the count (a count of
// two thousand million must not mean two thousand million look-ups).
TEST(TUserDictionary, HostileCountsReadOnlyTheItemsPresent)
{
    TempProgramFolder folder;
    const QString path = folder.write(
        QStringLiteral("big.udt"), "[Added]\r\nIGN_ListCount=2000000000\r\nIGN_1999999999=last\r\nIGN_07=padded\r\n"
                                   "IGN_-1=negative\r\nIGN_2000000000=beyond\r\nIGN_0=first\r\n"
                                   "[Auto Correct]\r\nAC_ListCount=2147483647\r\nAC_9=teh@@@the\r\nAC_3=TEH@@@x\r\n");
    TUserDictionary dictionary(path);
    dictionary.load();
    EXPECT_EQ(dictionary.words(), QStringList({"first", "last"}));
    // Index order, not file order: AC_3 comes first and wins.
    EXPECT_EQ(dictionary.misspellings(), QStringList({"TEH"}));
    EXPECT_EQ(dictionary.replacements(), QStringList({"x"}));
}
