#pragma once

#include "spell/SpellDialogHost.h"
#include "spell/TParser.h"
#include "spell/TrieWriter.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <ostream>

class TSpellEngine;

// Readable failures.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

// A dictionary file made from the given words (Latin-1). Its alphabet also holds every
// ASCII letter and digit, as the shipped one does, so words break where they would there.
QByteArray dictionaryOf(const QStringList &words, const QString &description = QStringLiteral("Test words"),
                        const TrieWriteLimits &limits = {});

// The spell dialog as the engine drives it: records what it was told, answers with what a
// test sets.
class FakeSpellDialog final : public SpellDialogHost {
public:
    void createDialog() override
    {
        ++created;
        exists = true;
    }
    void freeDialog() override
    {
        ++freed;
        exists = false;
    }
    void showDialog() override
    {
        visible = true;
        ++shownCount;
    }
    void hideDialog() override { visible = false; }
    void setCaption(const QString &text) override
    {
        caption = text;
        captions << text;
    }
    void setElementEnabled(int element, bool on) override { enabled[element] = on; }
    void setElementVisible(int element, bool on) override { shownElements[element] = on; }
    QString elementCaption(int element) const override { return elementCaptions.value(element); }
    void setElementCaption(int element, const QString &text) override { elementCaptions[element] = text; }
    void setQuestionedWord(const QString &word) override
    {
        questioned = word;
        if (!word.isEmpty())
            questionedWords << word;
    }
    QString replacementText() const override { return replacement; }
    void setReplacementText(const QString &text, bool) override { replacement = text; }
    void setSuggestions(const QStringList &list) override { suggestions = list; }
    void selectSuggestion(int index) override { selected = index; }
    QRect dialogRect() const override { return rect; }
    QRect screenRect() const override { return QRect(0, 0, 1920, 1080); }
    void moveDialog(const QPoint &topLeft) override { rect.moveTopLeft(topLeft); }
    void showHelp(const QString &file, int context) override
    {
        helpShown << QStringLiteral("%1#%2").arg(file).arg(context);
    }
    bool editConfiguration(TSpellEngine &, TConfiguration &configuration) override
    {
        ++configurationEdits;
        return configure ? configure(configuration) : false;
    }

    int created = 0;
    int freed = 0;
    int shownCount = 0;
    bool exists = false;
    bool visible = false;
    QString caption;
    QStringList captions;
    QMap<int, bool> enabled;
    QMap<int, bool> shownElements;
    QMap<int, QString> elementCaptions;
    QString questioned;
    QStringList questionedWords;
    QString replacement;
    QStringList suggestions;
    int selected = -1;
    QRect rect{100, 100, 300, 200};
    QStringList helpShown;
    int configurationEdits = 0;
    std::function<bool(TConfiguration &)> configure;
};

// The user, as a script: each time the engine waits for input, the next step runs (usually
// an action on the engine). Runs out: the check is cancelled and `ranOut` is set, so a
// test whose script is too short fails instead of hanging.
class ScriptedSpellLoop final : public SpellEventLoop {
public:
    void processPending() override
    {
        ++pending;
        if (onPending)
            onPending();
    }
    void waitForInput() override;

    TSpellEngine *engine = nullptr;
    std::deque<std::function<void(TSpellEngine &)>> steps;
    std::function<void()> onPending;
    int pending = 0;
    bool ranOut = false;

    // Queues an action with an optional replacement text typed first.
    ScriptedSpellLoop &then(SpellAction code, const QString &replacement = QString(),
                            FakeSpellDialog *dialog = nullptr);
};

// A single-line edit control in memory.
class StringLineEdit final : public LineEditControl {
public:
    explicit StringLineEdit(QString text = {}) : value(std::move(text)) {}
    QString text() const override { return value; }
    int selStart() const override { return start; }
    int selLength() const override { return length; }
    void setSelection(int s, int l) override
    {
        start = std::clamp(s, 0, int(value.size()));
        length = std::clamp(l, 0, int(value.size()) - start);
    }
    void replaceSelection(const QString &text) override
    {
        value.replace(start, length, text);
        start += int(text.size());
        length = 0;
    }

    QString value;
    int start = 0;
    int length = 0;
};
