#include "platform/DialogButtons.h"

#include <QBoxLayout>
#include <QPushButton>

OkCancelButtons addOkCancelRow(QWidget *dialog, QBoxLayout *layout, const QString &okName, const QString &cancelName,
                               const QString &cancelCaption)
{
    OkCancelButtons buttons{new QPushButton(QStringLiteral("&OK"), dialog), new QPushButton(cancelCaption, dialog)};
    buttons.ok->setObjectName(okName);
    buttons.ok->setDefault(true);
    buttons.cancel->setObjectName(cancelName);
    buttons.cancel->setAutoDefault(false);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    layout->addLayout(row);
    return buttons;
}
