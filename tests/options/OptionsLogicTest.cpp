#include "options/OptionsLogic.h"
#include "config/Settings.h"
#include "platform/IniFile.h"
#include "project/ProjectModel.h"
#include "testsupport/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {
class OptionsLogicTest : public ::testing::Test {
protected:
    OptionsForm filledForm() { return optionsFormFrom(settings, extensionsForDialog(folder.path())); }

    bool hasKey(SettingsFile file, const char *section, const char *key)
    {
        return IniFile(settings.iniPath(file)).hasKey(QLatin1String(section), QLatin1String(key));
    }
    QString ini(SettingsFile file, const char *section, const char *key)
    {
        return IniFile(settings.iniPath(file)).readString(QLatin1String(section), QLatin1String(key), "<none>");
    }

    TempProgramFolder folder;
    Settings settings{folder.path()};
};

QStringList numbered(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("x%1").arg(i, 2, 10, QLatin1Char('0'));
    return list;
}
} // namespace

TEST_F(OptionsLogicTest, AddingExtensions)
{
    struct Case {
        QStringList before;
        QString typed;
        AddExtensionResult result;
        QStringList after;
    };
    const Case cases[] = {
        {{"htm", "html"}, ".php", AddExtensionResult::Added, {"htm", "html", "php"}},
        {{"htm", "html"}, "ASP", AddExtensionResult::Added, {"ASP", "htm", "html"}},
        {{"htm"}, "..x", AddExtensionResult::Added, {".x", "htm"}},
        {{"htm"}, "", AddExtensionResult::Empty, {"htm"}},
        {numbered(15), "php", AddExtensionResult::TooMany, numbered(15)},
        {numbered(15), "", AddExtensionResult::TooMany, numbered(15)},
        {numbered(14), "php", AddExtensionResult::Added, QStringList{"php"} << numbered(14)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        QStringList list = c.before;
        EXPECT_EQ(addExtension(list, c.typed), c.result);
        EXPECT_EQ(list, c.after);
    }
}

TEST_F(OptionsLogicTest, DialogListComesFromTheFileOrTheDefaultsSorted)
{
    EXPECT_EQ(extensionsForDialog(folder.path()), QStringList({"asp", "htm", "html", "shtm", "shtml"}));
    folder.write("htmlext.dat", "php\r\nHTML\r\ncgi\r\n");
    EXPECT_EQ(extensionsForDialog(folder.path()), QStringList({"cgi", "HTML", "php"}));
}

TEST_F(OptionsLogicTest, MoreThanFifteenAreSavedWholeButOnlyFifteenReachTheMasks)
{
    OptionsForm form = filledForm();
    form.extensions = numbered(17);
    const OptionsApplied applied = applyOptions(form, settings);
    ASSERT_FALSE(applied.extensionsError);
    EXPECT_EQ(folder.read("htmlext.dat"), numbered(17).join("\r\n").toUtf8() + "\r\n");
    QStringList masks;
    for (const QString &e : numbered(15))
        masks << "*." + e;
    EXPECT_EQ(applied.masks.masks, masks.join(';'));
    EXPECT_EQ(applied.masks.openFilter,
              "HTML Files|" + masks.join(';') + "|Project Files|*.out|EXE Files|*.exe|All Files|*.*");
    EXPECT_EQ(readHtmlExtensions(folder.path()), numbered(17));
}

TEST_F(OptionsLogicTest, EmptyListGivesEmptyMasks)
{
    OptionsForm form = filledForm();
    form.extensions.clear();
    const OptionsApplied applied = applyOptions(form, settings);
    EXPECT_EQ(applied.masks.filesTabFilter,
              "All Files|*.*|Image Files|*.png;*.jpeg;*.jpg;*.gif;*.svg;*.webp|HTML Files||"
              "All Web Files|*.png;*.jpeg;*.jpg;*.gif;*.svg;*.webp;");
    EXPECT_EQ(applied.masks.openFilter, "HTML Files||Project Files|*.out|EXE Files|*.exe|All Files|*.*");
}

TEST_F(OptionsLogicTest, ExtensionFileThatCannotBeWrittenStopsApplyBeforeAnythingElse)
{
    folder.write("htmlext.dat/blocker", "a folder where the file should be");
    OptionsForm form = filledForm();
    form.defaultExt = "php";
    form.previewMode = "auto";
    const OptionsApplied applied = applyOptions(form, settings);
    EXPECT_TRUE(applied.extensionsError);
    EXPECT_EQ(settings.text(SettingKey::HtmlExt), "html");
    EXPECT_EQ(settings.text(SettingKey::PreviewOption), "temp");
    EXPECT_FALSE(folder.exists("DEFAULT.INI"));
    EXPECT_FALSE(folder.exists("OPTIONS.INI"));
}

TEST_F(OptionsLogicTest, DefaultExtensionIsStoredWithoutItsDot)
{
    const std::pair<const char *, const char *> cases[] = {
        {".htm", "htm"}, {"", "html"}, {"shtml", "shtml"}, {"..x", ".x"}};
    for (const auto &[typed, stored] : cases) {
        SCOPED_TRACE(typed);
        OptionsForm form = filledForm();
        form.defaultExt = typed;
        applyOptions(form, settings);
        EXPECT_EQ(settings.text(SettingKey::HtmlExt), stored);
        EXPECT_EQ(ini(SettingsFile::Default, "HTML", "Ext"), stored);
    }
}

TEST_F(OptionsLogicTest, ImagePathIsHeldWithItsSeparatorAndStoredAsTyped)
{
    struct Case {
        QString typed;
        QString held;
    };
    settings.setInMemory(SettingKey::ImagesFolder, "/old/images/");
    const Case cases[] = {{"/web/images", "/web/images/"},
                          {"/web/pics/", "/web/pics/"},
                          {"c:\\web\\images\\", "c:\\web\\images\\"},
                          {"", "c:\\web\\images\\"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        OptionsForm form = filledForm();
        form.imagePath = c.typed;
        applyOptions(form, settings);
        EXPECT_EQ(settings.text(SettingKey::ImagesFolder), c.held);
        EXPECT_EQ(ini(SettingsFile::Default, "Location", "Images"), c.typed);
    }
}

TEST_F(OptionsLogicTest, DefaultFolderDecidesUseSelAndWhetherTheFolderIsWritten)
{
    settings.setInMemory(SettingKey::FilesUseSel, "1");
    OptionsForm form = filledForm();
    form.defaultFolder.clear();
    form.useDefaultFolder = true;
    applyOptions(form, settings);
    EXPECT_FALSE(settings.flag(SettingKey::FilesUseSel));
    EXPECT_FALSE(hasKey(SettingsFile::Default, "Files", "UseSel"));
    EXPECT_FALSE(hasKey(SettingsFile::Default, "Files", "Selected"));
    EXPECT_TRUE(hasKey(SettingsFile::Default, "Files", "Confirm"));

    // The folder in memory (its browse button) is written, not the text typed into the field.
    settings.setInMemory(SettingKey::FilesSelected, "/home/me/Site/");
    form.defaultFolder = "/typed/over/";
    applyOptions(form, settings);
    EXPECT_TRUE(settings.flag(SettingKey::FilesUseSel));
    EXPECT_EQ(ini(SettingsFile::Default, "Files", "UseSel"), "1");
    EXPECT_EQ(ini(SettingsFile::Default, "Files", "Selected"), "/home/me/Site/");
}

TEST_F(OptionsLogicTest, ApplyStoresEverySettingInItsFile)
{
    settings.setInMemory(SettingKey::BackupType, "0");
    OptionsForm form = filledForm();
    form.templatePath = "/t/template.html";
    form.confirm = false;
    form.largeFile = true;
    form.colourNames = {"clBlue", "clTeal", "clBlack", "clGray", "clOlive", "clNavy"};
    form.strong = true;
    form.em = true;
    form.previewMode = "nosave";
    form.hideMsieControl = true;
    form.imageEditor = "/opt/paint";
    form.ftp = "/opt/ftp";
    form.imageMap = "/opt/map";
    form.promptFrequency = 9;
    const OptionsApplied applied = applyOptions(form, settings);
    EXPECT_EQ(applied.modeLetter, "N");

    const struct {
        SettingsFile file;
        const char *section;
        const char *key;
        const char *value;
    } expected[] = {
        {SettingsFile::Options, "Backup", "Type", "0"},
        {SettingsFile::Options, "Backup", "PromptFreq", "9"},
        {SettingsFile::Options, "Colors", "DEFAULT", "clBlue"},
        {SettingsFile::Options, "Colors", "HREF", "clTeal"},
        {SettingsFile::Options, "Colors", "LIST", "clNavy"},
        {SettingsFile::Options, "Location", "HTMLTemp", "/t/template.html"},
        {SettingsFile::Default, "Helpers", "FTPPath", "/opt/ftp"},
        {SettingsFile::Default, "TAGS", "STRONG", "1"},
        {SettingsFile::Default, "TAGS", "EM", "1"},
        {SettingsFile::Default, "Files", "Confirm", "0"},
        {SettingsFile::Default, "Fix", "EditProblem", "1"},
        {SettingsFile::Default, "HTML", "MSIEControl", "0"},
        {SettingsFile::Default, "Location", "PreviewOption", "nosave"},
        {SettingsFile::Default, "Helpers", "Editor", "/opt/paint"},
        {SettingsFile::Default, "Helpers", "Imagemap", "/opt/map"},
    };
    for (const auto &e : expected)
        EXPECT_EQ(ini(e.file, e.section, e.key), e.value) << e.section << "/" << e.key;
    EXPECT_EQ(settings.tagColour(SettingKey::ColorDefault), 0xFF0000u);
    EXPECT_EQ(settings.text(SettingKey::FtpPath), "/opt/ftp");
    EXPECT_FALSE(settings.flag(SettingKey::MsieControl));
    EXPECT_EQ(settings.integer(SettingKey::BackupPromptFreq), 9);
}

TEST_F(OptionsLogicTest, PreviewModeOfTheFormAndItsLetter)
{
    const std::tuple<const char *, const char *, const char *> cases[] = {{"auto", "auto", "S"},
                                                                          {"nosave", "nosave", "N"},
                                                                          {"temp", "temp", "T"},
                                                                          {"Auto", "temp", "T"},
                                                                          {"", "temp", "T"}};
    for (const auto &[stored, shown, letter] : cases) {
        SCOPED_TRACE(stored);
        settings.setInMemory(SettingKey::PreviewOption, stored);
        const OptionsForm form = filledForm();
        EXPECT_EQ(form.previewMode, shown);
        EXPECT_EQ(applyOptions(form, settings).modeLetter, letter);
    }
}

TEST_F(OptionsLogicTest, PromptFrequencyStaysBetweenOneAndFifteen)
{
    const std::pair<int, int> cases[] = {{20, 15}, {16, 15}, {15, 15}, {1, 1}, {0, 1}, {-3, 1}, {7, 7}};
    for (const auto &[typed, held] : cases)
        EXPECT_EQ(clampPromptFrequency(typed), held) << typed;
}

TEST_F(OptionsLogicTest, ColourBoxesMapValuesAndNamesByTheTenNames)
{
    EXPECT_EQ(tagColourNames()[2], "clMaroon");
    const std::pair<quint32, int> values[] = {
        {0x000000, 0}, {0x0000FF, 1}, {0xFF0000, 3}, {0x808000, 9}, {0x123456, 0}};
    for (const auto &[value, index] : values)
        EXPECT_EQ(tagColourIndex(value), index) << value;
    EXPECT_EQ(tagColourIndexOfName("clred"), 0);
    EXPECT_EQ(tagColourOfName("clGreen"), 0x008000u);

    settings.setInMemory(SettingKey::ColorHref, "clBlue");
    settings.setInMemory(SettingKey::ColorImg, "255");
    settings.setInMemory(SettingKey::ColorFont, "ClBlue");
    const OptionsForm form = filledForm();
    EXPECT_EQ(form.colourNames[1], "clBlue");
    EXPECT_EQ(form.colourNames[2], "clRed");
    EXPECT_EQ(form.colourNames[3], "clRed"); // an unknown name reads as red, like the tags
}

TEST_F(OptionsLogicTest, ChangeFilePathRewritesOnlyPagesDirectlyInTheOldFolder)
{
    const QStringList paths = {"C:\\Site\\Index.html", "c:\\site\\sub\\Page.HTML", "c:\\SITE\\about.html",
                               "/home/me/Site/a.html"};
    // Folders are told apart without case and shown as the first page spells them.
    EXPECT_EQ(projectFolders(paths), QStringList({"C:\\Site\\", "c:\\site\\sub\\", "/home/me/Site/"}));
    EXPECT_EQ(rewriteProjectPaths(paths, "c:\\site\\", "d:\\new\\"),
              QStringList(
                  {"d:\\new\\Index.html", "c:\\site\\sub\\Page.HTML", "d:\\new\\about.html", "/home/me/Site/a.html"}));
    // On a case-sensitive disk the new folder and the names keep their case, so they still open.
    EXPECT_EQ(rewriteProjectPaths(paths, "/home/me/site/", "/srv/Web Site/"),
              QStringList({paths[0], paths[1], paths[2], "/srv/Web Site/a.html"}));
    EXPECT_EQ(projectFolders({}), QStringList());
}

TEST_F(OptionsLogicTest, PathFileIsWrittenBesideTheProject)
{
    folder.write("projects/.keep", "");
    EXPECT_EQ(projectPathFile(folder.path(), "site.out"), folder.file("projects/site.fil"));
    ASSERT_TRUE(writeProjectPathFile(folder.path(), "site.out", {"/a/b.html", "/c/d.html"}));
    EXPECT_EQ(ProjectFiles::parseLines(folder.read("projects/site.fil")), QStringList({"/a/b.html", "/c/d.html"}));
    EXPECT_FALSE(writeProjectPathFile(folder.path(), "", {"/a/b.html"}));
}
