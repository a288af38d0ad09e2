#include "project/TFormConfirm.h"

#include "platform/PlainTexts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFormConfirm::TFormConfirm(bool confirmSetting, QWidget *parent)
    : QDialog(parent),
      m_dontShow(new QCheckBox(QStringLiteral("Do not show this confirmation screen in the future."), this))
{
    setObjectName(QStringLiteral("FormConfirm"));
    setWindowTitle(QStringLiteral("Confirm Delete"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    auto *group = new QGroupBox(QStringLiteral("Confirm Delete:"), this);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(
        new QLabel(QStringLiteral("Are you sure you want to remove this file from your project?"), group));
    m_dontShow->setObjectName(QStringLiteral("CheckBox1"));
    m_dontShow->setChecked(!confirmSetting);
    groupLayout->addWidget(m_dontShow);
    layout->addWidget(group);
    auto *buttons = new QHBoxLayout;
    auto *yes = new QPushButton(QStringLiteral("&Yes"), this);
    yes->setObjectName(QStringLiteral("ButtonYes"));
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    buttons->addStretch(1);
    buttons->addWidget(yes);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showTextsAsPlainText(this);
}

bool TFormConfirm::confirmSetting() const
{
    return !m_dontShow->isChecked();
}
