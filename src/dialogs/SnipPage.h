#pragma once

#include "dialogs/SnipList.h"

#include <QWidget>

#include <functional>

class Clipboard;
class Prompts;
class QLineEdit;
class QListWidget;
class QPushButton;

// One page of the snips, "URL Manager" or "Misc Text": the sorted list, its file, the entry
// field and the Add, Delete and Edit buttons. The two pages are built alike; `suffix`
// ("URL" or "Misc") names their controls.
class SnipPage final : public QWidget {
    Q_OBJECT
public:
    SnipPage(const QString &suffix, Prompts &prompts, Clipboard &clipboard, QWidget *parent = nullptr);

    // The file is read when it exists; the list is written back to it after every change.
    void load(const QString &path);
    // Runs after a double-click has put an entry on the clipboard.
    void setPicked(std::function<void()> picked) { m_picked = std::move(picked); }

    QListWidget *list() const { return m_list; }
    const SnipList &snips() const { return m_snips; }

public Q_SLOTS:
    void ButtonAddClick();
    void ButtonDelClick();
    void ButtonEditClick();
    void ListBoxDblClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void show(int selected);
    void save();

    Prompts &m_prompts;
    Clipboard &m_clipboard;
    QString m_path;
    SnipList m_snips;
    std::function<void()> m_picked;
    QListWidget *m_list;
    QLineEdit *m_edit;
    QPushButton *m_add;
    QPushButton *m_delete;
    QPushButton *m_editButton;
};

namespace SnipTexts {
inline const QString entryPrompt = QStringLiteral("Type or paste a new entry here...");
inline const QString nothingToEdit =
    QStringLiteral("You have not selected an item to edit. You must first select at item (click it).");
} // namespace SnipTexts
