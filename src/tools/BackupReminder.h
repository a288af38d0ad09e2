#pragma once

#include <QString>

class Settings;

// The reminder to back up a project, counted per project in OPTIONS.INI [Backup].
namespace BackupReminder {
inline const QString question = QStringLiteral(
    "This project has not been backed-up recently. Do you wish to back up all HTML and project files now?\r"
    "(NOTE: You can disable this prompt from the BACKUP tab of the SETTINGS menu.)");

// The counter's key: the project file name in upper case without its last four characters.
QString counterKey(const QString &projectName);

// Counts one closing of the project; true when the reminder is due, after more closings than
// the prompt frequency (the counter then starts again at 0). With a reminder type other than
// 1, nothing is read or written.
bool countClosing(const Settings &settings, const QString &projectName);
// A backup of the project was made: the closings are counted from it again.
void backedUp(const Settings &settings, const QString &projectName);
} // namespace BackupReminder
