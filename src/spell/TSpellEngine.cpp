#include "spell/TSpellEngine.h"

#include "editor/EditorAccess.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "spell/SpellDialogPlacement.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <utility>

namespace {
// Pending input runs about this often while the walk goes on.
constexpr qint64 kSliceMs = 15;

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

QStringList splitAffixes(const QString &list)
{
    return list.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}
} // namespace

TSpellEngine::TSpellEngine(QString programFolder, Prompts &prompts, SpellDialogHost &host, SpellEventLoop &loop)
    : m_programFolder(std::move(programFolder)), m_prompts(prompts), m_host(host), m_loop(loop)
{
    if (!m_programFolder.isEmpty() && !m_programFolder.endsWith(QLatin1Char('/')))
        m_programFolder += QLatin1Char('/');
    m_previous.reserve(kMaxWord);
}

TSpellEngine::~TSpellEngine()
{
    m_parser.reset();
    deactivate();
    m_config.release();
}

// Configuration ------------------------------------------------------------------------

QString TSpellEngine::configFilePath() const
{
    QString name = m_configFileName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return m_configInAppDir ? m_programFolder + name : name;
}

QString TSpellEngine::shippedConfigFolder() const
{
    if (!m_configInAppDir || m_shippedFolder.isEmpty())
        return QString();
    return folderPart(m_shippedFolder + QString(m_configFileName).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

void TSpellEngine::setShippedFolder(const QString &folder)
{
    m_shippedFolder = folder == m_programFolder ? QString() : folder;
    if (m_config.loaded)
        reloadConfiguration();
}

void TSpellEngine::setConfigInAppDir(bool inAppDir)
{
    m_configInAppDir = inAppDir;
    if (m_config.loaded)
        reloadConfiguration();
}

void TSpellEngine::setConfigFileName(const QString &fileName)
{
    m_configFileName = fileName;
    if (m_config.loaded)
        reloadConfiguration();
}

void TSpellEngine::setConfigKey(const QString &key)
{
    m_configKey = key;
    if (m_config.loaded)
        reloadConfiguration();
}

void TSpellEngine::ensureConfiguration()
{
    // Loaded at first use, so that setting the location at start-up reads one file only.
    if (!m_config.loaded)
        reloadConfiguration();
}

TConfiguration &TSpellEngine::configuration()
{
    ensureConfiguration();
    return m_config;
}

void TSpellEngine::reloadConfiguration()
{
    const bool wasActive = m_active;
    deactivate();
    m_config.release();
    m_config.load(
        configFilePath(), m_configKey,
        TConfigDefaults{m_props.defaultMain, m_props.defaultUser, m_props.defaultOptions, shippedConfigFolder()});
    m_ignoreAll.clear();
    resetChangeAll();
    if (m_alwaysActive || wasActive)
        activate();
}

void TSpellEngine::setAlwaysActive(bool on)
{
    m_alwaysActive = on;
    if (on)
        activate();
    else if (!m_checkRunning)
        deactivate();
}

void TSpellEngine::resetChangeAll()
{
    m_changeAll.clear();
    m_changeAllReplacements.clear();
}

const TLanguageModule &TSpellEngine::language() const
{
    if (m_props.languageIndex >= 0 && m_props.languageIndex < m_props.languages.size())
        return m_props.languages[m_props.languageIndex];
    return TLanguageModule::englishUs();
}

void TSpellEngine::activate()
{
    if (m_active)
        return;
    ensureConfiguration();
    const auto hasActiveMain = [this] {
        return std::any_of(m_config.mains.begin(), m_config.mains.end(), [](const TMain &m) { return m.active; });
    };
    if (!hasActiveMain() && m_props.configAvailable &&
        m_prompts.confirm(language().messageText(TLanguageModule::NoMainDictionary))) {
        if (m_events.onSetupCreate)
            m_events.onSetupCreate();
        if (m_host.editConfiguration(*this, m_config))
            m_config.writeBack = true;
    }
    m_active = true;
    reopenDictionaries();
}

void TSpellEngine::deactivate()
{
    m_mains.clear();
    m_mainPaths.clear();
    m_users.clear(); // each saves itself when modified
    m_addTo.reset();
    m_active = false;
}

void TSpellEngine::reopenDictionaries()
{
    ensureConfiguration();
    // Dictionaries already open are reused by path; the rest are closed.
    std::vector<std::shared_ptr<TrieDictionary>> mains;
    std::vector<QString> mainPaths;
    for (const TMain &entry : std::as_const(m_config.mains)) {
        if (!entry.active)
            continue;
        const QString path = m_config.resolve(entry.path);
        std::shared_ptr<TrieDictionary> dictionary;
        for (size_t i = 0; i < m_mainPaths.size(); ++i) {
            if (m_mainPaths[i] == path)
                dictionary = m_mains[i];
        }
        if (!dictionary) {
            QString reason;
            std::unique_ptr<TrieDictionary> opened = TrieDictionary::open(path, &reason);
            if (!opened) {
                // Only a missing file is "not found"; one that is there says what is wrong with it.
                m_prompts.information(QFileInfo::exists(path)
                                          ? reason
                                          : language().messageText(TLanguageModule::DictionaryNotFound) +
                                                QLatin1Char('\n') + path);
                continue;
            }
            dictionary = std::move(opened);
        }
        dictionary->setSuggestionLimit(m_props.maxSuggestions);
        mains.push_back(std::move(dictionary));
        mainPaths.push_back(path);
    }
    m_mains = std::move(mains);
    m_mainPaths = std::move(mainPaths);

    std::vector<std::shared_ptr<TUserDictionary>> users;
    std::shared_ptr<TUserDictionary> addTo;
    for (int i = 0; i < m_config.users.size(); ++i) {
        const TUser &entry = m_config.users[i];
        if (!entry.active)
            continue;
        const QString path = m_config.resolve(entry.path);
        std::shared_ptr<TUserDictionary> dictionary;
        for (const auto &open : m_users) {
            if (open->path() == path)
                dictionary = open;
        }
        if (!dictionary) {
            dictionary = std::make_shared<TUserDictionary>(path);
            dictionary->load();
        }
        if (i == m_config.userIndex)
            addTo = dictionary;
        users.push_back(std::move(dictionary));
    }
    m_users = std::move(users);
    m_addTo = std::move(addTo);

    // Word characters: the dictionaries' alphabets in first-seen order, then the language's.
    m_wordCharacters.clear();
    for (const auto &dictionary : m_mains) {
        for (char c : dictionary->alphabet()) {
            const QChar ch = QChar::fromLatin1(c);
            if (!m_wordCharacters.contains(ch))
                m_wordCharacters.append(ch);
        }
    }
    if (m_wordCharacters.isEmpty()) {
        // Without a main dictionary the words are still found (and all questioned): the
        // letters of Latin-1, the digits and the apostrophe.
        for (int c = 0; c < 256; ++c) {
            const QChar ch = QChar::fromLatin1(char(c));
            if (ch.isLetterOrNumber() || c == '\'')
                m_wordCharacters.append(ch);
        }
    }
    for (QChar c : language().text(TLanguageModule::ExtraWordCharacters)) {
        if (!m_wordCharacters.contains(c))
            m_wordCharacters.append(c);
    }
    m_prefixes = splitAffixes(m_props.ignorePrefix);
    m_suffixes = splitAffixes(m_props.ignoreSuffix);
    if (m_parser)
        configureParser();
}

void TSpellEngine::configure(TParser &parser) const
{
    const TSpellOptions options = m_config.options;
    parser.setWordCharacters(m_wordCharacters);
    parser.setSkipTags(options.has(soHTML));
    parser.setSkipAddresses(options.has(soInternet));
    parser.setSkipQuoted(options.has(soQuoted));
    parser.setQuoteCharacters(m_props.quoteCharacters);
    parser.setMaxUndo(m_props.maxUndo);
}

void TSpellEngine::configureParser()
{
    configure(*m_parser);
    m_prefixes = splitAffixes(m_props.ignorePrefix);
    m_suffixes = splitAffixes(m_props.ignoreSuffix);
}

// Word tests -----------------------------------------------------------------------------

bool TSpellEngine::isKnown(QStringView word) const
{
    if (word.isEmpty())
        return false;
    if (word.size() <= kMaxWord) {
        char bytes[kMaxWord];
        bool latin1 = true;
        for (qsizetype i = 0; i < word.size() && latin1; ++i) {
            const char16_t c = word[i].unicode();
            latin1 = c < 256;
            bytes[i] = char(c);
        }
        if (latin1) {
            const std::string_view view(bytes, size_t(word.size()));
            for (const auto &dictionary : m_mains) {
                if (dictionary->contains(view))
                    return true;
            }
        }
    }
    for (const auto &user : m_users) {
        if (user->contains(word))
            return true;
    }
    return CaselessList::contains(m_ignoreAll, word);
}

bool TSpellEngine::lowerForm(QStringView word, WordBuffer &out) const
{
    if (m_events.onGetLowerCase || word.size() > kMaxWord) {
        const QString lower =
            m_events.onGetLowerCase ? m_events.onGetLowerCase(word.toString()) : word.toString().toLower();
        out.length = int(std::min<qsizetype>(lower.size(), kMaxWord));
        std::copy_n(lower.utf16(), out.length, out.chars);
        return lower.size() <= kMaxWord && QStringView(lower) != word;
    }
    bool changed = false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        const char16_t lower = c < 256 ? Latin1::lower[c] : QChar(c).toLower().unicode();
        changed = changed || lower != c;
        out.chars[i] = lower;
    }
    out.length = int(word.size());
    return changed;
}

bool TSpellEngine::isUpperWord(QStringView word) const
{
    if (m_events.onGetUpperCase)
        return m_events.onGetUpperCase(word.toString()) == word;
    for (QChar c : word) {
        const char16_t u = c.unicode();
        if ((u < 256 ? Latin1::upper[u] : c.toUpper().unicode()) != u)
            return false;
    }
    return true;
}

QStringView TSpellEngine::stripped(QStringView word) const
{
    for (bool again = true; again;) {
        again = false;
        for (const QString &prefix : m_prefixes) {
            if (word.startsWith(prefix)) {
                word = word.mid(prefix.size());
                again = true;
            }
        }
    }
    for (bool again = true; again && !word.isEmpty();) {
        again = false;
        for (const QString &suffix : m_suffixes) {
            // Only when the suffix's first occurrence is the one at the end.
            if (word.endsWith(suffix) && word.indexOf(suffix) == word.size() - suffix.size()) {
                word.chop(suffix.size());
                again = true;
                if (word.isEmpty())
                    break;
            }
        }
    }
    return word;
}

bool TSpellEngine::isAccepted(QStringView word) const
{
    if (isKnown(word))
        return true;
    WordBuffer lower;
    if (lowerForm(word, lower) && isKnown(lower.view()))
        return true;
    const QStringView bare = stripped(word);
    if (bare.size() != word.size()) {
        if (isKnown(bare))
            return true;
        WordBuffer lowerBare;
        if (lowerForm(bare, lowerBare) && isKnown(lowerBare.view()))
            return true;
    }
    return false;
}

bool TSpellEngine::isSpared(QStringView word, bool addressWord) const
{
    const TSpellOptions options = m_config.options;
    return addressWord || std::all_of(word.begin(), word.end(), isAsciiDigit) ||
           (options.has(soUpcase) && isUpperWord(word)) ||
           (options.has(soNumbers) && std::any_of(word.begin(), word.end(), isAsciiDigit));
}

QString TSpellEngine::automaticReplacement(QStringView word) const
{
    for (qsizetype i = 0; i < m_changeAll.size(); ++i) {
        if (QStringView(m_changeAll[i]).compare(word, Qt::CaseInsensitive) == 0)
            return m_changeAllReplacements[i];
    }
    for (const auto &user : m_users) {
        if (user->misspellings().isEmpty())
            continue;
        const QString replacement = user->replacementFor(word);
        if (!replacement.isNull())
            return replacement;
    }
    return QString();
}

void TSpellEngine::setPrevious(QStringView word)
{
    // Reuses the reserved buffer: no allocation on the walk.
    m_previous.resize(0);
    m_previous.append(word);
}

// Checks -------------------------------------------------------------------------------

void TSpellEngine::checkBuffer(QByteArray &buffer, Scope scope, int start, int end)
{
    check(std::make_unique<TBufferParser>(buffer), scope, start, end);
}

void TSpellEngine::checkString(QString &text, Scope scope, int start, int end)
{
    check(std::make_unique<TStringParser>(text), scope, start, end);
}

void TSpellEngine::checkRichEdit(EditorAccess &editor, SpellControlView *view, Scope scope, int start, int end)
{
    check(std::make_unique<TCustomRichEditParser>(editor, view), scope, start, end);
}

void TSpellEngine::checkEdit(LineEditControl &edit, SpellControlView *view, Scope scope, int start, int end)
{
    check(std::make_unique<TCustomEditParser>(edit, view), scope, start, end);
}

void TSpellEngine::checkMemo(EditorAccess &editor, SpellControlView *view, Scope scope, int start, int end)
{
    check(std::make_unique<TCustomMemoParser>(editor, view), scope, start, end);
}

void TSpellEngine::check(std::unique_ptr<TParser> parser, Scope scope, int start, int end)
{
    if (m_checkRunning || !parser)
        return;
    ensureConfiguration();
    activate();
    m_parser = std::move(parser);
    configureParser();
    switch (scope) {
    case Scope::Whole:
        break;
    case Scope::FromCaret:
        m_parser->startFromCaret();
        break;
    case Scope::Selection:
        m_parser->startFromCaret();
        m_parser->limitToSelection();
        break;
    case Scope::Range:
        m_parser->setRange(start, end);
        break;
    }
    if (m_resetCountAtStart)
        m_wordCount = 0;
    m_cancelled = false;
    m_cancelRequested = false;
    m_repeated = false;
    m_pendingActions.clear();
    setPrevious({});
    m_checkRunning = true;
    m_parser->start();
    m_busy = true;
    continueCheck();
    m_busy = false;
    while (m_checkRunning && !m_pendingActions.empty()) {
        const SpellAction code = m_pendingActions.front();
        m_pendingActions.pop_front();
        action(code);
    }
    if (m_props.waitForCompletion) {
        while (m_checkRunning)
            m_loop.waitForInput();
    }
}

bool TSpellEngine::yieldSlice()
{
    if (m_slice.isValid() && m_slice.elapsed() < kSliceMs)
        return true;
    m_loop.processPending();
    m_slice.start();
    return !m_cancelRequested;
}

void TSpellEngine::continueCheck()
{
    TParser &parser = *m_parser;
    const TSpellOptions options = m_config.options;
    const bool repeatedOn = options.has(soRepeated);
    m_repeated = false;
    m_walking = true;
    m_slice.start();
    bool questioned = false;
    while (parser.nextWord()) {
        ++m_wordCount;
        const QStringView word = parser.wordView();
        if (isAccepted(word)) {
            if (repeatedOn && !parser.wasSkipped() && word == QStringView(m_previous)) {
                m_repeated = true;
                questioned = true;
                break;
            }
            setPrevious(word);
        } else {
            const QString replacement = automaticReplacement(word);
            if (!replacement.isNull()) {
                parser.selectWord();
                parser.setUndoSuppressed(true);
                parser.replaceWord(replacement);
                parser.setUndoSuppressed(false);
                setPrevious(parser.wordView());
            } else {
                if (!isSpared(word, parser.isAddressWord())) {
                    questioned = true;
                    break;
                }
                setPrevious(word);
            }
        }
        // A time slice, not every word: the check of a page must not wait for the pump.
        if ((++m_sliceCounter & 63) == 0 && !yieldSlice())
            break;
    }
    m_walking = false;
    if (m_cancelRequested) {
        if (m_events.onCheckCanceled)
            m_events.onCheckCanceled();
        endCheck(true);
    } else if (!questioned) {
        endCheck(false);
    } else {
        questionWord();
    }
}

void TSpellEngine::questionWord()
{
    TParser &parser = *m_parser;
    m_questioned = parser.word();
    parser.selectWord();
    parser.bringIntoView();
    parser.pushUndo();
    if (TUndo *undo = parser.newestUndo())
        undo->previousWord = m_previous;
    if (!m_dialogExists) {
        m_host.createDialog();
        m_dialogExists = true;
        setDialogCaptions();
        if (m_events.onCreateDialog)
            m_events.onCreateDialog();
        placeDialog(true);
        m_host.showDialog();
        if (m_events.onAfterCreate)
            m_events.onAfterCreate();
    } else {
        placeDialog(false);
        m_host.showDialog();
    }
    m_suggestions.clear();
    m_host.setSuggestions({});
    if (!m_repeated && m_config.options.has(soAutoSuggest))
        fillAutoSuggestions(m_questioned);
    showWordInDialog();
    if (m_events.onMisspelledWord)
        m_events.onMisspelledWord(m_questioned, m_repeated);
    if (!m_repeated && m_props.backgroundSuggestions && !m_mains.empty())
        runBackgroundSuggestions();
}

void TSpellEngine::setDialogCaptions()
{
    using Text = TLanguageModule::Text;
    static constexpr std::pair<int, Text> kCaptions[] = {
        {SpellElement::ChangeAll, Text::ChangeAll},
        {SpellElement::Change, Text::Change},
        {SpellElement::IgnoreAll, Text::IgnoreAll},
        {SpellElement::Ignore, Text::Ignore},
        {SpellElement::Add, Text::Add},
        {SpellElement::AutoCorrect, Text::AutoCorrect},
        {SpellElement::Suggest, Text::Suggest},
        {SpellElement::Start, Text::Start},
        {SpellElement::UndoLast, Text::UndoLast},
        {SpellElement::Options, Text::Options},
        {SpellElement::Help, Text::Help},
        {SpellElement::Cancel, Text::Cancel},
        {SpellElement::ErrorLabel, Text::NotFound},
        {SpellElement::ActionLabel, Text::ReplaceWith},
        {SpellElement::SuggestLabel, Text::Suggestions},
    };
    const TLanguageModule &texts = language();
    m_host.setCaption(texts.text(Text::DialogCaption));
    for (const auto &[element, text] : kCaptions)
        m_host.setElementCaption(element, texts.text(text));
}

void TSpellEngine::placeDialog(bool first)
{
    const QRect dialog = m_host.dialogRect();
    const QRect screen = m_host.screenRect();
    const QRect word = m_parser->wordRect();
    QPoint topLeft;
    if (first) {
        if (m_props.initialPosition == ipIgnore)
            return;
        if (m_props.initialPosition == ipUserDefined && m_events.onPositionDialog)
            topLeft = SpellDialogPlacement::clipped(m_events.onPositionDialog(dialog, m_parser->controlRect(), word),
                                                    dialog, screen);
        else
            topLeft =
                SpellDialogPlacement::initial(m_props.initialPosition, dialog, m_parser->controlRect(), word, screen);
    } else {
        if (m_props.selectionBehavior == sbNone)
            return;
        topLeft = SpellDialogPlacement::follow(m_props.selectionBehavior, dialog, word, screen);
    }
    if (topLeft != dialog.topLeft())
        m_host.moveDialog(topLeft);
}

void TSpellEngine::showWordInDialog()
{
    using namespace SpellElement;
    const TLanguageModule &texts = language();
    m_host.setReplacementText(QString(), false);
    for (int element = ChangeAll; element <= UndoLast; ++element)
        m_host.setElementEnabled(element, false);
    m_host.setQuestionedWord(m_questioned);
    m_host.setElementEnabled(Ignore, true);
    m_host.setElementEnabled(NotFound, true);
    if (m_repeated) {
        m_host.setElementCaption(ErrorLabel, texts.text(TLanguageModule::RepeatedWord));
        m_host.setElementCaption(Change, texts.text(TLanguageModule::Delete));
        m_host.setElementEnabled(Change, true);
        m_host.setElementEnabled(WordEdit, false);
        m_host.setElementEnabled(SuggestBox, false);
    } else {
        m_host.setElementCaption(ErrorLabel, texts.text(TLanguageModule::NotFound));
        m_host.setElementEnabled(Add, m_addTo != nullptr);
        m_host.setElementEnabled(IgnoreAll, true);
        m_host.setElementEnabled(Suggest, !m_config.options.has(soAutoSuggest));
        m_host.setElementEnabled(WordEdit, true);
        m_host.setElementEnabled(SuggestBox, true);
        m_host.setSuggestions(m_suggestions.items());
        if (m_props.autoSelectFirst && !m_suggestions.isEmpty()) {
            m_host.selectSuggestion(0);
            m_host.setReplacementText(m_suggestions.items().first(), true);
            replacementEdited(false);
        }
    }
    m_host.setElementEnabled(UndoLast, m_parser->canUndo());
    m_host.setElementEnabled(Options, m_props.configAvailable);
}

void TSpellEngine::endCheck(bool cancelled)
{
    m_cancelled = cancelled;
    if (m_events.onCheckComplete)
        m_events.onCheckComplete();
    if (!m_suppressEndHandling) {
        if (m_dialogExists)
            m_host.hideDialog();
        const TEndMessage when = m_props.endShowMessage;
        if (when == emAlways || (when == emExceptCancel && !cancelled) || (when == emNoDialog && !m_dialogExists)) {
            const TLanguageModule &texts = language();
            QString message = texts.text(TLanguageModule::CheckComplete);
            if (m_props.wordCountVisible)
                message +=
                    QStringLiteral("\n\n") + texts.text(TLanguageModule::WordsChecked) + QString::number(m_wordCount);
            m_prompts.information(message);
        }
        if (m_dialogExists) {
            m_host.freeDialog();
            m_dialogExists = false;
            if (m_events.onFreeDialog)
                m_events.onFreeDialog();
        }
    }
    m_parser.reset();
    m_pendingActions.clear();
    if (!m_alwaysActive) {
        deactivate();
    } else {
        // Open for longer (the editing window's marks keep them so): what the check added is
        // written now, not only when the dictionaries close.
        for (const auto &user : m_users)
            user->save();
    }
    m_checkRunning = false;
}

void TSpellEngine::releaseDialog()
{
    if (m_checkRunning || !m_dialogExists)
        return;
    m_host.hideDialog();
    m_host.freeDialog();
    m_dialogExists = false;
    if (m_events.onFreeDialog)
        m_events.onFreeDialog();
}

// Actions --------------------------------------------------------------------------------

void TSpellEngine::action(SpellAction code)
{
    if (m_walking) {
        // Buttons pressed while the walk runs: only Cancel means something now.
        if (code == SpellAction::Cancel)
            m_cancelRequested = true;
        return;
    }
    if (m_inBackground || m_busy) {
        m_pendingActions.push_back(code);
        return;
    }
    m_busy = true;
    perform(code);
    while (m_checkRunning && !m_pendingActions.empty()) {
        const SpellAction next = m_pendingActions.front();
        m_pendingActions.pop_front();
        perform(next);
    }
    m_busy = false;
}

void TSpellEngine::perform(SpellAction code)
{
    // Help needs no word in hand; the others act on it.
    if (code == SpellAction::Help) {
        showHelp();
        return;
    }
    if (!m_checkRunning || !m_parser)
        return;
    switch (code) {
    case SpellAction::Suggest:
        suggest();
        break;
    case SpellAction::Start:
        startAtCaret();
        break;
    case SpellAction::UndoLast:
        undoLast();
        break;
    case SpellAction::Options:
        editOptions();
        break;
    case SpellAction::ChangeAll:
        changeAll();
        break;
    case SpellAction::Change:
        if (m_repeated)
            deleteRepeated();
        else
            change();
        break;
    case SpellAction::IgnoreAll:
        ignoreAll();
        break;
    case SpellAction::Ignore:
        ignore();
        break;
    case SpellAction::Add:
        addWord();
        break;
    case SpellAction::AutoCorrect:
        autoCorrect();
        break;
    case SpellAction::Help: // shown above
        break;
    case SpellAction::Cancel:
        cancel();
        break;
    }
}

void TSpellEngine::suggest()
{
    // For the replacement field's text, or the questioned word; added in the order found.
    const QString text = m_host.replacementText();
    const QString base = text.isEmpty() ? m_questioned : text;
    SuggestionList found;
    suggestInto(base, found, true, base);
    for (const QString &s : found.items())
        m_suggestions.add(s);
    m_host.setSuggestions(m_suggestions.items());
}

void TSpellEngine::startAtCaret()
{
    m_host.setElementEnabled(SpellElement::Start, false);
    m_host.setReplacementText(QString(), false);
    m_host.setQuestionedWord(QString());
    m_suggestions.clear();
    m_host.setSuggestions({});
    m_parser->startFromCaret();
    setPrevious({});
    continueCheck();
}

void TSpellEngine::undoLast()
{
    const std::optional<TUndo> undo = m_parser->popUndo();
    if (!undo)
        return;
    forgetUndone(*undo);
    restoreChangeCaption();
    setPrevious(undo->previousWord);
    continueCheck();
}

void TSpellEngine::forgetUndone(const TUndo &undo)
{
    switch (undo.action) {
    case TUndoAction::ChangeAll:
        for (qsizetype i = m_changeAll.size() - 1; i >= 0; --i) {
            if (m_changeAll[i].compare(undo.word, Qt::CaseInsensitive) == 0) {
                m_changeAll.removeAt(i);
                m_changeAllReplacements.removeAt(i);
                break;
            }
        }
        break;
    case TUndoAction::IgnoreAll:
        CaselessList::remove(m_ignoreAll, undo.word);
        break;
    case TUndoAction::Add:
        if (m_addTo)
            m_addTo->removeWord(undo.word);
        break;
    case TUndoAction::AutoCorrect:
        if (m_addTo)
            m_addTo->removePair(undo.word);
        break;
    default: // the parser puts the text back itself
        break;
    }
}

void TSpellEngine::editOptions()
{
    if (!m_props.configAvailable)
        return;
    if (m_events.onSetupCreate)
        m_events.onSetupCreate();
    if (m_host.editConfiguration(*this, m_config)) {
        m_config.writeBack = true;
        reopenDictionaries();
    }
}

void TSpellEngine::changeAll()
{
    const QString replacement = m_host.replacementText();
    m_changeAll.append(m_questioned);
    m_changeAllReplacements.append(replacement);
    replaceAndContinue(TUndoAction::ChangeAll, replacement);
}

void TSpellEngine::change()
{
    replaceAndContinue(TUndoAction::Change, m_host.replacementText());
}

void TSpellEngine::deleteRepeated()
{
    // The word becomes one space, which goes again, and so does a space after it.
    restoreChangeCaption();
    m_parser->selectWord();
    m_parser->replaceWord(QStringLiteral(" "));
    m_parser->removeFollowingSpace();
    const bool second = m_parser->removeFollowingSpace();
    m_parser->setActionCode(second ? TUndoAction::DeleteWithFollowingSpace : TUndoAction::Change);
    if (TUndo *undo = m_parser->newestUndo())
        undo->repeatedDelete = true;
    m_parser->clearWordLength();
    continueCheck(); // the word before stays the previous word
}

void TSpellEngine::ignoreAll()
{
    addToIgnoreAll(m_questioned);
    passOver(TUndoAction::IgnoreAll);
}

void TSpellEngine::ignore()
{
    if (m_repeated)
        restoreChangeCaption();
    passOver(TUndoAction::Ignore);
}

void TSpellEngine::addWord()
{
    if (m_addTo)
        m_addTo->addWord(m_questioned);
    passOver(TUndoAction::Add);
}

void TSpellEngine::addToUserDictionary(const QString &word)
{
    if (m_addTo && m_addTo->addWord(word))
        m_addTo->save();
}

void TSpellEngine::autoCorrect()
{
    const QString replacement = m_host.replacementText();
    if (m_addTo)
        m_addTo->addPair(m_questioned, replacement);
    replaceAndContinue(TUndoAction::AutoCorrect, replacement);
}

void TSpellEngine::showHelp()
{
    m_host.showHelp(m_props.helpFile, m_props.helpContextDialog);
}

void TSpellEngine::cancel()
{
    if (m_events.onCheckCanceled)
        m_events.onCheckCanceled();
    endCheck(true);
}

void TSpellEngine::replaceAndContinue(TUndoAction code, const QString &replacement)
{
    m_parser->setActionCode(code);
    m_parser->selectWord();
    m_parser->replaceWord(replacement);
    // Checked again, the replacement must not count as a repeat of the word it replaced.
    if (m_config.options.has(soRecheck))
        m_parser->clearWordLength();
    else
        setPrevious(m_parser->wordView());
    continueCheck();
}

void TSpellEngine::passOver(TUndoAction code)
{
    m_parser->setActionCode(code);
    setPrevious(m_questioned);
    continueCheck();
}

void TSpellEngine::restoreChangeCaption()
{
    m_host.setElementCaption(SpellElement::Change, language().text(TLanguageModule::Change));
}

void TSpellEngine::suggestionClicked(int index)
{
    if (index < 0 || index >= m_suggestions.size())
        return;
    m_host.setReplacementText(m_suggestions.items()[index], false);
    replacementEdited(false);
}

void TSpellEngine::replacementEdited(bool byUser)
{
    using namespace SpellElement;
    m_host.setElementEnabled(ChangeAll, true);
    m_host.setElementEnabled(Change, true);
    m_host.setElementEnabled(Suggest, true);
    if (m_addTo) {
        m_host.setElementEnabled(Add, true);
        m_host.setElementEnabled(AutoCorrect, true);
    }
    if (byUser)
        m_host.selectSuggestion(-1);
}

void TSpellEngine::dialogDeactivated()
{
    using namespace SpellElement;
    if (m_events.onDeactivate)
        m_events.onDeactivate();
    m_host.setReplacementText(QString(), false);
    for (int element = ChangeAll; element <= UndoLast; ++element)
        m_host.setElementEnabled(element, false);
    m_host.setElementEnabled(NotFound, false);
    m_host.setElementEnabled(WordEdit, false);
    m_host.setElementEnabled(SuggestBox, false);
    m_host.setElementEnabled(Start, true);
}

// Suggestions ------------------------------------------------------------------------------

QString TSpellEngine::adapt(QStringView questioned, const QString &suggestion) const
{
    if (m_events.onMatchCase)
        return m_events.onMatchCase(questioned.toString(), suggestion);
    return adaptCase(questioned, suggestion);
}

void TSpellEngine::suggestInto(QStringView word, SuggestionList &list, bool adaptLower, QStringView questioned) const
{
    const int limit = m_props.maxSuggestions;
    const size_t dictionaries =
        m_config.options.has(soPrimaryOnly) ? std::min<size_t>(1, m_mains.size()) : m_mains.size();
    std::string bytes;
    WordBuffer lower;
    if (adaptLower && lowerForm(word, lower) && toLatin1(lower.view(), bytes)) {
        SuggestionList lowered;
        for (size_t d = 0; d < dictionaries; ++d)
            suggestFromDictionary(*m_mains[d], bytes, lowered, limit);
        for (const QString &s : lowered.items()) {
            if (list.size() > limit)
                break;
            list.add(adapt(questioned, s));
        }
    }
    if (!toLatin1(word, bytes))
        return;
    for (size_t d = 0; d < dictionaries; ++d)
        suggestFromDictionary(*m_mains[d], bytes, list, limit);
}

void TSpellEngine::fillAutoSuggestions(QStringView word)
{
    suggestInto(word, m_suggestions, true, word);
    orderSuggestions(word);
}

void TSpellEngine::orderSuggestions(QStringView questioned)
{
    if (m_config.options.has(soBestGuessesFirst))
        m_suggestions.sortByLikelihood(questioned);
    else
        m_suggestions.sort();
}

bool TSpellEngine::backgroundStage(int stage, QStringView word, QStringView questioned)
{
    const int limit = m_props.maxSuggestions;
    if (m_suggestions.size() > limit)
        return false;
    std::string bytes;
    if (!toLatin1(word, bytes))
        return false;
    const auto take = [&](std::string_view candidate) {
        m_suggestions.add(adapt(questioned, fromLatin1(candidate)));
        return m_suggestions.size() <= limit;
    };
    if (stage == 0) {
        std::string alphabet;
        for (QChar c : m_wordCharacters) {
            if (c.unicode() < 256)
                alphabet.push_back(char(c.unicode()));
        }
        forEachEdit(
            bytes, alphabet, [&](std::string_view candidate) { return isKnown(fromLatin1(candidate)); }, take);
        return true;
    }
    if (stage == 2)
        return distanceTwoStage(bytes, questioned);
    // Two replaced positions: a walk through each trie, then the short user lists.
    std::array<bool, 256> allowed{};
    for (QChar c : m_wordCharacters) {
        if (c.unicode() < 256)
            allowed[c.unicode()] = true;
    }
    for (const auto &dictionary : m_mains) {
        bool more = true;
        dictionary->forEachTwoReplacements(bytes, allowed, [&](std::string_view candidate) {
            more = take(candidate);
            return more;
        });
        if (!more)
            return false;
    }
    const auto twoApart = [&](const QString &known) {
        if (known.size() != word.size())
            return true;
        int differences = 0;
        for (qsizetype i = 0; i < word.size() && differences <= 2; ++i)
            differences += QStringView(known).mid(i, 1).compare(word.mid(i, 1), Qt::CaseInsensitive) != 0;
        if (differences != 2)
            return true;
        m_suggestions.add(adapt(questioned, known));
        return m_suggestions.size() <= limit;
    };
    for (const auto &user : m_users) {
        for (const QString &known : user->words()) {
            if (!twoApart(known))
                return false;
        }
    }
    for (const QString &known : std::as_const(m_ignoreAll)) {
        if (!twoApart(known))
            return false;
    }
    return true;
}

namespace {
// How alike two words look: shared letter pairs (Dice), more when they start alike.
double likeness(std::string_view a, std::string_view b)
{
    int shared = 0;
    std::string pairs;
    for (size_t i = 0; i + 1 < a.size(); ++i) {
        pairs.assign(a.substr(i, 2));
        for (size_t j = 0; j + 1 < b.size(); ++j) {
            if (Latin1::lower[static_cast<unsigned char>(b[j])] ==
                    Latin1::lower[static_cast<unsigned char>(pairs[0])] &&
                Latin1::lower[static_cast<unsigned char>(b[j + 1])] ==
                    Latin1::lower[static_cast<unsigned char>(pairs[1])]) {
                ++shared;
                break;
            }
        }
    }
    const double dice = a.size() + b.size() > 2 ? 2.0 * shared / double(a.size() + b.size() - 2) : 0.0;
    const bool sameStart =
        !a.empty() && !b.empty() &&
        Latin1::lower[static_cast<unsigned char>(a[0])] == Latin1::lower[static_cast<unsigned char>(b[0])];
    return dice + (sameStart ? 0.5 : 0.0);
}
} // namespace

bool TSpellEngine::distanceTwoStage(const std::string &word, QStringView questioned)
{
    // Two edits of any kind. There are many for short words, so the likeliest go first while
    // the list has room.
    const int limit = m_props.maxSuggestions;
    // One edit away here means one apart only in case (the single edits came before).
    std::vector<std::pair<double, std::string>> found;
    for (const auto &dictionary : m_mains) {
        dictionary->forEachWithinDistance(word, 2, [&](std::string_view candidate, int distance) {
            if (found.size() < 4096)
                found.emplace_back(likeness(word, candidate) - distance, std::string(candidate));
            return true;
        });
    }
    std::stable_sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    for (const auto &[score, candidate] : found) {
        if (m_suggestions.size() > limit)
            return false;
        m_suggestions.add(adapt(questioned, fromLatin1(candidate)));
    }
    return m_suggestions.size() <= limit;
}

void TSpellEngine::runBackgroundSuggestions()
{
    const TLanguageModule &texts = language();
    m_inBackground = true;
    m_host.setCaption(texts.text(TLanguageModule::DialogCaption) + QLatin1Char(' ') +
                      texts.text(TLanguageModule::Working));
    const QString questioned = m_questioned;
    WordBuffer lower;
    const QString base = lowerForm(questioned, lower) ? lower.view().toString() : questioned;
    // Single edits were tried already when suggestions come automatically.
    const int firstStage = m_config.options.has(soAutoSuggest) ? 1 : 0;
    const int lastStage = base.size() > 2 ? 2 : 0;
    for (int stage = firstStage; stage <= lastStage; ++stage) {
        m_loop.processPending();
        if (!m_pendingActions.empty() || !m_checkRunning)
            break;
        const bool more = backgroundStage(stage, base, questioned);
        orderSuggestions(questioned);
        m_host.setSuggestions(m_suggestions.items());
        if (!more)
            break;
    }
    m_host.setCaption(texts.text(TLanguageModule::DialogCaption));
    m_inBackground = false;
}

QStringList TSpellEngine::suggestionsFor(const QString &word, bool withBackground)
{
    ensureConfiguration();
    activate();
    SuggestionList saved = m_suggestions;
    const QString savedQuestioned = m_questioned;
    m_suggestions.clear();
    m_questioned = word;
    if (m_config.options.has(soAutoSuggest))
        fillAutoSuggestions(word);
    if (withBackground && !m_mains.empty()) {
        WordBuffer lower;
        const QString base = lowerForm(word, lower) ? lower.view().toString() : word;
        const int firstStage = m_config.options.has(soAutoSuggest) ? 1 : 0;
        const int lastStage = base.size() > 2 ? 2 : 0;
        for (int stage = firstStage; stage <= lastStage; ++stage) {
            if (!backgroundStage(stage, base, word))
                break;
        }
        orderSuggestions(word);
    }
    const QStringList result = m_suggestions.items();
    m_suggestions = saved;
    m_questioned = savedQuestioned;
    return result;
}
