#include "dialogs/TFormEmail.h"

#include "platform/DialogButtons.h"
#include "platform/PlainTexts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormEmail::TFormEmail(const QString &address, QWidget *parent)
    : QDialog(parent), m_editAddress(new QLineEdit(address, this))
{
    setObjectName(QStringLiteral("FormEmail"));
    setWindowTitle(EmailTexts::caption);
    auto *layout = new QVBoxLayout(this);
    auto *group = new QGroupBox(QStringLiteral("Enter E-Mail Address  "), this);
    m_editAddress->setObjectName(QStringLiteral("EditAddress"));
    m_editAddress->setParent(group);
    (new QVBoxLayout(group))->addWidget(m_editAddress);
    layout->addWidget(group);
    const auto [ok, cancel] = addOkCancelRow(this, layout, QStringLiteral("Button1"), QStringLiteral("Button2"));
    resize(340, 130);
    connect(ok, &QPushButton::clicked, this, &TFormEmail::Button1Click);
    connect(cancel, &QPushButton::clicked, this, &TFormEmail::Button2Click);
    showTextsAsPlainText(this);
}

QString TFormEmail::address() const
{
    return m_editAddress->text();
}

void TFormEmail::Button1Click()
{
    m_confirmed = true;
    accept();
}

void TFormEmail::Button2Click()
{
    m_confirmed = false;
    reject();
}
