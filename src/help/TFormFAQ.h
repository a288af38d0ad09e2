#pragma once

#include <QDialog>

// "FAQ": questions and answers about the things people ask most.
class TFormFAQ final : public QDialog {
    Q_OBJECT
public:
    explicit TFormFAQ(QWidget *parent = nullptr);
};
