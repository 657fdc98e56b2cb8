#pragma once

#include "bench/plot_scene.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <initializer_list>
#include <span>
#include <vector>

namespace bench {

// A curve through (0.01 j, values[j]).
struct Curve {
    QColor color;
    std::span<const double> values;
};

// A smooth curve through values at x/L = i / (count - 1), as fine as the screen, antialiased.
struct FineCurve {
    QColor color;
    std::span<const double> values;
};

// The yardstick for a plot: the same scene and curves drawn with plain QPainter calls into an
// image, the way straightforward code would (pens, fonts and strings made as it draws), and the
// image copied to the widget at its next paint. A plot drawn at a zoom is drawn into an image of
// that many pixels per pixel of the scene, lines one pixel of the scene wide, and shown that large.
class BaselinePlot : public QWidget {
public:
    BaselinePlot(PlotScene scene, QSize size, int zoom, QWidget* parent);

    void Draw(std::initializer_list<Curve> curves);
    // The scene, fine curves `pen` pixels of the scene wide, then `over` on top of them.
    void DrawFine(std::initializer_list<FineCurve> curves, int pen, const std::vector<SceneOp>& over = {});
    const QImage& Image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawOps(QPainter& painter, const std::vector<SceneOp>& ops) const;
    void DrawCurve(QPainter& painter, const Curve& curve) const;
    void DrawFineCurve(QPainter& painter, const FineCurve& curve, int pen) const;
    QPoint PixelOf(double x, double y) const;
    QPen PenOf(const QColor& color) const;

    PlotScene scene_;
    QImage image_;
    // Lines of a zoomed plot go through the middle of its pixels.
    QPointF middle_;
};

} // namespace bench
