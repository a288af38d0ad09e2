#include "imaging/TPictureView.h"

#include <QPainter>
#include <QScreen>

namespace {
constexpr int kBorderWidth = 1;
}

TPictureView::TPictureView(Prompts &prompts, QWidget *parent) : QWidget(parent), m_component(prompts)
{
    m_component.setChangedCallback([this] { pictureChanged(); });
    if (const QScreen *screen = this->screen())
        m_component.setScreenBitsPerPixel(screen->depth());
}

QRect TPictureView::pictureArea() const
{
    const int border = m_component.borderStyle() == PictureBorder::bsSingle ? kBorderWidth : 0;
    return rect().adjusted(border, border, -border, -border);
}

QSize TPictureView::sizeHint() const
{
    if (!m_component.hasPicture())
        return QWidget::sizeHint();
    const int border = m_component.borderStyle() == PictureBorder::bsSingle ? 2 * kBorderWidth : 0;
    return m_component.picture().size() + QSize(border, border);
}

void TPictureView::pictureChanged()
{
    if (m_component.autoSize() && m_component.hasPicture())
        resize(sizeHint());
    update();
}

void TPictureView::showEvent(QShowEvent *event)
{
    // The screen is only certain once the window shows.
    if (const QScreen *screen = this->screen())
        m_component.setScreenBitsPerPixel(screen->depth());
    QWidget::showEvent(event);
}

void TPictureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = pictureArea();
    if (m_component.borderStyle() == PictureBorder::bsSingle) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!m_component.hasPicture())
        return;
    painter.setClipRect(area);
    const QRect target = m_component.placement(area.size()).translated(area.topLeft());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, target.size() != m_component.picture().size());
    painter.drawImage(target, m_component.picture());
}
