#include "dialogs/Tformframes.h"

#include "platform/Clipboard.h"
#include "platform/PlainTexts.h"
#include "platform/Prompts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// The wizard draws the frameset on an area of this size.
constexpr int kAreaWidth = 320;
constexpr int kAreaHeight = 240;
constexpr int kAreaLeft = 10;
const QColor kYellow(255, 255, 0);
const QColor kPink(255, 160, 200);
constexpr int kPickButtonWidth = 30;

const char *const kStep1Notes[] = {
    "Using the Frame Builder is easy. Follow the steps below to build your own custom frame layout, or click the "
    "FRAME TEMPLATE tab above to use one of the most common frame layouts. Click the HELP tab above for general "
    "instructions.",
    "To get started, just select the column or row layout below, choose how many initial rows or columns you want, "
    "then click the NEXT button at the bottom of the screen to continue.",
    "How would you like to begin laying out your frames?"};
const char *const kStep2Notes[] = {
    "In Step#2, you can subdivide your main frames into subframes. Use the number dials to select the number of "
    "sub-frames within each frame (maximum=5, minimum=1).",
    "If you wish to change the width or height of the rows or columns, you must wait until you finish the frames and "
    "return to the main Editor Window. See the HELP tab above for basic instructions on how to set custom width and "
    "height values."};

const char *const kHelpText =
    "<H3>Frame documents</H3>"
    "<P>A frame document shows several pages in one browser window. Instead of a BODY it holds a FRAMESET, which "
    "divides the window into rows or columns, and in each part either a FRAME, which shows one page, or another "
    "FRAMESET that divides that part again.</P>"
    "<H3>ROWS and COLS</H3>"
    "<P>COLS divides the window from left to right, ROWS from top to bottom. Each takes a list of sizes separated by "
    "commas, one per part: a percentage of the window (<TT>25%</TT>), a number of pixels (<TT>150</TT>), or "
    "<TT>*</TT> for whatever is left. <TT>COLS=\"20%,*\"</TT> makes a narrow column at the left and gives the rest "
    "to the second column. The Frame Builder divides the window into equal parts; to make a part wider or higher, "
    "change its number in the editing window once the frameset is inserted.</P>"
    "<H3>The frame data</H3>"
    "<P><B>SRC</B> is the page the frame shows when the frameset opens, usually the name of an HTML file in the same "
    "folder. <B>NAME</B> names the frame, so that a link elsewhere can open its page in it with "
    "<TT>TARGET=\"name\"</TT>. <B>SCROLLING</B> says whether the frame has scroll bars: <I>Auto</I> shows them only "
    "when the page does not fit, <I>Yes</I> always, <I>No</I> never.</P>"
    "<H3>No Border and No Resize</H3>"
    "<P><B>No Resize</B> (NORESIZE) keeps visitors from dragging the frame's edges to change its size. <B>No "
    "Border</B> (FRAMEBORDER=\"0\") hides the border drawn around the frame.</P>"
    "<P>The text between NOFRAME tags is shown by browsers that cannot show frames.</P>";

QSpinBox *arrowsOnlySpin(const QString &name, int minimum, int maximum, int value, QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    if (auto *edit = spin->findChild<QLineEdit *>())
        edit->setReadOnly(true);
    return spin;
}

QLabel *note(const char *text, QWidget *parent)
{
    auto *label = new QLabel(QLatin1String(text), parent);
    label->setWordWrap(true);
    return label;
}
} // namespace

FramePicture::FramePicture(const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setCurrent(false);
}

void FramePicture::setCurrent(bool current)
{
    m_current = current;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, current ? kYellow : QColor(Qt::white));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

void FramePicture::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    Q_EMIT clicked();
}

FrameTemplatePicture::FrameTemplatePicture(int templateNumber, QWidget *parent)
    : QWidget(parent), m_template(templateNumber)
{
    setObjectName(QStringLiteral("ImageTemplate%1").arg(templateNumber));
    setFixedSize(80, 60);
    setCursor(Qt::PointingHandCursor);
}

void FrameTemplatePicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect all = rect().adjusted(0, 0, -1, -1);
    const int narrow = all.width() / 5;
    const int strip = all.height() / 5;
    const auto shape = [&](const QRect &area, const QColor &colour) {
        painter.setPen(Qt::black);
        painter.setBrush(colour);
        painter.drawRect(area);
    };
    switch (m_template) {
    case 1:
        shape(QRect(all.left(), all.top(), narrow, all.height()), kYellow);
        shape(QRect(all.left() + narrow, all.top(), all.width() - narrow, all.height()), Qt::white);
        break;
    case 2:
        shape(QRect(all.left(), all.top(), all.width(), strip), kYellow);
        shape(QRect(all.left(), all.top() + strip, all.width(), all.height() - strip), Qt::white);
        break;
    case 3:
        shape(QRect(all.left(), all.top(), all.width(), strip), kYellow);
        shape(QRect(all.left(), all.top() + strip, all.width(), all.height() - 2 * strip), Qt::white);
        shape(QRect(all.left(), all.bottom() - strip, all.width(), strip), kPink);
        break;
    case 4:
        shape(QRect(all.left(), all.top(), narrow, all.height()), kYellow);
        shape(QRect(all.left() + narrow, all.top(), all.width() - narrow, strip), kPink);
        shape(QRect(all.left() + narrow, all.top() + strip, all.width() - narrow, all.height() - strip), Qt::white);
        break;
    default:
        shape(QRect(all.left(), all.top(), all.width(), all.height() - strip), Qt::white);
        shape(QRect(all.left(), all.bottom() - strip, all.width(), strip), kYellow);
        break;
    }
}

void FrameTemplatePicture::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    Q_EMIT clicked(m_template);
}

Tformframes::Tformframes(Clipboard &clipboard, Prompts &prompts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_clipboard(clipboard),
      m_prompts(prompts)
{
    setObjectName(QStringLiteral("formframes"));
    setWindowTitle(FrameBuilderTexts::caption);
    auto *layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(buildWizardPage(), QStringLiteral("Use Frame Builder"));
    m_pages->addTab(buildTemplatePage(), QStringLiteral("Use Frame Templates"));
    m_pages->addTab(buildHelpPage(), QStringLiteral("Help with Frames"));
    layout->addWidget(m_pages);
    showStep(1);
    TemplateClick(1);
    resize(680, 560);
    showTextsAsPlainText(this);
}

QWidget *Tformframes::buildWizardPage()
{
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("TabSheetBuilder"));
    auto *layout = new QVBoxLayout(page);
    m_stepTitle = new QLabel(page);
    m_stepTitle->setObjectName(QStringLiteral("LabelStep"));
    QFont bold = m_stepTitle->font();
    bold.setBold(true);
    m_stepTitle->setFont(bold);
    layout->addWidget(m_stepTitle);

    m_step1 = new QWidget(page);
    m_step1->setObjectName(QStringLiteral("PanelStep1"));
    auto *step1 = new QVBoxLayout(m_step1);
    for (const char *text : kStep1Notes)
        step1->addWidget(note(text, m_step1));
    m_radioColumns = new QRadioButton(QStringLiteral("Columns"), m_step1);
    m_radioColumns->setObjectName(QStringLiteral("RadioButton1"));
    m_radioColumns->setChecked(true);
    m_radioRows = new QRadioButton(QStringLiteral("Rows"), m_step1);
    m_radioRows->setObjectName(QStringLiteral("RadioButton2"));
    step1->addWidget(m_radioColumns);
    step1->addWidget(m_radioRows);
    auto *startRow = new QHBoxLayout;
    m_spinStart = arrowsOnlySpin(QStringLiteral("SpinEditStartNumber"), 2, kMaxFrames, 2, m_step1);
    startRow->addWidget(new QLabel(QStringLiteral("Initial # of rows or columns (max=5)"), m_step1));
    startRow->addWidget(m_spinStart);
    startRow->addStretch(1);
    step1->addLayout(startRow);
    layout->addWidget(m_step1);

    m_step2Notes = new QWidget(page);
    auto *notes = new QVBoxLayout(m_step2Notes);
    notes->setContentsMargins(0, 0, 0, 0);
    for (const char *text : kStep2Notes)
        notes->addWidget(note(text, m_step2Notes));
    layout->addWidget(m_step2Notes);

    // The frame pictures with the dials (step 2) or the data panel (step 3) beside them.
    m_step2 = new QWidget(page);
    m_step2->setObjectName(QStringLiteral("PanelStep2"));
    m_step2->setFixedSize(kAreaLeft + kAreaWidth + 290, kAreaHeight + 36);
    auto *area = new QFrame(m_step2);
    area->setObjectName(QStringLiteral("PanelFrames"));
    area->setGeometry(kAreaLeft, 0, kAreaWidth, kAreaHeight);
    for (int m = 1; m <= kMaxFrames; ++m) {
        FramePicture *main = m_mainPictures[m - 1] = new FramePicture(FrameText::pictureCaption(m, 1, false), area);
        main->setObjectName(QStringLiteral("Panel2%1").arg(m));
        connect(main, &FramePicture::clicked, this, [this, m] { FramePictureClick(m, 1); });
        for (int j = 1; j <= kMaxFrames; ++j) {
            FramePicture *sub = m_subPictures[m - 1][j - 1] =
                new FramePicture(FrameText::pictureCaption(m, j, true), area);
            sub->setObjectName(QStringLiteral("Panel3%1%2").arg(m).arg(j));
            connect(sub, &FramePicture::clicked, this, [this, m, j] { FramePictureClick(m, j); });
        }
        m_dials[m - 1] = arrowsOnlySpin(QStringLiteral("SpinEdit%1").arg(m), 1, kMaxFrames, 1, m_step2);
        connect(m_dials[m - 1], &QSpinBox::valueChanged, this, [this, m] { SpinEditChange(m); });
    }

    m_dataPanel = new QGroupBox(m_step2);
    m_dataPanel->setObjectName(QStringLiteral("PanelData"));
    m_dataPanel->setGeometry(kAreaLeft + kAreaWidth + 10, 0, 270, kAreaHeight);
    auto *data = new QFormLayout(m_dataPanel);
    m_editName = new QLineEdit(m_dataPanel);
    m_editName->setObjectName(QStringLiteral("EditName"));
    m_editUrl = new QLineEdit(m_dataPanel);
    m_editUrl->setObjectName(QStringLiteral("EditURL"));
    auto *openUrl = new QPushButton(QStringLiteral("..."), m_dataPanel);
    openUrl->setObjectName(QStringLiteral("BitBtnOpenURL"));
    openUrl->setFixedWidth(kPickButtonWidth);
    auto *urlRow = new QHBoxLayout;
    urlRow->addWidget(m_editUrl, 1);
    urlRow->addWidget(openUrl);
    m_comboScroll = new QComboBox(m_dataPanel);
    m_comboScroll->setObjectName(QStringLiteral("ComboBoxScroll"));
    m_comboScroll->addItems(kScrollingChoices);
    m_checkResize = new QCheckBox(QStringLiteral("No Resize"), m_dataPanel);
    m_checkResize->setObjectName(QStringLiteral("CheckBoxResize"));
    m_checkBorder = new QCheckBox(QStringLiteral("No Border"), m_dataPanel);
    m_checkBorder->setObjectName(QStringLiteral("CheckBoxBorder"));
    data->addRow(QStringLiteral("Name:"), m_editName);
    data->addRow(QStringLiteral("URL Souce:"), urlRow);
    data->addRow(QStringLiteral("Scrolling:"), m_comboScroll);
    data->addRow(m_checkResize);
    data->addRow(m_checkBorder);
    connect(openUrl, &QPushButton::clicked, this, &Tformframes::BitBtnOpenURLClick);
    layout->addWidget(m_step2);
    layout->addStretch(1);

    auto *buttons = new QHBoxLayout;
    m_buttonBack = new QPushButton(FrameBuilderTexts::back, page);
    m_buttonBack->setObjectName(QStringLiteral("ButtonBack"));
    m_buttonNext = new QPushButton(FrameBuilderTexts::next, page);
    m_buttonNext->setObjectName(QStringLiteral("ButtonNext"));
    m_buttonNext->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), page);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    buttons->addStretch(1);
    buttons->addWidget(m_buttonBack);
    buttons->addWidget(m_buttonNext);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(m_buttonBack, &QPushButton::clicked, this, &Tformframes::ButtonBackClick);
    connect(m_buttonNext, &QPushButton::clicked, this, &Tformframes::ButtonNextClick);
    connect(cancel, &QPushButton::clicked, this, &Tformframes::ButtonCancelClick);
    return page;
}

QGroupBox *Tformframes::buildTemplateGroup(const QString &colour, const QString &defaultName, const QColor &shade)
{
    auto *group = new QGroupBox;
    group->setObjectName(QStringLiteral("GroupBox") + colour);
    group->setAutoFillBackground(true);
    QPalette colours = group->palette();
    colours.setColor(QPalette::Window, shade);
    group->setPalette(colours);
    auto *form = new QFormLayout(group);
    TemplateGroup fields{group,
                         new QLineEdit(defaultName, group),
                         new QLineEdit(group),
                         new QComboBox(group),
                         new QCheckBox(QStringLiteral("No Resize"), group),
                         new QCheckBox(QStringLiteral("No Border"), group)};
    fields.name->setObjectName(QStringLiteral("EditTemplateName") + colour);
    fields.url->setObjectName(QStringLiteral("EditTemplateURL") + colour);
    fields.scroll->setObjectName(QStringLiteral("ComboTemp") + colour);
    fields.scroll->addItems(kScrollingChoices);
    fields.resize->setObjectName(QStringLiteral("CheckBox") + colour + QStringLiteral("Resize"));
    fields.resize->setChecked(true);
    fields.border->setObjectName(QStringLiteral("CheckBox") + colour + QStringLiteral("Border"));
    auto *pick = new QPushButton(QStringLiteral("..."), group);
    pick->setObjectName(QStringLiteral("BitBtnOpenURL") + colour);
    pick->setFixedWidth(kPickButtonWidth);
    QLineEdit *url = fields.url;
    connect(pick, &QPushButton::clicked, this, [this, url] { pickFileInto(url); });
    auto *urlRow = new QHBoxLayout;
    urlRow->addWidget(fields.url, 1);
    urlRow->addWidget(pick);
    form->addRow(QStringLiteral("Name:"), fields.name);
    form->addRow(QStringLiteral("URL Souce:"), urlRow);
    form->addRow(QStringLiteral("Scrolling:"), fields.scroll);
    auto *checks = new QHBoxLayout;
    checks->addWidget(fields.resize);
    checks->addWidget(fields.border);
    form->addRow(checks);
    const int index = colour == QLatin1String("Yellow") ? 0 : colour == QLatin1String("White") ? 1 : 2;
    m_templateGroups[index] = fields;
    return group;
}

QWidget *Tformframes::buildTemplatePage()
{
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("TabSheetTemplates"));
    auto *layout = new QVBoxLayout(page);
    auto *designs = new QGroupBox(QStringLiteral("#1  Select a Frame design you wish to use:"), page);
    designs->setObjectName(QStringLiteral("GroupBoxDesigns"));
    designs->setFixedHeight(110);
    m_highlight = new QWidget(designs);
    m_highlight->setObjectName(QStringLiteral("ShapeHighlight"));
    m_highlight->setAutoFillBackground(true);
    QPalette red = m_highlight->palette();
    red.setColor(QPalette::Window, Qt::red);
    m_highlight->setPalette(red);
    for (int t = 1; t <= FrameTemplates::kCount; ++t) {
        auto *picture = m_templatePictures[t - 1] = new FrameTemplatePicture(t, designs);
        picture->move(20 + (t - 1) * 120, 30);
        connect(picture, &FrameTemplatePicture::clicked, this, &Tformframes::TemplateClick);
    }
    layout->addWidget(designs);

    auto *data = new QGroupBox(QStringLiteral("#2  Enter the data for each colored frame:"), page);
    data->setObjectName(QStringLiteral("GroupBoxData"));
    auto *groups = new QHBoxLayout(data);
    groups->addWidget(buildTemplateGroup(QStringLiteral("Yellow"), QStringLiteral("Frame1"), kYellow));
    groups->addWidget(buildTemplateGroup(QStringLiteral("White"), QStringLiteral("Frame2"), Qt::white));
    groups->addWidget(buildTemplateGroup(QStringLiteral("Pink"), QStringLiteral("Frame3"), kPink));
    layout->addWidget(data, 1);

    auto *buttons = new QHBoxLayout;
    auto *finishButton = new QPushButton(QStringLiteral("&Finish"), page);
    finishButton->setObjectName(QStringLiteral("ButtonCreateTempFrames"));
    finishButton->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), page);
    cancel->setObjectName(QStringLiteral("ButtonCancel2"));
    buttons->addStretch(1);
    buttons->addWidget(finishButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(finishButton, &QPushButton::clicked, this, &Tformframes::ButtonCreateTempFramesClick);
    connect(cancel, &QPushButton::clicked, this, &Tformframes::ButtonCancelClick);
    return page;
}

QWidget *Tformframes::buildHelpPage()
{
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("TabSheetHelp"));
    auto *layout = new QVBoxLayout(page);
    auto *text = new QTextBrowser(page);
    text->setObjectName(QStringLiteral("MemoHelp"));
    text->setHtml(QLatin1String(kHelpText));
    layout->addWidget(text, 1);
    auto *buttons = new QHBoxLayout;
    auto *exit = new QPushButton(QStringLiteral("E&xit"), page);
    exit->setObjectName(QStringLiteral("ButtonExit"));
    buttons->addStretch(1);
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    connect(exit, &QPushButton::clicked, this, &Tformframes::ButtonCancelClick);
    return page;
}

FramePicture *Tformframes::pictureOf(int mainFrame, int subFrame) const
{
    return m_model.isSplit(mainFrame) ? m_subPictures[mainFrame - 1][subFrame - 1] : m_mainPictures[mainFrame - 1];
}

void Tformframes::showStep(int step)
{
    m_step = step;
    m_stepTitle->setText(step == 1   ? FrameBuilderTexts::step1
                         : step == 2 ? FrameBuilderTexts::step2
                                     : FrameBuilderTexts::step3);
    m_step1->setVisible(step == 1);
    m_step2Notes->setVisible(step == 2);
    m_step2->setVisible(step >= 2);
    m_dataPanel->setVisible(step == 3);
    m_buttonBack->setEnabled(step > 1);
    m_buttonNext->setText(step == 3 ? FrameBuilderTexts::finish : FrameBuilderTexts::next);
    if (step >= 2)
        layOutPictures();
}

void Tformframes::layOutPictures()
{
    const int n = m_model.mainCount();
    const bool columns = m_model.layout == FrameLayout::Columns;
    for (int m = 1; m <= kMaxFrames; ++m) {
        const bool used = m <= n;
        const QRect main = columns ? QRect((m - 1) * (kAreaWidth / n), 0, kAreaWidth / n, kAreaHeight)
                                   : QRect(0, (m - 1) * (kAreaHeight / n), kAreaWidth, kAreaHeight / n);
        FramePicture *mainPicture = m_mainPictures[m - 1];
        mainPicture->setGeometry(main);
        mainPicture->setVisible(used);
        const int v = m_model.subCount(m);
        for (int j = 1; j <= kMaxFrames; ++j) {
            FramePicture *sub = m_subPictures[m - 1][j - 1];
            // Sub-frames go across the other direction inside their main frame.
            sub->setGeometry(columns ? QRect(main.left(), (j - 1) * (kAreaHeight / v), main.width(), kAreaHeight / v)
                                     : QRect((j - 1) * (kAreaWidth / v), main.top(), kAreaWidth / v, main.height()));
            sub->setVisible(used && v >= 2 && j <= v);
            sub->raise();
        }
        QSpinBox *dial = m_dials[m - 1];
        const QSize size = dial->sizeHint();
        dial->move(columns ? QPoint(kAreaLeft + main.left() + (main.width() - size.width()) / 2, kAreaHeight + 6)
                           : QPoint(kAreaLeft + kAreaWidth + 8, main.top() + (main.height() - size.height()) / 2));
        dial->setVisible(used && m_step == 2);
        for (int j = 1; j <= kMaxFrames; ++j)
            m_subPictures[m - 1][j - 1]->setCurrent(false);
        mainPicture->setCurrent(false);
    }
    if (m_step == 3)
        pictureOf(m_currentMain, m_currentSub)->setCurrent(true);
}

void Tformframes::loadPanel()
{
    const FrameRecord &record = m_model.record(m_currentMain, m_currentSub);
    m_editName->setText(m_model.nameOf(m_currentMain, m_currentSub));
    m_editUrl->setText(record.url);
    m_comboScroll->setCurrentIndex(std::max(0, int(kScrollingChoices.indexOf(record.scrolling))));
    m_checkResize->setChecked(record.noResize);
    m_checkBorder->setChecked(record.noBorder);
}

void Tformframes::storePanel()
{
    m_model.storeName(m_currentMain, m_currentSub, m_editName->text());
    FrameRecord &record = m_model.record(m_currentMain, m_currentSub);
    record.url = m_editUrl->text();
    record.scrolling = m_comboScroll->currentText();
    record.noResize = m_checkResize->isChecked();
    record.noBorder = m_checkBorder->isChecked();
}

void Tformframes::ButtonNextClick()
{
    switch (m_step) {
    case 1:
        m_model.layout = m_radioRows->isChecked() ? FrameLayout::Rows : FrameLayout::Columns;
        m_model.setMainCount(m_spinStart->value());
        m_model.resetUnusedSubCounts();
        for (int m = 1; m <= kMaxFrames; ++m) {
            const QSignalBlocker quiet(m_dials[m - 1]);
            m_dials[m - 1]->setValue(m_model.subCount(m));
        }
        showStep(2);
        break;
    case 2:
        m_currentMain = 1;
        m_currentSub = 1;
        showStep(3);
        loadPanel();
        break;
    default:
        storePanel();
        m_model.giveDefaultNames();
        finish(m_model.generate());
        break;
    }
}

void Tformframes::ButtonBackClick()
{
    if (m_step == 3) {
        storePanel();
        showStep(2);
    } else if (m_step == 2) {
        showStep(1);
    }
}

void Tformframes::SpinEditChange(int mainFrame)
{
    m_model.setSubCount(mainFrame, m_dials[mainFrame - 1]->value());
    layOutPictures();
}

void Tformframes::FramePictureClick(int mainFrame, int subFrame)
{
    if (m_step != 3)
        return;
    storePanel();
    m_currentMain = mainFrame;
    m_currentSub = subFrame;
    layOutPictures();
    loadPanel();
}

void Tformframes::pickFileInto(QLineEdit *field)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filter = FrameBuilderTexts::fileFilter;
    const QString path = m_prompts.openFile(request);
    if (!path.isEmpty())
        field->setText(QFileInfo(path).fileName());
}

void Tformframes::BitBtnOpenURLClick()
{
    pickFileInto(m_editUrl);
}

void Tformframes::TemplateClick(int templateNumber)
{
    m_template = templateNumber;
    const QRect picture = m_templatePictures[templateNumber - 1]->geometry();
    m_highlight->setGeometry(picture.adjusted(-5, -5, 5, 5));
    m_highlight->lower();
    m_templateGroups[int(TemplateColour::Pink)].group->setVisible(FrameTemplates::usesPink(templateNumber));
}

void Tformframes::ButtonCreateTempFramesClick()
{
    FrameTemplates::ColourFrames colours;
    for (int c = 0; c < 3; ++c) {
        const TemplateGroup &group = m_templateGroups[c];
        FrameRecord &frame = colours.frames[c];
        frame.name = group.name->text();
        frame.url = group.url->text();
        frame.scrolling = group.scroll->currentText();
        frame.noResize = group.resize->isChecked();
        frame.noBorder = group.border->isChecked();
    }
    finish(FrameTemplates::generate(m_template, colours));
}

void Tformframes::finish(const QString &text)
{
    handOver(m_result, m_clipboard, text, true);
    m_closing = true;
    accept();
}

void Tformframes::ButtonCancelClick()
{
    m_closing = true;
    done(QDialog::Rejected);
}

void Tformframes::reject()
{
    if (m_closing)
        QDialog::reject();
}

void Tformframes::closeEvent(QCloseEvent *event)
{
    if (m_closing)
        QDialog::closeEvent(event);
    else
        event->ignore();
}
