#pragma once

#include "dialogs/TableBuilder.h"

#include <QDialog>

#include <memory>

class Clipboard;
struct PowerResult;

namespace Ui {
class TFormTable;
}

namespace TableTexts {
inline const QString caption = QStringLiteral("POWER Table Tag");
} // namespace TableTexts

// Power TABLE: a whole table from its attributes, an optional caption and a grid of cell
// texts. The result always goes into the editing window.
class TFormTable final : public QDialog {
    Q_OBJECT
public:
    // Opening resets `result`.
    TFormTable(Clipboard &clipboard, PowerResult &result, QWidget *parent = nullptr);
    ~TFormTable() override;

    TableFields fields() const;
    // Fills the TABLE tag's own attributes (width, border, padding, spacing, alignment).
    void setTagFields(const TableFields &fields);

public Q_SLOTS:
    void SpinRowsChange();
    void SpinColsChange();
    void SamplerChange();
    void BitBtn1Click();

private:
    void placeSamplerCells(const TableBuilder::SamplerGeometry &geometry);

    Clipboard &m_clipboard;
    PowerResult &m_result;

    std::unique_ptr<Ui::TFormTable> m_ui;
};
