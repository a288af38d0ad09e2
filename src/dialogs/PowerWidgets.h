#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

// Small pieces the Power dialogs share.
namespace PowerWidgets {

// The field that shows the built tag: yellow text on black.
inline void paintAsResult(QLineEdit *edit)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::yellow);
    edit->setPalette(palette);
}

// Shows a freshly built tag, selected whole so that a copy takes it at once.
inline void showBuilt(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    edit->selectAll();
}

template <typename T> T *named(T *widget, const char *objectName)
{
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}

} // namespace PowerWidgets
