#include "bench/baseline_plot.h"

#include "bench/wave_samples.h"
#include "physics/superposition.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace bench {

BaselinePlot::BaselinePlot(PlotScene scene, QSize size, int zoom, QWidget* parent)
    : QWidget(parent), scene_(std::move(scene)), image_(size * zoom, QImage::Format_RGB32),
      middle_(zoom > 1 ? QPointF(0.5, 0.5) : QPointF()) {
    image_.setDevicePixelRatio(zoom);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(size * zoom);
}

QPen BaselinePlot::PenOf(const QColor& color) const {
    if (middle_.isNull())
        return {color, 0};
    return {color, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin};
}

void BaselinePlot::Draw(std::initializer_list<Curve> curves) {
    QPainter painter(&image_);
    DrawOps(painter, scene_.ops);
    for (const Curve& curve : curves)
        DrawCurve(painter, curve);
    painter.end();
    update();
}

void BaselinePlot::DrawFine(std::initializer_list<FineCurve> curves, int pen,
                            const std::vector<SceneOp>& over) {
    QPainter painter(&image_);
    DrawOps(painter, scene_.ops);
    for (const FineCurve& curve : curves)
        DrawFineCurve(painter, curve, pen);
    DrawOps(painter, over);
    painter.end();
    update();
}

namespace {

bool SameTextStyle(const SceneOp& a, const SceneOp& b) {
    return a.family == b.family && a.pixelSize == b.pixelSize && a.bold == b.bold && a.italic == b.italic;
}

} // namespace

// A pen for each change of colour and a font for each change of text style: what code drawing the
// axes section by section would set.
void BaselinePlot::DrawOps(QPainter& painter, const std::vector<SceneOp>& ops) const {
    QColor penColor;
    const SceneOp* textStyle = nullptr;
    const auto usePen = [&](const QColor& color) {
        if (color != penColor)
            painter.setPen(PenOf(color));
        penColor = color;
    };
    for (const SceneOp& op : ops) {
        switch (op.kind) {
        case SceneOp::Kind::Fill:
            painter.fillRect(op.rect, op.color);
            break;
        case SceneOp::Kind::Outline:
            usePen(op.color);
            painter.drawRect(QRectF(op.rect.adjusted(0, 0, -1, -1)).translated(middle_));
            break;
        case SceneOp::Kind::Line:
            usePen(op.color);
            if (op.line.p1() == op.line.p2())
                painter.drawPoint(QPointF(op.line.p1()) + middle_);
            else
                painter.drawLine(QLineF(op.line).translated(middle_));
            break;
        case SceneOp::Kind::Text:
            if (!textStyle || !SameTextStyle(*textStyle, op)) {
                QFont font(op.family);
                font.setPixelSize(op.pixelSize);
                font.setBold(op.bold);
                font.setItalic(op.italic);
                painter.setFont(font);
                textStyle = &op;
            }
            usePen(op.color);
            painter.drawText(op.baseline, QString::fromStdString(op.text));
            break;
        }
    }
}

void BaselinePlot::DrawCurve(QPainter& painter, const Curve& curve) const {
    painter.setPen(PenOf(curve.color));
    QPoint previous = PixelOf(0, curve.values[0]);
    for (int j = 1; j < static_cast<int>(curve.values.size()); ++j) {
        const QPoint next = PixelOf(physics::SampleX(j), curve.values[j]);
        painter.drawLine(QLineF(previous, next).translated(middle_));
        previous = next;
    }
}

// Through the middles of the pixels, with a round pen `pen` pixels of the scene across, blended: the
// band a plain QPainter program draws.
void BaselinePlot::DrawFineCurve(QPainter& painter, const FineCurve& curve, int pen) const {
    painter.setPen(QPen(curve.color, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setRenderHint(QPainter::Antialiasing, true);
    const auto count = qsizetype(curve.values.size());
    QPolygonF middles;
    const double last = double(count) - 1;
    for (qsizetype i = 0; i < count; ++i)
        middles << QPointF(scene_.left + (double(i) / last - scene_.xMin) * scene_.xToPixel + 0.5,
                           scene_.bottom - (curve.values[std::size_t(i)] - scene_.yMin) * scene_.yToPixel +
                               0.5);
    painter.drawPolyline(middles);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

QPoint BaselinePlot::PixelOf(double x, double y) const {
    return {scene_.left + int(std::round((x - scene_.xMin) * scene_.xToPixel)),
            scene_.bottom - int(std::round((y - scene_.yMin) * scene_.yToPixel))};
}

void BaselinePlot::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(rect(), image_);
}

} // namespace bench
