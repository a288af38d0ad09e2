// The spell check of the editing window: the engine, its dialog and the passes of a check.
#include "app/TForm1.h"

#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "help/HelpPages.h"
#include "help/TFormHelpOnTop.h"
#include "platform/PlainTexts.h"
#include "platform/Prompts.h"
#include "spell/SpellControlAdapters.h"
#include "spell/SpellDialogHost.h"
#include "spell/SpellLanguage.h"
#include "spell/SpellMarker.h"
#include "spell/SpellMarks.h"
#include "spell/TSpellEngine.h"
#include "spell/TSpellEngineDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

namespace SpellTexts {
const QString checking = QStringLiteral("Now Checking Spelling.....");
const QString remainderQuestion =
    QStringLiteral("The selected text has been checked.\nCheck the remainder of the document?");
const QString complete = QStringLiteral("Spell Check Complete.\n\n");
const QString noSuggestions = QStringLiteral("(no suggestions)");
} // namespace SpellTexts

namespace {
constexpr int kMarkMenuSuggestions = 5;

// The handler's own ending names the words counted over all passes, as the engine's does.
QString completionMessage(const TSpellEngine &engine)
{
    QString message = SpellTexts::complete;
    if (engine.properties().wordCountVisible)
        message += engine.language().text(TLanguageModule::WordsChecked) + QString::number(engine.wordCount());
    return message;
}
} // namespace

TFormSpell::TFormSpell(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("FormSpell"));
    setWindowTitle(SpellTexts::checking);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(SpellTexts::checking, this));
    resize(260, 40);
    showTextsAsPlainText(this);
}

void TForm1::configureSpellChecker()
{
    m_formSpell = new TFormSpell(this);
    m_spellView = std::make_unique<PlainTextSpellView>(*m_editor, *m_editorAccess);
    onCommand(QStringLiteral("SpellCheck2"), &TForm1::BitBtnSpellCheckClick);
    // The engine is made when the marks are first on, as for the first check.
    m_spellMarker = new SpellMarker(
        *m_editor, [this]() -> TSpellEngine & { return spellEngine(); }, this);
    applySpellMarksSetting();
}

void TForm1::applySpellMarksSetting()
{
    const bool on = m_settings.flag(SettingKey::SpellMarks);
    m_checkSpellMarks->setChecked(on);
    if (m_spellMarker->isOn() != on)
        m_spellMarker->setOn(on);
}

void TForm1::CheckSpellMarksClick()
{
    m_settings.storeFlag(SettingKey::SpellMarks, m_checkSpellMarks->isChecked());
    applySpellMarksSetting();
}

bool TForm1::showSpellMarkMenu(const QPoint &position)
{
    const QTextCursor mark = m_spellMarker->markAt(position);
    if (mark.isNull() || m_editor->isReadOnly())
        return false;
    TSpellEngine &engine = spellEngine();
    const QString word = mark.selectedText();
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("SpellMarkMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QStringList suggestions = SpellMarks::menuSuggestions(engine, word, kMarkMenuSuggestions);
    for (const QString &suggestion : suggestions)
        menu->addAction(suggestion, this, [this, mark, suggestion] { replaceMarkedWord(mark, suggestion); });
    if (suggestions.isEmpty())
        menu->addAction(SpellTexts::noSuggestions)->setEnabled(false);
    menu->addSeparator();
    const TLanguageModule &texts = engine.language();
    menu->addAction(texts.text(TLanguageModule::IgnoreAll), this, [this, &engine, word] {
        engine.addToIgnoreAll(word);
        m_spellMarker->refresh();
    });
    QAction *add = menu->addAction(texts.text(TLanguageModule::Add), this, [this, &engine, word] {
        engine.addToUserDictionary(word);
        m_spellMarker->refresh();
    });
    add->setEnabled(engine.addToDictionary() != nullptr);
    menu->addSeparator();
    menu->addActions(m_editorMenu->actions()); // the window's own menu follows
    menu->popup(m_editor->viewport()->mapToGlobal(position));
    return true;
}

void TForm1::replaceMarkedWord(QTextCursor mark, const QString &replacement)
{
    mark.insertText(replacement); // one step of the undo history; the document counts it as a change
    m_spellMarker->refresh();
}

// The engine and its dialog are made by the first check: a start that checks nothing
// should not build the dialog's many controls.
TSpellEngine &TForm1::spellEngine()
{
    if (m_spellEngine)
        return *m_spellEngine;
    m_spellLoop = std::make_unique<ApplicationSpellEventLoop>();
    m_spellDialog = new TSpellEngineDialog(m_settings.folders().shipped(), prompts(), this);
    m_spellEngine =
        std::make_unique<TSpellEngine>(m_settings.folders().writable(), prompts(), *m_spellDialog, *m_spellLoop);
    m_spellDialog->setEngine(m_spellEngine.get());
    m_spellDialog->setHelpOpener([this](const QString &path) { showHelpPage(path); });

    m_spellEngine->setShippedFolder(m_settings.folders().shipped());
    m_spellEngine->setConfigInAppDir(true);
    m_spellEngine->setConfigFileName(kSpellConfigFile);
    m_spellEngine->setConfigKey(QStringLiteral("default"));
    m_spellEngine->setAlwaysActive(false);
    TSpellProperties &p = m_spellEngine->properties();
    p.configAvailable = true;
    p.maxSuggestions = 15;
    p.maxUndo = 20;
    p.autoSelectFirst = false;
    p.selectionBehavior = sbAvoidUpDown;
    p.initialPosition = ipAvoidControl;
    p.waitForCompletion = true;
    p.ignorePrefix = QStringLiteral("'");
    p.ignoreSuffix = QStringLiteral("';'s");
    p.backgroundSuggestions = true;
    p.dialogHourGlass = false;
    p.defaultMain = QStringLiteral("american.dct");
    p.defaultUser = QStringLiteral("default.udt");
    p.defaultOptions = TSpellOptions{soHTML, soInternet, soAutoSuggest, soPrimaryOnly, soRecheck, soRepeated};
    p.visibleOptions = TSpellOptions{soUpcase, soNumbers, soHTML, soInternet, soRecheck, soBestGuessesFirst};
    p.wordCountVisible = true;
    p.endShowMessage = emExceptCancel;
    TSpellEvents &events = m_spellEngine->events();
    events.onAfterCreate = [this] { SpellEngineAfterCreate(); };
    events.onCheckComplete = [this] { SpellEngineCheckComplete(); };
    events.onCheckCanceled = [this] { SpellEngineCheckCanceled(); };

    return *m_spellEngine;
}

void TForm1::showHelpPage(const QString &path)
{
    const QStringList pages = HelpPages::readPageList(m_settings.folders().shipped()).value_or(QStringList());
    const int page = std::max<int>(0, int(pages.indexOf(QFileInfo(path).fileName())));
    (new TFormHelpOnTop(m_settings.folders().shipped(), pages, page, this))->show();
}

void TForm1::SpellEngineAfterCreate()
{
    QApplication::restoreOverrideCursor();
    m_formSpell->hide();
}

void TForm1::SpellEngineCheckComplete()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    m_formSpell->hide();
}

void TForm1::SpellEngineCheckCanceled()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void TForm1::BitBtnSpellCheckClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_formSpell->show();
    const int start = m_editorAccess->selStart();
    const int length = m_editorAccess->selLength();
    TSpellEngine &engine = spellEngine();
    engine.properties().initialPosition = ipAvoidControl;
    engine.setAlwaysActive(true);
    engine.setSuppressEndHandling(true);

    bool checkRest = true;
    if (length > 0) {
        engine.checkRichEdit(*m_editorAccess, m_spellView.get(), TSpellEngine::Scope::Selection);
        engine.setResetCountAtStart(false);
        engine.properties().initialPosition = ipIgnore;
        checkRest = !engine.cancelled() && prompts().confirm(SpellTexts::remainderQuestion);
    }
    if (checkRest) {
        const int afterSelection = m_editorAccess->selStart() + m_editorAccess->selLength() + 1;
        engine.checkRichEdit(*m_editorAccess, m_spellView.get(), TSpellEngine::Scope::Range, afterSelection,
                             m_editorAccess->textLength() + 1);
        if (length == 0) {
            engine.setResetCountAtStart(false);
            engine.properties().initialPosition = ipIgnore;
        }
        engine.setSuppressEndHandling(false);
        if (!engine.cancelled()) {
            // The part before the starting point gets its own pass, which ends the check with
            // the engine's message; a check that began at the top has nothing left to do.
            // The pass ends at column S, the last character before the start: a word beginning
            // at the start was checked already and must not be asked twice.
            if (start > 0) {
                engine.checkRichEdit(*m_editorAccess, m_spellView.get(), TSpellEngine::Scope::Range, 1, start);
            } else {
                prompts().information(completionMessage(engine));
                engine.releaseDialog();
            }
        } else {
            engine.releaseDialog();
        }
    } else {
        engine.setSuppressEndHandling(false);
        engine.releaseDialog();
    }
    engine.setAlwaysActive(m_spellMarker->isOn()); // the marks keep the dictionaries open
    engine.setResetCountAtStart(true);
    m_editorAccess->setSelection(start, length);
    m_editor->setFocus();
    m_formSpell->hide();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    m_spellMarker->refresh(); // the check may have added words or changed the options
}
