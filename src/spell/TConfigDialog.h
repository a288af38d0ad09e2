#pragma once

#include "platform/Prompts.h"
#include "spell/SpellConfiguration.h"
#include "spell/SpellLanguage.h"

#include <QDialog>

#include <functional>
#include <map>

class Prompts;
class TSpellEngine;
class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QTabWidget;

// The modal configuration dialog: the engine's dictionaries and options. It edits a copy
// and hands it back on OK; the engine re-opens its dictionaries afterwards.
class TConfigDialog final : public QDialog {
public:
    // The width of the active box at the left of each list entry.
    static constexpr int kBoxWidth = 14;

    TConfigDialog(TSpellEngine &engine, TConfiguration &configuration, Prompts &prompts,
                  std::function<void()> openHelp = {}, QWidget *parent = nullptr);

    bool changed() const { return m_changed; }
    const TConfiguration &working() const { return m_work; }

    QTabWidget *pages() const { return m_pages; }
    QListWidget *mainList() const { return m_mainList; }
    QListWidget *userList() const { return m_userList; }
    QComboBox *addToChoice() const { return m_addTo; }
    QCheckBox *optionBox(TSpellOption option) const;
    // Buttons by their caption's text (AddMain ... NewUser, ResetIgnoreAll, ResetChangeAll),
    // and the up/down arrows.
    QPushButton *button(TLanguageModule::Text caption) const;
    QPushButton *mainUp() const { return m_mainUp; }
    QPushButton *mainDown() const { return m_mainDown; }
    QPushButton *userUp() const { return m_userUp; }
    QPushButton *userDown() const { return m_userDown; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    // Toggles entry `row` as a click on its box does.
    void toggleMain(int row);
    void toggleUser(int row);

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildDictionaryPage();
    QWidget *buildOptionsPage();
    void fillMains(int current);
    void fillUsers(int current);
    void refreshAddTo();
    void markChanged() { m_changed = true; }
    bool mayLeave();
    QString text(TLanguageModule::Text index) const;
    // The file dialog of a dictionary button: language texts for title and filter, in the configuration's folder.
    FileDialogRequest dictionaryRequest(TLanguageModule::Text title, TLanguageModule::Text filter,
                                        const QString &patterns, const QString &suffix) const;

    void addMain();
    void removeMain();
    void addUser();
    void removeUser();
    void newUser();
    void moveMain(int by);
    void moveUser(int by);

    TSpellEngine &m_engine;
    TConfiguration &m_configuration;
    TConfiguration m_work;
    Prompts &m_prompts;
    std::function<void()> m_openHelp;
    bool m_changed = false;

    QTabWidget *m_pages = nullptr;
    QListWidget *m_mainList = nullptr;
    QListWidget *m_userList = nullptr;
    QComboBox *m_addTo = nullptr;
    QPushButton *m_mainUp = nullptr;
    QPushButton *m_mainDown = nullptr;
    QPushButton *m_userUp = nullptr;
    QPushButton *m_userDown = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    std::map<TLanguageModule::Text, QPushButton *> m_buttons;
    std::map<TSpellOption, QCheckBox *> m_options;
};
