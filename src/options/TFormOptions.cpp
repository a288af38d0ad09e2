#include "options/TFormOptions.h"

#include "config/ColorNames.h"
#include "config/Settings.h"
#include "platform/PlainTexts.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "preview/PreviewFile.h"
#include "ui_TFormOptions.h"

namespace {
constexpr int kPageCount = 5;
} // namespace

TFormOptions::TFormOptions(Settings &settings, Prompts &prompts, int startPage, OptionsHost &host, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_prompts(prompts), m_host(host),
      m_ui(std::make_unique<Ui::TFormOptions>())
{
    m_ui->setupUi(this);
    setWindowTitle(kSettingsCaption);
    // No close box: Apply and Cancel are the only ways out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_colourBoxes = {m_ui->ComboBox1, m_ui->ComboBox2, m_ui->ComboBox3,
                     m_ui->ComboBox4, m_ui->ComboBox5, m_ui->ComboBox6};
    m_colourLabels = {m_ui->LabelDefault, m_ui->LabelAnchors, m_ui->LabelImages,
                      m_ui->LabelFont,    m_ui->LabelTable,   m_ui->LabelList};
    // The box shows "Red"; the settings keep the stored name "clRed".
    for (QComboBox *box : m_colourBoxes)
        for (const QString &name : tagColourNames())
            box->addItem(tagColourCaption(name), name);
    connectControls();
    fill(startPage);
    showTextsAsPlainText(this);
}

TFormOptions::~TFormOptions() = default;

void TFormOptions::connectControls()
{
    connect(m_ui->Button1, &QPushButton::clicked, this, &TFormOptions::Button1Click);
    connect(m_ui->ButtonDeleteExt, &QPushButton::clicked, this, &TFormOptions::ButtonDeleteExtClick);
    connect(m_ui->BitBtnTemplate, &QPushButton::clicked, this, &TFormOptions::BitBtnTemplateClick);
    connect(m_ui->BitBtnImagePath, &QPushButton::clicked, this, &TFormOptions::BitBtnImagePathClick);
    connect(m_ui->BitBtn3, &QPushButton::clicked, this, &TFormOptions::BitBtn3Click);
    for (QComboBox *box : m_colourBoxes)
        connect(box, &QComboBox::currentIndexChanged, this, &TFormOptions::ComboBoxChange);
    connect(m_ui->ListBoxPaths, &QListWidget::itemClicked, this, &TFormOptions::ListBoxPathsClick);
    connect(m_ui->ButtonSelectPath, &QPushButton::clicked, this, &TFormOptions::ButtonSelectPathClick);
    connect(m_ui->ButtonChangePath, &QPushButton::clicked, this, &TFormOptions::ButtonChangePathClick);
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &TFormOptions::BitBtn1Click);
    connect(m_ui->BitBtn2, &QPushButton::clicked, this, &TFormOptions::BitBtn2Click);
    connect(m_ui->BitBtnImage, &QPushButton::clicked, this, &TFormOptions::BitBtnImageClick);
    connect(m_ui->BitBtnFTP, &QPushButton::clicked, this, &TFormOptions::BitBtnFTPClick);
    connect(m_ui->BitBtnMap, &QPushButton::clicked, this, &TFormOptions::BitBtnMapClick);
    connect(m_ui->RadioNoBackup, &QRadioButton::clicked, this, &TFormOptions::RadioNoBackupClick);
    connect(m_ui->RadioPromptBack, &QRadioButton::clicked, this, &TFormOptions::RadioPromptBackClick);
    connect(m_ui->SpinPromptBack, &QSpinBox::valueChanged, this, &TFormOptions::SpinPromptBackChange);
    connect(m_ui->Button3, &QPushButton::clicked, this, &TFormOptions::Button3Click);
    connect(m_ui->Button4, &QPushButton::clicked, this, &TFormOptions::Button4Click);
}

void TFormOptions::fill(int startPage)
{
    if (startPage >= 0 && startPage < kPageCount)
        m_ui->PageControl1->setCurrentIndex(startPage);

    const OptionsForm form = optionsFormFrom(m_settings, extensionsForDialog(m_settings.folders().writable()));
    m_ui->ListBoxHTMLExtensions->addItems(form.extensions);
    m_ui->EditTemplate->setText(form.templatePath);
    m_ui->EditImagePath->setText(form.imagePath);
    (form.backupType == 0 ? m_ui->RadioNoBackup : m_ui->RadioPromptBack)->setChecked(true);
    m_ui->SpinPromptBack->setValue(form.promptFrequency);
    m_ui->CheckDefaultFiles->setChecked(form.useDefaultFolder);
    m_ui->CheckConfirm->setChecked(form.confirm);
    m_ui->CheckStrong->setChecked(form.strong);
    m_ui->CheckEm->setChecked(form.em);
    m_ui->CheckFileEditSetting->setChecked(form.largeFile);
    m_ui->CheckMSIEControl->setChecked(form.hideMsieControl);
    m_ui->CheckLivePreview->setChecked(form.livePreview);
    m_ui->CheckSpellMarks->setChecked(form.spellMarks);
    for (int i = 0; i < 6; ++i)
        m_colourBoxes[i]->setCurrentIndex(tagColourIndexOfName(form.colourNames[i]));
    ComboBoxChange();
    m_ui->EditDefaultFiles->setText(form.defaultFolder);
    m_ui->EditDefaultExt->setText(form.defaultExt);
    m_ui->EditFTP->setText(form.ftp);
    m_ui->EditNet->setText(form.netscape);
    m_ui->EditMSIE->setText(form.msie);
    m_ui->EditImage->setText(form.imageEditor);
    m_ui->EditMap->setText(form.imageMap);
    if (form.previewMode == PreviewModes::autoSave)
        m_ui->RadioAutoSave->setChecked(true);
    else if (form.previewMode == PreviewModes::noSave)
        m_ui->RadioNoSave->setChecked(true);
    m_ui->ListBoxPaths->addItems(projectFolders(m_host.projectPaths()));
    m_ui->CheckTidyIndent->setChecked(m_settings.flag(SettingKey::TidyIndent));
    m_ui->CheckTidyUpperCase->setChecked(m_settings.flag(SettingKey::TidyUpperCase));
    m_ui->CheckTidyKeepDoctype->setChecked(m_settings.flag(SettingKey::TidyKeepDoctype));
}

QStringList TFormOptions::extensions() const
{
    QStringList list;
    for (int i = 0; i < m_ui->ListBoxHTMLExtensions->count(); ++i)
        list << m_ui->ListBoxHTMLExtensions->item(i)->text();
    return list;
}

OptionsForm TFormOptions::form() const
{
    OptionsForm f;
    f.extensions = extensions();
    f.defaultExt = m_ui->EditDefaultExt->text();
    f.templatePath = m_ui->EditTemplate->text();
    f.imagePath = m_ui->EditImagePath->text();
    f.useDefaultFolder = m_ui->CheckDefaultFiles->isChecked();
    f.defaultFolder = m_ui->EditDefaultFiles->text();
    f.confirm = m_ui->CheckConfirm->isChecked();
    f.largeFile = m_ui->CheckFileEditSetting->isChecked();
    for (int i = 0; i < 6; ++i)
        f.colourNames[i] = m_colourBoxes[i]->currentData().toString();
    f.strong = m_ui->CheckStrong->isChecked();
    f.em = m_ui->CheckEm->isChecked();
    f.netscape = m_ui->EditNet->text();
    f.msie = m_ui->EditMSIE->text();
    f.previewMode = m_ui->RadioAutoSave->isChecked() ? PreviewModes::autoSave
                    : m_ui->RadioNoSave->isChecked() ? PreviewModes::noSave
                                                     : PreviewModes::temp;
    f.hideMsieControl = m_ui->CheckMSIEControl->isChecked();
    f.livePreview = m_ui->CheckLivePreview->isChecked();
    f.spellMarks = m_ui->CheckSpellMarks->isChecked();
    f.imageEditor = m_ui->EditImage->text();
    f.ftp = m_ui->EditFTP->text();
    f.imageMap = m_ui->EditMap->text();
    f.backupType = m_ui->RadioNoBackup->isChecked() ? 0 : 1;
    f.promptFrequency = m_ui->SpinPromptBack->value();
    return f;
}

// Extensions

void TFormOptions::Button1Click()
{
    QStringList list = extensions();
    switch (addExtension(list, m_ui->EditNewExt->text())) {
    case AddExtensionResult::TooMany:
        m_prompts.information(OptionsTexts::tooManyExtensions);
        return;
    case AddExtensionResult::Empty:
        m_prompts.information(OptionsTexts::emptyExtension);
        m_ui->EditNewExt->setFocus();
        return;
    case AddExtensionResult::Added:
        break;
    }
    m_ui->ListBoxHTMLExtensions->clear();
    m_ui->ListBoxHTMLExtensions->addItems(list);
    m_ui->EditNewExt->clear();
    m_ui->EditNewExt->setFocus();
}

void TFormOptions::ButtonDeleteExtClick()
{
    const int row = m_ui->ListBoxHTMLExtensions->currentRow();
    if (row >= 0 && m_ui->ListBoxHTMLExtensions->currentItem() &&
        m_ui->ListBoxHTMLExtensions->currentItem()->isSelected())
        delete m_ui->ListBoxHTMLExtensions->takeItem(row);
}

// Browse buttons

QString TFormOptions::browse(int filterIndex)
{
    if (filterIndex > 0)
        m_lastFilterIndex = filterIndex;
    FileDialogRequest request;
    request.title = OptionsTexts::browseTitle;
    request.filter = OptionsTexts::browseFilter;
    request.filterIndex = m_lastFilterIndex;
    request.executablesEntry = OptionsTexts::executablesEntry;
    return m_prompts.openFile(request);
}

void TFormOptions::BitBtnTemplateClick()
{
    const QString chosen = browse(OptionsTexts::allFilesEntry);
    if (!chosen.isEmpty())
        m_ui->EditTemplate->setText(chosen);
}

// Folders keep the case they have on disk: a lower-cased folder would not open on Linux.
void TFormOptions::BitBtnImagePathClick()
{
    m_prompts.information(OptionsTexts::imagePathHowTo);
    const QString chosen = browse(OptionsTexts::allFilesEntry);
    if (!chosen.isEmpty())
        m_ui->EditImagePath->setText(folderPart(chosen));
}

void TFormOptions::BitBtn3Click()
{
    m_prompts.information(OptionsTexts::defaultFolderHowTo);
    const QString chosen = browse(OptionsTexts::allFilesEntry);
    if (chosen.isEmpty())
        return;
    m_ui->EditDefaultFiles->setText(folderPart(chosen));
    m_settings.setInMemory(SettingKey::FilesSelected, folderPart(chosen));
}

void TFormOptions::browseHelper(QLineEdit *field)
{
    const QString chosen = browse(0);
    if (!chosen.isEmpty())
        field->setText(chosen);
}

void TFormOptions::BitBtnImageClick()
{
    browseHelper(m_ui->EditImage);
}
void TFormOptions::BitBtnFTPClick()
{
    browseHelper(m_ui->EditFTP);
}
void TFormOptions::BitBtnMapClick()
{
    browseHelper(m_ui->EditMap);
}

void TFormOptions::BitBtn1Click()
{
    const QString chosen = browse(0);
    if (chosen.isEmpty())
        return;
    m_ui->EditNet->setText(chosen);
    m_settings.store(SettingKey::NetscapeProgram, chosen);
}

void TFormOptions::BitBtn2Click()
{
    const QString chosen = browse(0);
    if (chosen.isEmpty())
        return;
    m_ui->EditMSIE->setText(chosen);
    m_settings.store(SettingKey::MsieProgram, chosen);
}

// Change File Path

void TFormOptions::ListBoxPathsClick()
{
    m_ui->ButtonSelectPath->setEnabled(true);
}

void TFormOptions::ButtonSelectPathClick()
{
    m_prompts.information(OptionsTexts::newPathHowTo);
    const QString chosen = browse(OptionsTexts::allFilesEntry);
    if (chosen.isEmpty())
        return;
    m_newPath = folderPart(chosen);
    m_ui->Label21->setText(m_newPath); // what "Change to NEW path" will write
    if (m_ui->ListBoxPaths->currentItem() && m_ui->ListBoxPaths->currentItem()->isSelected())
        m_ui->ButtonChangePath->setEnabled(true);
}

void TFormOptions::ButtonChangePathClick()
{
    QListWidgetItem *selected = m_ui->ListBoxPaths->currentItem();
    if (!selected || m_newPath.isEmpty())
        return;
    const QStringList paths = rewriteProjectPaths(m_host.projectPaths(), selected->text(), m_newPath);
    m_host.setProjectPaths(paths);
    writeProjectPathFile(m_settings.folders().writable(), m_host.projectName(), paths);
    m_prompts.information(OptionsTexts::pathsUpdated);
}

// Back Up

void TFormOptions::RadioNoBackupClick()
{
    m_settings.setInMemory(SettingKey::BackupType, QStringLiteral("0"));
}
void TFormOptions::RadioPromptBackClick()
{
    m_settings.setInMemory(SettingKey::BackupType, QStringLiteral("1"));
}

void TFormOptions::SpinPromptBackChange()
{
    const int value = m_ui->SpinPromptBack->value();
    if (value != clampPromptFrequency(value))
        m_ui->SpinPromptBack->setValue(clampPromptFrequency(value));
}

void TFormOptions::ComboBoxChange()
{
    for (int i = 0; i < 6; ++i) {
        QPalette palette = m_colourLabels[i]->palette();
        palette.setColor(QPalette::WindowText, toQColor(tagColourOfName(m_colourBoxes[i]->currentData().toString())));
        m_colourLabels[i]->setPalette(palette);
    }
}

// Apply and Cancel

void TFormOptions::Button3Click()
{
    const OptionsApplied applied = applyOptions(form(), m_settings);
    if (applied.extensionsError) {
        m_prompts.error(*applied.extensionsError);
        return; // nothing else applied; the dialog stays open
    }
    m_settings.storeFlag(SettingKey::TidyIndent, m_ui->CheckTidyIndent->isChecked());
    m_settings.storeFlag(SettingKey::TidyUpperCase, m_ui->CheckTidyUpperCase->isChecked());
    m_settings.storeFlag(SettingKey::TidyKeepDoctype, m_ui->CheckTidyKeepDoctype->isChecked());
    m_host.setHtmlMasks(applied.masks);
    m_host.setBrowserModeLetter(applied.modeLetter);
    accept();
}

void TFormOptions::Button4Click()
{
    reject();
}
