#include "config/ColorNames.h"
#include "config/Settings.h"
#include "options/TFormOptions.h"
#include "platform/DialogPrompts.h"
#include "platform/IniFile.h"
#include "project/ProjectModel.h"
#include "testsupport/ScriptedPrompts.h"
#include "testsupport/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {
class FakeOptionsHost final : public OptionsHost {
public:
    std::optional<HtmlFileMasks> masks;
    QString letter = "T";
    QStringList paths;
    QString name;

    void setHtmlMasks(const HtmlFileMasks &m) override { masks = m; }
    void setBrowserModeLetter(const QString &l) override { letter = l; }
    QStringList projectPaths() const override { return paths; }
    QString projectName() const override { return name; }
    void setProjectPaths(const QStringList &p) override { paths = p; }
};

class TFormOptionsWindowTest : public ::testing::Test {
protected:
    TFormOptions &open(int page = 0)
    {
        m_dialog = std::make_unique<TFormOptions>(settings, prompts, page, host);
        return *m_dialog;
    }
    template <typename T> T *control(const char *name)
    {
        T *found = m_dialog->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char *name) { control<QPushButton>(name)->click(); }
    QStringList listed(const char *name)
    {
        QStringList out;
        auto *list = control<QListWidget>(name);
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    QString ini(SettingsFile file, const char *section, const char *key)
    {
        return IniFile(settings.iniPath(file)).readString(QLatin1String(section), QLatin1String(key), "<none>");
    }

    TempProgramFolder folder;
    Settings settings{folder.path()};
    ScriptedPrompts prompts;
    FakeOptionsHost host;
    std::unique_ptr<TFormOptions> m_dialog;
};
} // namespace

TEST_F(TFormOptionsWindowTest, StartPageChoosesTheTabAndOtherValuesLeaveTagOptions)
{
    const std::pair<int, QString> cases[] = {{0, "Files"},        {1, "Tag Options"}, {2, "Change File Path"},
                                             {3, "Web Browsers"}, {4, "Helper Apps"}, {5, "Tag Options"},
                                             {-1, "Tag Options"}};
    for (const auto &[page, title] : cases) {
        TFormOptions &d = open(page);
        auto *tabs = control<QTabWidget>("PageControl1");
        EXPECT_EQ(tabs->tabText(tabs->currentIndex()), title) << page;
        EXPECT_EQ(tabs->count(), 6);
        EXPECT_EQ(tabs->tabText(5), "Back Up");
        EXPECT_EQ(d.windowTitle(), "Settings");
    }
}

TEST_F(TFormOptionsWindowTest, FillsFromTheSettings)
{
    settings.setInMemory(SettingKey::PreviewOption, "nosave");
    settings.setInMemory(SettingKey::MsieControl, "0");
    settings.setInMemory(SettingKey::BackupType, "0");
    settings.setInMemory(SettingKey::BackupPromptFreq, "7");
    settings.setInMemory(SettingKey::ColorTable, "clOlive");
    settings.setInMemory(SettingKey::NetscapeProgram, "/opt/netscape");
    settings.setInMemory(SettingKey::FtpPath, "/opt/ftp");
    host.paths = {"/w/Site/a.html", "/w/site/B.html", "/w/site/sub/c.html"};
    open(0);
    EXPECT_EQ(listed("ListBoxHTMLExtensions"), QStringList({"asp", "htm", "html", "shtm", "shtml"}));
    EXPECT_TRUE(control<QRadioButton>("RadioNoSave")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CheckMSIEControl")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CheckConfirm")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("RadioNoBackup")->isChecked());
    EXPECT_EQ(control<QSpinBox>("SpinPromptBack")->value(), 7);
    EXPECT_EQ(control<QComboBox>("ComboBox5")->currentText(), "Olive");
    EXPECT_EQ(control<QLabel>("LabelTable")->palette().color(QPalette::WindowText), toQColor(0x008080));
    EXPECT_EQ(control<QLineEdit>("EditNet")->text(), "/opt/netscape");
    EXPECT_EQ(control<QLineEdit>("EditFTP")->text(), "/opt/ftp");
    EXPECT_EQ(control<QLineEdit>("EditDefaultExt")->text(), "html");
    EXPECT_EQ(listed("ListBoxPaths"), QStringList({"/w/Site/", "/w/site/sub/"}));
    EXPECT_FALSE(control<QPushButton>("ButtonSelectPath")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("ButtonChangePath")->isEnabled());
}

TEST_F(TFormOptionsWindowTest, UnknownPreviewModeLeavesTheTemporaryFileChoice)
{
    settings.setInMemory(SettingKey::PreviewOption, "AUTO");
    open(3);
    EXPECT_TRUE(control<QRadioButton>("RadioTemp")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("RadioAutoSave")->isChecked());
}

TEST_F(TFormOptionsWindowTest, AddingAndDeletingExtensions)
{
    open(0);
    control<QLineEdit>("EditNewExt")->setText(".php");
    click("Button1");
    EXPECT_EQ(listed("ListBoxHTMLExtensions"), QStringList({"asp", "htm", "html", "php", "shtm", "shtml"}));
    EXPECT_TRUE(control<QLineEdit>("EditNewExt")->text().isEmpty());

    prompts.expectInformation();
    click("Button1");
    EXPECT_EQ(prompts.last().text, OptionsTexts::emptyExtension);

    for (int i = 0; i < 9; ++i) {
        control<QLineEdit>("EditNewExt")->setText(QStringLiteral("x%1").arg(i));
        click("Button1");
    }
    ASSERT_EQ(listed("ListBoxHTMLExtensions").size(), 15);
    control<QLineEdit>("EditNewExt")->setText("cgi");
    prompts.expectInformation();
    click("Button1");
    EXPECT_EQ(prompts.last().text, OptionsTexts::tooManyExtensions);
    EXPECT_FALSE(listed("ListBoxHTMLExtensions").contains("cgi"));

    auto *list = control<QListWidget>("ListBoxHTMLExtensions");
    list->clearSelection();
    click("ButtonDeleteExt");
    EXPECT_EQ(list->count(), 15);
    list->setCurrentRow(0);
    click("ButtonDeleteExt");
    EXPECT_FALSE(listed("ListBoxHTMLExtensions").contains("asp"));
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(TFormOptionsWindowTest, PromptFrequencyAboveFifteenBecomesFifteen)
{
    open(0);
    auto *spin = control<QSpinBox>("SpinPromptBack");
    spin->setValue(20);
    EXPECT_EQ(spin->value(), 15);
    spin->setValue(0);
    EXPECT_EQ(spin->value(), 1);
}

TEST_F(TFormOptionsWindowTest, ColourBoxesRecolourTheirLabels)
{
    open(1);
    QStringList shown;
    for (int i = 0; i < control<QComboBox>("ComboBox2")->count(); ++i)
        shown << control<QComboBox>("ComboBox2")->itemText(i);
    EXPECT_EQ(shown,
              QStringList({"Black", "Red", "Maroon", "Blue", "Navy", "Green", "Olive", "Purple", "Gray", "Teal"}));
    control<QComboBox>("ComboBox2")->setCurrentText("Blue");
    EXPECT_EQ(control<QLabel>("LabelAnchors")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(control<QLabel>("LabelDefault")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    click("Button3"); // the files keep the stored names
    EXPECT_EQ(ini(SettingsFile::Options, "Colors", "HREF"), "clBlue");
    EXPECT_EQ(ini(SettingsFile::Options, "Colors", "DEFAULT"), "clRed");
}

TEST_F(TFormOptionsWindowTest, BrowseButtonsFillTheirFieldsWithTheRightFilter)
{
    open(0);
    prompts.expectOpenFile("/home/me/Templates/base.html");
    click("BitBtnTemplate");
    EXPECT_EQ(control<QLineEdit>("EditTemplate")->text(), "/home/me/Templates/base.html");
    EXPECT_EQ(prompts.last().request.title, OptionsTexts::browseTitle);
    EXPECT_EQ(prompts.last().request.filter, "Executable Files|*|All Files|*.*");
    EXPECT_EQ(prompts.last().request.filterIndex, 2);
    EXPECT_EQ(prompts.last().request.executablesEntry, 1);

    prompts.expectInformation().expectOpenFile("/home/me/Site/Images/logo.gif");
    click("BitBtnImagePath");
    EXPECT_EQ(prompts.shown().at(1).text, OptionsTexts::imagePathHowTo);
    EXPECT_EQ(control<QLineEdit>("EditImagePath")->text(), "/home/me/Site/Images/");

    prompts.expectInformation().expectOpenFile("/home/me/Site/index.html");
    click("BitBtn3");
    EXPECT_EQ(control<QLineEdit>("EditDefaultFiles")->text(), "/home/me/Site/");
    EXPECT_EQ(settings.text(SettingKey::FilesSelected), "/home/me/Site/");

    prompts.expectOpenFile("/opt/gimp/bin/gimp");
    click("BitBtnImage");
    EXPECT_EQ(control<QLineEdit>("EditImage")->text(), "/opt/gimp/bin/gimp");
    EXPECT_EQ(prompts.last().request.filterIndex, 2); // as last used

    prompts.expectOpenFile("");
    click("BitBtnMap");
    EXPECT_TRUE(control<QLineEdit>("EditMap")->text().isEmpty());
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(TFormOptionsWindowTest, ImmediateChoicesSurviveCancel)
{
    TFormOptions &d = open(3);
    prompts.expectOpenFile("/opt/netscape/netscape").expectOpenFile("/opt/ie/iexplore");
    click("BitBtn1");
    click("BitBtn2");
    EXPECT_EQ(ini(SettingsFile::Options, "Location", "Netscape"), "/opt/netscape/netscape");
    EXPECT_EQ(ini(SettingsFile::Options, "Location", "MSIE"), "/opt/ie/iexplore");
    control<QRadioButton>("RadioNoBackup")->click();
    control<QLineEdit>("EditFTP")->setText("/opt/ftp");
    control<QRadioButton>("RadioAutoSave")->setChecked(true);
    click("Button4");
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(settings.text(SettingKey::NetscapeProgram), "/opt/netscape/netscape");
    EXPECT_EQ(settings.text(SettingKey::MsieProgram), "/opt/ie/iexplore");
    EXPECT_EQ(settings.integer(SettingKey::BackupType), 0);
    EXPECT_EQ(settings.text(SettingKey::FtpPath), "");
    EXPECT_EQ(settings.text(SettingKey::PreviewOption), "temp");
    EXPECT_FALSE(host.masks);
    EXPECT_FALSE(folder.exists("DEFAULT.INI"));
    EXPECT_FALSE(folder.exists("htmlext.dat"));
}

TEST_F(TFormOptionsWindowTest, ApplyChangesTheMainWindowAndCloses)
{
    folder.write("htmlext.dat", "html\r\nhtm\r\n");
    TFormOptions &d = open(0);
    control<QRadioButton>("RadioAutoSave")->setChecked(true);
    control<QLineEdit>("EditNewExt")->setText("php");
    click("Button1");
    control<QLineEdit>("EditNet")->setText("/typed/but/not/stored");
    control<QLineEdit>("EditImage")->setText("/opt/paint");
    click("Button3");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(host.letter, "S");
    ASSERT_TRUE(host.masks);
    EXPECT_EQ(host.masks->masks, "*.htm;*.html;*.php");
    EXPECT_EQ(folder.read("htmlext.dat"), "htm\r\nhtml\r\nphp\r\n");
    EXPECT_EQ(settings.text(SettingKey::PreviewOption), "auto");
    EXPECT_EQ(settings.text(SettingKey::ImageEditor), "/opt/paint");
    EXPECT_EQ(settings.text(SettingKey::NetscapeProgram), "");
    EXPECT_EQ(ini(SettingsFile::Options, "Location", "Netscape"), "<none>");
}

TEST_F(TFormOptionsWindowTest, ChangeFilePathRewritesThePagesAndWritesThePathFileAtOnce)
{
    folder.write("projects/site.out", "A\r\nB\r\nC\r\n");
    host.name = "site.out";
    host.paths = {"/w/Site/A.html", "/w/site/sub/B.html", "/w/SITE/C.html"};
    open(2);
    auto *list = control<QListWidget>("ListBoxPaths");
    ASSERT_EQ(listed("ListBoxPaths"), QStringList({"/w/Site/", "/w/site/sub/"}));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_TRUE(control<QPushButton>("ButtonSelectPath")->isEnabled());

    prompts.expectInformation().expectOpenFile("/srv/New Web/any.html");
    click("ButtonSelectPath");
    EXPECT_EQ(prompts.shown().at(0).text, OptionsTexts::newPathHowTo);
    EXPECT_EQ(control<QLabel>("Label21")->text(), "/srv/New Web/"); // what is stored
    ASSERT_TRUE(control<QPushButton>("ButtonChangePath")->isEnabled());

    prompts.expectInformation();
    click("ButtonChangePath");
    EXPECT_EQ(prompts.last().text, OptionsTexts::pathsUpdated);
    const QStringList expected = {"/srv/New Web/A.html", "/w/site/sub/B.html", "/srv/New Web/C.html"};
    EXPECT_EQ(host.paths, expected);
    EXPECT_EQ(ProjectFiles::parseLines(folder.read("projects/site.fil")), expected);
    // The list is not refreshed, and Cancel does not undo the rewrite.
    EXPECT_EQ(listed("ListBoxPaths"), QStringList({"/w/Site/", "/w/site/sub/"}));
    click("Button4");
    EXPECT_EQ(ProjectFiles::parseLines(folder.read("projects/site.fil")), expected);
}

TEST_F(TFormOptionsWindowTest, TidyChoicesSitWithTheTagStyleAndOnlyApplyStoresThem)
{
    settings.setInMemory(SettingKey::TidyIndent, "1");
    settings.setInMemory(SettingKey::TidyUpperCase, "0");
    open(1);
    auto *tabs = control<QTabWidget>("PageControl1");
    auto *indent = control<QCheckBox>("CheckTidyIndent");
    auto *upper = control<QCheckBox>("CheckTidyUpperCase");
    auto *doctype = control<QCheckBox>("CheckTidyKeepDoctype");
    EXPECT_TRUE(tabs->widget(1)->isAncestorOf(indent)) << "on the Tag Options page, beside STRONG and EM";
    EXPECT_TRUE(indent->isChecked());
    EXPECT_FALSE(upper->isChecked());
    EXPECT_TRUE(doctype->isChecked());

    doctype->setChecked(false);
    click("Button4"); // Cancel
    EXPECT_EQ(ini(SettingsFile::Default, "Tidy", "KeepDoctype"), "<none>");
    EXPECT_TRUE(settings.flag(SettingKey::TidyKeepDoctype));

    open(1);
    control<QCheckBox>("CheckTidyKeepDoctype")->setChecked(false);
    control<QCheckBox>("CheckTidyUpperCase")->setChecked(true);
    click("Button3"); // Apply
    EXPECT_EQ(ini(SettingsFile::Default, "Tidy", "Indent"), "1");
    EXPECT_EQ(ini(SettingsFile::Default, "Tidy", "UpperCase"), "1");
    EXPECT_EQ(ini(SettingsFile::Default, "Tidy", "KeepDoctype"), "0");
    EXPECT_FALSE(settings.flag(SettingKey::TidyKeepDoctype));
}

TEST(ProgramBrowseDialog, ExecutablesEntryListsOnlyFilesThatMayRun)
{
    FileDialogRequest request;
    request.filter = OptionsTexts::browseFilter;
    request.filterIndex = OptionsTexts::executablesEntry;
    request.executablesEntry = OptionsTexts::executablesEntry;
    QFileDialog dialog;
    prepareFileDialog(dialog, request);
    EXPECT_EQ(dialog.nameFilters(), QStringList({"Executable Files (*)", "All Files (*)"}));
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_TRUE(dialog.filter() & QDir::Executable);
    Q_EMIT dialog.filterSelected(dialog.nameFilters().at(1)); // the user picks "All Files"
    EXPECT_FALSE(dialog.filter() & QDir::Executable);
    Q_EMIT dialog.filterSelected(dialog.nameFilters().at(0));
    EXPECT_TRUE(dialog.filter() & QDir::Executable);

    // Opened on "All Files", and any other dialog, lists every file.
    request.filterIndex = OptionsTexts::allFilesEntry;
    QFileDialog allFiles;
    prepareFileDialog(allFiles, request);
    EXPECT_FALSE(allFiles.filter() & QDir::Executable);
    request.executablesEntry = 0;
    request.filterIndex = 1;
    QFileDialog plain;
    prepareFileDialog(plain, request);
    EXPECT_FALSE(plain.filter() & QDir::Executable);
}

TEST_F(TFormOptionsWindowTest, EveryTabIsInSightAtTheOpeningSize)
{
    TFormOptions &d = open(0);
    d.show();
    const QTabBar *bar = control<QTabWidget>("PageControl1")->tabBar();
    ASSERT_EQ(bar->count(), 6);
    for (int i = 0; i < bar->count(); ++i)
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(i))) << bar->tabText(i).toStdString();
    for (const QToolButton *arrow : bar->findChildren<QToolButton *>())
        EXPECT_FALSE(arrow->isVisible()); // no scroll arrows
}
