#include "dialogs/TFormEditSnip.h"

#include "platform/DialogButtons.h"
#include "platform/PlainTexts.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormEditSnip::TFormEditSnip(const QString &text, QWidget *parent) : QDialog(parent), m_edit1(new QLineEdit(text, this))
{
    setObjectName(QStringLiteral("FormEditSnip"));
    setWindowTitle(QStringLiteral("Edit Entry"));
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_edit1);
    const auto [ok, cancel] = addOkCancelRow(this, layout, QStringLiteral("ButtonOK"), QStringLiteral("ButtonCancel"),
                                             QStringLiteral("Cancel"));
    resize(420, 90);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showTextsAsPlainText(this);
}

QString TFormEditSnip::text() const
{
    return m_edit1->text();
}
