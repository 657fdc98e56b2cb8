#include "bench/blit_floor.h"

#include <QPainter>

namespace bench {

class BlitFloor::Picture : public QWidget {
public:
    Picture(QRect place, const QImage& one, const QImage& other, QWidget* parent)
        : QWidget(parent), images_{one, other} {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(place);
    }
    void Swap() {
        shown_ = 1 - shown_;
        update();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.drawImage(rect(), images_[shown_]);
    }

private:
    std::array<QImage, 2> images_;
    int shown_ = 0;
};

BlitFloor::BlitFloor(QSize size) {
    setWindowTitle("Blit floor");
    setFixedSize(size);
}

void BlitFloor::Add(QRect place, const QImage& one, const QImage& other) {
    pictures_.push_back(new Picture(place, one, other, this));
}

void BlitFloor::Swap() {
    for (Picture* picture : pictures_)
        picture->Swap();
}

} // namespace bench
