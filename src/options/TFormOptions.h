#pragma once

#include "options/OptionsLogic.h"

#include <QDialog>

#include <array>

class Prompts;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class Settings;
class TidyOptionsBox;

inline const QString kSettingsCaption = QStringLiteral("Settings");

// The settings dialog: filled from the settings in memory when created, applied by "&Apply",
// left by "Cance&l". A few choices take effect at once and survive Cancel (browser
// locations, the default folder's browse button, the backup type, the page-path rewrite).
class TFormOptions final : public QDialog {
    Q_OBJECT
public:
    TFormOptions(Settings &settings, Prompts &prompts, int startPage, OptionsHost &host, QWidget *parent = nullptr);

    // The dialog as it would be applied now.
    OptionsForm form() const;

public Q_SLOTS:
    void Button1Click();         // &Add
    void ButtonDeleteExtClick(); // &Delete
    void BitBtnTemplateClick();
    void BitBtnImagePathClick();
    void BitBtn3Click(); // default folder
    void BitBtnImageClick();
    void BitBtnFTPClick();
    void BitBtnMapClick();
    void BitBtn1Click(); // Find Netscape Location
    void BitBtn2Click(); // Find MS Internet Explorer
    void ListBoxPathsClick();
    void ButtonSelectPathClick();
    void ButtonChangePathClick();
    void RadioNoBackupClick();
    void RadioPromptBackClick();
    void SpinPromptBackChange();
    void ComboBoxChange();
    void Button3Click(); // &Apply
    void Button4Click(); // Cance&l

private:
    QWidget *buildFilesPage();
    QWidget *buildTagOptionsPage();
    QWidget *buildChangePathPage();
    QWidget *buildBrowsersPage();
    QWidget *buildHelpersPage();
    QWidget *buildBackupPage();
    void fill(int startPage);
    // The shared open dialog; `filterIndex` 0 keeps the filter last used.
    QString browse(int filterIndex);
    void browseHelper(QLineEdit *field);
    QStringList extensions() const;

    Settings &m_settings;
    Prompts &m_prompts;
    OptionsHost &m_host;
    int m_lastFilterIndex = 1;
    QString m_newPath;

    QTabWidget *m_pages = nullptr;
    QListWidget *m_extensions = nullptr;
    QLineEdit *m_newExt = nullptr;
    QLineEdit *m_defaultExt = nullptr;
    QLineEdit *m_template = nullptr;
    QLineEdit *m_imagePath = nullptr;
    QCheckBox *m_useDefaultFolder = nullptr;
    QLineEdit *m_defaultFolder = nullptr;
    QCheckBox *m_confirm = nullptr;
    QCheckBox *m_largeFile = nullptr;
    std::array<QComboBox *, 6> m_colourBoxes{};
    std::array<QLabel *, 6> m_colourLabels{};
    QCheckBox *m_strong = nullptr;
    QCheckBox *m_em = nullptr;
    QListWidget *m_paths = nullptr;
    QPushButton *m_selectPath = nullptr;
    QLabel *m_newPathLabel = nullptr;
    QPushButton *m_changePath = nullptr;
    QLineEdit *m_netscape = nullptr;
    QLineEdit *m_msie = nullptr;
    QRadioButton *m_radioAuto = nullptr;
    QRadioButton *m_radioTemp = nullptr;
    QRadioButton *m_radioNoSave = nullptr;
    QCheckBox *m_hideMsieControl = nullptr;
    QCheckBox *m_livePreview = nullptr;
    QLineEdit *m_imageEditor = nullptr;
    QLineEdit *m_ftp = nullptr;
    QLineEdit *m_imageMap = nullptr;
    QRadioButton *m_noBackup = nullptr;
    QRadioButton *m_promptBackup = nullptr;
    QSpinBox *m_promptFrequency = nullptr;
    TidyOptionsBox *m_tidyOptions = nullptr;
};
