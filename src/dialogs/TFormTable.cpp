#include "dialogs/TFormTable.h"

#include "dialogs/PowerHandOver.h"
#include "platform/PlainTexts.h"
#include "ui_TFormTable.h"

namespace {
void notNegative(QSpinBox *box)
{
    if (box->value() < 0)
        box->setValue(0);
}
} // namespace

TFormTable::TFormTable(Clipboard &clipboard, PowerResult &result, QWidget *parent)
    : QDialog(parent), m_clipboard(clipboard), m_result(result), m_ui(std::make_unique<Ui::TFormTable>())
{
    m_ui->setupUi(this);
    setWindowTitle(TableTexts::caption);
    m_result.reset();

    // Background roles are no form property.
    m_ui->PanelSampler->setBackgroundRole(QPalette::Mid);
    for (QLabel *cell : {m_ui->LabelCell1, m_ui->LabelCell2, m_ui->LabelCell3})
        cell->setBackgroundRole(QPalette::Base);
    // Laid out once as the sampler's starting values give, note showing.
    placeSamplerCells(TableBuilder::samplerGeometry(0, 0, 0));

    connect(m_ui->SpinRows, &QSpinBox::valueChanged, this, &TFormTable::SpinRowsChange);
    connect(m_ui->SpinCols, &QSpinBox::valueChanged, this, &TFormTable::SpinColsChange);
    for (QSpinBox *box : {m_ui->SpinBorder, m_ui->SpinPad, m_ui->SpinSpace})
        connect(box, &QSpinBox::valueChanged, this, &TFormTable::SamplerChange);
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &TFormTable::BitBtn1Click);
    connect(m_ui->BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    showTextsAsPlainText(this);
}

TFormTable::~TFormTable() = default;

void TFormTable::placeSamplerCells(const TableBuilder::SamplerGeometry &g)
{
    m_ui->PanelSampler->setLineWidth(g.bevel);
    m_ui->LabelCell1->setGeometry(g.cell1);
    m_ui->LabelCell2->setGeometry(g.cell2);
    m_ui->LabelCell3->setGeometry(g.cell3);
}

void TFormTable::setTagFields(const TableFields &fields)
{
    (fields.percentWidth ? m_ui->RadioPercent : m_ui->RadioPixels)->setChecked(true);
    m_ui->SpinPixels->setValue(fields.pixels);
    m_ui->SpinPercent->setValue(fields.percent);
    m_ui->SpinBorder->setValue(fields.border);
    m_ui->SpinPad->setValue(fields.padding);
    m_ui->SpinSpace->setValue(fields.spacing);
    m_ui->ComboAlignTable->setEditText(fields.align);
    m_ui->ComboVAlign->setEditText(fields.valign);
}

TableFields TFormTable::fields() const
{
    TableFields f;
    f.rows = m_ui->SpinRows->value();
    f.columns = m_ui->SpinCols->value();
    f.percentWidth = m_ui->RadioPercent->isChecked();
    f.pixels = m_ui->SpinPixels->value();
    f.percent = m_ui->SpinPercent->value();
    f.border = m_ui->SpinBorder->value();
    f.padding = m_ui->SpinPad->value();
    f.spacing = m_ui->SpinSpace->value();
    f.align = m_ui->ComboAlignTable->currentText();
    f.valign = m_ui->ComboVAlign->currentText();
    f.caption = m_ui->EditCaption->text();
    f.captionBottom = m_ui->RadioCapBot->isChecked();
    for (int row = 0; row < m_ui->Grid1->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < m_ui->Grid1->columnCount(); ++column) {
            const QTableWidgetItem *item = m_ui->Grid1->item(row, column);
            cells << (item ? item->text() : QString());
        }
        f.cells << cells;
    }
    return f;
}

void TFormTable::SpinRowsChange()
{
    notNegative(m_ui->SpinRows);
    m_ui->Grid1->setRowCount(m_ui->SpinRows->value());
}

void TFormTable::SpinColsChange()
{
    notNegative(m_ui->SpinCols);
    m_ui->Grid1->setColumnCount(m_ui->SpinCols->value());
}

void TFormTable::SamplerChange()
{
    m_ui->LabelSamplerNote->hide();
    for (QSpinBox *box : {m_ui->SpinBorder, m_ui->SpinPad, m_ui->SpinSpace})
        notNegative(box);
    placeSamplerCells(
        TableBuilder::samplerGeometry(m_ui->SpinBorder->value(), m_ui->SpinPad->value(), m_ui->SpinSpace->value()));
}

void TFormTable::BitBtn1Click()
{
    handOver(m_result, m_clipboard, TableBuilder::text(fields()), true);
    accept();
}
