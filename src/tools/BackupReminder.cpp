#include "tools/BackupReminder.h"

#include "platform/IniFile.h"

namespace BackupReminder {
QString counterKey(const QString &projectName)
{
    return projectName.toUpper().chopped(std::min<qsizetype>(4, projectName.size()));
}

bool countClosing(const QString &optionsIniPath, int reminderType, int promptFrequency, const QString &projectName)
{
    if (reminderType != 1 || projectName.isEmpty() ||
        projectName.compare(QLatin1String("welcome.out"), Qt::CaseInsensitive) == 0)
        return false;
    const IniFile ini(optionsIniPath);
    const QString section = QStringLiteral("Backup");
    const QString key = counterKey(projectName);
    const int count = ini.readInt(section, key, 0) + 1;
    const bool due = count > promptFrequency;
    ini.writeInt(section, key, due ? 0 : count);
    return due;
}

void backedUp(const QString &optionsIniPath, const QString &projectName)
{
    if (!projectName.isEmpty())
        IniFile(optionsIniPath).writeInt(QStringLiteral("Backup"), counterKey(projectName), 0);
}
} // namespace BackupReminder
