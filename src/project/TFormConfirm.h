#pragma once

#include <QDialog>

class QCheckBox;

// "Confirm Delete": asked before a page is removed, unless switched off.
class TFormConfirm final : public QDialog {
    Q_OBJECT
public:
    explicit TFormConfirm(bool confirmSetting, QWidget *parent = nullptr);
    // The setting after the dialog: the inverse of the check box, whichever button closed it.
    bool confirmSetting() const;

private:
    QCheckBox *m_dontShow;
};
