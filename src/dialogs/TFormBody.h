#pragma once

#include "dialogs/BodyTagBuilder.h"

#include <QDialog>

#include <memory>

class Clipboard;
class Prompts;
class QLabel;
class Settings;
class TPictureView;
struct PowerResult;

namespace Ui {
class TFormBody;
}

namespace BodyTexts {
inline const QString caption = QStringLiteral("Power Body Tag");
inline const QString editPathExample = QStringLiteral("example:  data/images/");
inline const QString editBodyTagPrompt =
    QStringLiteral("Your <BODY> tag will be created here for you. Just make your selections.");
} // namespace BodyTexts

// Power BODY: a BODY tag from five colours and a background, optionally inside a whole
// document skeleton, with a live preview of the colours.
class TFormBody final : public QDialog {
    Q_OBJECT
public:
    // Opening resets `result`; the colours come from OPTIONS.INI, the path field from the
    // program-wide relative image path.
    TFormBody(Settings &settings, Prompts &prompts, Clipboard &clipboard, PowerResult &result,
              QWidget *parent = nullptr);
    ~TFormBody() override;

    // The path field's text, which becomes the program-wide relative image path on every close.
    QString relativeImagePath() const;
    BodyFields fields() const;
    // Fills the colours and the background from a BODY tag being edited.
    void setFields(const BodyFields &fields);
    const BodyColours &colours() const { return m_colours; }

public Q_SLOTS:
    void PanelPreviewDblClick();
    void ButtonSelectColorClick();
    void LabelColorDblClick(int which); // 0 text, 1 link, 2 visited link, 3 active link
    void RadioButton1Click();
    void RadioButton2Click();
    void ButtonSelectImageClick();
    void BitBtnInsertClick();
    void BitBtnClipboardClick();
    void BitBtn1Click();
    void reject() override; // Escape is the Close button

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void rebuild();
    void applyColours();
    void finish(bool insert);
    bool pickColour(quint32 &colour);

    Settings &m_settings;
    Prompts &m_prompts;
    Clipboard &m_clipboard;
    PowerResult &m_result;
    BodyColours m_colours;
    QString m_imagePath;
    bool m_frameClose = false;

    std::unique_ptr<Ui::TFormBody> m_ui;
    TPictureView *m_picture;
    QLabel *m_colourLabels[4];
};
