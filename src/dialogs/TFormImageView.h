#pragma once

#include "dialogs/ImgTagBuilder.h"

#include <QDialog>

#include <memory>

class Clipboard;
class Prompts;
class TPictureView;
struct PowerResult;

namespace Ui {
class TFormImageView;
}

namespace ImageViewTexts {
inline const QString caption = QStringLiteral("Power Image Tag / Preview Screen");
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
    ~TFormImageView() override;

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

    std::unique_ptr<Ui::TFormImageView> m_ui;
    TPictureView *m_preview;
};
