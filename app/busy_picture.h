#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <array>

// The busy animation: a looping strip of four frames, 136 x 10, drawn here rather than loaded,
// and fitted into whatever box the widget gets. It ticks only while visible.
namespace ftq {

class BusyPicture : public QWidget
{
    Q_OBJECT

public:
    static constexpr int frameCount = 4;
    static constexpr QSize frameSize{136, 10};

    explicit BusyPicture(QWidget *parent = nullptr);

    int currentFrame() const { return m_frame; }
    const QImage &frame(int index) const { return m_frames.at(static_cast<std::size_t>(index)); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void advance();

    std::array<QImage, frameCount> m_frames;
    QTimer m_timer;
    int m_frame = 0;
};

} // namespace ftq
