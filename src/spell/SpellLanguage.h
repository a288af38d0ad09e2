#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// One language of the spell engine's texts (`TLanguageModule`): a name and 64 texts, used for
// the dialogs' captions, the end message and the extra word characters (text 2).
class TLanguageModule final {
public:
    static constexpr int kTextCount = 64;

    // Text numbers the engine itself uses.
    enum Text {
        CheckComplete = 0,
        WordsChecked = 1,
        ExtraWordCharacters = 2,
        DialogCaption = 3,
        Delete = 14,
        NotFound = 17,
        RepeatedWord = 18,
        Working = 21,
        NoMainDictionary = 60,
        DictionaryNotLocated = 61,
        DictionaryNotFound = 62,
        ExitWithoutSaving = 63,
    };

    TLanguageModule(QString name, QStringList texts);

    const QString &name() const { return m_name; }
    // The stored text; empty for a number out of range.
    QString text(int index) const { return m_texts.value(index); }
    // As shown in a message box: each "\" stands for a line break.
    QString messageText(int index) const;
    const QStringList &texts() const { return m_texts; }

    // The stored form: the name, the 64 texts, and the end marker "@@@".
    QStringList toStored() const;
    // Reads one module from `stored` at `at`, moving `at` past its end marker; nullopt when
    // the marker is missing or the count of texts is wrong.
    static std::optional<TLanguageModule> fromStored(const QStringList &stored, qsizetype &at);

    static const TLanguageModule &englishUs();

private:
    QString m_name;
    QStringList m_texts;
};

// The engine's languages (`TLanguages`); the built-in module is "English (US)".
using TLanguages = QList<TLanguageModule>;
