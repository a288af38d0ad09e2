#include "tools/BackupReminder.h"

#include "config/Settings.h"

namespace BackupReminder {
QString counterKey(const QString &projectName)
{
    return projectName.toUpper().chopped(std::min<qsizetype>(4, projectName.size()));
}

bool countClosing(const Settings &settings, const QString &projectName)
{
    if (settings.integer(SettingKey::BackupType) != 1 || projectName.isEmpty() ||
        projectName.compare(QLatin1String("welcome.out"), Qt::CaseInsensitive) == 0)
        return false;
    const QString key = counterKey(projectName);
    const int count = settings.backupCounter(key) + 1;
    const bool due = count > settings.integer(SettingKey::BackupPromptFreq);
    settings.storeBackupCounter(key, due ? 0 : count);
    return due;
}

void backedUp(const Settings &settings, const QString &projectName)
{
    if (!projectName.isEmpty())
        settings.storeBackupCounter(counterKey(projectName), 0);
}
} // namespace BackupReminder
