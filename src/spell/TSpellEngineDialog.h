#pragma once

#include "spell/SpellDialogHost.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>

class Prompts;
class TConfigDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// The dialog's controls by element number (`DC`): the engine drives them only through
// these numbers, and the buttons report their action codes through `onAction`.
class TDialogControl final {
public:
    void bind(int element, QWidget *control) { m_controls.at(element) = control; }
    QWidget *control(int element) const;

    void setEnabled(int element, bool enabled);
    void setVisible(int element, bool visible);
    QString caption(int element) const;
    void setCaption(int element, const QString &caption);
    void raise(SpellAction action) const
    {
        if (onAction)
            onAction(action);
    }

    std::function<void(SpellAction)> onAction;

private:
    std::array<QWidget *, SpellElement::kCount> m_controls{};
};

// The modeless spell dialog ("Spell Check"). It holds no logic: its buttons raise the
// engine's actions and the engine tells it what to show.
//
// Wiring: construct it, construct the engine with it as the host, then setEngine().
class TSpellEngineDialog final : public QDialog, public SpellDialogHost {
    Q_OBJECT
public:
    // `programFolder` ends in "/"; the help page lies in its "help" folder.
    TSpellEngineDialog(QString programFolder, Prompts &prompts, QWidget *parent = nullptr);
    ~TSpellEngineDialog() override;

    void setEngine(TSpellEngine *engine) { m_engine = engine; }
    // Opens a help page given as a full path (the main window's help viewer).
    void setHelpOpener(std::function<void(const QString &path)> opener) { m_openHelp = std::move(opener); }
    QString helpPagePath() const;
    // Told of each configuration dialog just before it runs (modal).
    void setConfigurationOpened(std::function<void(TConfigDialog &)> hook) { m_configurationShown = std::move(hook); }

    TDialogControl &dc() { return m_dc; }
    QPushButton *button(int element) const;
    QLineEdit *wordEdit() const { return m_wordEdit; }
    QLineEdit *notFoundField() const { return m_notFound; }
    QListWidget *suggestionBox() const { return m_suggestBox; }

    // SpellDialogHost
    void createDialog() override;
    void freeDialog() override;
    void showDialog() override;
    void hideDialog() override;
    void setCaption(const QString &caption) override;
    void setElementEnabled(int element, bool enabled) override { m_dc.setEnabled(element, enabled); }
    void setElementVisible(int element, bool visible) override { m_dc.setVisible(element, visible); }
    QString elementCaption(int element) const override { return m_dc.caption(element); }
    void setElementCaption(int element, const QString &caption) override { m_dc.setCaption(element, caption); }
    void setQuestionedWord(const QString &word) override;
    QString replacementText() const override;
    void setReplacementText(const QString &text, bool selectAll) override;
    void setSuggestions(const QStringList &suggestions) override;
    void selectSuggestion(int index) override;
    QRect dialogRect() const override;
    QRect screenRect() const override;
    void moveDialog(const QPoint &topLeft) override;
    void showHelp(const QString &helpFile, int context) override;
    bool editConfiguration(TSpellEngine &engine, TConfiguration &configuration) override;

    void reject() override;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void resetControls();
    void raiseAction(SpellAction code);

    QString m_programFolder;
    Prompts &m_prompts;
    TSpellEngine *m_engine = nullptr;
    std::function<void(const QString &)> m_openHelp;
    std::function<void(TConfigDialog &)> m_configurationShown;
    TDialogControl m_dc;
    std::array<QPushButton *, SpellElement::Cancel + 1> m_buttons{};
    QLineEdit *m_notFound = nullptr;
    QLineEdit *m_wordEdit = nullptr;
    QListWidget *m_suggestBox = nullptr;
    QLabel *m_errorLabel = nullptr;
    QLabel *m_actionLabel = nullptr;
    QLabel *m_suggestLabel = nullptr;
    bool m_filling = false; // the engine is setting the list, not the user
    bool m_modal = false;   // our own modal window took the focus, not the document
};
