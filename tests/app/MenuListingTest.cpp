// The whole menu tree of the main window, printed and compared with a checked-in listing, so
// that every change to a menu, the tool bar or a pop-up menu shows up in review.
#include "platform/TextFile.h"
#include "testsupport/MainWindowFixture.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

using MenuListingTest = MainWindowFixture;

namespace {
const QString kExpectedListing = QStringLiteral(TOVAREL_SOURCE_DIR "/tests/app/data/menus.txt");

// An icon's first picture may differ from the ones drawn after it (the pixmap cache fills), so
// compare the second.
QImage pictureOf(const QIcon &icon)
{
    icon.pixmap(16, 16);
    return icon.pixmap(16, 16).toImage();
}

// Icons are named by the first standard icon that draws the same picture.
QString iconName(const QIcon &icon)
{
    if (icon.isNull())
        return QString();
    const QImage picture = pictureOf(icon);
    const QMetaEnum pixmaps = QMetaEnum::fromType<QStyle::StandardPixmap>();
    for (int i = 0; i < pixmaps.keyCount(); ++i) {
        const auto pixmap = QStyle::StandardPixmap(pixmaps.value(i));
        if (pictureOf(QApplication::style()->standardIcon(pixmap)) == picture)
            return QLatin1String(pixmaps.key(i));
    }
    return QStringLiteral("(not a standard icon)");
}

QString nameOf(const QObject *object)
{
    return object->objectName().isEmpty() ? QStringLiteral("-") : object->objectName();
}

QString states(const QString &shortcut, const QIcon &icon, bool enabled, bool visible)
{
    QString text;
    if (!shortcut.isEmpty())
        text += QStringLiteral(" key=") + shortcut;
    if (const QString name = iconName(icon); !name.isEmpty())
        text += QStringLiteral(" icon=") + name;
    if (!enabled)
        text += QStringLiteral(" disabled");
    if (!visible)
        text += QStringLiteral(" hidden");
    return text;
}

void listActions(const QList<QAction *> &actions, int depth, QString &out)
{
    const QString indent(2 * depth, QLatin1Char(' '));
    for (const QAction *action : actions) {
        if (action->isSeparator()) {
            out += indent + QStringLiteral("----\n");
            continue;
        }
        const QString own = action->menu() ? nameOf(action->menu()) : nameOf(action);
        out += indent + own + QStringLiteral(" \"") + action->text() + QLatin1Char('"') +
               states(action->shortcut().toString(QKeySequence::PortableText), action->icon(), action->isEnabled(),
                      action->isVisible());
        if (action->isCheckable())
            out += action->isChecked() ? QStringLiteral(" checked") : QStringLiteral(" unchecked");
        out += QLatin1Char('\n');
        if (action->menu())
            listActions(action->menu()->actions(), depth + 1, out);
    }
}

void listToolBar(const QToolBar *bar, QString &out)
{
    out +=
        QStringLiteral("Tool bar ") + nameOf(bar) + QStringLiteral(" \"") + bar->windowTitle() + QStringLiteral("\"\n");
    for (QAction *action : bar->actions()) {
        if (action->isSeparator()) {
            out += QStringLiteral("  ----\n");
            continue;
        }
        const auto *button = qobject_cast<const QToolButton *>(bar->widgetForAction(action));
        if (!button) {
            out += QStringLiteral("  (not a tool button) ") + nameOf(bar->widgetForAction(action)) + QLatin1Char('\n');
            continue;
        }
        out += QStringLiteral("  ") + nameOf(button) + QStringLiteral(" \"") + button->text() +
               QStringLiteral("\" tip=\"") + button->toolTip() + QLatin1Char('"') +
               states(QString(), button->icon(), button->isEnabled(), action->isVisible()) + QLatin1Char('\n');
    }
}

// Menus that no menu bar or other menu holds: the pop-up menus.
bool isPopup(const QMenu *menu)
{
    for (const QObject *holder : menu->menuAction()->associatedObjects())
        if (holder != menu)
            return false;
    return true;
}

QString listing(const QMainWindow &window)
{
    QString out = QStringLiteral("Menu bar\n");
    listActions(window.menuBar()->actions(), 1, out);
    for (const QToolBar *bar : window.findChildren<QToolBar *>())
        listToolBar(bar, out);
    // Pop-up menus by name: the order they are made in is nothing the user sees.
    QMap<QString, const QMenu *> popups;
    for (const QMenu *menu : window.findChildren<QMenu *>())
        if (isPopup(menu))
            popups.insert(nameOf(menu) + QStringLiteral(" of ") + nameOf(menu->parent()), menu);
    for (auto it = popups.cbegin(); it != popups.cend(); ++it) {
        out += QStringLiteral("Pop-up menu ") + it.key() + QLatin1Char('\n');
        listActions(it.value()->actions(), 1, out);
    }
    return out;
}
} // namespace

TEST_F(MenuListingTest, MenusToolBarAndPopupsMatchTheCheckedInListing)
{
    const QString actual = listing(start());
    const QString expected = QString::fromUtf8(readFileBytes(kExpectedListing).value_or(QByteArray()));
    if (actual == expected)
        return;
    const QStringList actualLines = actual.split(QLatin1Char('\n'));
    const QStringList expectedLines = expected.split(QLatin1Char('\n'));
    qsizetype line = 0;
    while (line < std::min(actualLines.size(), expectedLines.size()) && actualLines[line] == expectedLines[line])
        ++line;
    const QString actualFile = QDir::current().absoluteFilePath(QStringLiteral("menus.actual.txt"));
    QFile file(actualFile);
    if (file.open(QIODevice::WriteOnly))
        file.write(actual.toUtf8());
    ADD_FAILURE() << "The menus differ from " << kExpectedListing.toStdString() << " at line " << line + 1
                  << ":\n  expected: " << expectedLines.value(line).toStdString()
                  << "\n  actual:   " << actualLines.value(line).toStdString() << "\nWhen the change is meant, copy "
                  << actualFile.toStdString() << " there. The menus as the program has them now:\n"
                  << actual.toStdString();
}

TEST_F(MenuListingTest, EveryRowRunsOneHandler)
{
    const QStringList faults = start().menuFaults();
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}
