#include "platform/PlainTexts.h"

#include <QLabel>
#include <QTextDocument>

void showTextsAsPlainText(QWidget *window)
{
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : std::as_const(widgets)) {
        if (auto *label = qobject_cast<QLabel *>(widget))
            label->setTextFormat(Qt::PlainText);
        // A hint has no plain-text mode: one that would pass for markup is shown escaped.
        if (Qt::mightBeRichText(widget->toolTip()))
            widget->setToolTip(Qt::convertFromPlainText(widget->toolTip(), Qt::WhiteSpaceNormal));
    }
}
