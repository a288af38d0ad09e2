#include "dialogs/TFormEmail.h"

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
    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    cancel->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    resize(340, 130);
    connect(ok, &QPushButton::clicked, this, &TFormEmail::Button1Click);
    connect(cancel, &QPushButton::clicked, this, &TFormEmail::Button2Click);
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
