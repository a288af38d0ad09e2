#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Settings;

// The browser slots of a first start: the desktop's opener and another installed browser.
namespace DefaultBrowsers {
inline const QString desktopOpener = QStringLiteral("xdg-open");
// Looked for on the PATH in this order.
inline const QStringList browsers = {
    QStringLiteral("firefox"),          QStringLiteral("firefox-esr"),   QStringLiteral("chromium"),
    QStringLiteral("chromium-browser"), QStringLiteral("google-chrome"), QStringLiteral("google-chrome-stable"),
    QStringLiteral("epiphany-browser"), QStringLiteral("epiphany"),      QStringLiteral("konqueror"),
    QStringLiteral("falkon"),           QStringLiteral("midori"),        QStringLiteral("qutebrowser"),
};

// The full path of a program on the PATH, empty when there is none.
using ProgramFinder = std::function<QString(const QString &name)>;
QString findOnPath(const QString &name);

// When both browser slots are empty, the first takes the desktop's opener (or, without one,
// the first browser found) and the second the next browser found; each is stored as the
// settings dialog's "Find" buttons store it. Slots already set are never touched.
void fillEmptySlots(Settings &settings, const ProgramFinder &find);
} // namespace DefaultBrowsers
