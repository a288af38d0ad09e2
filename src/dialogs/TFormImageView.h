#pragma once

#include "dialogs/ImgTagBuilder.h"

#include <QDialog>

class Clipboard;
class DirectoryListBox;
class Prompts;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class TPictureView;
struct PowerResult;

namespace ImageViewTexts {
inline const QString caption = QStringLiteral("Power Image Tag / Preview Screen");
inline const QString label1 = QStringLiteral("Dim:");
inline const QString label2 = QStringLiteral("Size:");
inline const QString label3 = QStringLiteral("File Path:");
inline const QString editDummyPrompt =
    QStringLiteral("The <IMG> tag will be created for you after you select an image file above....");
inline const QString noSource = QStringLiteral("You must supply the SOURCE file name.");
inline const QString cannotOpen =
    QStringLiteral("Error opening file. File is corrupt or cannot handle this file type.");
} // namespace ImageViewTexts

// Power IMG: an image browser with a preview and an IMG tag composer.
class TFormImageView final : public QDialog {
    Q_OBJECT
public:
    // Opening resets `result`. `startFolder` is where the browser starts; `picture`, when
    // not empty, is the file selected in the Files tab, loaded as the dialog shows.
    TFormImageView(Prompts &prompts, Clipboard &clipboard, PowerResult &result, const QString &relativeImagePath,
                   const QString &startFolder, const QString &picture, QWidget *parent = nullptr);

    // The relative path field, which becomes the program-wide relative image path on every close.
    QString relativeImagePath() const;
    ImgFields fields() const;
    // Fills the tag data from an IMG tag being edited.
    void setFields(const ImgFields &fields);
    // The folder the browser shows.
    QString currentFolder() const;

public Q_SLOTS:
    void DriveComboBox1Change(int index);
    void DirectoryListBox1Change(const QString &folder);
    void FileListBox1Click();
    void BitBtnInsertClick();
    void BitBtnClipboardClick();
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();
    // Loads a picture into the preview and fills the fields; false (after the message)
    // when it cannot be loaded or measured.
    bool loadPicture(const QString &path, const QString &labelPrefix);
    void finish(bool insert);

    Prompts &m_prompts;
    Clipboard &m_clipboard;
    PowerResult &m_result;
    QString m_openingPicture;
    bool m_shownOnce = false;

    QComboBox *m_driveBox;
    DirectoryListBox *m_folders;
    QListWidget *m_files;
    TPictureView *m_preview;
    QLabel *m_label1;
    QLabel *m_label2;
    QLabel *m_label3;
    QLineEdit *m_editSource;
    QLineEdit *m_editAlt;
    QLineEdit *m_editWidth;
    QLineEdit *m_editHeight;
    QComboBox *m_comboAlign;
    QSpinBox *m_spinBorder;
    QCheckBox *m_checkIsmap;
    QCheckBox *m_checkRelative;
    QLineEdit *m_editRelativePath;
    QLineEdit *m_editDummy;
};
