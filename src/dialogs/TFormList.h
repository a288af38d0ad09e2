#pragma once

#include "dialogs/PowerHandOver.h"

#include <QDialog>

#include <array>

class Clipboard;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// "Power List Tag": an ordered or unordered list of up to 500 rows, ten of them typed here.
class TFormList final : public QDialog {
    Q_OBJECT
public:
    explicit TFormList(Clipboard &clipboard, QWidget *parent = nullptr);

    const PowerResult &result() const { return m_result; }
    // Editing a list's tag: only its kind can change, so the rows and items are shut.
    void editListKind(bool ordered);

public Q_SLOTS:
    void SpinEdit1Change();
    void Button2Click(); // Make List

private:
    Clipboard &m_clipboard;
    PowerResult m_result;
    QRadioButton *m_radioOrd;
    QSpinBox *m_spinRows;
    std::array<QLineEdit *, 10> m_items{};
    QCheckBox *m_checkIndent;
};
