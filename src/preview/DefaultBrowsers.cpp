#include "preview/DefaultBrowsers.h"

#include "config/Settings.h"

#include <QStandardPaths>

namespace DefaultBrowsers {

QString findOnPath(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

void fillEmptySlots(Settings &settings, const ProgramFinder &find)
{
    if (!settings.text(SettingKey::NetscapeProgram).isEmpty() || !settings.text(SettingKey::MsieProgram).isEmpty())
        return;
    QStringList found;
    for (const QString &name : QStringList{desktopOpener} + browsers) {
        const QString path = find(name);
        if (!path.isEmpty() && !found.contains(path))
            found << path;
        if (found.size() == 2)
            break;
    }
    if (found.size() > 0)
        settings.store(SettingKey::NetscapeProgram, found[0]);
    if (found.size() > 1)
        settings.store(SettingKey::MsieProgram, found[1]);
}

} // namespace DefaultBrowsers
