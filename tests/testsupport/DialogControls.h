#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>

// A dialog's control by name; a missing one fails the test.
template <typename T> T *in(QDialog *dialog, const char *name)
{
    T *found = dialog->findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline void press(QDialog *dialog, const char *name)
{
    if (auto *button = in<QAbstractButton>(dialog, name))
        button->click();
}
