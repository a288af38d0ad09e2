#include "help/TFormSplash.h"

#include "platform/PlainTexts.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

// The product image, drawn rather than shipped so it scales with the screen.
QPixmap TFormSplash::productImage()
{
    QPixmap image(380, 90);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 90);
    sky.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
    sky.setColorAt(1, QColor(0x3a, 0x8d, 0xd6));
    painter.setBrush(sky);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(image.rect(), 12, 12);
    painter.setPen(QColor(0xff, 0xd2, 0x4a));
    QFont mark = painter.font();
    mark.setPointSize(30);
    mark.setBold(true);
    painter.setFont(mark);
    painter.drawText(QRect(12, 0, 90, 90), Qt::AlignCenter, QStringLiteral("</>"));
    painter.setPen(Qt::white);
    QFont name = painter.font();
    name.setPointSize(24);
    painter.setFont(name);
    painter.drawText(QRect(110, 0, 260, 90), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Tovarel Pro"));
    return image;
}

TFormSplash::TFormSplash(Mode mode, int closeAfterMs, QWidget *parent)
    : QDialog(parent, Qt::SplashScreen), m_timer(new QTimer(this)), m_ok(new QPushButton(tr("&OK"), this))
{
    setObjectName(QStringLiteral("FormSplash"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(this);
    title->setObjectName(QStringLiteral("ImageProduct"));
    title->setPixmap(productImage());
    title->setAlignment(Qt::AlignCenter);
    auto *version = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral("0.1")), this);
    version->setObjectName(QStringLiteral("LabelVersion"));
    version->setAlignment(Qt::AlignCenter);
    auto *maker =
        new QLabel(QStringLiteral("HTML editor and web-site manager\nThe Tovarel Pro team\nwww.tovarel.pro"), this);
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
    showTextsAsPlainText(this);
}
