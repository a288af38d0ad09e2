#pragma once

#include "tools/SiteToolContext.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class Clock;
class EventPump;
class Prompts;
class QListWidget;
class Settings;

namespace Ui {
class TFormBigReplace;
}

namespace BigReplaceTexts {
inline const QString caption = QStringLiteral("Extended Replace");
inline const QString closeFilesFirst = QStringLiteral(
    "To guarantee file integrity, all open files must be closed before doing a global replace. You will now have "
    "the option of saving your open HTML file...");
inline const QString selectProjectFirst = QStringLiteral("You must select a project from the list first.");
inline const QString selectFileFirst = QStringLiteral("You must select at least one file to search first.");
inline const QString areYouSure =
    QStringLiteral("Are you sure you want to replace this text in all the selected files?");
inline const QString processing = QStringLiteral("Processing...");
inline const QString finished = QStringLiteral("Finished.");

// A backup copy that failed stops the run before any file is changed.
inline QString backupFailed(const QString &file, const QString &reason)
{
    return QStringLiteral("Could not back up \"%1\", so nothing was replaced.\n%2").arg(file, reason);
}
// The run's report of the files it could not change, each with its reason.
inline QString filesLeft(const QStringList &reasons)
{
    return QStringLiteral("These files were left as they were:\n") + reasons.join(QLatin1Char('\n'));
}
} // namespace BigReplaceTexts

using BigReplaceContext = SiteToolContext;

// "Extended Replace": one text replaced by another in every page file of a project or in
// picked files, after an optional copy of them into a dated backup folder.
class TFormBigReplace final : public QDialog {
    Q_OBJECT
public:
    explicit TFormBigReplace(BigReplaceContext context, QWidget *parent = nullptr);
    ~TFormBigReplace() override;

    QString status() const;
    QStringList workingList() const;

public Q_SLOTS:
    void RadioProjClick();
    void RadioFilesClick();
    void ButtonAddClick();
    void ButtonRemoveClick();
    void BitBtnReplaceAllClick();

private:
    void setStatus(const QString &text);
    bool backUp(const QStringList &files);

    BigReplaceContext m_context;
    QString m_lastAddedFolder;

    std::unique_ptr<Ui::TFormBigReplace> m_ui;
    QListWidget *m_workingList = nullptr;
};
