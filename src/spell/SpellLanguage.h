#pragma once

#include <QString>
#include <QStringList>

// One language of the spell engine's texts (`TLanguageModule`): a name and 64 texts, used for
// the dialogs' captions, the messages and the extra word characters.
class TLanguageModule final {
public:
    // The texts by their numbers.
    enum Text {
        CheckComplete = 0,
        WordsChecked = 1,
        ExtraWordCharacters = 2,
        DialogCaption = 3,
        // The spell dialog's controls.
        ChangeAll = 4,
        Change = 5,
        IgnoreAll = 6,
        Ignore = 7,
        Add = 8,
        AutoCorrect = 9,
        Suggest = 10,
        Start = 11,
        UndoLast = 12,
        Options = 13,
        Delete = 14, // Change, for a repeated word
        Help = 15,
        Cancel = 16,
        NotFound = 17,
        RepeatedWord = 18,
        ReplaceWith = 19,
        Suggestions = 20,
        Working = 21,
        // The configuration dialog.
        ConfigCaption = 22,
        DictionariesPage = 23,
        OptionsPage = 24,
        ConfigOk = 25,
        ConfigCancel = 26,
        MainDictionaries = 27,
        AddMain = 28,
        RemoveMain = 29,
        UserDictionaries = 30,
        AddUser = 31,
        RemoveUser = 32,
        NewUser = 33,
        AddWordsTo = 34,
        IgnoreGroup = 35,
        SuggestionsGroup = 36,
        GeneralGroup = 37,
        ResetIgnoreAll = 38,
        ResetChangeAll = 39,
        // One check box per option, in the options' order.
        UpcaseOption = 40,
        NumbersOption = 41,
        HtmlOption = 42,
        InternetOption = 43,
        QuotedOption = 44,
        AutoSuggestOption = 45,
        PrimaryOnlyOption = 46,
        RecheckOption = 47,
        RepeatedOption = 48,
        DualCapsOption = 49,
        User1Option = 50,
        User2Option = 51,
        User3Option = 52,
        User4Option = 53,
        MainFilter = 54,
        OpenMainTitle = 55,
        UserFilter = 56,
        OpenUserTitle = 57,
        NewUserFilter = 58,
        NewUserTitle = 59,
        // Messages.
        NoMainDictionary = 60,
        DictionaryNotLocated = 61,
        DictionaryNotFound = 62,
        ExitWithoutSaving = 63,
    };
    static constexpr int kTextCount = ExitWithoutSaving + 1;

    TLanguageModule(QString name, QStringList texts);

    const QString &name() const { return m_name; }
    QString text(Text index) const { return m_texts.value(index); }
    // As shown in a message box: each "\" stands for a line break.
    QString messageText(Text index) const;

    static const TLanguageModule &englishUs();

private:
    QString m_name;
    QStringList m_texts;
};

// The engine's languages (`TLanguages`); the built-in module is "English (US)".
using TLanguages = QList<TLanguageModule>;
