#include "dialogs/TFormHoriz.h"

#include "platform/PlainTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

HorizontalRuleSample::HorizontalRuleSample(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PanelSample"));
    setFixedSize(kSampleStripWidth, 40);
}

void HorizontalRuleSample::setRequest(const HorizontalRuleRequest &request)
{
    m_line = sampleLineRect(request);
    m_line.moveTop((height() - m_line.height()) / 2);
    m_shaded = !request.noShade;
    update();
}

void HorizontalRuleSample::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_line.isEmpty())
        return;
    if (!m_shaded) {
        painter.fillRect(m_line, Qt::gray);
        return;
    }
    // The beveled look of a shaded rule: dark top and left, light bottom and right.
    painter.fillRect(m_line, QColor(0xd0, 0xd0, 0xd0));
    painter.setPen(Qt::darkGray);
    painter.drawLine(m_line.topLeft(), m_line.topRight());
    painter.drawLine(m_line.topLeft(), m_line.bottomLeft());
    painter.setPen(Qt::white);
    painter.drawLine(m_line.bottomLeft(), m_line.bottomRight());
    painter.drawLine(m_line.topRight(), m_line.bottomRight());
}

TFormHoriz::TFormHoriz(Clipboard &clipboard, QWidget *parent)
    : QDialog(parent), m_clipboard(clipboard), m_comboAlign(new QComboBox(this)), m_spinThick(new QSpinBox(this)),
      m_radioPercent(new QRadioButton(QStringLiteral("% of Screen"))),
      m_radioPixels(new QRadioButton(QStringLiteral("# of Pixels"))), m_spinPercent(new QSpinBox(this)),
      m_spinPixels(new QSpinBox(this)),
      m_checkNoShade(new QCheckBox(QStringLiteral("No Shade (removes beveled 3-D effect)"), this)),
      m_sample(new HorizontalRuleSample(this))
{
    setObjectName(QStringLiteral("FormHoriz"));
    setWindowTitle(QStringLiteral("POWER Horizontal Line Tag"));
    m_comboAlign->setObjectName(QStringLiteral("ComboAlign"));
    m_comboAlign->addItems({QStringLiteral("LEFT"), QStringLiteral("RIGHT"), QStringLiteral("CENTER")});
    m_comboAlign->setCurrentIndex(2);
    m_spinThick->setObjectName(QStringLiteral("SpinThick"));
    m_spinThick->setRange(1, 20);
    m_spinThick->setValue(2);
    m_radioPercent->setObjectName(QStringLiteral("RadioPercent"));
    m_radioPercent->setChecked(true);
    m_radioPixels->setObjectName(QStringLiteral("RadioPixels"));
    m_spinPercent->setObjectName(QStringLiteral("SpinPercent"));
    m_spinPercent->setRange(1, 100);
    m_spinPercent->setSingleStep(5);
    m_spinPercent->setValue(50);
    m_spinPixels->setObjectName(QStringLiteral("SpinPixels"));
    m_spinPixels->setRange(1, 1600);
    m_spinPixels->setSingleStep(20);
    m_spinPixels->setValue(100);
    m_checkNoShade->setObjectName(QStringLiteral("CheckNoShade"));

    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Alignment:"), this), 0, 0);
    grid->addWidget(m_comboAlign, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Thickness:"), this), 1, 0);
    grid->addWidget(m_spinThick, 1, 1);
    layout->addLayout(grid);
    auto *width = new QGroupBox(QStringLiteral("Width"), this);
    auto *widthGrid = new QGridLayout(width);
    widthGrid->addWidget(m_radioPercent, 0, 0);
    widthGrid->addWidget(m_spinPercent, 0, 1);
    widthGrid->addWidget(m_radioPixels, 1, 0);
    widthGrid->addWidget(m_spinPixels, 1, 1);
    layout->addWidget(width);
    layout->addWidget(m_checkNoShade);
    layout->addWidget(new QLabel(QStringLiteral("Sample Line, as if this page were 640 pixels wide"), this));
    layout->addWidget(m_sample);
    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(m_radioPercent, &QRadioButton::clicked, this, &TFormHoriz::RadioWidthClick);
    connect(m_radioPixels, &QRadioButton::clicked, this, &TFormHoriz::RadioWidthClick);
    connect(m_comboAlign, &QComboBox::currentIndexChanged, this, &TFormHoriz::redraw);
    for (QSpinBox *spin : {m_spinThick, m_spinPercent, m_spinPixels})
        connect(spin, &QSpinBox::valueChanged, this, &TFormHoriz::redraw);
    connect(m_checkNoShade, &QCheckBox::toggled, this, &TFormHoriz::redraw);
    connect(ok, &QPushButton::clicked, this, &TFormHoriz::Button1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    RadioWidthClick();
    showTextsAsPlainText(this);
}

HorizontalRuleRequest TFormHoriz::request() const
{
    HorizontalRuleRequest request;
    request.align = m_comboAlign->currentText();
    request.thickness = m_spinThick->value();
    request.percentWidth = m_radioPercent->isChecked();
    request.percent = m_spinPercent->value();
    request.pixels = m_spinPixels->value();
    request.noShade = m_checkNoShade->isChecked();
    return request;
}

void TFormHoriz::setRequest(const HorizontalRuleRequest &request)
{
    m_comboAlign->setCurrentText(request.align);
    m_spinThick->setValue(request.thickness);
    (request.percentWidth ? m_radioPercent : m_radioPixels)->setChecked(true);
    m_spinPercent->setValue(request.percent);
    m_spinPixels->setValue(request.pixels);
    m_checkNoShade->setChecked(request.noShade);
    RadioWidthClick(); // the width field of the chosen kind is the one open, the sample follows
}

void TFormHoriz::RadioWidthClick()
{
    m_spinPercent->setEnabled(m_radioPercent->isChecked());
    m_spinPixels->setEnabled(m_radioPixels->isChecked());
    redraw();
}

void TFormHoriz::redraw()
{
    m_sample->setRequest(request());
}

void TFormHoriz::Button1Click()
{
    handOver(m_result, m_clipboard, buildHorizontalRule(request()), true);
    accept();
}
