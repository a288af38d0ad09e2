#pragma once

#include "options/OptionsLogic.h"

#include <QDialog>

#include <array>
#include <memory>

class Prompts;
class QComboBox;
class QLabel;
class QLineEdit;
class Settings;

namespace Ui {
class TFormOptions;
}

inline const QString kSettingsCaption = QStringLiteral("Settings");

// The settings dialog: filled from the settings in memory when created, applied by "&Apply",
// left by "Cance&l". A few choices take effect at once and survive Cancel (browser
// locations, the default folder's browse button, the backup type, the page-path rewrite).
class TFormOptions final : public QDialog {
    Q_OBJECT
public:
    TFormOptions(Settings &settings, Prompts &prompts, int startPage, OptionsHost &host, QWidget *parent = nullptr);
    ~TFormOptions() override;

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
    void connectControls();
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

    std::unique_ptr<Ui::TFormOptions> m_ui;
    std::array<QComboBox *, 6> m_colourBoxes{};
    std::array<QLabel *, 6> m_colourLabels{};
};
