#pragma once

#include <QDialog>

class QPushButton;
class QTimer;

// The splash window: at start-up it closes itself after a while; as About box it waits for OK.
class TFormSplash final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kStartupHeight = 234;
    static constexpr int kAboutHeight = 414;

    enum class Mode { Startup, About };
    TFormSplash(Mode mode, int closeAfterMs, QWidget *parent = nullptr);
    static QPixmap productImage();

private:
    QTimer *m_timer;
    QPushButton *m_ok;
};
