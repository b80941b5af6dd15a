#include "app/busy_picture.h"

#include <QPainter>

namespace ftq {
namespace {

constexpr int tickMs = 150;

// Blocks marching to the right: each frame shifts the pattern by a quarter of its period.
QImage drawFrame(int index)
{
    constexpr int block = 12;
    constexpr int period = 4 * block;
    QImage image(BusyPicture::frameSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xE4, 0xEC, 0xF4));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    const int shift = index * block;
    for (int x = shift - period; x < image.width(); x += period) {
        painter.setBrush(QColor(0x2F, 0x6F, 0xB5));
        painter.drawRect(x, 1, 2 * block, image.height() - 2);
        painter.setBrush(QColor(0x7F, 0xA9, 0xD6));
        painter.drawRect(x + 2 * block, 1, block, image.height() - 2);
    }
    painter.setPen(QColor(0x8A, 0xA6, 0xC4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

} // namespace

BusyPicture::BusyPicture(QWidget *parent) : QWidget(parent)
{
    for (int i = 0; i < frameCount; ++i)
        m_frames.at(static_cast<std::size_t>(i)) = drawFrame(i);
    m_timer.setInterval(tickMs);
    connect(&m_timer, &QTimer::timeout, this, &BusyPicture::advance);
}

void BusyPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), frame(m_frame));
}

void BusyPicture::showEvent(QShowEvent *)
{
    m_timer.start();
}

void BusyPicture::hideEvent(QHideEvent *)
{
    m_timer.stop();
}

void BusyPicture::advance()
{
    m_frame = (m_frame + 1) % frameCount;
    update();
}

} // namespace ftq
