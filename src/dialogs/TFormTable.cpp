#include "dialogs/TFormTable.h"

#include "dialogs/PowerHandOver.h"
#include "dialogs/PowerWidgets.h"
#include "platform/PlainTexts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <limits>

using PowerWidgets::named;

namespace {
// Spin boxes without an upper limit still take a negative number as typed; it is set back to 0.
constexpr int kUnlimited = std::numeric_limits<int>::max();
constexpr int kLowest = -9999;

QSpinBox *spin(const char *name, int minimum, int maximum, int step, int value, QWidget *parent)
{
    auto *box = named(new QSpinBox(parent), name);
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    box->setValue(value);
    return box;
}

void notNegative(QSpinBox *box)
{
    if (box->value() < 0)
        box->setValue(0);
}
} // namespace

TFormTable::TFormTable(Clipboard &clipboard, PowerResult &result, QWidget *parent)
    : QDialog(parent), m_clipboard(clipboard), m_result(result)
{
    setObjectName(QStringLiteral("FormTable"));
    setWindowTitle(TableTexts::caption);
    m_result.reset();

    auto *layout = new QVBoxLayout(this);
    auto *pages = named(new QTabWidget(this), "PageControl1");
    auto *design = named(new QWidget(pages), "TabSheetDesign");
    pages->addTab(design, QStringLiteral("Table Design"));
    layout->addWidget(pages, 1);
    auto *page = new QGridLayout(design);

    auto *dimensions = new QGroupBox(QStringLiteral("Table Dimensions"), design);
    auto *dimLayout = new QFormLayout(dimensions);
    m_spinRows = spin("SpinRows", kLowest, kUnlimited, 1, 2, dimensions);
    m_spinCols = spin("SpinCols", kLowest, kUnlimited, 1, 2, dimensions);
    dimLayout->addRow(QStringLiteral("# Rows"), m_spinRows);
    dimLayout->addRow(QStringLiteral("# Col"), m_spinCols);
    page->addWidget(dimensions, 0, 0);

    auto *width = new QGroupBox(QStringLiteral("Width"), design);
    auto *widthLayout = new QGridLayout(width);
    m_radioPixels = named(new QRadioButton(QStringLiteral("# of pixels"), width), "RadioPixels");
    m_radioPixels->setChecked(true);
    m_radioPercent = named(new QRadioButton(QStringLiteral("% of screen"), width), "RadioPercent");
    m_spinPixels = spin("SpinPixels", 0, 1024, 10, 0, width);
    m_spinPercent = spin("SpinPercent", 0, 100, 5, 90, width);
    widthLayout->addWidget(m_radioPixels, 0, 0);
    widthLayout->addWidget(m_spinPixels, 0, 1);
    widthLayout->addWidget(m_radioPercent, 1, 0);
    widthLayout->addWidget(m_spinPercent, 1, 1);
    widthLayout->addWidget(new QLabel(QStringLiteral("%"), width), 1, 2);
    page->addWidget(width, 0, 1);

    auto *basics = new QGroupBox(QStringLiteral("Table Basics"), design);
    auto *basicsLayout = new QFormLayout(basics);
    m_spinBorder = spin("SpinBorder", 0, 8, 1, 0, basics);
    m_spinPad = spin("SpinPad", kLowest, kUnlimited, 1, 0, basics);
    m_spinSpace = spin("SpinSpace", kLowest, kUnlimited, 1, 0, basics);
    m_comboAlign = named(new QComboBox(basics), "ComboAlignTable");
    m_comboAlign->setEditable(true);
    m_comboAlign->addItems({QStringLiteral("LEFT"), QStringLiteral("RIGHT"), QStringLiteral("TOP"),
                            QStringLiteral("MIDDLE"), QStringLiteral("BOTTOM"), QStringLiteral("TEXTTOP"),
                            QStringLiteral("BASELINE"), QStringLiteral("ABSMIDDLE"), QStringLiteral("ABSBOTTOM")});
    m_comboVAlign = named(new QComboBox(basics), "ComboVAlign");
    m_comboVAlign->setEditable(true);
    m_comboVAlign->addItems({QStringLiteral("TOP"), QStringLiteral("MIDDLE"), QStringLiteral("BOTTOM")});
    for (QComboBox *combo : {m_comboAlign, m_comboVAlign}) {
        combo->setCurrentIndex(-1);
        combo->setEditText(QString());
    }
    basicsLayout->addRow(QStringLiteral("Border Thickness"), m_spinBorder);
    basicsLayout->addRow(QStringLiteral("Cell Padding"), m_spinPad);
    basicsLayout->addRow(QStringLiteral("Cell Spacing"), m_spinSpace);
    basicsLayout->addRow(QStringLiteral("Table Alignment"), m_comboAlign);
    basicsLayout->addRow(QStringLiteral("V Align"), m_comboVAlign);
    page->addWidget(basics, 1, 0);

    auto *captionGroup = new QGroupBox(QStringLiteral("Caption"), design);
    auto *captionLayout = new QGridLayout(captionGroup);
    captionLayout->addWidget(new QLabel(QStringLiteral("Table Caption (optional)"), captionGroup), 0, 0, 1, 2);
    m_editCaption = named(new QLineEdit(captionGroup), "EditCaption");
    captionLayout->addWidget(m_editCaption, 1, 0, 1, 2);
    m_radioCapTop = named(new QRadioButton(QStringLiteral("Top"), captionGroup), "RadioCapTop");
    m_radioCapTop->setChecked(true);
    m_radioCapBot = named(new QRadioButton(QStringLiteral("Bottom"), captionGroup), "RadioCapBot");
    captionLayout->addWidget(m_radioCapTop, 2, 0);
    captionLayout->addWidget(m_radioCapBot, 2, 1);
    page->addWidget(captionGroup, 1, 1);

    auto *samplerBox = new QVBoxLayout;
    samplerBox->addWidget(new QLabel(QStringLiteral("Effect Sampler"), design));
    m_sampler = named(new QFrame(design), "PanelSampler");
    m_sampler->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_sampler->setFixedSize(150, 110);
    m_sampler->setAutoFillBackground(true);
    m_sampler->setBackgroundRole(QPalette::Mid);
    for (int i = 0; i < 3; ++i) {
        m_cells[i] = named(new QLabel(QStringLiteral("Cell %1").arg(i + 1), m_sampler), i == 0   ? "LabelCell1"
                                                                                        : i == 1 ? "LabelCell2"
                                                                                                 : "LabelCell3");
        m_cells[i]->setAlignment(Qt::AlignCenter);
        m_cells[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_cells[i]->setAutoFillBackground(true);
        m_cells[i]->setBackgroundRole(QPalette::Base);
    }
    samplerBox->addWidget(m_sampler);
    m_samplerNote = named(new QLabel(TableTexts::samplerNote, design), "LabelSamplerNote");
    m_samplerNote->setWordWrap(true);
    m_samplerNote->setMaximumWidth(150);
    samplerBox->addWidget(m_samplerNote);
    samplerBox->addStretch(1);
    page->addLayout(samplerBox, 0, 2, 2, 1);

    auto *instruction = new QLabel(
        QStringLiteral("Select the # of rows and columns, then enter any data for your table in the grid below."),
        design);
    instruction->setWordWrap(true);
    page->addWidget(instruction, 2, 0, 1, 3);
    m_grid = named(new QTableWidget(2, 2, design), "Grid1");
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    page->addWidget(m_grid, 3, 0, 1, 3);
    page->setRowStretch(3, 1);

    auto *buttons = new QHBoxLayout;
    auto *ok = named(new QPushButton(QStringLiteral("OK -  Insert Table"), this), "BitBtn1");
    ok->setDefault(true);
    auto *cancel = named(new QPushButton(QStringLiteral("Cancel"), this), "BitBtn2");
    cancel->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    resize(620, 560);

    // Laid out once as the sampler's starting values give, note showing.
    const TableBuilder::SamplerGeometry g = TableBuilder::samplerGeometry(0, 0, 0);
    m_sampler->setLineWidth(g.bevel);
    m_cells[0]->setGeometry(g.cell1);
    m_cells[1]->setGeometry(g.cell2);
    m_cells[2]->setGeometry(g.cell3);

    connect(m_spinRows, &QSpinBox::valueChanged, this, &TFormTable::SpinRowsChange);
    connect(m_spinCols, &QSpinBox::valueChanged, this, &TFormTable::SpinColsChange);
    for (QSpinBox *box : {m_spinBorder, m_spinPad, m_spinSpace})
        connect(box, &QSpinBox::valueChanged, this, &TFormTable::SamplerChange);
    connect(ok, &QPushButton::clicked, this, &TFormTable::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showTextsAsPlainText(this);
}

void TFormTable::setTagFields(const TableFields &fields)
{
    (fields.percentWidth ? m_radioPercent : m_radioPixels)->setChecked(true);
    m_spinPixels->setValue(fields.pixels);
    m_spinPercent->setValue(fields.percent);
    m_spinBorder->setValue(fields.border);
    m_spinPad->setValue(fields.padding);
    m_spinSpace->setValue(fields.spacing);
    m_comboAlign->setEditText(fields.align);
    m_comboVAlign->setEditText(fields.valign);
}

TableFields TFormTable::fields() const
{
    TableFields f;
    f.rows = m_spinRows->value();
    f.columns = m_spinCols->value();
    f.percentWidth = m_radioPercent->isChecked();
    f.pixels = m_spinPixels->value();
    f.percent = m_spinPercent->value();
    f.border = m_spinBorder->value();
    f.padding = m_spinPad->value();
    f.spacing = m_spinSpace->value();
    f.align = m_comboAlign->currentText();
    f.valign = m_comboVAlign->currentText();
    f.caption = m_editCaption->text();
    f.captionBottom = m_radioCapBot->isChecked();
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < m_grid->columnCount(); ++column) {
            const QTableWidgetItem *item = m_grid->item(row, column);
            cells << (item ? item->text() : QString());
        }
        f.cells << cells;
    }
    return f;
}

void TFormTable::SpinRowsChange()
{
    notNegative(m_spinRows);
    m_grid->setRowCount(m_spinRows->value());
}

void TFormTable::SpinColsChange()
{
    notNegative(m_spinCols);
    m_grid->setColumnCount(m_spinCols->value());
}

void TFormTable::SamplerChange()
{
    m_samplerNote->hide();
    for (QSpinBox *box : {m_spinBorder, m_spinPad, m_spinSpace})
        notNegative(box);
    const TableBuilder::SamplerGeometry g =
        TableBuilder::samplerGeometry(m_spinBorder->value(), m_spinPad->value(), m_spinSpace->value());
    m_sampler->setLineWidth(g.bevel);
    m_cells[0]->setGeometry(g.cell1);
    m_cells[1]->setGeometry(g.cell2);
    m_cells[2]->setGeometry(g.cell3);
}

void TFormTable::BitBtn1Click()
{
    handOver(m_result, m_clipboard, TableBuilder::text(fields()), true);
    accept();
}
