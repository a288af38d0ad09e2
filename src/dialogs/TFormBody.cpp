#include "dialogs/TFormBody.h"

#include "config/ColorNames.h"
#include "config/Settings.h"
#include "dialogs/HtmlColour.h"
#include "dialogs/PowerHandOver.h"
#include "dialogs/PowerWidgets.h"
#include "imaging/TPictureView.h"
#include "platform/PlainTexts.h"
#include "platform/Prompts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using PowerWidgets::named;

namespace {
const char *const kColourLabels[4] = {"Text Color", "Link Color", "VLink Color", "ALink Color"};
const char *const kColourLabelNames[4] = {"LabelText", "LabelLink", "LabelVLink", "LabelALink"};

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
    : QDialog(parent), m_settings(settings), m_prompts(prompts), m_clipboard(clipboard), m_result(result)
{
    setObjectName(QStringLiteral("FormBody"));
    setWindowTitle(BodyTexts::caption);
    m_result.reset();
    m_colours = readBodyColours(settings);

    auto *layout = new QVBoxLayout(this);

    auto *tagGroup = new QGroupBox(QStringLiteral("<BODY> Tag"), this);
    m_editBodyTag = PowerWidgets::resultField("EditBodyTag", BodyTexts::editBodyTagPrompt, tagGroup);
    (new QVBoxLayout(tagGroup))->addWidget(m_editBodyTag);
    layout->addWidget(tagGroup);

    auto *middle = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *instruction = new QLabel(
        QStringLiteral("Double-click the background color or one of the link colors to select a new color. It will be "
                       "previewed for you in the preview panel. The BODY tag will then be created for you."),
        this);
    instruction->setWordWrap(true);
    left->addWidget(instruction);

    auto *background = new QGroupBox(QStringLiteral("Background Style:  "), this);
    auto *bgLayout = new QGridLayout(background);
    m_solid = named(new QRadioButton(QStringLiteral("Use Solid Color"), background), "RadioButton1");
    m_solid->setChecked(true);
    m_tiled = named(new QRadioButton(QStringLiteral("Use Tiled Image"), background), "RadioButton2");
    m_selectColor = named(new QPushButton(QStringLiteral("Select Color"), background), "ButtonSelectColor");
    m_selectImage = named(new QPushButton(QStringLiteral("Select Image"), background), "ButtonSelectImage");
    m_selectImage->setEnabled(false);
    m_labelImage = named(new QLabel(background), "LabelImage");
    m_labelImage->setEnabled(false);
    m_checkPath =
        named(new QCheckBox(QStringLiteral("Insert this relative path to image file:"), background), "CheckPath");
    const QString storedPath = settings.text(SettingKey::RelImage);
    m_editPath =
        named(new QLineEdit(storedPath.isEmpty() ? BodyTexts::editPathExample : storedPath, background), "EditPath");
    bgLayout->addWidget(m_solid, 0, 0);
    bgLayout->addWidget(m_selectColor, 0, 1);
    bgLayout->addWidget(m_tiled, 1, 0);
    bgLayout->addWidget(m_selectImage, 1, 1);
    bgLayout->addWidget(m_labelImage, 2, 0, 1, 2);
    bgLayout->addWidget(m_checkPath, 3, 0, 1, 2);
    bgLayout->addWidget(m_editPath, 4, 0, 1, 2);
    left->addWidget(background);
    left->addStretch(1);
    middle->addLayout(left, 3);

    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Preview Panel"), this));
    m_panel = named(new QFrame(this), "PanelPreview");
    // A plain box: a sunken edge draws light lines that vanish on a light background.
    m_panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_panel->setAutoFillBackground(true);
    m_panel->setMinimumSize(220, 160);
    m_picture = named(new TPictureView(prompts, m_panel), "ImagePreview");
    m_picture->setStretch(true);
    m_picture->hide();
    auto *panelLayout = new QVBoxLayout(m_panel);
    for (int i = 0; i < 4; ++i) {
        m_colourLabels[i] = named(new QLabel(QLatin1String(kColourLabels[i]), m_panel), kColourLabelNames[i]);
        m_colourLabels[i]->installEventFilter(this);
        panelLayout->addWidget(m_colourLabels[i], 0, Qt::AlignHCenter);
    }
    m_panel->installEventFilter(this);
    m_picture->installEventFilter(this);
    right->addWidget(m_panel, 1);
    middle->addLayout(right, 2);
    layout->addLayout(middle);

    auto *extra =
        new QGroupBox(QStringLiteral("Additional Body Tags (not required if just changing <BODY> tag)"), this);
    auto *extraLayout = new QGridLayout(extra);
    m_checkEndBody = named(new QCheckBox(QStringLiteral("Include </BODY> Tag?"), extra), "CheckEndBodyTag");
    m_checkHtml = named(new QCheckBox(QStringLiteral("Include <HTML> Tag?"), extra), "CheckHTML");
    m_checkHead = named(new QCheckBox(QStringLiteral("Include <HEAD> Tag?"), extra), "CheckHead");
    m_checkTitle = named(new QCheckBox(QStringLiteral("Include <TITLE> Tag?"), extra), "CheckTitle");
    m_checkMeta = named(new QCheckBox(QStringLiteral("Include <META> Tags?"), extra), "CheckMeta");
    m_editTitle =
        named(new QLineEdit(QStringLiteral("Enter Page Title (appears at top of browser window)"), extra), "EditTitle");
    m_editDesc = named(new QLineEdit(QStringLiteral("Enter your page DESCRIPTION here..."), extra), "EditDesc");
    m_editKey = named(new QLineEdit(QStringLiteral("Enter your page's KEYWORDS here... "), extra), "EditKey");
    auto *note = new QLabel(
        QStringLiteral("Note: ending </BODY> tag will be inserted automatically if any of these options are selected."),
        extra);
    note->setWordWrap(true);
    extraLayout->addWidget(m_checkEndBody, 0, 0);
    extraLayout->addWidget(m_checkHtml, 1, 0);
    extraLayout->addWidget(m_checkHead, 2, 0);
    extraLayout->addWidget(m_checkTitle, 3, 0);
    extraLayout->addWidget(m_editTitle, 3, 1);
    extraLayout->addWidget(m_checkMeta, 4, 0);
    extraLayout->addWidget(m_editDesc, 4, 1);
    extraLayout->addWidget(m_editKey, 5, 1);
    extraLayout->addWidget(note, 6, 0, 1, 2);
    extraLayout->setColumnStretch(1, 1);
    layout->addWidget(extra);

    auto *buttons = new QHBoxLayout;
    auto *insert = named(new QPushButton(QStringLiteral("Insert Tag into HTML file"), this), "BitBtnInsert");
    insert->setToolTip(QStringLiteral("Insert this tag into the open HTML file"));
    insert->setDefault(true);
    auto *copy = named(new QPushButton(QStringLiteral("Copy Tag to Clipboard"), this), "BitBtnClipboard");
    auto *close = named(new QPushButton(QStringLiteral("&Close"), this), "BitBtn1");
    close->setAutoDefault(false);
    copy->setAutoDefault(false);
    buttons->addWidget(insert);
    buttons->addWidget(copy);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(700, 580);

    applyColours();

    // Connected last: the fields' initial texts build nothing.
    connect(m_selectColor, &QPushButton::clicked, this, &TFormBody::ButtonSelectColorClick);
    connect(m_selectImage, &QPushButton::clicked, this, &TFormBody::ButtonSelectImageClick);
    connect(m_solid, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton1Click();
    });
    connect(m_tiled, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton2Click();
    });
    for (QCheckBox *box : {m_checkPath, m_checkEndBody, m_checkHtml, m_checkHead, m_checkTitle, m_checkMeta})
        connect(box, &QCheckBox::toggled, this, &TFormBody::rebuild);
    for (QLineEdit *edit : {m_editPath, m_editTitle, m_editDesc, m_editKey})
        connect(edit, &QLineEdit::textChanged, this, &TFormBody::rebuild);
    connect(insert, &QPushButton::clicked, this, &TFormBody::BitBtnInsertClick);
    connect(copy, &QPushButton::clicked, this, &TFormBody::BitBtnClipboardClick);
    connect(close, &QPushButton::clicked, this, &TFormBody::BitBtn1Click);
    showTextsAsPlainText(this);
}

TFormBody::~TFormBody() = default;

QString TFormBody::relativeImagePath() const
{
    return m_editPath->text();
}

BodyFields TFormBody::fields() const
{
    BodyFields f;
    f.colours = m_colours;
    f.tiledImage = m_tiled->isChecked();
    f.imagePath = m_imagePath;
    f.insertPath = m_checkPath->isChecked();
    f.pathPrefix = m_editPath->text();
    f.endBodyTag = m_checkEndBody->isChecked();
    f.html = m_checkHtml->isChecked();
    f.head = m_checkHead->isChecked();
    f.title = m_checkTitle->isChecked();
    f.meta = m_checkMeta->isChecked();
    f.titleText = m_editTitle->text();
    f.description = m_editDesc->text();
    f.keywords = m_editKey->text();
    return f;
}

void TFormBody::setFields(const BodyFields &fields)
{
    m_colours = fields.colours;
    applyColours();
    if (fields.tiledImage) {
        m_imagePath = fields.imagePath;
        m_labelImage->setText(BodyTagBuilder::bareFileName(fields.imagePath));
        m_tiled->setChecked(true);
    }
    m_checkPath->setChecked(fields.insertPath);
    if (fields.insertPath)
        m_editPath->setText(fields.pathPrefix);
    rebuild();
}

void TFormBody::rebuild()
{
    PowerWidgets::showBuilt(m_editBodyTag, BodyTagBuilder::bodyTag(fields()));
}

void TFormBody::applyColours()
{
    QPalette palette = m_panel->palette();
    palette.setColor(QPalette::Window, toQColor(HtmlColour::resolve(m_colours.background)));
    m_panel->setPalette(palette);
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
    m_selectColor->setEnabled(true);
    m_selectImage->setEnabled(false);
    m_labelImage->setEnabled(false);
    m_picture->hide();
    rebuild();
}

void TFormBody::RadioButton2Click()
{
    m_selectColor->setEnabled(false);
    m_selectImage->setEnabled(true);
    m_labelImage->setEnabled(true);
    m_picture->setGeometry(m_panel->rect());
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
    m_labelImage->setText(BodyTagBuilder::bareFileName(path));
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
        if (watched == m_panel || watched == m_picture) {
            PanelPreviewDblClick();
            return true;
        }
    }
    if (watched == m_panel && event->type() == QEvent::Resize)
        m_picture->setGeometry(m_panel->rect());
    return QDialog::eventFilter(watched, event);
}
