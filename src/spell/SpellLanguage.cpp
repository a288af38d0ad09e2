#include "spell/SpellLanguage.h"

#include <utility>

TLanguageModule::TLanguageModule(QString name, QStringList texts) : m_name(std::move(name)), m_texts(std::move(texts))
{
    m_texts.resize(kTextCount);
}

QString TLanguageModule::messageText(Text index) const
{
    QString shown = text(index);
    shown.replace(QLatin1Char('\\'), QLatin1Char('\n'));
    return shown;
}

const TLanguageModule &TLanguageModule::englishUs()
{
    static const TLanguageModule module = [] {
        const std::pair<Text, const char *> texts[] = {
            {CheckComplete, "Spell Check Complete"},
            {WordsChecked, "Words Checked: "},
            {ExtraWordCharacters, ""},
            {DialogCaption, "Spell Check"},
            {ChangeAll, "&Change All"},
            {Change, "C&hange"},
            {IgnoreAll, "&Ignore All"},
            {Ignore, "I&gnore"},
            {Add, "&Add"},
            {AutoCorrect, "Au&to-Correct"},
            {Suggest, "S&uggest"},
            {Start, "Start"},
            {UndoLast, "Undo &Last"},
            {Options, "&Options"},
            {Delete, "&Delete"},
            {Help, "Hel&p"},
            {Cancel, "Cancel"},
            {NotFound, "Not Found:"},
            {RepeatedWord, "Repeated Word:"},
            {ReplaceWith, "Replace With:"},
            {Suggestions, "Suggestions:"},
            {Working, "(Working...)"},
            {ConfigCaption, "Spell Check Configuration"},
            {DictionariesPage, "Dictionaries"},
            {OptionsPage, "Options"},
            {ConfigOk, "&OK"},
            {ConfigCancel, "&Cancel"},
            {MainDictionaries, " Main Dictionaries: "},
            {AddMain, "&Add"},
            {RemoveMain, "&Remove"},
            {UserDictionaries, " User Dictionaries: "},
            {AddUser, "A&dd"},
            {RemoveUser, "R&emove"},
            {NewUser, "&New"},
            {AddWordsTo, "Add Words &To;"},
            {IgnoreGroup, " Ignore: "},
            {SuggestionsGroup, " Suggestions: "},
            {GeneralGroup, " General: "},
            {ResetIgnoreAll, "Reset Ignore &All"},
            {ResetChangeAll, "R&eset Change All"},
            {UpcaseOption, "Words in &UPPERCASE"},
            {NumbersOption, "Words Containing &Numbers"},
            {HtmlOption, "&HTML Tags"},
            {InternetOption, "UR&Ls and E-mail Addresses"},
            {QuotedOption, "Quoted Lines"},
            {AutoSuggestOption, "&Generate Automatically"},
            {PrimaryOnlyOption, "From &Primary Dictionary Only"},
            {RecheckOption, "Re-check Replaced Words"},
            {RepeatedOption, "Prompt on Repeated Word"},
            {DualCapsOption, "Prompt on &DUal CAps"},
            {User1Option, "User Option 1"},
            {User2Option, "User Option 2"},
            {User3Option, "User Option 3"},
            {User4Option, "User Option 4"},
            {MainFilter, "Dictionary Files"},
            {OpenMainTitle, "Open Main Dictionary"},
            {UserFilter, "User Dictionaries"},
            {OpenUserTitle, "Open User Dictionary"},
            {NewUserFilter, "User Dictionary File"},
            {NewUserTitle, "New User Dictionary"},
            {NoMainDictionary, R"(A main dictionary has yet to be\set for this configuration.\\Edit configuration?)"},
            {DictionaryNotLocated,
             R"(This dictionary file could not be\located.  It needs to be moved\to the specified directory or\this entry should be removed.)"},
            {DictionaryNotFound, "Unable to find dictionary file:"},
            {ExitWithoutSaving, "Exit without saving configuration?"},
        };
        QStringList list;
        list.resize(kTextCount);
        for (const auto &[index, text] : texts)
            list[index] = QString::fromLatin1(text);
        return TLanguageModule(QStringLiteral("English (US)"), list);
    }();
    return module;
}
