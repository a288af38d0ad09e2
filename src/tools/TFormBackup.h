#pragma once

#include "tools/SiteToolContext.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class Clock;
class EventPump;
class Prompts;

namespace Ui {
class TFormBackup;
}

namespace BackupTexts {
inline const QString caption = QStringLiteral("Backup Project Files");
inline const QString cannotType =
    QStringLiteral("You cannot type in a project name. You must select it from the list.");
inline const QString notValid = QStringLiteral("You have not selected a valid project. Please choose from the list.");
inline const QString copyingPrefix = QStringLiteral("Status: Copying ");
inline const QString complete = QStringLiteral("Status: Backup complete");
inline const QString finished = QStringLiteral("Backup finished.");
inline const QString someFailed = QStringLiteral(" However, as reported, at least one file could not be backed up.");
inline const QString projectFileFailed = QStringLiteral("Error copying the project file. Not backed up!");
inline const QString idle = QStringLiteral("Status:");

inline QString pageFailed(const QString &path)
{
    return QStringLiteral("Error copying HTML file: ") + path + QStringLiteral(". Not backed up!");
}
} // namespace BackupTexts

using BackupContext = SiteToolContext;

// "Backup Project Files": copies a project's page files and its two project files into a
// folder, by default a new dated sub-folder of the program's backup folder.
class TFormBackup final : public QDialog {
    Q_OBJECT
public:
    explicit TFormBackup(BackupContext context, QWidget *parent = nullptr);
    ~TFormBackup() override;

    QString status() const;

public Q_SLOTS:
    void ComboProjectsChange();
    void DriveComboBox1Change(int index);
    void DirectoryListBox1Change(const QString &folder);
    void ButtonNewSubClick();
    void EditBackupPathChange(const QString &text);
    void BitBtnBackupClick();

private:
    QString treeFolder() const;
    QString suggestedName() const;
    void fillDrives();

    BackupContext m_context;
    std::unique_ptr<Ui::TFormBackup> m_ui;
};
