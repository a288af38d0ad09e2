#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "spell/TConfigDialog.h"
#include "spell/TSpellEngineDialog.h"
#include "testsupport/MainWindowFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include <memory>
#include <optional>

namespace {
// The main window's spell check with the shipped dictionary in its program folder.
class SpellCheckWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        folder.write("spell/american.dct", readFileBytes(QStringLiteral(TOVAREL_DICTIONARY)).value_or(QByteArray()));
        folder.write("spell/spell.cfg",
                     readFileBytes(QStringLiteral(TOVAREL_SOURCE_DIR "/data/spell/spell.cfg")).value_or(QByteArray()));
    }
};
} // namespace

TEST_F(SpellCheckWindowTest, NoToTheRemainderRestoresTheSelection)
{
    TForm1 &w = start();
    w.editorAccess().setPlainText("good words here. Teh end");
    w.editorAccess().setSelection(0, 10);
    prompts.expectConfirm(false);
    click("BitBtnSpellCheck");
    EXPECT_EQ(prompts.last().text, "The selected text has been checked.\nCheck the remainder of the document?");
    EXPECT_EQ(w.editorAccess().selStart(), 0);
    EXPECT_EQ(w.editorAccess().selLength(), 10);
    EXPECT_EQ(w.editorAccess().plainText(), "good words here. Teh end");
}

TEST_F(SpellCheckWindowTest, CaretAtTheEndGivesAnEmptyRemainder)
{
    TForm1 &w = start();
    w.editorAccess().setPlainText("fine words");
    w.editorAccess().setSelection(10, 0);
    prompts.expectInformation(); // the pass over the part before the caret ends with the engine's message
    trigger("SpellCheck2");
    EXPECT_TRUE(prompts.last().text.startsWith("Spell Check Complete")) << prompts.last().text.toStdString();
    EXPECT_EQ(w.editorAccess().selStart(), 10);
}

namespace {
QStringList suggestionsShown(TSpellEngineDialog &dialog)
{
    QStringList shown;
    for (int i = 0; i < dialog.suggestionBox()->count(); ++i)
        shown << dialog.suggestionBox()->item(i)->text();
    return shown;
}

// Runs `act` once the spell dialog shows a questioned word (the check's passes block the
// handler, so the test acts from inside the engine's wait); with `at`, only the occurrence
// that starts there. The word is shown before its suggestions are, so the dialog must look
// the same on two ticks in a row: a slow machine may tick in between.
void whenQuestioned(TForm1 &w, const QString &word, std::function<void(TSpellEngineDialog &)> act, int at = -1)
{
    auto *timer = new QTimer(&w);
    auto seen = std::make_shared<std::optional<QStringList>>();
    QObject::connect(timer, &QTimer::timeout, &w, [&w, word, act, timer, at, seen] {
        auto *dialog = w.findChild<TSpellEngineDialog *>();
        if (!dialog || !dialog->isVisible() || dialog->notFoundField()->text() != word ||
            (at >= 0 && w.editorAccess().selStart() != at)) {
            seen->reset();
            return;
        }
        const QStringList shown = suggestionsShown(*dialog);
        if (*seen != shown) {
            *seen = shown;
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(*dialog);
    });
    timer->start(10);
}

void pickSuggestion(TSpellEngineDialog &dialog, const QString &text, bool doubleClick)
{
    QListWidget *box = dialog.suggestionBox();
    const auto found = box->findItems(text, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << suggestionsShown(dialog).join(',').toStdString();
    const QPoint at = box->visualItemRect(found.first()).center();
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
    if (doubleClick)
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
}
} // namespace

TEST_F(SpellCheckWindowTest, WholeCheckCorrectsThePageInPlace)
{
    TForm1 &w = start();
    w.editorAccess().setPlainText(
        "<P>Teh cat sat.</P>\n<P CLASS=\"wrod\">One wrod, one wrod more.</P>\n<A\nTITLE=\"zzqx\">end</A>");
    w.editorAccess().setSelection(0, 0);
    whenQuestioned(w, "Teh", [&](TSpellEngineDialog &dialog) {
        // Nothing to change until a suggestion is picked or the field is typed in.
        EXPECT_TRUE(dialog.wordEdit()->text().isEmpty());
        EXPECT_FALSE(dialog.button(SpellElement::Change)->isEnabled());
        EXPECT_TRUE(w.editorAccess().selectedText() == "Teh");
        pickSuggestion(dialog, "The", false);
        EXPECT_TRUE(dialog.button(SpellElement::Change)->isEnabled());
        QTest::mouseClick(dialog.button(SpellElement::Change), Qt::LeftButton);
        whenQuestioned(w, "wrod", [&](TSpellEngineDialog &next) {
            pickSuggestion(next, "word", true); // double click: Change All
        });
    });
    prompts.expectInformation();
    EXPECT_FALSE(w.document().isModified());
    click("BitBtnSpellCheck");
    EXPECT_TRUE(w.document().isModified()); // the corrections are changes like any other
    // Both occurrences in the text are changed, none inside a tag, also one spanning lines.
    // Eleven words: nine, and the two corrections checked again.
    EXPECT_EQ(w.editorAccess().plainText().toStdString(),
              "<P>The cat sat.</P>\n<P CLASS=\"wrod\">One word, one word more.</P>\n<A\nTITLE=\"zzqx\">end</A>");
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.last().text.toStdString(), "Spell Check Complete.\n\nWords Checked: 11");
    EXPECT_EQ(w.editorAccess().selStart(), 0);
    EXPECT_EQ(w.editorAccess().selLength(), 0);
    EXPECT_FALSE(w.findChild<TSpellEngineDialog *>()->isVisible());
}

TEST_F(SpellCheckWindowTest, SelectionFirstThenThePartBeforeItWithOneCountOverAllPasses)
{
    TForm1 &w = start();
    const QString text = "Thhe cat. A wrod. End";
    w.editorAccess().setPlainText(text);
    const int start = int(text.indexOf("A wrod"));
    w.editorAccess().setSelection(start, 6);
    whenQuestioned(w, "wrod", [&](TSpellEngineDialog &dialog) {
        pickSuggestion(dialog, "word", false);
        QTest::mouseClick(dialog.button(SpellElement::Change), Qt::LeftButton);
    });
    prompts.expectConfirm(true);
    whenQuestioned(w, "Thhe", [&](TSpellEngineDialog &dialog) {
        // Typing is an edit: Change follows it.
        dialog.wordEdit()->setFocus();
        QTest::keyClicks(dialog.wordEdit(), "The");
        EXPECT_TRUE(dialog.button(SpellElement::Change)->isEnabled());
        QTest::mouseClick(dialog.button(SpellElement::Change), Qt::LeftButton);
    });
    prompts.expectInformation();
    click("BitBtnSpellCheck");
    EXPECT_EQ(w.editorAccess().plainText().toStdString(), "The cat. A word. End");
    // "A" and "wrod" (again after the change), "End", then "Thhe" (again) and "cat": the
    // selection's first word is not counted twice by the pass before it.
    ASSERT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(prompts.last().text.toStdString(), "Spell Check Complete\n\nWords Checked: 7");
    // The noted selection comes back by position, though the text before it got shorter.
    EXPECT_EQ(w.editorAccess().selStart(), start);
    EXPECT_EQ(w.editorAccess().selLength(), 6);
}

TEST_F(SpellCheckWindowTest, ClickingIntoThePageThenStartResumesAtTheCaretAndCancelEndsSilently)
{
    TForm1 &w = start();
    const QString text = "zzqx cat qwzy blorfq";
    w.editorAccess().setPlainText(text);
    w.editorAccess().setSelection(0, 0);
    whenQuestioned(w, "zzqx", [&](TSpellEngineDialog &dialog) {
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(&dialog, &deactivate);
        EXPECT_TRUE(dialog.button(SpellElement::Start)->isEnabled());
        EXPECT_FALSE(dialog.button(SpellElement::Ignore)->isEnabled());
        w.editorAccess().setSelection(int(text.indexOf("blorfq")), 0);
        QTest::mouseClick(dialog.button(SpellElement::Start), Qt::LeftButton);
        whenQuestioned(w, "blorfq", [&](TSpellEngineDialog &next) {
            EXPECT_FALSE(next.button(SpellElement::Start)->isEnabled());
            QTest::mouseClick(next.button(SpellElement::Cancel), Qt::LeftButton);
        });
    });
    click("BitBtnSpellCheck");
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_EQ(w.editorAccess().plainText(), text);
    EXPECT_EQ(w.editorAccess().selStart(), 0);
    EXPECT_EQ(w.editorAccess().selLength(), 0);
}

TEST_F(SpellCheckWindowTest, AllThreeEntryPointsCheckThePage)
{
    TForm1 &w = start();
    for (const char *entry : {"BitBtnSpellCheck", "SpellCheck2", "SpellCheck1"}) {
        SCOPED_TRACE(entry);
        w.editorAccess().setPlainText("<P>Two words</P>");
        w.editorAccess().setSelection(0, 0);
        prompts.expectInformation();
        if (QString(entry).startsWith("BitBtn"))
            click(entry);
        else
            trigger(entry);
        EXPECT_EQ(prompts.last().text.toStdString(), "Spell Check Complete.\n\nWords Checked: 2");
        EXPECT_FALSE(w.findChild<QWidget *>("FormSpell")->isVisible());
    }
}

namespace {
// A click on the active box of a main dictionary in the configuration dialog.
void clickMainBox(TConfigDialog &config, int row)
{
    QListWidget *list = config.mainList();
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 5, rect.center().y()));
}

QStringList mainEntries(const TConfigDialog &config)
{
    QStringList out;
    for (int i = 0; i < config.mainList()->count(); ++i)
        out << config.mainList()->item(i)->text();
    return out;
}
} // namespace

// The German dictionary, added in the middle of a check from the spell folder, takes words
// with umlauts and sharp s as words and suggests them.
TEST_F(SpellCheckWindowTest, GermanDictionaryAddedFromTheSpellFolderKnowsUmlautWords)
{
    folder.write("spell/german.dct", readFileBytes(QStringLiteral(TOVAREL_GERMAN_DICTIONARY)).value_or(QByteArray()));
    TForm1 &w = start();
    w.editorAccess().setPlainText("<P>Die Größe der Äpfel überrascht. Die Gröse auch.</P>");
    w.editorAccess().setSelection(0, 0);
    // The American dictionary does not know the word, but it comes whole: ß is no letter
    // of its alphabet.
    whenQuestioned(w, "Größe", [&](TSpellEngineDialog &dialog) {
        whenModal([&](QDialog *modal) {
            auto *config = dynamic_cast<TConfigDialog *>(modal);
            ASSERT_NE(config, nullptr);
            QTest::mouseClick(config->button(TLanguageModule::AddMain), Qt::LeftButton);
            EXPECT_EQ(prompts.last().request.folder, folder.file("spell/"));
            EXPECT_EQ(prompts.last().request.filter, "Dictionary Files|*.dct");
            ASSERT_EQ(mainEntries(*config), QStringList({"American English", "German"}));
            clickMainBox(*config, 1);
            clickMainBox(*config, 0);
            EXPECT_FALSE(config->working().mains[0].active);
            EXPECT_TRUE(config->working().mains[1].active);
            QTest::mouseClick(config->okButton(), Qt::LeftButton);
        });
        QTest::mouseClick(dialog.button(SpellElement::Options), Qt::LeftButton);
        whenQuestioned(w, "Gröse", [&](TSpellEngineDialog &next) {
            pickSuggestion(next, "Größe", false);
            QTest::mouseClick(next.button(SpellElement::Change), Qt::LeftButton);
        });
        QTest::mouseClick(dialog.button(SpellElement::Ignore), Qt::LeftButton);
    });
    prompts.expectOpenFile(folder.file("spell/german.dct"));
    prompts.expectInformation();
    click("BitBtnSpellCheck");
    EXPECT_EQ(w.editorAccess().plainText().toStdString(), "<P>Die Größe der Äpfel überrascht. Die Größe auch.</P>");
    // Eight words and the correction checked again; only two were questioned.
    EXPECT_EQ(prompts.last().text.toStdString(), "Spell Check Complete.\n\nWords Checked: 9");
}

// With only the American dictionary, a word with a letter it does not use is questioned
// whole; "Best guesses first", ticked on the Options page, puts the likeliest word first.
TEST_F(SpellCheckWindowTest, ForeignLettersStayInTheWordAndBestGuessesComeFirstWhenChosen)
{
    TForm1 &w = start();
    const QString text = "A naïve plan: teh end. Then teh more.";
    w.editorAccess().setPlainText(text);
    w.editorAccess().setSelection(0, 0);
    QStringList alphabetical;
    whenQuestioned(w, "naïve", [&](TSpellEngineDialog &dialog) {
        EXPECT_TRUE(suggestionsShown(dialog).contains("naive")) << suggestionsShown(dialog).join(',').toStdString();
        whenQuestioned(w, "teh", [&](TSpellEngineDialog &second) {
            alphabetical = suggestionsShown(second);
            whenModal([&](QDialog *modal) {
                auto *config = dynamic_cast<TConfigDialog *>(modal);
                ASSERT_NE(config, nullptr);
                QCheckBox *best = config->optionBox(soBestGuessesFirst);
                ASSERT_NE(best, nullptr);
                EXPECT_EQ(best->text(), "&Best guesses first");
                EXPECT_FALSE(best->isChecked()); // off until chosen
                best->click();
                QTest::mouseClick(config->okButton(), Qt::LeftButton);
            });
            QTest::mouseClick(second.button(SpellElement::Options), Qt::LeftButton);
            whenQuestioned(
                w, "teh",
                [&](TSpellEngineDialog &third) {
                    const QStringList best = suggestionsShown(third);
                    EXPECT_EQ(best.value(0), "the") << best.join(',').toStdString();
                    QStringList sorted = best;
                    sorted.sort(Qt::CaseInsensitive);
                    EXPECT_EQ(sorted, alphabetical); // the same words, in another order
                    QTest::mouseClick(third.button(SpellElement::Cancel), Qt::LeftButton);
                },
                int(text.lastIndexOf("teh")));
            QTest::mouseClick(second.button(SpellElement::Ignore), Qt::LeftButton);
        });
        QTest::mouseClick(dialog.button(SpellElement::Ignore), Qt::LeftButton);
    });
    click("BitBtnSpellCheck");
    ASSERT_FALSE(alphabetical.isEmpty());
    EXPECT_NE(alphabetical.first(), "the");
    QStringList sorted = alphabetical;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(alphabetical, sorted);
}

namespace {
// The same window, its spelling marks as the user turns them on.
class SpellMarksWindowTest : public SpellCheckWindowTest {
protected:
    TForm1 &startShown()
    {
        TForm1 &w = start();
        w.resize(1000, 700);
        w.show();
        return w;
    }

    static QStringList marked(TForm1 &w)
    {
        QStringList words;
        for (const QTextEdit::ExtraSelection &mark : w.editor().extraSelections())
            words << mark.cursor.selectedText();
        return words;
    }

    // Right-click in the middle of the first `word`, as the editing window reports it: in
    // the editing area's coordinates, which are returned.
    static QPoint rightClickOn(TForm1 &w, const QString &word)
    {
        QTextCursor at(w.editor().document());
        at.setPosition(int(w.editor().toPlainText().indexOf(word)) + int(word.size()) / 2);
        const QPoint point = w.editor().cursorRect(at).center();
        Q_EMIT w.editor().customContextMenuRequested(point);
        return point;
    }

    static QMenu *markMenu(TForm1 &w) { return w.findChild<QMenu *>(QStringLiteral("SpellMarkMenu")); }

    // The marked word's menu item with this text; null when the menu or the item is missing.
    static QAction *markMenuItem(TForm1 &w, const QString &text)
    {
        const QList<QAction *> items = markMenu(w) ? markMenu(w)->actions() : QList<QAction *>();
        const auto found = std::find_if(items.begin(), items.end(), [&](QAction *a) { return a->text() == text; });
        return found == items.end() ? nullptr : *found;
    }
};

TEST_F(SpellMarksWindowTest, TypedMisspeltWordIsMarkedAndItsSuggestionReplacesIt)
{
    TForm1 &w = startShown();
    click("CheckSpellMarks");
    EXPECT_EQ(IniFile(folder.file("OPTIONS.INI")).readString("Spell", "MarkAsYouType", ""), "1");
    QTest::keyClicks(&w.editor(), "<P CLASS=\"zzq\">Teh quick fox</P>");
    // the tag's words are no words
    EXPECT_TRUE(QTest::qWaitFor([&] { return marked(w) == QStringList{"Teh"}; })) << marked(w).join(' ').toStdString();

    // The marks are display only.
    const int undoSteps = w.editor().document()->availableUndoSteps();
    const QString text = w.editorAccess().plainText();
    w.document().setModified(false);
    click("CheckSpellMarks");
    EXPECT_TRUE(marked(w).isEmpty());
    click("CheckSpellMarks");
    EXPECT_EQ(marked(w), QStringList{"Teh"});
    EXPECT_EQ(w.editorAccess().plainText(), text);
    EXPECT_FALSE(w.document().isModified());
    EXPECT_EQ(w.editor().document()->availableUndoSteps(), undoSteps);

    const QPoint onKnownWord = rightClickOn(w, "quick"); // a known word: the window's own menu
    EXPECT_EQ(markMenu(w), nullptr);
    auto *usual = w.findChild<QMenu *>(QStringLiteral("PopupMenuEditor"));
    ASSERT_NE(usual, nullptr);
    EXPECT_TRUE(usual->isVisible());
    EXPECT_EQ(usual->x(), w.editor().viewport()->mapToGlobal(onKnownWord).x()) << "opens where clicked";
    usual->hide();
    rightClickOn(w, "Teh");
    QMenu *menu = markMenu(w);
    ASSERT_NE(menu, nullptr);
    ASSERT_FALSE(menu->actions().isEmpty());
    const QString first = menu->actions().first()->text();
    EXPECT_FALSE(first.isEmpty());
    menu->actions().first()->trigger();
    EXPECT_EQ(w.editorAccess().plainText(), "<P CLASS=\"zzq\">" + first + " quick fox</P>");
    EXPECT_TRUE(w.document().isModified());
    EXPECT_TRUE(marked(w).isEmpty());
    w.editor().undo(); // the replacement was one step
    EXPECT_EQ(w.editorAccess().plainText(), text);
}

TEST_F(SpellMarksWindowTest, IgnoreAllAndAddUnmarkTheWordAndLeaveTheColoursAlone)
{
    IniFile(folder.file("DEFAULT.INI")).writeString("Tags", "Colored", "1");
    IniFile(folder.file("OPTIONS.INI")).writeString("Spell", "MarkAsYouType", "1");
    TForm1 &w = startShown();
    EXPECT_TRUE(control<QCheckBox>("CheckSpellMarks")->isChecked());
    ASSERT_TRUE(w.document().load(folder.write("page.html", "<B>qqzx</B> zzqx zzqx\n")));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return marked(w) == QStringList({"qqzx", "zzqx", "zzqx"});
    })) << marked(w).join(' ').toStdString();
    const QTextBlock line = w.editor().document()->firstBlock();
    ASSERT_FALSE(line.layout()->formats().isEmpty());
    const QList<QTextLayout::FormatRange> colours = line.layout()->formats();
    const int undoSteps = w.editor().document()->availableUndoSteps();
    EXPECT_FALSE(w.document().isModified());

    rightClickOn(w, "zzqx");
    QAction *ignoreAll = markMenuItem(w, "&Ignore All");
    ASSERT_NE(ignoreAll, nullptr);
    ignoreAll->trigger();
    EXPECT_EQ(marked(w), QStringList{"qqzx"});
    delete markMenu(w);

    rightClickOn(w, "qqzx");
    QAction *add = markMenuItem(w, "&Add");
    ASSERT_NE(add, nullptr);
    add->trigger();
    EXPECT_TRUE(marked(w).isEmpty());
    EXPECT_TRUE(folder.read("spell/default.udt").contains("qqzx"));

    EXPECT_EQ(line.layout()->formats(), colours);
    EXPECT_FALSE(w.document().isModified());
    EXPECT_EQ(w.editor().document()->availableUndoSteps(), undoSteps);
}

TEST_F(SpellMarksWindowTest, TheSettingsBoxAndTheMainWindowBoxAreOneSetting)
{
    TForm1 &w = startShown();
    w.editorAccess().setPlainText("zzqx words");
    modalAnswer = [](QDialog &dialog) {
        auto *box = dialog.findChild<QCheckBox *>("CheckSpellMarks");
        EXPECT_NE(box, nullptr);
        if (!box)
            return int(QDialog::Rejected);
        EXPECT_FALSE(box->isChecked());
        box->setChecked(true);
        dialog.findChild<QAbstractButton *>("Button3")->click(); // Apply
        return int(QDialog::Accepted);
    };
    trigger("PreferencesSettings1");
    EXPECT_TRUE(control<QCheckBox>("CheckSpellMarks")->isChecked());
    EXPECT_EQ(IniFile(folder.file("OPTIONS.INI")).readString("Spell", "MarkAsYouType", ""), "1");
    EXPECT_EQ(marked(w), QStringList{"zzqx"});
}

TEST_F(SpellMarksWindowTest, WordsTheCheckAddsAreWrittenAtItsEndThoughTheMarksKeepTheDictionariesOpen)
{
    IniFile(folder.file("OPTIONS.INI")).writeString("Spell", "MarkAsYouType", "1");
    TForm1 &w = startShown();
    w.editorAccess().setPlainText("qqzx words");
    EXPECT_TRUE(QTest::qWaitFor([&] { return marked(w) == QStringList{"qqzx"}; })) << marked(w).join(' ').toStdString();
    whenQuestioned(w, "qqzx", [](TSpellEngineDialog &dialog) {
        QTest::mouseClick(dialog.button(SpellElement::Add), Qt::LeftButton);
    });
    prompts.expectInformation();
    click("BitBtnSpellCheck");
    EXPECT_TRUE(folder.read("spell/default.udt").contains("qqzx")); // not only when the program closes
    EXPECT_TRUE(marked(w).isEmpty());
}
} // namespace
