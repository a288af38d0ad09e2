#include "options/TFormOptions.h"

#include "config/ColorNames.h"
#include "config/Settings.h"
#include "options/TidyOptionsBox.h"
#include "platform/PlainTexts.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "preview/PreviewFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// The page layout shows when the caller's start page is none of the five.
constexpr int kLayoutPage = 1;
constexpr int kPageCount = 5;
constexpr int kSpinControlMaximum = 30;

const char *const kColourLabelNames[6] = {"LabelDefault", "LabelAnchors", "LabelImages",
                                          "LabelFont",    "LabelTable",   "LabelList"};
const char *const kColourLabelTexts[6] = {
    "Default HTML Tag Color",   "Anchors: < A HREF> <A NAME>", "Images: <IMG>",
    "Font: <FONT> <B> <I> <U>", "Tables: <TABLE> <TR> <TD>",   "Lists: <OL> <UL> <LI> <DL>"};

QLabel *note(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QLineEdit *lineEdit(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QPushButton *pushButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QCheckBox *checkBox(const char *name, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QRadioButton *radio(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

// A field with its browse button on one row.
QWidget *browseRow(QLineEdit *edit, QPushButton *button, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    edit->setParent(row);
    button->setParent(row);
    layout->addWidget(edit, 1);
    layout->addWidget(button);
    return row;
}
} // namespace

TFormOptions::TFormOptions(Settings &settings, Prompts &prompts, int startPage, OptionsHost &host, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_prompts(prompts), m_host(host)
{
    setObjectName(QStringLiteral("FormOptions"));
    setWindowTitle(kSettingsCaption);
    // No close box: Apply and Cancel are the only ways out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    // Every tab in sight: the dialog is at least as wide as the six tabs side by side.
    m_pages->setUsesScrollButtons(false);
    m_pages->addTab(buildFilesPage(), QStringLiteral("Files"));
    m_pages->addTab(buildTagOptionsPage(), QStringLiteral("Tag Options"));
    m_pages->addTab(buildChangePathPage(), QStringLiteral("Change File Path"));
    m_pages->addTab(buildBrowsersPage(), QStringLiteral("Web Browsers"));
    m_pages->addTab(buildHelpersPage(), QStringLiteral("Helper Apps"));
    m_pages->addTab(buildBackupPage(), QStringLiteral("Back Up"));
    m_pages->setCurrentIndex(kLayoutPage);
    layout->addWidget(m_pages);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton *apply = pushButton("Button3", QStringLiteral("&Apply"), this);
    QPushButton *cancel = pushButton("Button4", QStringLiteral("Cance&l"), this);
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(apply, &QPushButton::clicked, this, &TFormOptions::Button3Click);
    connect(cancel, &QPushButton::clicked, this, &TFormOptions::Button4Click);

    fill(startPage);
    showTextsAsPlainText(this);
}

QWidget *TFormOptions::buildFilesPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);

    auto *group = new QGroupBox(QStringLiteral("Extensions: "), page);
    auto *grid = new QGridLayout(group);
    m_extensions = new QListWidget(group);
    m_extensions->setObjectName(QStringLiteral("ListBoxHTMLExtensions"));
    m_newExt = lineEdit("EditNewExt", group);
    QPushButton *add = pushButton("Button1", QStringLiteral("&Add"), group);
    QPushButton *remove = pushButton("ButtonDeleteExt", QStringLiteral("&Delete"), group);
    grid->addWidget(note(QStringLiteral("Show files with these extensions as HTML files in the File List."), group), 0,
                    0, 1, 3);
    grid->addWidget(m_extensions, 1, 0, 3, 1);
    grid->addWidget(add, 1, 1);
    grid->addWidget(m_newExt, 1, 2);
    grid->addWidget(remove, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Default extension for new HTML files"), group), 4, 0);
    m_defaultExt = lineEdit("EditDefaultExt", group);
    m_defaultExt->setText(QStringLiteral("html"));
    grid->addWidget(m_defaultExt, 4, 1, 1, 2);
    layout->addWidget(group);
    connect(add, &QPushButton::clicked, this, &TFormOptions::Button1Click);
    connect(remove, &QPushButton::clicked, this, &TFormOptions::ButtonDeleteExtClick);

    layout->addWidget(new QLabel(QStringLiteral("File to use as HTML Template:"), page));
    m_template = lineEdit("EditTemplate", page);
    QPushButton *templateBrowse = pushButton("BitBtnTemplate", QStringLiteral("..."), page);
    layout->addWidget(browseRow(m_template, templateBrowse, page));
    connect(templateBrowse, &QPushButton::clicked, this, &TFormOptions::BitBtnTemplateClick);

    layout->addWidget(new QLabel(QStringLiteral("Default REAL path to Images used in your HTML files:"), page));
    m_imagePath = lineEdit("EditImagePath", page);
    QPushButton *imageBrowse = pushButton("BitBtnImagePath", QStringLiteral("..."), page);
    layout->addWidget(browseRow(m_imagePath, imageBrowse, page));
    layout->addWidget(
        note(QStringLiteral("(this will be the default value used on the analysis screen to find your images)"), page));
    connect(imageBrowse, &QPushButton::clicked, this, &TFormOptions::BitBtnImagePathClick);

    m_useDefaultFolder =
        checkBox("CheckDefaultFiles",
                 QStringLiteral("When switching from WEBSITE to FILES tab, always default to this location:"), page);
    layout->addWidget(m_useDefaultFolder);
    m_defaultFolder = lineEdit("EditDefaultFiles", page);
    QPushButton *folderBrowse = pushButton("BitBtn3", QStringLiteral("..."), page);
    layout->addWidget(browseRow(m_defaultFolder, folderBrowse, page));
    layout->addWidget(
        note(QStringLiteral("(otherwise, most recently accessed directory will be used as default directory)"), page));
    connect(folderBrowse, &QPushButton::clicked, this, &TFormOptions::BitBtn3Click);

    m_confirm = checkBox("CheckConfirm", QStringLiteral("Confirm before removing web pages from project file?"), page);
    layout->addWidget(m_confirm);
    m_largeFile = checkBox("CheckFileEditSetting", QStringLiteral("Large File Setting"), page);
    layout->addWidget(m_largeFile);
    layout->addWidget(
        note(QStringLiteral("DO NOT check this box unless you are having problems editing very large files."), page));
    layout->addStretch(1);
    return page;
}

QWidget *TFormOptions::buildTagOptionsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *grid = new QGridLayout;
    for (int i = 0; i < 6; ++i) {
        m_colourBoxes[i] = new QComboBox(page);
        m_colourBoxes[i]->setObjectName(QStringLiteral("ComboBox%1").arg(i + 1));
        // The box shows "Red"; the settings keep the stored name "clRed".
        for (const QString &name : tagColourNames())
            m_colourBoxes[i]->addItem(tagColourCaption(name), name);
        m_colourLabels[i] = new QLabel(QLatin1String(kColourLabelTexts[i]), page);
        m_colourLabels[i]->setObjectName(QLatin1String(kColourLabelNames[i]));
        grid->addWidget(m_colourBoxes[i], i, 0);
        grid->addWidget(m_colourLabels[i], i, 1);
        connect(m_colourBoxes[i], &QComboBox::currentIndexChanged, this, &TFormOptions::ComboBoxChange);
    }
    layout->addLayout(grid);
    layout->addWidget(
        note(QStringLiteral("Select the colors you want the HTML tags to be displayed in. Select BLACK or "
                            "turn off colored tags on the main screen if you don't want colored tags."),
             page));
    m_strong = checkBox("CheckStrong", QStringLiteral("Use <STRONG> instead of <B>"), page);
    m_em = checkBox("CheckEm", QStringLiteral("Use <EM> instead of <I>"), page);
    layout->addWidget(m_strong);
    layout->addWidget(m_em);
    m_tidyOptions = new TidyOptionsBox(m_settings, page);
    layout->addWidget(m_tidyOptions);
    layout->addStretch(1);
    return page;
}

QWidget *TFormOptions::buildChangePathPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(note(
        QStringLiteral("If you move your HTML files to a new location or rename a directory, you will no longer be "
                       "able to open the files for editing since their location has changed. You need to change "
                       "the file path reference to the new location."),
        page));
    layout->addWidget(new QLabel(QStringLiteral("Select the old path you wish to change:"), page));
    m_paths = new QListWidget(page);
    m_paths->setObjectName(QStringLiteral("ListBoxPaths"));
    layout->addWidget(m_paths);
    layout->addWidget(new QLabel(QStringLiteral("Then select the new path to the HTML file location:"), page));
    m_selectPath = pushButton("ButtonSelectPath", QStringLiteral("Select NEW path to file:"), page);
    m_selectPath->setEnabled(false);
    layout->addWidget(m_selectPath);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("New Path:"), page));
    m_newPathLabel = new QLabel(page);
    m_newPathLabel->setObjectName(QStringLiteral("Label21"));
    row->addWidget(m_newPathLabel, 1);
    layout->addLayout(row);
    layout->addWidget(note(QStringLiteral("To update your project references to this new HTML file path location (no "
                                          "effect on the HTML files themselves), click this button."),
                           page));
    m_changePath = pushButton("ButtonChangePath", QStringLiteral("Change to NEW path"), page);
    layout->addWidget(m_changePath);
    connect(m_paths, &QListWidget::itemClicked, this, &TFormOptions::ListBoxPathsClick);
    connect(m_selectPath, &QPushButton::clicked, this, &TFormOptions::ButtonSelectPathClick);
    connect(m_changePath, &QPushButton::clicked, this, &TFormOptions::ButtonChangePathClick);
    return page;
}

QWidget *TFormOptions::buildBrowsersPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Location of Netscape Browser:"), page));
    m_netscape = lineEdit("EditNet", page);
    QPushButton *findNetscape = pushButton("BitBtn1", QStringLiteral("Find Netscape Location"), page);
    layout->addWidget(browseRow(m_netscape, findNetscape, page));
    layout->addWidget(new QLabel(QStringLiteral("Location of MS Internet Explorer"), page));
    m_msie = lineEdit("EditMSIE", page);
    QPushButton *findMsie = pushButton("BitBtn2", QStringLiteral("Find MS Internet Explorer"), page);
    layout->addWidget(browseRow(m_msie, findMsie, page));
    connect(findNetscape, &QPushButton::clicked, this, &TFormOptions::BitBtn1Click);
    connect(findMsie, &QPushButton::clicked, this, &TFormOptions::BitBtn2Click);

    auto *group = new QGroupBox(QStringLiteral("Browser Preview Options:  "), page);
    auto *box = new QVBoxLayout(group);
    box->addWidget(note(QStringLiteral("While editing an HTML file, how would you like to handle switching to the "
                                       "browser preview mode?"),
                        group));
    m_radioAuto = radio("RadioAutoSave", QStringLiteral("Auto-Save open HTML file and view"), group);
    m_radioTemp = radio("RadioTemp", QStringLiteral("View temporary file (no need to save)"), group);
    m_radioNoSave = radio("RadioNoSave", QStringLiteral("View most recently saved version"), group);
    m_radioTemp->setChecked(true);
    box->addWidget(m_radioAuto);
    box->addWidget(m_radioTemp);
    box->addWidget(m_radioNoSave);
    box->addWidget(note(QStringLiteral("(unsaved changes not reflected)"), group));
    m_hideMsieControl = checkBox("CheckMSIEControl", QStringLiteral("Do NOT show MSIE control panel"), group);
    box->addWidget(m_hideMsieControl);
    m_livePreview = checkBox("CheckLivePreview", OptionsTexts::livePreview, group);
    box->addWidget(m_livePreview);
    layout->addWidget(group);
    layout->addWidget(
        note(QStringLiteral("You will see a small blue letter in the left margin of the HTML Editor window "
                            "indicating current mode (S=auto-save,T=temp, or N=no-save)."),
             page));
    layout->addStretch(1);
    return page;
}

QWidget *TFormOptions::buildHelpersPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(
        note(QStringLiteral("Select your commonly used applications to use in conjunction with Tovarel Pro: "), page));
    auto *group = new QGroupBox(QStringLiteral("Helper Applications:  "), page);
    auto *box = new QVBoxLayout(group);
    const auto helper = [this, group, box](const QString &label, const char *editName, const char *buttonName,
                                           void (TFormOptions::*handler)()) {
        box->addWidget(new QLabel(label, group));
        QLineEdit *edit = lineEdit(editName, group);
        QPushButton *button = pushButton(buttonName, QStringLiteral("..."), group);
        box->addWidget(browseRow(edit, button, group));
        connect(button, &QPushButton::clicked, this, handler);
        return edit;
    };
    m_imageEditor =
        helper(QStringLiteral("Image/Graphics Editor:"), "EditImage", "BitBtnImage", &TFormOptions::BitBtnImageClick);
    m_ftp = helper(QStringLiteral("FTP Program:"), "EditFTP", "BitBtnFTP", &TFormOptions::BitBtnFTPClick);
    m_imageMap = helper(QStringLiteral("Image Map Editor:"), "EditMap", "BitBtnMap", &TFormOptions::BitBtnMapClick);
    layout->addWidget(group);
    layout->addWidget(
        note(QStringLiteral("Once configured, you can launch any of these programs from the Helper App menu."), page));
    layout->addStretch(1);
    return page;
}

QWidget *TFormOptions::buildBackupPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(note(QStringLiteral("Upon closing a project, do the following backup activities:"), page));
    auto *group = new QGroupBox(QStringLiteral("Backup Options:"), page);
    auto *box = new QVBoxLayout(group);
    m_noBackup = radio("RadioNoBackup", QStringLiteral("Do NOT perform any backup -- just exit."), group);
    m_promptBackup = radio("RadioPromptBack", QStringLiteral("Prompt to backup project HTML files every:"), group);
    m_promptBackup->setChecked(true);
    m_promptFrequency = new QSpinBox(group);
    m_promptFrequency->setObjectName(QStringLiteral("SpinPromptBack"));
    // The control would take up to 30; the handler holds it to 1..15.
    m_promptFrequency->setRange(0, kSpinControlMaximum);
    m_promptFrequency->setValue(5);
    box->addWidget(m_noBackup);
    auto *row = new QHBoxLayout;
    row->addWidget(m_promptBackup);
    row->addWidget(m_promptFrequency);
    row->addWidget(new QLabel(QStringLiteral("sessions"), group));
    row->addStretch(1);
    box->addLayout(row);
    layout->addWidget(group);
    layout->addWidget(
        note(QStringLiteral(
                 "NOTE: Project HTML files will be automatically backed-up to the \\BACKUP sub-directory located "
                 "within your Tovarel Pro location. A sub-directory for the project will be created, then another "
                 "sub-directory with today's date."),
             page));
    layout->addWidget(new QLabel(QStringLiteral("Example:"), page));
    layout->addWidget(note(QStringLiteral("Your project called \"Acme Widgets\", backed-up on Dec. 25, 1998, would be "
                                          "saved to:  \\BACKUP\\ACME WIDGETS\\12_25_98\\  within your main Tovarel Pro "
                                          "directory on your hard drive."),
                           page));
    layout->addStretch(1);
    connect(m_noBackup, &QRadioButton::clicked, this, &TFormOptions::RadioNoBackupClick);
    connect(m_promptBackup, &QRadioButton::clicked, this, &TFormOptions::RadioPromptBackClick);
    connect(m_promptFrequency, &QSpinBox::valueChanged, this, &TFormOptions::SpinPromptBackChange);
    return page;
}

void TFormOptions::fill(int startPage)
{
    if (startPage >= 0 && startPage < kPageCount)
        m_pages->setCurrentIndex(startPage);

    const OptionsForm form = optionsFormFrom(m_settings, extensionsForDialog(m_settings.folders().writable()));
    m_extensions->addItems(form.extensions);
    m_changePath->setEnabled(false);
    m_template->setText(form.templatePath);
    m_imagePath->setText(form.imagePath);
    (form.backupType == 0 ? m_noBackup : m_promptBackup)->setChecked(true);
    m_promptFrequency->setValue(form.promptFrequency);
    m_useDefaultFolder->setChecked(form.useDefaultFolder);
    m_confirm->setChecked(form.confirm);
    m_strong->setChecked(form.strong);
    m_em->setChecked(form.em);
    m_largeFile->setChecked(form.largeFile);
    m_hideMsieControl->setChecked(form.hideMsieControl);
    m_livePreview->setChecked(form.livePreview);
    for (int i = 0; i < 6; ++i)
        m_colourBoxes[i]->setCurrentIndex(tagColourIndexOfName(form.colourNames[i]));
    ComboBoxChange();
    m_defaultFolder->setText(form.defaultFolder);
    m_defaultExt->setText(form.defaultExt);
    m_ftp->setText(form.ftp);
    m_netscape->setText(form.netscape);
    m_msie->setText(form.msie);
    m_imageEditor->setText(form.imageEditor);
    m_imageMap->setText(form.imageMap);
    if (form.previewMode == PreviewModes::autoSave)
        m_radioAuto->setChecked(true);
    else if (form.previewMode == PreviewModes::noSave)
        m_radioNoSave->setChecked(true);
    m_paths->addItems(projectFolders(m_host.projectPaths()));
}

QStringList TFormOptions::extensions() const
{
    QStringList list;
    for (int i = 0; i < m_extensions->count(); ++i)
        list << m_extensions->item(i)->text();
    return list;
}

OptionsForm TFormOptions::form() const
{
    OptionsForm f;
    f.extensions = extensions();
    f.defaultExt = m_defaultExt->text();
    f.templatePath = m_template->text();
    f.imagePath = m_imagePath->text();
    f.useDefaultFolder = m_useDefaultFolder->isChecked();
    f.defaultFolder = m_defaultFolder->text();
    f.confirm = m_confirm->isChecked();
    f.largeFile = m_largeFile->isChecked();
    for (int i = 0; i < 6; ++i)
        f.colourNames[i] = m_colourBoxes[i]->currentData().toString();
    f.strong = m_strong->isChecked();
    f.em = m_em->isChecked();
    f.netscape = m_netscape->text();
    f.msie = m_msie->text();
    f.previewMode = m_radioAuto->isChecked()     ? PreviewModes::autoSave
                    : m_radioNoSave->isChecked() ? PreviewModes::noSave
                                                 : PreviewModes::temp;
    f.hideMsieControl = m_hideMsieControl->isChecked();
    f.livePreview = m_livePreview->isChecked();
    f.imageEditor = m_imageEditor->text();
    f.ftp = m_ftp->text();
    f.imageMap = m_imageMap->text();
    f.backupType = m_noBackup->isChecked() ? 0 : 1;
    f.promptFrequency = m_promptFrequency->value();
    return f;
}

// Extensions

void TFormOptions::Button1Click()
{
    QStringList list = extensions();
    switch (addExtension(list, m_newExt->text())) {
    case AddExtensionResult::TooMany:
        m_prompts.information(OptionsTexts::tooManyExtensions);
        return;
    case AddExtensionResult::Empty:
        m_prompts.information(OptionsTexts::emptyExtension);
        m_newExt->setFocus();
        return;
    case AddExtensionResult::Added:
        break;
    }
    m_extensions->clear();
    m_extensions->addItems(list);
    m_newExt->clear();
    m_newExt->setFocus();
}

void TFormOptions::ButtonDeleteExtClick()
{
    const int row = m_extensions->currentRow();
    if (row >= 0 && m_extensions->currentItem() && m_extensions->currentItem()->isSelected())
        delete m_extensions->takeItem(row);
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
        m_template->setText(chosen);
}

// Folders keep the case they have on disk: a lower-cased folder would not open on Linux.
void TFormOptions::BitBtnImagePathClick()
{
    m_prompts.information(OptionsTexts::imagePathHowTo);
    const QString chosen = browse(OptionsTexts::allFilesEntry);
    if (!chosen.isEmpty())
        m_imagePath->setText(folderPart(chosen));
}

void TFormOptions::BitBtn3Click()
{
    m_prompts.information(OptionsTexts::defaultFolderHowTo);
    const QString chosen = browse(OptionsTexts::allFilesEntry);
    if (chosen.isEmpty())
        return;
    m_defaultFolder->setText(folderPart(chosen));
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
    browseHelper(m_imageEditor);
}
void TFormOptions::BitBtnFTPClick()
{
    browseHelper(m_ftp);
}
void TFormOptions::BitBtnMapClick()
{
    browseHelper(m_imageMap);
}

void TFormOptions::BitBtn1Click()
{
    const QString chosen = browse(0);
    if (chosen.isEmpty())
        return;
    m_netscape->setText(chosen);
    m_settings.store(SettingKey::NetscapeProgram, chosen);
}

void TFormOptions::BitBtn2Click()
{
    const QString chosen = browse(0);
    if (chosen.isEmpty())
        return;
    m_msie->setText(chosen);
    m_settings.store(SettingKey::MsieProgram, chosen);
}

// Change File Path

void TFormOptions::ListBoxPathsClick()
{
    m_selectPath->setEnabled(true);
}

void TFormOptions::ButtonSelectPathClick()
{
    m_prompts.information(OptionsTexts::newPathHowTo);
    const QString chosen = browse(OptionsTexts::allFilesEntry);
    if (chosen.isEmpty())
        return;
    m_newPath = folderPart(chosen);
    m_newPathLabel->setText(m_newPath); // what "Change to NEW path" will write
    if (m_paths->currentItem() && m_paths->currentItem()->isSelected())
        m_changePath->setEnabled(true);
}

void TFormOptions::ButtonChangePathClick()
{
    QListWidgetItem *selected = m_paths->currentItem();
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
    const int value = m_promptFrequency->value();
    if (value != clampPromptFrequency(value))
        m_promptFrequency->setValue(clampPromptFrequency(value));
}

void TFormOptions::ComboBoxChange()
{
    for (int i = 0; i < 6; ++i) {
        if (!m_colourBoxes[i] || !m_colourLabels[i])
            continue;
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
    m_tidyOptions->apply(m_settings);
    m_host.setHtmlMasks(applied.masks);
    m_host.setBrowserModeLetter(applied.modeLetter);
    accept();
}

void TFormOptions::Button4Click()
{
    reject();
}
