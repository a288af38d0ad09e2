#include "settings/TFormSplash.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TFormSplash::TFormSplash(Mode mode, int closeAfterMs, QWidget *parent)
    : QDialog(parent, Qt::SplashScreen), m_timer(new QTimer(this)), m_ok(new QPushButton(tr("&OK"), this))
{
    setObjectName(QStringLiteral("FormSplash"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("Tovarel Pro"), this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    auto *version = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral("0.1")), this);
    version->setObjectName(QStringLiteral("LabelVersion"));
    version->setAlignment(Qt::AlignCenter);
    auto *maker = new QLabel(QStringLiteral("HTML editor and web-site manager\nby the Tovarel Pro team"), this);
    maker->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(maker);
    layout->addWidget(m_ok, 0, Qt::AlignCenter);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    const bool atStartup = mode == Mode::Startup;
    setFixedSize(420, atStartup ? kStartupHeight : kAboutHeight);
    m_ok->setVisible(!atStartup);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &QDialog::accept);
    if (atStartup)
        m_timer->start(closeAfterMs);
}
