#pragma once

#include <QDialog>

class QLineEdit;

namespace EmailTexts {
inline const QString caption = QStringLiteral("MailTo: Tag");
}

// Mail To: asks for the e-mail address the main window wraps the selection with.
class TFormEmail final : public QDialog {
    Q_OBJECT
public:
    explicit TFormEmail(const QString &address, QWidget *parent = nullptr);

    // False after "&Cancel", Escape and the window frame: a closed window inserts nothing.
    bool confirmed() const { return m_confirmed; }
    QString address() const;

public Q_SLOTS:
    void Button1Click();
    void Button2Click();

private:
    QLineEdit *m_editAddress;
    bool m_confirmed = false;
};
