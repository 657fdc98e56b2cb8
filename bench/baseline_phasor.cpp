#include "bench/baseline_phasor.h"

#include "physics/box.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace bench {

BaselinePhasor::BaselinePhasor(QRect place, QWidget* parent)
    : QWidget(parent), image_(place.size() * parent->devicePixelRatioF(), QImage::Format_RGB32) {
    image_.setDevicePixelRatio(parent->devicePixelRatioF());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(place);
}

void BaselinePhasor::Draw(double magnitude, double degrees) {
    const int d = std::min(width(), height());
    const int r = d / 2;
    const double radians = degrees * physics::kDegreesToRadians;
    QPainter painter(&image_);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawEllipse(0, 0, d - 1, d - 1);
    painter.drawLine(r, r, int(r * (1.0 + magnitude * std::cos(radians))),
                     int(r * (1.0 - magnitude * std::sin(radians))));
    painter.end();
    update();
}

void BaselinePhasor::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

} // namespace bench
