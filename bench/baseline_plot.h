#pragma once

#include "bench/plot_scene.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <initializer_list>
#include <span>

namespace bench {

// A curve through (0.01 j, values[j]).
struct Curve {
    QColor color;
    std::span<const double> values;
};

// The yardstick for a plot: the same scene and curves drawn with plain QPainter calls into an
// image, the way straightforward code would (pens, fonts and strings made as it draws), and the
// image copied to the widget at its next paint.
class BaselinePlot : public QWidget {
public:
    BaselinePlot(PlotScene scene, QSize size, QWidget* parent);

    void Draw(std::initializer_list<Curve> curves);
    const QImage& Image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawScene(QPainter& painter) const;
    void DrawCurve(QPainter& painter, const Curve& curve) const;
    QPoint PixelOf(double x, double y) const;

    PlotScene scene_;
    QImage image_;
};

} // namespace bench
