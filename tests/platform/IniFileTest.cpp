#include "platform/IniFile.h"
#include "platform/IniText.h"

#include "testsupport/TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace {

// Byte strings with embedded NULs keep their full length.
template <std::size_t N> QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

template <std::size_t N> QString utf16(const char16_t (&text)[N])
{
    return QString(reinterpret_cast<const QChar *>(text), N - 1); // fromUtf16 would drop a leading BOM
}

class IniFileTest : public ::testing::Test {
protected:
    IniFile iniWith(const QByteArray &bytes) const
    {
        return IniFile(folder.write(QStringLiteral("settings.ini"), bytes));
    }
    IniFile missingIni() const { return IniFile(folder.file(QStringLiteral("settings.ini"))); }
    QByteArray bytes() const { return folder.read(QStringLiteral("settings.ini")); }

    TempProgramFolder folder;
};

std::optional<QString> lookup(const IniFile &ini, const QString &section, const QString &key)
{
    if (!ini.hasKey(section, key))
        return std::nullopt;
    return ini.readString(section, key, QStringLiteral("<default>"));
}

} // namespace

TEST_F(IniFileTest, LooksUpValuesLikeWindowsProfileFiles)
{
    struct Case {
        const char *name;
        QByteArray file;
        QString section;
        QString key;
        std::optional<QString> expected;
    };
    const QString A = QStringLiteral("A");
    const QString K = QStringLiteral("K");
    const Case cases[] = {
        {"names ignore case", "[Main]\r\nWidth=10\r\n", QStringLiteral("MAIN"), QStringLiteral("wIDTH"),
         QStringLiteral("10")},
        {"first section wins", "[A]\r\nK=1\r\n[B]\r\nK=2\r\n[a]\r\nK=3\r\n", A, K, QStringLiteral("1")},
        {"key only in a later duplicate section is unseen", "[A]\r\nK=1\r\n[a]\r\nL=4\r\n", A, QStringLiteral("L"),
         std::nullopt},
        {"first key wins", "[A]\r\nK=1\r\nk=2\r\n", A, K, QStringLiteral("1")},
        {"next section ends the search", "[A]\r\n[B]\r\nK=1\r\n", A, K, std::nullopt},
        {"blanks trimmed", "[A]\r\n  K \t=   v  w \t\r\n", A, K, QStringLiteral("v  w")},
        {"quotes dropped", "[A]\r\nK=\"  spaced  \"\r\n", A, K, QStringLiteral("  spaced  ")},
        {"quotes after trimming", "[A]\r\nK=  \"a\"  \r\n", A, K, QStringLiteral("a")},
        {"only one pair of quotes", "[A]\r\nK=\"\"x\"\"\r\n", A, K, QStringLiteral("\"x\"")},
        {"unbalanced quote kept", "[A]\r\nK=\"open\r\n", A, K, QStringLiteral("\"open")},
        {"single quote char kept", "[A]\r\nK=\"\r\n", A, K, QStringLiteral("\"")},
        {"single quotes are plain", "[A]\r\nK='x'\r\n", A, K, QStringLiteral("'x'")},
        {"value holds '='", "[A]\r\nK=a=b\r\n", A, K, QStringLiteral("a=b")},
        {"empty value is present", "[A]\r\nK=\r\n", A, K, QString()},
        {"comment lines skipped", "[A]\r\n;K=1\r\n  ; K=2\r\nK=3\r\n", A, K, QStringLiteral("3")},
        {"comment is no key", "[A]\r\n;K=1\r\n", A, QStringLiteral(";K"), std::nullopt},
        {"keys before any section never found", "K=1\r\n[A]\r\nX=2\r\n", QString(), K, std::nullopt},
        {"keys before any section stay out of the first", "K=1\r\n[A]\r\nX=2\r\n", A, K, std::nullopt},
        {"line without '=' ignored", "[A]\r\nK\r\nK=1\r\n", A, K, QStringLiteral("1")},
        {"'=' without key ignored", "[A]\r\n=v\r\n", A, QString(), std::nullopt},
        {"header name trimmed", "  [ Spaced Name ]  \r\nK=1\r\n", QStringLiteral("spaced name"), K,
         QStringLiteral("1")},
        {"lookup names trimmed", "[A]\r\nK=1\r\n", QStringLiteral(" A "), QStringLiteral(" K "), QStringLiteral("1")},
        {"'[' without ']' starts no section", "[A]\r\n[Broken\r\nK=1\r\n", A, K, QStringLiteral("1")},
        {"name runs to the last ']'", "[a]b]\r\nK=1\r\n", QStringLiteral("A]B"), K, QStringLiteral("1")},
        {"LF line ends", "[A]\nX=0\nK=1\n", A, K, QStringLiteral("1")},
        {"lone CR line ends", "[A]\rX=0\rK=1\r", A, K, QStringLiteral("1")},
        {"no final line break", "[A]\r\nK=1", A, K, QStringLiteral("1")},
        {"UTF-8 BOM", "\xEF\xBB\xBF[A]\r\nK=1\r\n", A, K, QStringLiteral("1")},
        {"UTF-8 value", "[A]\r\nK=Caf\xC3\xA9\r\n", A, K, utf16(u"Caf\u00E9")},
        {"Latin-1 value", "[A]\r\nK=Caf\xE9\r\n", A, K, utf16(u"Caf\u00E9")},
        {"Latin-1 section name ignores case", "[\xC9t\xE9]\r\nK=1\r\n", utf16(u"\u00E9T\u00C9"), K,
         QStringLiteral("1")},
        {"no-break space is not a blank", "[A]\r\nK=\xA0x\xA0\r\n", A, K, utf16(u"\u00A0x\u00A0")},
        {"NUL bytes are ordinary characters", raw("[A]\r\nK\0=1\r\nK=\0x\0\r\n"), A, K, utf16(u"\0x\0")},
        {"missing section", "[A]\r\nK=1\r\n", QStringLiteral("B"), K, std::nullopt},
        {"missing key", "[A]\r\nK=1\r\n", A, QStringLiteral("L"), std::nullopt},
        {"empty file", "", A, K, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const IniFile ini = iniWith(c.file);
        EXPECT_EQ(lookup(ini, c.section, c.key), c.expected);
        // The one-pass readers keep the same rules, asked alone or among other keys.
        const IniText text = ini.readAll();
        EXPECT_EQ(text.section(c.section).value(c.key), c.expected);
        const QList<IniName> names{{QStringLiteral("Z"), QStringLiteral("Z")}, {c.section, c.key}, {A, A}};
        EXPECT_EQ(text.values(names).value(1), c.expected);
        if (!c.expected) {
            EXPECT_EQ(ini.readString(c.section, c.key, QStringLiteral("dflt")), QStringLiteral("dflt"));
        }
    }
}

TEST_F(IniFileTest, MissingFileGivesDefaults)
{
    const IniFile ini = missingIni();
    EXPECT_EQ(ini.readString(QStringLiteral("A"), QStringLiteral("K"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_EQ(ini.readInt(QStringLiteral("A"), QStringLiteral("K"), 42), 42);
    EXPECT_TRUE(ini.readBool(QStringLiteral("A"), QStringLiteral("K"), true));
    EXPECT_FALSE(ini.readBool(QStringLiteral("A"), QStringLiteral("K"), false));
    EXPECT_FALSE(ini.hasKey(QStringLiteral("A"), QStringLiteral("K")));
    EXPECT_TRUE(ini.readKeys(QStringLiteral("A")).isEmpty());
    EXPECT_TRUE(ini.readSections().isEmpty());
    EXPECT_FALSE(folder.exists(QStringLiteral("settings.ini")));
}

TEST_F(IniFileTest, FolderInPlaceOfFileGivesDefaults)
{
    QDir().mkpath(folder.file(QStringLiteral("settings.ini")));
    const IniFile ini = missingIni();
    EXPECT_EQ(ini.readInt(QStringLiteral("A"), QStringLiteral("K"), 42), 42);
    EXPECT_FALSE(ini.hasKey(QStringLiteral("A"), QStringLiteral("K")));
}

TEST_F(IniFileTest, ReadIntAcceptsOnlySignedDecimals)
{
    struct Case {
        const char *stored;
        int expected;
    };
    constexpr int dflt = 77;
    const Case cases[] = {
        {"", dflt},
        {" 12 ", 12},
        {"-3", -3},
        {"+7", 7},
        {"007", 7},
        {"\"42\"", 42},
        {"12abc", dflt},
        {"abc", dflt},
        {"1 2", dflt},
        {"0x10", dflt},
        {"1.5", dflt},
        {"-", dflt},
        {"+", dflt},
        {"--1", dflt},
        {"99999999999", dflt},
        {"2147483647", 2147483647},
        {"2147483648", dflt},
        {"-2147483648", -2147483647 - 1},
        {"-2147483649", dflt},
        {"00000000000000000000000000012", 12},
        {"\xD9\xA3", dflt}, // ARABIC-INDIC DIGIT THREE
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored);
        const IniFile ini = iniWith(QByteArray("[A]\r\nK=") + c.stored + "\r\n");
        EXPECT_EQ(ini.readInt(QStringLiteral("A"), QStringLiteral("K"), dflt), c.expected);
    }
    EXPECT_EQ(iniWith("[A]\r\n").readInt(QStringLiteral("A"), QStringLiteral("K"), dflt), dflt);
}

TEST_F(IniFileTest, ReadBoolIsAnyNonZeroInteger)
{
    struct Case {
        const char *stored;
        bool whenDefaultFalse;
        bool whenDefaultTrue;
    };
    const Case cases[] = {
        {"0", false, false},   {"1", true, true},    {"2", true, true},     {"-1", true, true},
        {" 0 ", false, false}, {"abc", false, true}, {"true", false, true}, {"", false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored);
        const IniFile ini = iniWith(QByteArray("[A]\r\nK=") + c.stored + "\r\n");
        EXPECT_EQ(ini.readBool(QStringLiteral("A"), QStringLiteral("K"), false), c.whenDefaultFalse);
        EXPECT_EQ(ini.readBool(QStringLiteral("A"), QStringLiteral("K"), true), c.whenDefaultTrue);
    }
}

TEST_F(IniFileTest, ListsSectionsAndKeysOnceInFileOrder)
{
    const IniFile ini = iniWith("Loose=1\r\n[Main]\r\nWidth=1\r\n;Hidden=1\r\nheight=2\r\nWIDTH=3\r\nnoequals\r\n"
                                "[Other]\r\nX=1\r\n[MAIN]\r\nDepth=4\r\n");
    EXPECT_EQ(ini.readSections(), (QStringList{QStringLiteral("Main"), QStringLiteral("Other")}));
    EXPECT_EQ(ini.readKeys(QStringLiteral("main")), (QStringList{QStringLiteral("Width"), QStringLiteral("height")}));
    EXPECT_TRUE(ini.readKeys(QStringLiteral("Missing")).isEmpty());
}

TEST_F(IniFileTest, ReadsTheFileAgainOnEveryCall)
{
    const IniFile ini = iniWith("[A]\r\nK=1\r\n");
    EXPECT_EQ(ini.readInt(QStringLiteral("A"), QStringLiteral("K"), 0), 1);
    folder.write(QStringLiteral("settings.ini"), "[A]\r\nK=2\r\n");
    EXPECT_EQ(ini.readInt(QStringLiteral("A"), QStringLiteral("K"), 0), 2);
    ASSERT_TRUE(IniFile(ini.path()).writeInt(QStringLiteral("A"), QStringLiteral("K"), 3));
    EXPECT_EQ(ini.readInt(QStringLiteral("A"), QStringLiteral("K"), 0), 3);
}

TEST_F(IniFileTest, WritesKeepEveryOtherByte)
{
    struct Case {
        const char *name;
        QByteArray before;
        QString section;
        QString key;
        QString value;
        QByteArray after;
    };
    const Case cases[] = {
        {"new file", "", QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("V"), "[S]\r\nK=V\r\n"},
        {"existing key replaced, spelling kept",
         "; top\r\n[Main]\r\n; about width\r\n  width = 10 ; not a comment\r\nHeight=20\r\n\r\n[Other]\r\nWidth=5\r\n",
         QStringLiteral("MAIN"), QStringLiteral("Width"), QStringLiteral("30"),
         "; top\r\n[Main]\r\n; about width\r\nwidth=30\r\nHeight=20\r\n\r\n[Other]\r\nWidth=5\r\n"},
        {"only the first of duplicate keys replaced", "[A]\r\nK=1\r\nK=2\r\n", QStringLiteral("A"), QStringLiteral("K"),
         QStringLiteral("9"), "[A]\r\nK=9\r\nK=2\r\n"},
        {"new key after the section's last line, not after its blank lines",
         "[A]\r\nX=1\r\n; note\r\n\r\n\r\n[B]\r\nY=2\r\n", QStringLiteral("a"), QStringLiteral("Z"),
         QStringLiteral("3"), "[A]\r\nX=1\r\n; note\r\nZ=3\r\n\r\n\r\n[B]\r\nY=2\r\n"},
        {"new key into the first of duplicate sections", "[A]\r\nX=1\r\n[B]\r\n[A]\r\nY=2\r\n", QStringLiteral("A"),
         QStringLiteral("Y"), QStringLiteral("3"), "[A]\r\nX=1\r\nY=3\r\n[B]\r\n[A]\r\nY=2\r\n"},
        {"new key into an empty last section without final break", "[A]", QStringLiteral("A"), QStringLiteral("K"),
         QStringLiteral("V"), "[A]\r\nK=V\r\n"},
        {"new key after a last line without final break", "[A]\r\nX=1", QStringLiteral("A"), QStringLiteral("K"),
         QStringLiteral("V"), "[A]\r\nX=1\r\nK=V\r\n"},
        {"new section appended after a blank line", "[A]\r\nX=1\r\n", QStringLiteral("B"), QStringLiteral("Y"),
         QStringLiteral("2"), "[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n"},
        {"new section after a last line without break", "[A]\r\nX=1", QStringLiteral("B"), QStringLiteral("Y"),
         QStringLiteral("2"), "[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n"},
        {"no second blank line before a new section", "[A]\r\nX=1\r\n\r\n", QStringLiteral("B"), QStringLiteral("Y"),
         QStringLiteral("2"), "[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n"},
        {"keys before any section do not count", "K=1\r\n", QString(), QStringLiteral("K"), QStringLiteral("2"),
         "K=1\r\n\r\n[]\r\nK=2\r\n"},
        {"LF file rewritten with CR LF", "[A]\nX=1\n; c\n", QStringLiteral("A"), QStringLiteral("X"),
         QStringLiteral("2"), "[A]\r\nX=2\r\n; c\r\n"},
        {"lone CR file rewritten with CR LF", "[A]\rX=1\r", QStringLiteral("A"), QStringLiteral("X"),
         QStringLiteral("2"), "[A]\r\nX=2\r\n"},
        {"names trimmed", "", QStringLiteral(" S "), QStringLiteral("\tK "), QStringLiteral("V"), "[S]\r\nK=V\r\n"},
        {"Latin-1 file stays Latin-1", "[A]\r\nName=Caf\xE9\r\n", QStringLiteral("A"), QStringLiteral("City"),
         utf16(u"Z\u00FCrich"), "[A]\r\nName=Caf\xE9\r\nCity=Z\xFCrich\r\n"},
        {"Latin-1 file becomes UTF-8 for a euro sign", "[A]\r\nName=Caf\xE9\r\n", QStringLiteral("A"),
         QStringLiteral("Price"), utf16(u"5\u20AC"), "[A]\r\nName=Caf\xC3\xA9\r\nPrice=5\xE2\x82\xAC\r\n"},
        {"Latin-1 file that would read as UTF-8 becomes UTF-8", "[A]\r\nK=\xE9\r\nL=\xC3\xA9\r\n", QStringLiteral("A"),
         QStringLiteral("K"), QStringLiteral("x"), "[A]\r\nK=x\r\nL=\xC3\x83\xC2\xA9\r\n"},
        {"UTF-8 BOM kept", "\xEF\xBB\xBF[A]\r\nK=1\r\n", QStringLiteral("A"), QStringLiteral("K"), utf16(u"\u00E9"),
         "\xEF\xBB\xBF[A]\r\nK=\xC3\xA9\r\n"},
        {"blanks kept by quoting", "", QStringLiteral("S"), QStringLiteral("K"), QStringLiteral(" v "),
         "[S]\r\nK=\" v \"\r\n"},
        {"quoted value kept by quoting", "", QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("\"v\""),
         "[S]\r\nK=\"\"v\"\"\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const IniFile ini = c.before.isEmpty() ? missingIni() : iniWith(c.before);
        if (c.before.isEmpty())
            QFile::remove(ini.path());
        ASSERT_TRUE(ini.writeString(c.section, c.key, c.value));
        EXPECT_EQ(bytes(), c.after);
        EXPECT_EQ(ini.readString(c.section, c.key, QStringLiteral("<default>")), c.value);
    }
}

TEST_F(IniFileTest, WrittenValuesReadBack)
{
    const QString values[] = {
        QString(),
        QStringLiteral("  padded  "),
        QStringLiteral("\"quoted\""),
        QStringLiteral("\""),
        QStringLiteral("\"\""),
        QStringLiteral(" \""),
        QStringLiteral("a=b"),
        QStringLiteral("; not a comment"),
        QStringLiteral("[not a section]"),
        QStringLiteral("tab\there"),
        utf16(u"\u00A0nbsp\u00A0"),
        utf16(u"nul\0inside"),
        utf16(u"\U0001F600"),
    };
    const IniFile ini = iniWith("[Keep]\r\nOther=1\r\n");
    for (const QString &value : values) {
        SCOPED_TRACE(value.toStdString());
        ASSERT_TRUE(ini.writeString(QStringLiteral("S"), QStringLiteral("K"), value));
        EXPECT_EQ(lookup(ini, QStringLiteral("S"), QStringLiteral("K")), value);
        EXPECT_EQ(ini.readInt(QStringLiteral("Keep"), QStringLiteral("Other"), 0), 1);
    }
    EXPECT_EQ(ini.readKeys(QStringLiteral("S")), QStringList{QStringLiteral("K")});

    ASSERT_TRUE(ini.writeInt(QStringLiteral("S"), QStringLiteral("N"), -2147483647 - 1));
    EXPECT_EQ(ini.readInt(QStringLiteral("S"), QStringLiteral("N"), 0), -2147483647 - 1);
    ASSERT_TRUE(ini.writeBool(QStringLiteral("S"), QStringLiteral("B"), true));
    EXPECT_TRUE(ini.readBool(QStringLiteral("S"), QStringLiteral("B"), false));
    ASSERT_TRUE(ini.writeBool(QStringLiteral("S"), QStringLiteral("B"), false));
    EXPECT_FALSE(ini.readBool(QStringLiteral("S"), QStringLiteral("B"), true));
    EXPECT_TRUE(bytes().contains("\r\nB=0\r\n"));
}

TEST_F(IniFileTest, RefusesWhatCannotReadBack)
{
    struct Case {
        const char *name;
        QString section;
        QString key;
        QString value;
    };
    const Case cases[] = {
        {"empty key", QStringLiteral("A"), QString(), QStringLiteral("v")},
        {"blank key", QStringLiteral("A"), QStringLiteral("  "), QStringLiteral("v")},
        {"key holds '='", QStringLiteral("A"), QStringLiteral("a=b"), QStringLiteral("v")},
        {"key looks like a comment", QStringLiteral("A"), QStringLiteral(";k"), QStringLiteral("v")},
        {"key looks like a section", QStringLiteral("A"), QStringLiteral("[k]"), QStringLiteral("v")},
        {"value with LF", QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("two\nlines")},
        {"value with CR", QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("two\rlines")},
        {"section with a line break", QStringLiteral("A\nB"), QStringLiteral("k"), QStringLiteral("v")},
        {"key with a line break", QStringLiteral("A"), QStringLiteral("k\r\nX"), QStringLiteral("v")},
        {"lone surrogate", QStringLiteral("A"), QStringLiteral("k"), QString(QChar(0xD800))},
    };
    const QByteArray before = "[A]\r\nk=old\r\n";
    const IniFile ini = iniWith(before);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(ini.writeString(c.section, c.key, c.value));
        EXPECT_EQ(bytes(), before);
    }
}

TEST_F(IniFileTest, FailedWritesLeaveEverythingAsItWas)
{
    // Tests run as root, where permissions stop nothing: the failures come from the path.
    const QString dirPath = folder.file(QStringLiteral("dir.ini"));
    QDir().mkpath(dirPath + QStringLiteral("/inside"));
    const QString plainFile = folder.write(QStringLiteral("plain"), "not a folder\r\n");
    const QString paths[] = {
        dirPath,
        plainFile + QStringLiteral("/settings.ini"),
        folder.file(QStringLiteral("missing/settings.ini")),
    };
    for (const QString &path : paths) {
        SCOPED_TRACE(path.toStdString());
        const IniFile ini(path);
        EXPECT_FALSE(ini.writeString(QStringLiteral("A"), QStringLiteral("K"), QStringLiteral("V")));
        EXPECT_FALSE(ini.writeInt(QStringLiteral("A"), QStringLiteral("K"), 1));
        EXPECT_FALSE(ini.writeBool(QStringLiteral("A"), QStringLiteral("K"), true));
    }
    EXPECT_TRUE(QFileInfo(dirPath).isDir());
    EXPECT_TRUE(QFileInfo::exists(dirPath + QStringLiteral("/inside")));
    EXPECT_EQ(folder.read(QStringLiteral("plain")), QByteArray("not a folder\r\n"));
    EXPECT_FALSE(folder.exists(QStringLiteral("missing")));
    // Nothing half-written left behind.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{QStringLiteral("dir.ini"), QStringLiteral("plain")}));
}

TEST_F(IniFileTest, DeleteKeyRemovesOnlyTheFirstMatchingLine)
{
    struct Case {
        const char *name;
        QByteArray before;
        QString section;
        QString key;
        QByteArray after;
    };
    const Case cases[] = {
        {"middle line", "; c\r\n[A]\r\nX=1\r\nk=2\r\nY=3\r\n[B]\r\nK=4\r\n", QStringLiteral("a"), QStringLiteral("K"),
         "; c\r\n[A]\r\nX=1\r\nY=3\r\n[B]\r\nK=4\r\n"},
        {"duplicate key stays", "[A]\r\nK=1\r\nK=2\r\n", QStringLiteral("A"), QStringLiteral("K"), "[A]\r\nK=2\r\n"},
        {"last line without break", "[A]\r\nX=1\r\nK=2", QStringLiteral("A"), QStringLiteral("K"), "[A]\r\nX=1"},
        {"LF file becomes CR LF", "[A]\nK=1\nX=2\n", QStringLiteral("A"), QStringLiteral("K"), "[A]\r\nX=2\r\n"},
        {"missing key leaves the file alone", "[A]\nX=1\n", QStringLiteral("A"), QStringLiteral("K"), "[A]\nX=1\n"},
        {"key in a later duplicate section is not removed", "[A]\r\n[a]\r\nK=1\r\n", QStringLiteral("A"),
         QStringLiteral("K"), "[A]\r\n[a]\r\nK=1\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const IniFile ini = iniWith(c.before);
        EXPECT_TRUE(ini.deleteKey(c.section, c.key));
        EXPECT_EQ(bytes(), c.after);
    }

    // Several keys in one rewrite, as each would go alone, also when the last two lines go.
    const IniFile several = iniWith("[A]\r\nX=1\r\nK=2\r\nk=3\r\nL=4");
    ASSERT_TRUE(several.deleteKeys(QStringLiteral("A"), {QStringLiteral("K"), QStringLiteral("l")}));
    EXPECT_EQ(bytes(), "[A]\r\nX=1\r\nk=3");
    ASSERT_TRUE(several.deleteKeys(QStringLiteral("A"), {QStringLiteral("K"), QStringLiteral("X")}));
    EXPECT_EQ(bytes(), "[A]");

    const IniFile ini = iniWith("[A]\r\nK=1\r\nK=2\r\n");
    ASSERT_TRUE(ini.deleteKey(QStringLiteral("A"), QStringLiteral("K")));
    EXPECT_EQ(ini.readInt(QStringLiteral("A"), QStringLiteral("K"), 0), 2);

    QFile::remove(ini.path());
    EXPECT_TRUE(ini.deleteKey(QStringLiteral("A"), QStringLiteral("K")));
    EXPECT_FALSE(folder.exists(QStringLiteral("settings.ini")));

    QDir().mkpath(ini.path());
    EXPECT_FALSE(ini.deleteKey(QStringLiteral("A"), QStringLiteral("K")));
}

TEST_F(IniFileTest, HostileFilesGiveDefaultsAndKeepTheirBytes)
{
    std::mt19937 random(20240611);
    QByteArray noise(64 * 1024, Qt::Uninitialized);
    for (char &b : noise)
        b = char(random() & 0xFF);
    noise[0] = 'x';        // a first line that is no section header
    noise[1] = char(0xFF); // never valid UTF-8

    QByteArray hugeLine = "[A]\r\nK=" + QByteArray(1024 * 1024, 'x') + "\r\nL=2\r\n";
    const QByteArray brackets =
        QByteArray(100000, '[') + "\r\n" + QByteArray(100000, ']') + "\r\n" + QByteArray(100000, '=');

    struct Case {
        const char *name;
        QByteArray file;
    };
    const Case cases[] = {
        {"random bytes", noise},
        {"NUL bytes only", QByteArray(4096, '\0')},
        {"brackets and equals", brackets},
        {"lone bracket", "["},
        {"lone equals", "="},
        {"UTF-16 file", raw("\xFF\xFE[\0A\0]\0\r\0\n\0K\0=\0\x31\0")},
        {"huge line", hugeLine},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const IniFile ini = iniWith(c.file);
        EXPECT_EQ(ini.readString(QStringLiteral("Z"), QStringLiteral("K"), QStringLiteral("dflt")),
                  QStringLiteral("dflt"));
        EXPECT_EQ(ini.readInt(QStringLiteral("A"), QStringLiteral("Missing"), 5), 5);
        EXPECT_TRUE(ini.readKeys(QStringLiteral("Z")).isEmpty());
        ini.readSections();
    }

    {
        SCOPED_TRACE("huge line");
        const IniFile ini = iniWith(hugeLine);
        EXPECT_EQ(ini.readString(QStringLiteral("A"), QStringLiteral("K"), QString()).size(), 1024 * 1024);
        EXPECT_EQ(ini.readInt(QStringLiteral("A"), QStringLiteral("L"), 0), 2);
    }
    {
        SCOPED_TRACE("write after one line of noise");
        QByteArray line = noise;
        line.replace('\r', 'r').replace('\n', 'n');
        const IniFile ini = iniWith(line);
        ASSERT_TRUE(ini.writeString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("V")));
        EXPECT_EQ(bytes(), line + "\r\n\r\n[S]\r\nK=V\r\n");
        EXPECT_EQ(ini.readString(QStringLiteral("S"), QStringLiteral("K"), QString()), QStringLiteral("V"));
    }
    {
        SCOPED_TRACE("write between binary lines");
        const QByteArray before = raw("\x00\xFF\xFE junk\r\n[S]\r\nK=old\r\n\x01\x02=\x03\x9F\r\n\x80\x00\r\n");
        const IniFile ini = iniWith(before);
        EXPECT_EQ(ini.readString(QStringLiteral("S"), QStringLiteral("K"), QString()), QStringLiteral("old"));
        ASSERT_TRUE(ini.writeString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("new")));
        EXPECT_EQ(bytes(), raw("\x00\xFF\xFE junk\r\n[S]\r\nK=new\r\n\x01\x02=\x03\x9F\r\n\x80\x00\r\n"));
    }
}

TEST_F(IniFileTest, TenMegabyteFiles)
{
    QByteArray many = "[Big]\r\n";
    for (int i = 0; many.size() < 10 * 1024 * 1024; ++i)
        many += "Key" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\r\n";
    many += "[Tail]\r\nLast=1\r\n";
    const IniFile ini = iniWith(many);
    EXPECT_EQ(ini.readInt(QStringLiteral("tail"), QStringLiteral("last"), 0), 1);
    EXPECT_EQ(ini.readInt(QStringLiteral("Big"), QStringLiteral("Key0"), -1), 0);
    EXPECT_EQ(ini.readSections(), (QStringList{QStringLiteral("Big"), QStringLiteral("Tail")}));
    ASSERT_TRUE(ini.writeInt(QStringLiteral("Tail"), QStringLiteral("Last"), 2));
    many.chop(3);
    EXPECT_EQ(bytes(), many + "2\r\n");

    const IniFile breaks = iniWith(QByteArray(10 * 1024 * 1024, '\n') + "[A]\nK=1");
    EXPECT_EQ(breaks.readInt(QStringLiteral("A"), QStringLiteral("K"), 0), 1);
}
