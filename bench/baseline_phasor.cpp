#include "bench/baseline_phasor.h"

#include "physics/box.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace bench {

BaselinePhasor::BaselinePhasor(QRect place, int penSize, QWidget* parent)
    : QWidget(parent), image_(place.size() * parent->devicePixelRatioF(), QImage::Format_RGB32),
      penSize_(penSize) {
    image_.setDevicePixelRatio(parent->devicePixelRatioF());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(place);
}

void BaselinePhasor::Draw(double magnitude, double degrees) {
    const int d = std::min(width(), height());
    const int r = d / 2;
    const double radians = degrees * physics::kDegreesToRadians;
    const QPoint end(int(r * (1.0 + magnitude * std::cos(radians))),
                     int(r * (1.0 - magnitude * std::sin(radians))));
    QPainter painter(&image_);
    painter.fillRect(rect(), Qt::white);
    if (penSize_ == 1) {
        painter.setPen(QPen(Qt::black, 0));
        painter.drawEllipse(0, 0, d - 1, d - 1);
        painter.drawLine(QPoint(r, r), end);
    } else {
        // A thick pen inside the circle, and through the middle of the pixels the line covers.
        const qreal half = penSize_ / 2.0;
        const qreal middle = penSize_ % 2 == 1 ? 0.5 : 1.0;
        painter.setPen(QPen(Qt::black, penSize_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawEllipse(QRectF(half, half, d - penSize_, d - penSize_));
        painter.drawLine(QLineF(QPoint(r, r), end).translated(middle, middle));
    }
    painter.end();
    update();
}

void BaselinePhasor::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

} // namespace bench
