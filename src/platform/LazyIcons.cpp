#include "platform/LazyIcons.h"

#include <QIconEngine>
#include <QStyleOption>

#include <optional>

namespace {
class StandardIconEngine final : public QIconEngine {
public:
    StandardIconEngine(const QStyle *style, QStyle::StandardPixmap pixmap, std::optional<QStyleOption> option)
        : m_style(style), m_pixmap(pixmap), m_option(std::move(option))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new StandardIconEngine(m_style, m_pixmap, m_option); }
    QString key() const override { return QStringLiteral("tovarel-standard"); }
    bool isNull() override { return false; }

private:
    const QIcon &icon()
    {
        if (m_icon.isNull())
            m_icon = m_style->standardIcon(m_pixmap, m_option ? &*m_option : nullptr);
        return m_icon;
    }

    const QStyle *m_style;
    QStyle::StandardPixmap m_pixmap;
    std::optional<QStyleOption> m_option; // the direction, say; the widget it was for may be gone by then
    QIcon m_icon;
};
} // namespace

QIcon lazyStandardIcon(const QStyle *style, QStyle::StandardPixmap pixmap, const QStyleOption *option)
{
    return QIcon(new StandardIconEngine(style, pixmap, option ? std::optional(*option) : std::nullopt));
}

QIcon LazyExtensionIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                           const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton || standardIcon == SP_ToolBarVerticalExtensionButton)
        return lazyStandardIcon(baseStyle(), standardIcon, option);
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
