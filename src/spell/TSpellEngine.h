#pragma once

#include "spell/SpellConfiguration.h"
#include "spell/SpellDialogHost.h"
#include "spell/SpellLanguage.h"
#include "spell/SpellTypes.h"
#include "spell/Suggestions.h"
#include "spell/TParser.h"
#include "spell/TrieDictionary.h"
#include "spell/UserDictionary.h"

#include <QElapsedTimer>
#include <QRect>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class EditorAccess;
class Prompts;

// The engine's events (`OnCreateDialog` ...); each may be left empty.
struct TSpellEvents {
    std::function<void()> onCreateDialog;
    std::function<void()> onFreeDialog;
    // Replaces the built-in case adaptation of suggestions.
    std::function<QString(const QString &questioned, const QString &suggestion)> onMatchCase;
    // Replace the built-in lower and upper casing of words.
    std::function<QString(const QString &)> onGetLowerCase;
    std::function<QString(const QString &)> onGetUpperCase;
    std::function<void()> onCheckComplete;
    std::function<void()> onCheckCanceled;
    std::function<void(const QString &word, bool repeated)> onMisspelledWord;
    std::function<void()> onDeactivate;
    std::function<void()> onSetupCreate; // the configuration dialog is about to open
    std::function<void()> onAfterCreate;
    // ipUserDefined: the dialog's top left, given the dialog, the control and the word.
    std::function<QPoint(const QRect &dialog, const QRect &control, const QRect &word)> onPositionDialog;
};

// Properties without side effects; defaults are the component's own.
struct TSpellProperties {
    bool configAvailable = true;
    int maxSuggestions = 50;
    int maxUndo = 20;
    bool autoSelectFirst = false;
    TSelBehavior selectionBehavior = sbAvoid;
    TInitialPos initialPosition = ipAvoidControl;
    bool waitForCompletion = true;
    QString ignorePrefix = QStringLiteral("'");
    QString ignoreSuffix = QStringLiteral("';'s");
    bool helpEnabled = true;
    bool helpSeparate = true;
    QString helpFile = QStringLiteral("spellchk.hlp");
    int helpContextDialog = 100;
    int helpContextConfig1 = 101;
    int helpContextConfig2 = 102;
    QString defaultMain = QStringLiteral("english.dct");
    QString defaultUser = QStringLiteral("default.udt");
    bool backgroundSuggestions = true;
    bool dialogHourGlass = false;
    TSpellOptions defaultOptions{soInternet, soAutoSuggest, soPrimaryOnly, soRecheck, soRepeated};
    TSpellOptions visibleOptions{soUpcase, soNumbers, soHTML, soInternet, soRecheck};
    bool wordCountVisible = true;
    QString quoteCharacters;
    TLanguages languages{TLanguageModule::englishUs()};
    int languageIndex = 0;
    TEndMessage endShowMessage = emExceptCancel;
};

// The spell engine (`TSpellEngine`): decides which words are questioned, keeps the working
// lists, makes suggestions and carries out the spell dialog's actions on the text. It
// shows nothing itself: the dialog and messages go through SpellDialogHost and Prompts.
class TSpellEngine final {
public:
    enum class Scope { Whole, FromCaret, Selection, Range };

    // `programFolder` ends in "/". The host, prompts and event loop must outlive the engine.
    TSpellEngine(QString programFolder, Prompts &prompts, SpellDialogHost &host, SpellEventLoop &loop);
    ~TSpellEngine(); // closes the dictionaries and writes the configuration back if due

    TSpellProperties &properties() { return m_props; }
    const TSpellProperties &properties() const { return m_props; }
    TSpellEvents &events() { return m_events; }

    // Setting any of these reloads the configuration (when it was loaded already).
    bool configInAppDir() const { return m_configInAppDir; }
    void setConfigInAppDir(bool inAppDir);
    const QString &configFileName() const { return m_configFileName; }
    void setConfigFileName(const QString &fileName);
    const QString &configKey() const { return m_configKey; }
    void setConfigKey(const QString &key);
    QString configFilePath() const;
    // The folder of the shipped files when the program folder holds only the user's own
    // (installed): dictionaries the configuration names relatively are also looked for there.
    void setShippedFolder(const QString &folder);

    // While true the configuration and dictionaries stay open between checks.
    bool alwaysActive() const { return m_alwaysActive; }
    void setAlwaysActive(bool on);

    // Suppresses the end-of-check handling (hiding and freeing the dialog, the message)
    // while further passes are to follow.
    void setSuppressEndHandling(bool on) { m_suppressEndHandling = on; }
    void setResetCountAtStart(bool on) { m_resetCountAtStart = on; }

    // Check entry points, one per parser kind. The control must outlive the check. With
    // `waitForCompletion` a call returns when the check has ended.
    void checkBuffer(QByteArray &buffer, Scope scope = Scope::Whole, int start = 1, int end = 0);
    void checkString(QString &text, Scope scope = Scope::Whole, int start = 1, int end = 0);
    void checkRichEdit(EditorAccess &editor, SpellControlView *view, Scope scope = Scope::Whole, int start = 1,
                       int end = 0);
    void checkEdit(LineEditControl &edit, SpellControlView *view, Scope scope = Scope::Whole, int start = 1,
                   int end = 0);
    void checkMemo(EditorAccess &editor, SpellControlView *view, Scope scope = Scope::Whole, int start = 1,
                   int end = 0);
    void check(std::unique_ptr<TParser> parser, Scope scope, int start = 1, int end = 0);

    // The dialog's requests.
    void action(SpellAction code);
    void suggestionClicked(int index);
    void replacementEdited(bool byUser = true);
    void dialogDeactivated();
    // Frees the dialog if it still exists and no check is running.
    void releaseDialog();

    // Results.
    int wordCount() const { return m_wordCount; }
    bool cancelled() const { return m_cancelled; }
    bool checkRunning() const { return m_checkRunning; }
    bool isRepeatedWord() const { return m_repeated; }
    const QStringList &suggestions() const { return m_suggestions.items(); }
    bool backgroundRunning() const { return m_inBackground; }

    // Word tests.
    bool isKnown(QStringView word) const;
    // Known as the walk accepts words: also in lower case and without the ignored prefixes
    // and suffixes.
    bool isAccepted(QStringView word) const;
    // Whether a check passes over a word it does not accept: an address, digits only and, as
    // the options say, a word in capitals or one holding a digit.
    bool isSpared(QStringView word, bool addressWord) const;
    // Null when there is no automatic replacement.
    QString automaticReplacement(QStringView word) const;
    // The dialog's list for a questioned word: the automatic suggestions (when on) and,
    // with `withBackground`, the background ones run to their end.
    QStringList suggestionsFor(const QString &word, bool withBackground);

    // Configuration and dictionaries.
    TConfiguration &configuration();
    void reloadConfiguration();
    bool isActive() const { return m_active; }
    void activate();
    void deactivate();
    // Re-opens the dictionaries after the configuration changed.
    void reopenDictionaries();
    const std::vector<std::shared_ptr<TrieDictionary>> &mainDictionaries() const { return m_mains; }
    TUserDictionary *addToDictionary() const { return m_addTo.get(); }

    // Working lists.
    const QStringList &ignoreAllList() const { return m_ignoreAll; }
    const QStringList &changeAllWords() const { return m_changeAll; }
    const QStringList &changeAllReplacements() const { return m_changeAllReplacements; }
    void resetIgnoreAll() { m_ignoreAll.clear(); }
    // Ignore All and Add outside a check (the editing window's marks). Add writes the user
    // dictionary at once: the engine may stay open for the whole run.
    void addToIgnoreAll(const QString &word) { CaselessList::insert(m_ignoreAll, word); }
    void addToUserDictionary(const QString &word);

    // A parser set up as a check sets it up: the word characters and what is skipped. The
    // engine must be active.
    void configure(TParser &parser) const;
    void resetChangeAll();

    const TLanguageModule &language() const;

private:
    static constexpr int kMaxWord = 256;
    struct WordBuffer {
        char16_t chars[kMaxWord];
        int length = 0;
        QStringView view() const { return QStringView(chars, length); }
    };

    void ensureConfiguration();
    void configureParser();
    QStringView stripped(QStringView word) const;
    bool lowerForm(QStringView word, WordBuffer &out) const;
    bool isUpperWord(QStringView word) const;
    void setPrevious(QStringView word);

    void continueCheck();
    void questionWord();
    void endCheck(bool cancelled);

    // The dialog's actions, one each.
    void perform(SpellAction code);
    void suggest();
    void startAtCaret();
    void undoLast();
    void editOptions();
    void changeAll();
    void change();
    void deleteRepeated();
    void ignoreAll();
    void ignore();
    void addWord();
    void autoCorrect();
    void showHelp();
    void cancel();
    // Shared steps of the actions.
    void replaceAndContinue(TUndoAction code, const QString &replacement);
    void passOver(TUndoAction code);
    void forgetUndone(const TUndo &undo);
    void restoreChangeCaption();

    void showWordInDialog();
    void placeDialog(bool first);
    void setDialogCaptions();
    void fillAutoSuggestions(QStringView word);
    // Alphabetical, or likeliest first with soBestGuessesFirst.
    void orderSuggestions(QStringView questioned);
    void suggestInto(QStringView word, SuggestionList &list, bool adapt, QStringView questioned) const;
    void runBackgroundSuggestions();
    bool backgroundStage(int stage, QStringView word, QStringView questioned);
    bool distanceTwoStage(const std::string &word, QStringView questioned);
    QString adapt(QStringView questioned, const QString &suggestion) const;
    bool yieldSlice();

    QString shippedConfigFolder() const;

    QString m_programFolder;
    QString m_shippedFolder; // empty: the program folder holds everything
    Prompts &m_prompts;
    SpellDialogHost &m_host;
    SpellEventLoop &m_loop;
    TSpellProperties m_props;
    TSpellEvents m_events;

    bool m_configInAppDir = true;
    QString m_configFileName = QStringLiteral("SPELLER.CFG");
    QString m_configKey = QStringLiteral("speller");
    bool m_alwaysActive = false;
    TConfiguration m_config;

    std::vector<std::shared_ptr<TrieDictionary>> m_mains;
    std::vector<QString> m_mainPaths;
    std::vector<std::shared_ptr<TUserDictionary>> m_users;
    std::shared_ptr<TUserDictionary> m_addTo;
    QString m_wordCharacters;
    bool m_active = false;

    QStringList m_ignoreAll; // kept sorted without regard to case
    QStringList m_changeAll;
    QStringList m_changeAllReplacements;
    QStringList m_prefixes;
    QStringList m_suffixes;

    std::unique_ptr<TParser> m_parser;
    QString m_previous;
    QString m_questioned;
    SuggestionList m_suggestions;
    int m_wordCount = 0;
    bool m_repeated = false;
    bool m_checkRunning = false;
    bool m_dialogExists = false;
    bool m_suppressEndHandling = false;
    bool m_resetCountAtStart = true;
    bool m_cancelled = false;
    bool m_cancelRequested = false;
    bool m_walking = false;
    bool m_inBackground = false;
    bool m_busy = false;
    std::deque<SpellAction> m_pendingActions;
    QElapsedTimer m_slice;
    unsigned m_sliceCounter = 0;
};
