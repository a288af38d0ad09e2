#pragma once

#include <QDialog>

class QLineEdit;

// "Edit Entry": edits the text of one snip.
class TFormEditSnip final : public QDialog {
    Q_OBJECT
public:
    explicit TFormEditSnip(const QString &text, QWidget *parent = nullptr);
    QString text() const;

private:
    QLineEdit *m_edit1;
};
