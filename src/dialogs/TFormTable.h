#pragma once

#include "dialogs/TableBuilder.h"

#include <QDialog>

class Clipboard;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTableWidget;
struct PowerResult;

namespace TableTexts {
inline const QString caption = QStringLiteral("POWER Table Tag");
inline const QString samplerNote =
    QStringLiteral("Try changing the border, padding, or spacing values and see what happens.");
} // namespace TableTexts

// Power TABLE: a whole table from its attributes, an optional caption and a grid of cell
// texts. The result always goes into the editing window.
class TFormTable final : public QDialog {
    Q_OBJECT
public:
    // Opening resets `result`.
    TFormTable(Clipboard &clipboard, PowerResult &result, QWidget *parent = nullptr);

    TableFields fields() const;
    // Fills the TABLE tag's own attributes (width, border, padding, spacing, alignment).
    void setTagFields(const TableFields &fields);

public Q_SLOTS:
    void SpinRowsChange();
    void SpinColsChange();
    void SamplerChange();
    void BitBtn1Click();

private:
    Clipboard &m_clipboard;
    PowerResult &m_result;

    QSpinBox *m_spinRows;
    QSpinBox *m_spinCols;
    QRadioButton *m_radioPixels;
    QRadioButton *m_radioPercent;
    QSpinBox *m_spinPixels;
    QSpinBox *m_spinPercent;
    QSpinBox *m_spinBorder;
    QSpinBox *m_spinPad;
    QSpinBox *m_spinSpace;
    QComboBox *m_comboAlign;
    QComboBox *m_comboVAlign;
    QLineEdit *m_editCaption;
    QRadioButton *m_radioCapTop;
    QRadioButton *m_radioCapBot;
    QTableWidget *m_grid;
    QFrame *m_sampler;
    QLabel *m_cells[3];
    QLabel *m_samplerNote;
};
