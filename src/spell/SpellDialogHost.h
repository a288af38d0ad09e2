#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class TConfiguration;
class TSpellEngine;

// Element numbers of the spell dialog's controls; the engine enables, shows and sets
// captions by these numbers.
namespace SpellElement {
enum : int {
    ChangeAll = 0,
    Change = 1,
    IgnoreAll = 2,
    Ignore = 3,
    Add = 4,
    AutoCorrect = 5,
    Suggest = 6,
    Start = 7,
    UndoLast = 8,
    Options = 9,
    Help = 10,
    Cancel = 11,
    NotFound = 12,
    WordEdit = 13,
    SuggestBox = 14,
    ErrorLabel = 15,
    ActionLabel = 16,
    SuggestLabel = 17,
};
constexpr int kCount = 18;
} // namespace SpellElement

// The actions the dialog's buttons raise, by their codes.
enum class SpellAction : int {
    Suggest = 0,
    Start = 1,
    UndoLast = 2,
    Options = 3,
    ChangeAll = 4,
    Change = 5,
    IgnoreAll = 6,
    Ignore = 7,
    Add = 8,
    AutoCorrect = 9,
    Help = 10,
    Cancel = 11,
};

// What the engine needs of the spell dialog (`TSpellEngineDialog` with its `DC` element) and
// of the configuration dialog. The dialog holds no logic: it shows what it is told and calls
// TSpellEngine::action() from its buttons (double-clicking a suggestion raises ChangeAll,
// closing the window Cancel), TSpellEngine::suggestionClicked(index) when the user picks a
// suggestion, TSpellEngine::replacementEdited() when the user types in the replacement
// field, and TSpellEngine::dialogDeactivated() when it loses the focus.
class SpellDialogHost {
public:
    virtual ~SpellDialogHost() = default;

    // The dialog's life: created hidden at the first questioned word, freed at the end.
    virtual void createDialog() = 0;
    virtual void freeDialog() = 0;
    virtual void showDialog() = 0;
    virtual void hideDialog() = 0;

    virtual void setCaption(const QString &caption) = 0;
    // Element operations (numbers from SpellElement).
    virtual void setElementEnabled(int element, bool enabled) = 0;
    virtual void setElementVisible(int element, bool visible) = 0;
    virtual QString elementCaption(int element) const = 0;
    virtual void setElementCaption(int element, const QString &caption) = 0;

    virtual void setQuestionedWord(const QString &word) = 0; // NotFound
    virtual QString replacementText() const = 0;             // WordEdit
    virtual void setReplacementText(const QString &text, bool selectAll) = 0;
    virtual void setSuggestions(const QStringList &suggestions) = 0; // SuggestBox
    virtual void selectSuggestion(int index) = 0;                    // -1: none

    // Placement, in screen coordinates.
    virtual QRect dialogRect() const = 0;
    virtual QRect screenRect() const = 0;
    virtual void moveDialog(const QPoint &topLeft) = 0;

    virtual void showHelp(const QString &helpFile, int context) = 0;
    // The modal configuration dialog over the engine's configuration; true when the user
    // left it with OK (the engine then re-opens its dictionaries).
    virtual bool editConfiguration(TSpellEngine &engine, TConfiguration &configuration) = 0;
};

// Lets pending input run while the engine works, and waits for it while a check with
// `WaitForCompletion` awaits the user's next action.
class SpellEventLoop {
public:
    virtual ~SpellEventLoop() = default;
    virtual void processPending() = 0;
    virtual void waitForInput() = 0;
};

class ApplicationSpellEventLoop final : public SpellEventLoop {
public:
    void processPending() override { QCoreApplication::processEvents(); }
    void waitForInput() override { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); }
};
