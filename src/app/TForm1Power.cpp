// The Power dialogs and Mail To: their menu items, buttons and the step after each dialog.
#include "app/TForm1.h"

#include "dialogs/AnchorBuilder.h"
#include "dialogs/TFormAnchor.h"
#include "dialogs/TFormBody.h"
#include "dialogs/TFormEmail.h"
#include "dialogs/TFormImageView.h"
#include "dialogs/TFormTable.h"
#include "editor/RichEditAccess.h"
#include "editor/TagInsertion.h"
#include "platform/ProgramFolder.h"
#include "project/FilesPanel.h"
#include "project/FilesTab.h"

#include <QHBoxLayout>
#include <QTabWidget>
#include <QToolButton>

void TForm1::buildPowerCommands()
{
    onCommand(QStringLiteral("PowerBODY1"), &TForm1::PowerBODY1Click);
    onCommand(QStringLiteral("PowerAHREF1"), &TForm1::PowerAHREF1Click);
    onCommand(QStringLiteral("MailTo1"), &TForm1::MailTo1Click);
    // Run from the editing window's menu, Mail To leaves its whole link selected.
    onCommand(QStringLiteral("MailTo2"), &TForm1::MailTo2Click);
    onCommand(QStringLiteral("PowerIMG1"), &TForm1::PowerIMG1Click);
    onCommand(QStringLiteral("PowerTABLE1"), &TForm1::PowerTABLE1Click);
    onCommand(QStringLiteral("EditTag1"), &TForm1::EditTag1Click);

    // The tag bar's Table tab has its own Power TABLE button.
    QWidget *tableTab = m_pageControlTags->findChild<QWidget *>(QStringLiteral("TabSheetTable"));
    auto *tableButton = new QToolButton(tableTab);
    tableButton->setObjectName(QStringLiteral("BitBtn3"));
    tableButton->setText(QStringLiteral("Power"));
    tableButton->setToolTip(QStringLiteral("POWER Table Tag"));
    auto *row = static_cast<QHBoxLayout *>(tableTab->layout());
    row->insertWidget(row->count() - 1, tableButton); // before the closing stretch
    connect(tableButton, &QToolButton::clicked, commandAction(QStringLiteral("PowerTABLE1")), &QAction::trigger);
}

void TForm1::PowerBODY1Click()
{
    TFormBody dialog(m_settings, prompts(), *m_env.clipboard, m_powerResult, this);
    dialog.exec();
    m_settings.store(SettingKey::RelImage, dialog.relativeImagePath()); // however it was closed
    pastePowerResult(m_powerResult, true);                              // in front of a selection
}

void TForm1::PowerAHREF1Click()
{
    TFormAnchor dialog(prompts(), *m_env.clipboard, m_powerResult, m_editorAccess->selectedText(),
                       m_settings.flag(SettingKey::UseAnchor), m_settings.text(SettingKey::AnchorPath), m_masks.masks,
                       m_settings.text(SettingKey::StartLocation), this);
    dialog.exec();
    // Remembered for this run whatever closed it; written only with an insertion.
    m_settings.setInMemory(SettingKey::UseAnchor, dialog.useRelativePath() ? QStringLiteral("1") : QStringLiteral("0"));
    m_settings.setInMemory(SettingKey::AnchorPath, dialog.relativePrefix());
    if (!m_powerResult.insert)
        return;
    m_tagInserter->pasteAndSelect(m_powerResult.length, false); // replaces the selection
    m_settings.storeFlag(SettingKey::UseAnchor, dialog.useRelativePath());
    m_settings.store(SettingKey::AnchorPath, dialog.relativePrefix());
}

void TForm1::MailTo1Click()
{
    runMailTo(CaretRule::BeforeClosingTag);
}

void TForm1::MailTo2Click()
{
    runMailTo(CaretRule::SelectInserted);
}

void TForm1::runMailTo(CaretRule rule)
{
    TFormEmail dialog(m_settings.text(SettingKey::Email), this);
    dialog.exec();
    if (!dialog.confirmed())
        return;
    const QString address = dialog.address();
    m_tagInserter->wrapInPlace(
        AnchorBuilder::mailToOpenTag(address) + m_editorAccess->selectedText() + AnchorBuilder::mailToCloseTag, rule);
    m_settings.store(SettingKey::Email, address);
}

void TForm1::PowerIMG1Click()
{
    // Only a picture the Files tab would open here is taken over: an HTML page selected
    // there is no broken picture to complain about.
    const QString selected = m_filesTab->selectedFilePath();
    const bool picture = !selected.isEmpty() && FilesPanel::openingFor(selected) == FilesPanel::Opening::PowerImg;
    openPowerImg(picture ? selected : QString());
}

void TForm1::openPowerImg(const QString &picture)
{
    // The browser opens where the picture handed over lies.
    const QString startFolder = picture.isEmpty() ? m_settings.text(SettingKey::StartLocation) : folderPart(picture);
    TFormImageView dialog(prompts(), *m_env.clipboard, m_powerResult, m_settings.text(SettingKey::RelImage),
                          startFolder, picture, this);
    dialog.exec();
    m_settings.store(SettingKey::RelImage, dialog.relativeImagePath());
    pastePowerResult(m_powerResult, false); // replaces the selection
}

void TForm1::PowerTABLE1Click()
{
    TFormTable dialog(*m_env.clipboard, m_powerResult, this);
    dialog.exec();
    pastePowerResult(m_powerResult, true); // in front of a selection
}
