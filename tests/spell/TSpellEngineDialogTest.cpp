#include "spell/TSpellEngineDialog.h"
#include "editor/BufferEditorAccess.h"
#include "spell/TConfigDialog.h"
#include "spell/TSpellEngine.h"
#include "testsupport/ScriptedPrompts.h"
#include "testsupport/TempProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace {
using namespace SpellElement;

// The user at the real dialog: each time the engine waits, the next step works the
// dialog's controls. Runs out: Cancel, and `ranOut` tells the test its script was short.
class DialogScript final : public SpellEventLoop {
public:
    void processPending() override { QCoreApplication::processEvents(); }
    void waitForInput() override
    {
        if (steps.empty()) {
            ranOut = true;
            engine->action(SpellAction::Cancel);
            return;
        }
        auto step = std::move(steps.front());
        steps.pop_front();
        ++stepsRun;
        step();
    }

    TSpellEngine *engine = nullptr;
    std::deque<std::function<void()>> steps;
    int stepsRun = 0;
    bool ranOut = false;
};

QStringList items(const QListWidget *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->item(i)->text();
    return out;
}

class SpellWindowTest : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TOVAREL_TEST_DICTIONARY), folder.file(QStringLiteral("american.dct"))));
        folder.write(QStringLiteral("spell.cfg"), "");
        dialog = std::make_unique<TSpellEngineDialog>(folder.path(), prompts);
        engine = std::make_unique<TSpellEngine>(folder.path(), prompts, *dialog, script);
        dialog->setEngine(engine.get());
        script.engine = engine.get();
        TSpellProperties &p = engine->properties();
        p.defaultMain = QStringLiteral("american.dct");
        p.maxSuggestions = 15;
        p.selectionBehavior = sbAvoidUpDown;
        engine->setConfigFileName(QStringLiteral("spell.cfg"));
        engine->setConfigKey(QStringLiteral("default"));
    }

    void TearDown() override { EXPECT_TRUE(prompts.allAnswered()); }

    QPushButton *button(int element) const { return dialog->button(element); }
    void click(int element) const { QTest::mouseClick(button(element), Qt::LeftButton); }
    void clickSuggestion(const QString &text, bool twice = false) const
    {
        QListWidget *box = dialog->suggestionBox();
        const auto found = box->findItems(text, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << qPrintable(items(box).join(u','));
        const QPoint at = box->visualItemRect(found.first()).center();
        // A real double click: a full click, then the second press arrives as a double click.
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
    }
    void then(std::function<void()> step) { script.steps.push_back(std::move(step)); }
    void check(BufferEditorAccess &editor) { engine->checkRichEdit(editor, nullptr); }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    DialogScript script;
    std::unique_ptr<TSpellEngineDialog> dialog;
    std::unique_ptr<TSpellEngine> engine;
};

TEST_F(SpellWindowTest, ElementsStartAsLaidOutAndButtonsRaiseTheirActions)
{
    struct Row {
        int element;
        const char *caption;
        bool enabled;
        int action;
    };
    const Row rows[] = {
        {ChangeAll, "&Change All", false, 4}, {Change, "C&hange", false, 5}, {IgnoreAll, "&Ignore All", false, 6},
        {Ignore, "I&gnore", false, 7},        {Add, "&Add", false, 8},       {AutoCorrect, "Au&to-Correct", false, 9},
        {Suggest, "S&uggest", false, 0},      {Start, "Start", false, 1},    {UndoLast, "Undo &Last", false, 2},
        {Options, "&Options", true, 3},       {Help, "Hel&p", true, 10},     {Cancel, "Cancel", true, 11},
    };
    QList<int> raised;
    dialog->dc().onAction = [&raised](SpellAction code) { raised << int(code); };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.caption);
        EXPECT_EQ(dialog->elementCaption(row.element), QString::fromLatin1(row.caption));
        EXPECT_EQ(button(row.element)->isEnabled(), row.enabled);
        dialog->setElementEnabled(row.element, true);
        raised.clear();
        click(row.element);
        EXPECT_EQ(raised, QList<int>{row.action});
    }
    EXPECT_EQ(dialog->elementCaption(ErrorLabel), QStringLiteral("Not Found:"));
    EXPECT_EQ(dialog->elementCaption(ActionLabel), QStringLiteral("&Replace With:"));
    EXPECT_EQ(dialog->elementCaption(SuggestLabel), QStringLiteral("&Suggestions:"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Spell Check"));
    EXPECT_EQ(dialog->font().pointSize(), 8);
}

TEST_F(SpellWindowTest, QuestionedWordShowsSortedSuggestionsAndChangeReplacesIt)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("I like teh cat."));
    then([&] {
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->notFoundField()->text(), QStringLiteral("teh"));
        EXPECT_EQ(dialog->elementCaption(ErrorLabel), QStringLiteral("Not Found:"));
        const QStringList shown = items(dialog->suggestionBox());
        EXPECT_TRUE(shown.contains(QStringLiteral("the"))) << qPrintable(shown.join(u','));
        QStringList sorted = shown;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        EXPECT_EQ(shown, sorted);
        EXPECT_TRUE(dialog->wordEdit()->text().isEmpty());
        for (int element : {ChangeAll, Change, Suggest, AutoCorrect, Start, UndoLast})
            EXPECT_FALSE(button(element)->isEnabled()) << element;
        for (int element : {Ignore, IgnoreAll, Add, Options, Help, Cancel})
            EXPECT_TRUE(button(element)->isEnabled()) << element;
        clickSuggestion(QStringLiteral("the"));
        EXPECT_EQ(dialog->wordEdit()->text(), QStringLiteral("the"));
        EXPECT_TRUE(button(Change)->isEnabled());
        click(Change);
    });
    prompts.expectInformation(); // the count at the end
    check(editor);
    EXPECT_FALSE(script.ranOut);
    EXPECT_EQ(editor.plainText(), QStringLiteral("I like the cat."));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SpellWindowTest, SuggestStaysDisabledUntilTheFieldIsEdited)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("teh end"));
    then([&] {
        EXPECT_FALSE(button(Suggest)->isEnabled());
        clickSuggestion(QStringLiteral("the"));
        EXPECT_EQ(dialog->suggestionBox()->currentRow(), items(dialog->suggestionBox()).indexOf(QStringLiteral("the")));
        QTest::keyClicks(dialog->wordEdit(), QStringLiteral("n"));
        EXPECT_EQ(dialog->wordEdit()->text(), QStringLiteral("then"));
        EXPECT_TRUE(button(Suggest)->isEnabled());
        EXPECT_TRUE(button(ChangeAll)->isEnabled());
        EXPECT_TRUE(button(AutoCorrect)->isEnabled());
        // The user's own edit drops the list's choice.
        EXPECT_TRUE(dialog->suggestionBox()->selectedItems().isEmpty());
        click(Cancel);
    });
    check(editor);
    EXPECT_FALSE(script.ranOut);
    EXPECT_EQ(editor.plainText(), QStringLiteral("teh end"));
}

TEST_F(SpellWindowTest, DoubleClickedSuggestionChangesLaterOccurrencesToo)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("teh cat and teh dog"));
    then([&] { clickSuggestion(QStringLiteral("the"), true); });
    prompts.expectInformation();
    check(editor);
    EXPECT_FALSE(script.ranOut);
    EXPECT_EQ(script.stepsRun, 1);
    EXPECT_EQ(editor.plainText(), QStringLiteral("the cat and the dog"));
    EXPECT_EQ(engine->changeAllWords(), QStringList{QStringLiteral("teh")});
}

TEST_F(SpellWindowTest, IgnoreAllAddAndUndo)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("zzqx qwzy zzqx blorfq"));
    then([&] {
        EXPECT_EQ(dialog->notFoundField()->text(), QStringLiteral("zzqx"));
        click(IgnoreAll);
    });
    then([&] {
        // The second "zzqx" is passed over.
        EXPECT_EQ(dialog->notFoundField()->text(), QStringLiteral("qwzy"));
        EXPECT_TRUE(button(UndoLast)->isEnabled());
        click(Add);
    });
    then([&] {
        EXPECT_EQ(dialog->notFoundField()->text(), QStringLiteral("blorfq"));
        EXPECT_TRUE(engine->addToDictionary()->contains(u"qwzy"));
        click(UndoLast);
    });
    then([&] {
        EXPECT_EQ(dialog->notFoundField()->text(), QStringLiteral("qwzy"));
        EXPECT_FALSE(engine->addToDictionary()->contains(u"qwzy"));
        click(Cancel);
    });
    check(editor);
    EXPECT_FALSE(script.ranOut);
    EXPECT_EQ(script.stepsRun, 4);
    EXPECT_EQ(engine->ignoreAllList(), QStringList{QStringLiteral("zzqx")});
}

TEST_F(SpellWindowTest, RepeatedWordIsDeletedAndTheCaptionRestored)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("the the cat"));
    then([&] {
        EXPECT_EQ(dialog->elementCaption(ErrorLabel), QStringLiteral("Repeated Word:"));
        EXPECT_EQ(dialog->elementCaption(Change), QStringLiteral("&Delete"));
        EXPECT_TRUE(button(Change)->isEnabled());
        EXPECT_FALSE(dialog->wordEdit()->isEnabled());
        EXPECT_FALSE(dialog->suggestionBox()->isEnabled());
        click(Change);
    });
    prompts.expectInformation();
    check(editor);
    EXPECT_FALSE(script.ranOut);
    EXPECT_EQ(editor.plainText(), QStringLiteral("the cat"));
    EXPECT_EQ(dialog->elementCaption(Change), QStringLiteral("C&hange"));
}

// Cancel, closing the window and Escape end the check alike, without the count message
// (an unscripted message would fail the test).
TEST_F(SpellWindowTest, CancelCloseAndEscapeEndTheCheckAlike)
{
    const std::pair<const char *, std::function<void(SpellWindowTest &)>> ways[] = {
        {"Cancel", [](SpellWindowTest &t) { t.click(Cancel); }},
        {"close", [](SpellWindowTest &t) { t.dialog->close(); }},
        {"Escape", [](SpellWindowTest &t) { QTest::keyClick(t.dialog.get(), Qt::Key_Escape); }},
    };
    for (const auto &[name, way] : ways) {
        SCOPED_TRACE(name);
        BufferEditorAccess editor(nullptr, QStringLiteral("zzqx qwzy"));
        script.ranOut = false;
        then([&, way = way] { way(*this); });
        check(editor);
        EXPECT_FALSE(script.ranOut);
        EXPECT_TRUE(engine->cancelled());
        EXPECT_FALSE(engine->checkRunning());
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(editor.plainText(), QStringLiteral("zzqx qwzy"));
    }
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(SpellWindowTest, LosingTheFocusParksTheDialogAndStartResumesAtTheCaret)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("zzqx cat qwzy blorfq"));
    then([&] {
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(dialog.get(), &deactivate);
        for (int element : {ChangeAll, Change, IgnoreAll, Ignore, Add, Suggest, UndoLast})
            EXPECT_FALSE(button(element)->isEnabled()) << element;
        EXPECT_FALSE(dialog->wordEdit()->isEnabled());
        EXPECT_FALSE(dialog->suggestionBox()->isEnabled());
        EXPECT_TRUE(button(Start)->isEnabled());
        editor.setSelection(16, 0); // inside "blorfq": the skipped "qwzy" is not asked
        click(Start);
    });
    then([&] {
        EXPECT_EQ(dialog->notFoundField()->text(), QStringLiteral("blorfq"));
        EXPECT_FALSE(button(Start)->isEnabled());
        EXPECT_TRUE(button(Ignore)->isEnabled());
        click(Cancel);
    });
    check(editor);
    EXPECT_FALSE(script.ranOut);
    EXPECT_EQ(script.stepsRun, 2);
}

TEST_F(SpellWindowTest, HelpOpensTheProgramsSpellCheckPage)
{
    QStringList opened;
    dialog->setHelpOpener([&opened](const QString &path) { opened << path; });
    BufferEditorAccess editor(nullptr, QStringLiteral("zzqx"));
    then([&] {
        click(Help);
        EXPECT_TRUE(dialog->isVisible());
        click(Cancel);
    });
    check(editor);
    EXPECT_EQ(opened, QStringList{folder.path() + QStringLiteral("help/spellcheck.kvn")});
}

TEST_F(SpellWindowTest, OptionsOpensTheConfigurationAndItsResetsEmptyTheWorkingLists)
{
    int opened = 0;
    dialog->setConfigurationOpened([&opened](TConfigDialog &config) {
        ++opened;
        // The configuration dialog is modal: work it once its own loop runs.
        QTimer::singleShot(0, &config, [&config] {
            QTest::mouseClick(config.button(TLanguageModule::ResetIgnoreAll), Qt::LeftButton);
            QTest::mouseClick(config.button(TLanguageModule::ResetChangeAll), Qt::LeftButton);
            QTest::mouseClick(config.okButton(), Qt::LeftButton);
        });
    });
    BufferEditorAccess editor(nullptr, QStringLiteral("zzqx teh qwzy zzqx teh"));
    then([&] { click(IgnoreAll); });
    then([&] { clickSuggestion(QStringLiteral("the"), true); }); // Change All
    then([&] {
        EXPECT_EQ(engine->ignoreAllList(), QStringList{QStringLiteral("zzqx")});
        EXPECT_EQ(engine->changeAllWords(), QStringList{QStringLiteral("teh")});
        click(Options);
        EXPECT_EQ(opened, 1);
        EXPECT_TRUE(engine->ignoreAllList().isEmpty());
        EXPECT_TRUE(engine->changeAllWords().isEmpty());
        EXPECT_TRUE(engine->changeAllReplacements().isEmpty());
        EXPECT_FALSE(engine->mainDictionaries().empty()); // opened again after OK
        click(Cancel);
    });
    check(editor);
    EXPECT_FALSE(script.ranOut);
    EXPECT_EQ(script.stepsRun, 3);
}

TEST_F(SpellWindowTest, ResizingLaysTheControlsOutAgain)
{
    dialog->resize(460, 220);
    dialog->show();
    QCoreApplication::processEvents();
    const int listWidth = dialog->suggestionBox()->width();
    const int cancelX = button(Cancel)->x();
    dialog->resize(700, 400);
    QCoreApplication::processEvents();
    EXPECT_GT(dialog->suggestionBox()->width(), listWidth);
    EXPECT_GT(button(Cancel)->x(), cancelX);
    dialog->hide();
}
} // namespace
