#include "spell/TConfigDialog.h"
#include "spell/TSpellEngine.h"
#include "spell/TSpellEngineDialog.h"
#include "spell/TrieDictionary.h"
#include "testsupport/ScriptedPrompts.h"
#include "testsupport/TempProgramFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// No check runs here: the engine only lends its texts, options and working lists.
class NoLoop final : public SpellEventLoop {
public:
    void processPending() override {}
    void waitForInput() override {}
};

QStringList entries(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QStringList choices(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

class ConfigDialogTest : public ::testing::Test {
public:
    void SetUp() override
    {
        dct = folder.file(QStringLiteral("american.dct"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TOVAREL_TEST_DICTIONARY), dct));
        config.filePath = folder.file(QStringLiteral("spell.cfg"));
        config.section = QStringLiteral("default");
        config.mains = {TMain{QStringLiteral("american.dct"), true, {}},
                        TMain{QStringLiteral("missing.dct"), false, QStringLiteral("Missing one")}};
        config.users = {TUser{QStringLiteral("Names.UDT"), true}, TUser{QStringLiteral("Words.DIC"), true},
                        TUser{QStringLiteral("Other.udt"), false}};
        config.userIndex = 0;
        config.options = {soHTML, soAutoSuggest};
        engine = std::make_unique<TSpellEngine>(folder.path(), prompts, host, loop);
    }
    void TearDown() override { EXPECT_TRUE(prompts.allAnswered()); }

    std::unique_ptr<TConfigDialog> open()
    {
        auto dialog = std::make_unique<TConfigDialog>(*engine, config, prompts);
        dialog->show();
        return dialog;
    }
    // A click on an entry's active box, or on its text.
    static void clickEntry(QListWidget *list, int row, bool onBox)
    {
        const QRect rect = list->visualItemRect(list->item(row));
        const QPoint at(onBox ? rect.left() + 5 : rect.left() + 40, rect.center().y());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    TempProgramFolder folder;
    QString dct;
    TConfiguration config;
    ScriptedPrompts prompts;
    TSpellEngineDialog host{QString(), prompts};
    NoLoop loop;
    std::unique_ptr<TSpellEngine> engine;
};

TEST_F(ConfigDialogTest, ListsShowDescriptionsAndLowerCaseNames)
{
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Spell Check Configuration"));
    EXPECT_EQ(dialog->pages()->tabText(0), QStringLiteral("Dictionaries"));
    EXPECT_EQ(dialog->pages()->tabText(1), QStringLiteral("Options"));
    EXPECT_EQ(dialog->okButton()->text(), QStringLiteral("&OK"));
    EXPECT_EQ(dialog->cancelButton()->text(), QStringLiteral("&Cancel"));
    const QString description = TrieDictionary::readDescription(dct);
    ASSERT_FALSE(description.isEmpty());
    EXPECT_EQ(entries(dialog->mainList()), (QStringList{description, QStringLiteral("Missing one")}));
    EXPECT_EQ(entries(dialog->userList()),
              (QStringList{QStringLiteral("names.udt"), QStringLiteral("words.dic"), QStringLiteral("other.udt")}));
    // Only active ".udt" dictionaries can take added words.
    EXPECT_EQ(choices(dialog->addToChoice()), QStringList{QStringLiteral("names.udt")});
    EXPECT_FALSE(dialog->changed());
}

TEST_F(ConfigDialogTest, BoxClicksToggleEntriesButMissingMainsStayOff)
{
    auto dialog = open();
    clickEntry(dialog->mainList(), 0, false); // on the text: only selects
    EXPECT_TRUE(dialog->working().mains[0].active);
    EXPECT_FALSE(dialog->changed());
    clickEntry(dialog->mainList(), 0, true);
    EXPECT_FALSE(dialog->working().mains[0].active);
    EXPECT_TRUE(dialog->changed());

    prompts.expectInformation();
    clickEntry(dialog->mainList(), 1, true);
    EXPECT_FALSE(dialog->working().mains[1].active);
    EXPECT_EQ(prompts.last().text, folder.file(QStringLiteral("missing.dct")) + QStringLiteral("\n\n") +
                                       engine->language().messageText(TLanguageModule::DictionaryNotLocated));
}

TEST_F(ConfigDialogTest, AddWordsToFollowsTheActiveUserDictionaries)
{
    auto dialog = open();
    struct Step {
        int toggleRow;
        QStringList shown;
        int userIndex;
    };
    const Step steps[] = {
        {2, {QStringLiteral("names.udt"), QStringLiteral("other.udt")}, 0}, // the choice stays
        {0, {QStringLiteral("other.udt")}, 2},                              // gone: the first one
        {2, {}, -1},                                                        // none left
        {0, {QStringLiteral("names.udt")}, 0},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.toggleRow);
        clickEntry(dialog->userList(), step.toggleRow, true);
        EXPECT_EQ(choices(dialog->addToChoice()), step.shown);
        EXPECT_EQ(dialog->working().userIndex, step.userIndex);
    }
}

TEST_F(ConfigDialogTest, UpAndDownMoveEntriesAndTheChoiceFollows)
{
    auto dialog = open();
    dialog->userList()->setCurrentRow(0);
    QTest::mouseClick(dialog->userDown(), Qt::LeftButton);
    EXPECT_EQ(dialog->working().users[1].path, QStringLiteral("Names.UDT"));
    EXPECT_EQ(dialog->working().userIndex, 1);
    EXPECT_EQ(dialog->userList()->currentRow(), 1);
    QTest::mouseClick(dialog->userUp(), Qt::LeftButton);
    QTest::mouseClick(dialog->userUp(), Qt::LeftButton); // already at the top
    EXPECT_EQ(dialog->working().users[0].path, QStringLiteral("Names.UDT"));
    EXPECT_EQ(dialog->working().userIndex, 0);

    dialog->mainList()->setCurrentRow(1);
    QTest::mouseClick(dialog->mainUp(), Qt::LeftButton);
    EXPECT_EQ(dialog->working().mains[0].path, QStringLiteral("missing.dct"));
}

TEST_F(ConfigDialogTest, FileDialogsAskWithTheirTitlesFiltersAndExtensions)
{
    struct Case {
        TLanguageModule::Text button;
        bool save;
        const char *title;
        const char *filter;
    };
    const Case cases[] = {
        {TLanguageModule::AddMain, false, "Open Main Dictionary", "Dictionary Files|*.dct"},
        {TLanguageModule::AddUser, false, "Open User Dictionary", "User Dictionaries|*.udt;*.dic"},
        {TLanguageModule::NewUser, true, "New User Dictionary", "User Dictionary File|*.udt"},
    };
    auto dialog = open();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.title);
        if (c.save)
            prompts.expectSaveFile(QString());
        else
            prompts.expectOpenFile(QString());
        QTest::mouseClick(dialog->button(c.button), Qt::LeftButton);
        const FileDialogRequest &request = prompts.last().request;
        EXPECT_EQ(request.title, QString::fromLatin1(c.title));
        EXPECT_EQ(request.filter, QString::fromLatin1(c.filter));
        EXPECT_EQ(request.defaultSuffix,
                  c.button == TLanguageModule::AddMain ? QStringLiteral("dct") : QStringLiteral("udt"));
        EXPECT_EQ(request.folder, config.folder());
    }
    EXPECT_FALSE(dialog->changed()); // all cancelled
}

TEST_F(ConfigDialogTest, OnlyTheFirstAddedMainDictionaryIsActive)
{
    for (bool empty : {true, false}) {
        SCOPED_TRACE(empty);
        if (empty)
            config.mains.clear();
        auto dialog = open();
        prompts.expectOpenFile(dct);
        QTest::mouseClick(dialog->button(TLanguageModule::AddMain), Qt::LeftButton);
        const TMain &added = dialog->working().mains.last();
        EXPECT_EQ(added.path, dct);
        EXPECT_EQ(added.active, empty);
        EXPECT_EQ(added.description, TrieDictionary::readDescription(dct));
        EXPECT_TRUE(dialog->changed());
        dialog->accept();
    }
}

TEST_F(ConfigDialogTest, NewUserDictionaryIsCreatedAndCanTakeWords)
{
    auto dialog = open();
    const QString path = folder.file(QStringLiteral("mine.udt"));
    prompts.expectSaveFile(path);
    QTest::mouseClick(dialog->button(TLanguageModule::NewUser), Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(entries(dialog->userList()).last(), QStringLiteral("mine.udt"));
    EXPECT_TRUE(choices(dialog->addToChoice()).contains(QStringLiteral("mine.udt")));
    dialog->userList()->setCurrentRow(3);
    QTest::mouseClick(dialog->button(TLanguageModule::RemoveUser), Qt::LeftButton);
    EXPECT_EQ(dialog->working().users.size(), 3);
    EXPECT_FALSE(choices(dialog->addToChoice()).contains(QStringLiteral("mine.udt")));
}

TEST_F(ConfigDialogTest, OptionsPageShowsTheVisibleOptionsInTheirGroups)
{
    engine->properties().visibleOptions = {soUpcase, soHTML, soAutoSuggest, soRecheck, soBestGuessesFirst};
    auto dialog = open();
    struct Row {
        TSpellOption option;
        const char *caption;
        const char *group;
    };
    const Row rows[] = {
        {soUpcase, "Words in &UPPERCASE", " Ignore: "},
        {soHTML, "&HTML Tags", " Ignore: "},
        {soAutoSuggest, "&Generate Automatically", " Suggestions: "},
        {soRecheck, "Re-check Replaced Words", " General: "},
        {soBestGuessesFirst, "&Best guesses first", " Suggestions: "},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.caption);
        QCheckBox *box = dialog->optionBox(row.option);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QString::fromLatin1(row.caption));
        EXPECT_EQ(box->isChecked(), config.options.has(row.option));
        auto *group = qobject_cast<QGroupBox *>(box->parentWidget());
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->title(), QString::fromLatin1(row.group));
    }
    EXPECT_EQ(dialog->optionBox(soNumbers), nullptr);
    EXPECT_EQ(dialog->optionBox(soDualCaps), nullptr);

    dialog->optionBox(soUpcase)->click();
    dialog->optionBox(soHTML)->click();
    dialog->optionBox(soBestGuessesFirst)->click();
    EXPECT_EQ(config.options, (TSpellOptions{soHTML, soAutoSuggest})); // untouched until OK
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(config.options, (TSpellOptions{soUpcase, soAutoSuggest, soBestGuessesFirst}));
    EXPECT_TRUE(config.writeBack);
}

TEST_F(ConfigDialogTest, LeavingChangedConfigurationAsksFirst)
{
    enum class Way { CancelButton, Close };
    for (Way way : {Way::CancelButton, Way::Close}) {
        SCOPED_TRACE(int(way));
        const auto leave = [way](TConfigDialog &d) {
            if (way == Way::CancelButton)
                QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
            else
                d.close();
        };
        {
            auto unchanged = open();
            leave(*unchanged); // nothing to lose: no question
            EXPECT_FALSE(unchanged->isVisible());
        }
        auto dialog = open();
        clickEntry(dialog->mainList(), 0, true);
        prompts.expectConfirm(false);
        leave(*dialog);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(prompts.last().text, QStringLiteral("Exit without saving configuration?"));
        prompts.expectConfirm(true);
        leave(*dialog);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_TRUE(config.mains[0].active); // nothing was handed back
    }
}
} // namespace
