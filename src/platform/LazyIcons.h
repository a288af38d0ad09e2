#pragma once

#include <QIcon>
#include <QProxyStyle>

// A style's standard icon, read from the style's picture files the first time it is drawn:
// reading the first picture loads every image-format plug-in, which a start that draws
// none of these icons should not pay for.
QIcon lazyStandardIcon(const QStyle *style, QStyle::StandardPixmap pixmap, const QStyleOption *option = nullptr);

// The application's own style, but the menu bar's and the tool bar's extension buttons (shown
// only when the bar overflows) get their icons lazily.
class LazyExtensionIconStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
