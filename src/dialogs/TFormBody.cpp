#include "dialogs/TFormBody.h"

#include "config/ColorNames.h"
#include "config/Settings.h"
#include "dialogs/HtmlColour.h"
#include "dialogs/PowerHandOver.h"
#include "dialogs/PowerWidgets.h"
#include "imaging/TPictureView.h"
#include "platform/PlainTexts.h"
#include "platform/Prompts.h"
#include "ui_TFormBody.h"

#include <QCloseEvent>

using PowerWidgets::named;

namespace {
// The background image is tried quietly: a picture that will not load changes nothing.
class SilentPrompts final : public Prompts {
public:
    void information(const QString &) override {}
    void error(const QString &) override {}
    bool confirm(const QString &) override { return false; }
    Answer askYesNoCancel(const QString &) override { return Answer::Cancel; }
    QString openFile(const FileDialogRequest &) override { return {}; }
    QStringList openFiles(const FileDialogRequest &) override { return {}; }
    QString saveFile(const FileDialogRequest &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
    bool choosePrinter(QPrinter &) override { return false; }
};

void setTextColour(QWidget *widget, quint32 colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toQColor(HtmlColour::resolve(colour)));
    widget->setPalette(palette);
}
} // namespace

TFormBody::TFormBody(Settings &settings, Prompts &prompts, Clipboard &clipboard, PowerResult &result, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_prompts(prompts), m_clipboard(clipboard), m_result(result),
      m_ui(std::make_unique<Ui::TFormBody>())
{
    m_ui->setupUi(this);
    setWindowTitle(BodyTexts::caption);
    m_result.reset();
    m_colours = readBodyColours(settings);

    PowerWidgets::paintAsResult(m_ui->EditBodyTag);
    m_ui->EditBodyTag->setText(BodyTexts::editBodyTagPrompt);
    const QString storedPath = settings.text(SettingKey::RelImage);
    m_ui->EditPath->setText(storedPath.isEmpty() ? BodyTexts::editPathExample : storedPath);

    // The picture lies under the colour labels, outside the panel's layout: it fills the panel.
    m_picture = named(new TPictureView(prompts, m_ui->PanelPreview), "ImagePreview");
    m_picture->setStretch(true);
    m_picture->hide();
    m_colourLabels[0] = m_ui->LabelText;
    m_colourLabels[1] = m_ui->LabelLink;
    m_colourLabels[2] = m_ui->LabelVLink;
    m_colourLabels[3] = m_ui->LabelALink;
    for (QLabel *label : m_colourLabels)
        label->installEventFilter(this);
    m_ui->PanelPreview->installEventFilter(this);
    m_picture->installEventFilter(this);
    applyColours();

    // Connected last: the fields' initial texts build nothing.
    connect(m_ui->ButtonSelectColor, &QPushButton::clicked, this, &TFormBody::ButtonSelectColorClick);
    connect(m_ui->ButtonSelectImage, &QPushButton::clicked, this, &TFormBody::ButtonSelectImageClick);
    connect(m_ui->RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton1Click();
    });
    connect(m_ui->RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton2Click();
    });
    for (QCheckBox *box :
         {m_ui->CheckPath, m_ui->CheckEndBodyTag, m_ui->CheckHTML, m_ui->CheckHead, m_ui->CheckTitle, m_ui->CheckMeta})
        connect(box, &QCheckBox::toggled, this, &TFormBody::rebuild);
    for (QLineEdit *edit : {m_ui->EditPath, m_ui->EditTitle, m_ui->EditDesc, m_ui->EditKey})
        connect(edit, &QLineEdit::textChanged, this, &TFormBody::rebuild);
    connect(m_ui->BitBtnInsert, &QPushButton::clicked, this, &TFormBody::BitBtnInsertClick);
    connect(m_ui->BitBtnClipboard, &QPushButton::clicked, this, &TFormBody::BitBtnClipboardClick);
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &TFormBody::BitBtn1Click);
    showTextsAsPlainText(this);
}

TFormBody::~TFormBody() = default;

QString TFormBody::relativeImagePath() const
{
    return m_ui->EditPath->text();
}

BodyFields TFormBody::fields() const
{
    BodyFields f;
    f.colours = m_colours;
    f.tiledImage = m_ui->RadioButton2->isChecked();
    f.imagePath = m_imagePath;
    f.insertPath = m_ui->CheckPath->isChecked();
    f.pathPrefix = m_ui->EditPath->text();
    f.endBodyTag = m_ui->CheckEndBodyTag->isChecked();
    f.html = m_ui->CheckHTML->isChecked();
    f.head = m_ui->CheckHead->isChecked();
    f.title = m_ui->CheckTitle->isChecked();
    f.meta = m_ui->CheckMeta->isChecked();
    f.titleText = m_ui->EditTitle->text();
    f.description = m_ui->EditDesc->text();
    f.keywords = m_ui->EditKey->text();
    return f;
}

void TFormBody::setFields(const BodyFields &fields)
{
    m_colours = fields.colours;
    applyColours();
    if (fields.tiledImage) {
        m_imagePath = fields.imagePath;
        m_ui->LabelImage->setText(BodyTagBuilder::bareFileName(fields.imagePath));
        m_ui->RadioButton2->setChecked(true);
    }
    m_ui->CheckPath->setChecked(fields.insertPath);
    if (fields.insertPath)
        m_ui->EditPath->setText(fields.pathPrefix);
    rebuild();
}

void TFormBody::rebuild()
{
    PowerWidgets::showBuilt(m_ui->EditBodyTag, BodyTagBuilder::bodyTag(fields()));
}

void TFormBody::applyColours()
{
    QPalette palette = m_ui->PanelPreview->palette();
    palette.setColor(QPalette::Window, toQColor(HtmlColour::resolve(m_colours.background)));
    m_ui->PanelPreview->setPalette(palette);
    const quint32 labelColours[4] = {m_colours.text, m_colours.link, m_colours.visitedLink, m_colours.activeLink};
    for (int i = 0; i < 4; ++i)
        setTextColour(m_colourLabels[i], labelColours[i]);
}

bool TFormBody::pickColour(quint32 &colour)
{
    const std::optional<QColor> chosen = m_prompts.chooseColor(toQColor(HtmlColour::resolve(colour)));
    if (!chosen)
        return false;
    colour = fromQColor(*chosen); // a plain RGB value from now on
    applyColours();
    rebuild();
    return true;
}

void TFormBody::PanelPreviewDblClick()
{
    pickColour(m_colours.background);
}

void TFormBody::ButtonSelectColorClick()
{
    pickColour(m_colours.background);
}

void TFormBody::LabelColorDblClick(int which)
{
    quint32 *const colours[4] = {&m_colours.text, &m_colours.link, &m_colours.visitedLink, &m_colours.activeLink};
    if (which >= 0 && which < 4)
        pickColour(*colours[which]);
}

void TFormBody::RadioButton1Click()
{
    m_ui->ButtonSelectColor->setEnabled(true);
    m_ui->ButtonSelectImage->setEnabled(false);
    m_ui->LabelImage->setEnabled(false);
    m_picture->hide();
    rebuild();
}

void TFormBody::RadioButton2Click()
{
    m_ui->ButtonSelectColor->setEnabled(false);
    m_ui->ButtonSelectImage->setEnabled(true);
    m_ui->LabelImage->setEnabled(true);
    m_picture->setGeometry(m_ui->PanelPreview->rect());
    m_picture->show();
    m_picture->lower(); // the colour labels stay readable on top
    rebuild();
}

void TFormBody::ButtonSelectImageClick()
{
    FileDialogRequest request;
    request.folder = m_settings.text(SettingKey::StartLocation);
    const QString path = m_prompts.openFile(request);
    if (path.isEmpty())
        return;
    // Loaded aside first, so that a picture that fails leaves the preview as it was.
    SilentPrompts quiet;
    PictureComponent loader(quiet);
    if (loader.load(path) != LoadOutcome::Loaded || !loader.hasPicture())
        return;
    m_imagePath = path;
    m_picture->component().setPicture(loader.picture());
    m_ui->LabelImage->setText(BodyTagBuilder::bareFileName(path));
    rebuild();
}

void TFormBody::finish(bool insert)
{
    rebuild();
    storeBodyColours(m_settings, m_colours);
    handOver(m_result, m_clipboard, BodyTagBuilder::resultText(fields()), insert);
    accept();
}

void TFormBody::BitBtnInsertClick()
{
    finish(true);
}

void TFormBody::BitBtnClipboardClick()
{
    finish(false);
}

void TFormBody::BitBtn1Click()
{
    storeBodyColours(m_settings, m_colours);
    QDialog::reject();
}

void TFormBody::reject()
{
    if (m_frameClose) // the window frame closes without saving the colours
        QDialog::reject();
    else
        BitBtn1Click();
}

void TFormBody::closeEvent(QCloseEvent *event)
{
    m_frameClose = true;
    QDialog::closeEvent(event);
    m_frameClose = false;
}

bool TFormBody::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 4; ++i)
            if (watched == m_colourLabels[i]) {
                LabelColorDblClick(i);
                return true;
            }
        if (watched == m_ui->PanelPreview || watched == m_picture) {
            PanelPreviewDblClick();
            return true;
        }
    }
    if (watched == m_ui->PanelPreview && event->type() == QEvent::Resize)
        m_picture->setGeometry(m_ui->PanelPreview->rect());
    return QDialog::eventFilter(watched, event);
}
