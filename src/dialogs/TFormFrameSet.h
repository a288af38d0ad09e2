#pragma once

#include "dialogs/PowerHandOver.h"

#include <QDialog>

class Clipboard;
class QLineEdit;

// "FRAMESET Dialog": wraps the text the main window cut from the editing window (found on
// the clipboard at opening) in a FRAMESET element.
class TFormFrameSet final : public QDialog {
    Q_OBJECT
public:
    explicit TFormFrameSet(Clipboard &clipboard, QWidget *parent = nullptr);

    const PowerResult &result() const { return m_result; }
    // The COLS and ROWS of a FRAMESET tag being edited.
    void setSizes(const QString &cols, const QString &rows);

public Q_SLOTS:
    void ButtonOKClick();

private:
    Clipboard &m_clipboard;
    PowerResult m_result;
    QString m_buffer; // the wrapped text, its lines already indented
    QLineEdit *m_editCols;
    QLineEdit *m_editRows;
};
