#pragma once

#include "dialogs/PowerHandOver.h"

#include <QDialog>

class Clipboard;
class QCheckBox;
class QComboBox;
class QLineEdit;
struct FrameRecord;

// "FRAME Dialog": builds one FRAME tag. Created once at start-up; every opening starts
// from empty fields and the default choices.
class TFormFrameDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TFormFrameDialog(Clipboard &clipboard, QWidget *parent = nullptr);

    // Call before each opening.
    void prepare();
    // After prepare(): the fields of a FRAME tag being edited.
    void setFrame(const FrameRecord &frame);
    const PowerResult &result() const { return m_result; }

public Q_SLOTS:
    void ButtonOKClick();

private:
    Clipboard &m_clipboard;
    PowerResult m_result;
    QLineEdit *m_editUrl;
    QLineEdit *m_editName;
    QComboBox *m_comboScroll;
    QCheckBox *m_checkResize;
    QCheckBox *m_checkBorder;
};
