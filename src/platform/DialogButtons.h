#pragma once

#include <QString>

class QBoxLayout;
class QPushButton;
class QWidget;

struct OkCancelButtons {
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
};

// The OK / Cancel row at the right-hand end of a small dialog; OK is the default button.
OkCancelButtons addOkCancelRow(QWidget *dialog, QBoxLayout *layout, const QString &okName = QStringLiteral("ButtonOK"),
                               const QString &cancelName = QStringLiteral("ButtonCancel"),
                               const QString &cancelCaption = QStringLiteral("&Cancel"));
