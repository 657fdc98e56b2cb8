#pragma once

#include <QImage>
#include <QWidget>

namespace bench {

// The yardstick for a phasor diagram: a circle and a line drawn with plain QPainter calls into an
// image of the widget's size, with lines `penSize` pixels wide, copied to the widget at its next paint.
class BaselinePhasor : public QWidget {
public:
    BaselinePhasor(QRect place, int penSize, QWidget* parent);

    void Draw(double magnitude, double degrees);
    const QImage& Image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    int penSize_;
};

} // namespace bench
