// The menu bar, tool bar and pop-up menus, built from the menu table; and the one way the topic
// files reach them: a handler per command, by name.
#include "app/MainMenus.h"
#include "app/TForm1.h"
#include "editor/TagCommands.h"
#include "platform/LazyIcons.h"

#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {
QString textOf(const char *text)
{
    return QString::fromUtf8(text);
}

QString commandOf(const MenuRow &row)
{
    return textOf(*row.command ? row.command : row.name);
}

} // namespace

void TForm1::buildMenus()
{
    addMenuRows(menuBar(), mainMenuRows());
    m_editorMenu = buildPopup(QStringLiteral("PopupMenuEditor"), editorMenuRows());
    m_outlineMenu = buildPopup(QStringLiteral("PopupMenu1"), outlineMenuRows());
    buildToolBar();
}

QMenu *TForm1::buildPopup(const QString &name, std::span<const MenuRow> rows)
{
    auto *popup = new QMenu(this);
    popup->setObjectName(name);
    addMenuRows(popup, rows);
    return popup;
}

void TForm1::addMenuRows(QWidget *root, std::span<const MenuRow> rows)
{
    QList<QWidget *> open{root};
    for (const MenuRow &row : rows) {
        QWidget *into = open.last();
        switch (row.kind) {
        case MenuRowKind::Menu: {
            auto *menu = new QMenu(textOf(row.caption), into);
            menu->setObjectName(textOf(row.name));
            into->addAction(menu->menuAction());
            open << menu;
            break;
        }
        case MenuRowKind::EndMenu:
            if (open.size() > 1)
                open.removeLast();
            else
                m_menuFaults << QStringLiteral("a menu ends that was not begun");
            break;
        case MenuRowKind::Item: {
            QAction *item = addMenuItem(into, textOf(row.name), textOf(row.caption), commandOf(row));
            item->setShortcut(QKeySequence::fromString(textOf(row.shortcut), QKeySequence::PortableText));
            item->setIcon(standardIcon(row.icon));
            break;
        }
        case MenuRowKind::Separator: {
            auto *separator = new QAction(into);
            separator->setSeparator(true);
            into->addAction(separator);
            break;
        }
        case MenuRowKind::QuickTables:
            addQuickTables(into, row);
            break;
        case MenuRowKind::Button:
            m_menuFaults << QStringLiteral("button %1 in a menu").arg(textOf(row.name));
            break;
        }
    }
    if (open.size() > 1)
        m_menuFaults << QStringLiteral("menu \"%1\" has no end").arg(qobject_cast<QMenu *>(open.last())->title());
}

QAction *TForm1::addMenuItem(QWidget *menu, const QString &name, const QString &caption, const QString &command)
{
    auto *item = new QAction(caption, menu);
    item->setObjectName(name);
    menu->addAction(item);
    m_commandActions[command] << item;
    return item;
}

void TForm1::addQuickTables(QWidget *tableMenu, const MenuRow &row)
{
    for (int rows = row.first; rows <= kQuickTableMax; ++rows) {
        auto *rowMenu = new QMenu(QStringLiteral("%1R X").arg(rows), tableMenu);
        tableMenu->addAction(rowMenu->menuAction());
        for (int columns = row.first; columns <= kQuickTableMax; ++columns) {
            const QString name = quickTableHandler(rows, columns).chopped(5) + textOf(row.name);
            addMenuItem(rowMenu, name, QStringLiteral("%1C").arg(columns), name);
        }
    }
}

void TForm1::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("Tools"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    for (const MenuRow &row : toolBarRows()) {
        if (row.kind == MenuRowKind::Separator) {
            bar->addSeparator();
            continue;
        }
        QAction *command = commandAction(commandOf(row));
        if (!command) { // a command of the tool bar only
            command = new QAction(this);
            m_commandActions[commandOf(row)] << command;
        }
        auto *button = new QToolButton(bar);
        button->setObjectName(textOf(row.name));
        button->setText(textOf(row.caption));
        button->setToolTip(textOf(row.hint));
        button->setIcon(*row.icon ? standardIcon(row.icon) : command->icon());
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, command, &QAction::trigger);
        bar->addWidget(button);
    }
}

QIcon TForm1::standardIcon(const char *name)
{
    if (!*name)
        return {};
    bool known = false;
    const int pixmap = QMetaEnum::fromType<QStyle::StandardPixmap>().keyToValue(name, &known);
    if (!known) {
        m_menuFaults << QStringLiteral("no standard icon named %1").arg(textOf(name));
        return {};
    }
    return lazyStandardIcon(style(), QStyle::StandardPixmap(pixmap));
}

QAction *TForm1::commandAction(const QString &command) const
{
    return m_commandActions.value(command).value(0);
}

bool TForm1::hasCommand(const QString &command) const
{
    return m_commandActions.contains(command);
}

void TForm1::onCommand(const QString &command, const std::function<void()> &handler)
{
    if (!hasCommand(command)) {
        m_menuFaults << QStringLiteral("no menu item or button runs %1").arg(command);
        return;
    }
    if (m_handledCommands.contains(command)) {
        m_menuFaults << QStringLiteral("%1 has a handler already").arg(command);
        return;
    }
    m_handledCommands.insert(command);
    for (QAction *action : m_commandActions.value(command))
        connect(action, &QAction::triggered, this, handler);
}

void TForm1::onCommand(const QString &command, void (TForm1::*handler)())
{
    onCommand(command, [this, handler] { (this->*handler)(); });
}

void TForm1::checkEveryCommandHandled()
{
    QStringList unhandled;
    for (auto it = m_commandActions.cbegin(); it != m_commandActions.cend(); ++it)
        if (!m_handledCommands.contains(it.key()))
            unhandled << it.key();
    unhandled.sort();
    for (const QString &command : std::as_const(unhandled))
        m_menuFaults << QStringLiteral("%1 has no handler").arg(command);
}
