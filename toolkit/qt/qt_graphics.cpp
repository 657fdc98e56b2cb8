#include "toolkit/qt/qt_graphics.h"

#include "toolkit/qt/font_mapping.h"
#include "toolkit/qt/qt_picture.h"

#include <QFontMetricsF>
#include <QPolygon>

#include <optional>

namespace tk::qt {

namespace {

QColor ToQColor(tk::Color c) {
    return QColor(tk::Red(c), tk::Green(c), tk::Blue(c));
}

// A rectangle given with a negative extent covers the same pixels as its mirror image.
QRect Normalized(int x, int y, int width, int height) {
    return QRect(x, y, width, height).normalized();
}

// The rectangle to outline so that the outline covers width x height pixels: Qt's outline of a
// rectangle spans one pixel more than its size. None when there is nothing to cover.
std::optional<QRect> OutlineRect(int x, int y, int width, int height) {
    const QRect r = Normalized(x, y, width, height);
    if (r.isEmpty())
        return std::nullopt;
    return r.adjusted(0, 0, -1, -1);
}

QPolygon ToPolygon(const std::vector<tk::Point>& vertices) {
    QPolygon polygon;
    for (const auto& p : vertices)
        polygon << QPoint(p.x, p.y);
    return polygon;
}

} // namespace

QtGraphics::QtGraphics(QPaintDevice* device)
    : ownPainter_(std::make_unique<QPainter>(device)), painter_(ownPainter_.get()) {}

QtGraphics::QtGraphics(QPainter* painter) : painter_(painter) {}

QtGraphics::~QtGraphics() = default;

void QtGraphics::UsePen() {
    // A cosmetic pen (width 0) is one device pixel wide whatever the scale, so lines stay crisp.
    QPen pen(ToQColor(ForeColor()), lineWidth_);
    pen.setCapStyle(Qt::SquareCap);
    painter_->setPen(pen);
    painter_->setBrush(Qt::NoBrush);
    painter_->setRenderHint(QPainter::Antialiasing, false);
}

void QtGraphics::UseFont() {
    painter_->setFont(MapFont(TextFont(), TextSize(), Bold(), Italic()));
}

void QtGraphics::DrawLine(int x1, int y1, int x2, int y2) {
    UsePen();
    if (x1 == x2 && y1 == y2)
        painter_->drawPoint(x1, y1);
    else
        painter_->drawLine(x1, y1, x2, y2);
}

void QtGraphics::ClearRect(int x, int y, int width, int height) {
    painter_->fillRect(Normalized(x, y, width, height), Qt::white);
}

void QtGraphics::DrawRect(int x, int y, int width, int height) {
    if (auto r = OutlineRect(x, y, width, height)) {
        UsePen();
        painter_->drawRect(*r);
    }
}

void QtGraphics::FillRect(int x, int y, int width, int height) {
    painter_->fillRect(Normalized(x, y, width, height), ToQColor(ForeColor()));
}

void QtGraphics::DrawOval(int x, int y, int width, int height) {
    Ellipse(x, y, width, height, false);
}

// Filled with its outline, an oval covers the same pixels as DrawOval draws round.
void QtGraphics::FillOval(int x, int y, int width, int height) {
    Ellipse(x, y, width, height, true);
}

void QtGraphics::Ellipse(int x, int y, int width, int height, bool filled) {
    if (auto r = OutlineRect(x, y, width, height)) {
        UsePen();
        if (filled)
            painter_->setBrush(ToQColor(ForeColor()));
        painter_->drawEllipse(*r);
    }
}

void QtGraphics::DrawPolygon(const std::vector<tk::Point>& vertices) {
    UsePen();
    painter_->drawPolygon(ToPolygon(vertices));
}

void QtGraphics::FillPolygon(const std::vector<tk::Point>& vertices) {
    UsePen();
    painter_->setBrush(ToQColor(ForeColor()));
    painter_->drawPolygon(ToPolygon(vertices));
}

void QtGraphics::DrawString(std::string_view text, int x, int baseline) {
    UseFont();
    painter_->setPen(ToQColor(ForeColor()));
    painter_->drawText(QPointF(x, baseline), DisplayText(text, TextFont()));
}

double QtGraphics::StringWidth(std::string_view text) {
    const QFontMetricsF metrics(MapFont(TextFont(), TextSize(), Bold(), Italic()));
    return metrics.horizontalAdvance(DisplayText(text, TextFont()));
}

int QtGraphics::TextHeight() {
    return QFontMetrics(MapFont(TextFont(), TextSize(), Bold(), Italic())).height();
}

void QtGraphics::DrawPicture(const tk::Picture& picture, tk::Rect d, tk::Rect s) {
    const auto* qtPicture = dynamic_cast<const QtPicture*>(&picture);
    if (!qtPicture || !qtPicture->IsValid())
        return;
    const qreal ratio = qtPicture->Image().devicePixelRatio();
    painter_->drawImage(QRectF(d.x, d.y, d.width, d.height), qtPicture->Image(),
                        QRectF(s.x * ratio, s.y * ratio, s.width * ratio, s.height * ratio));
}

} // namespace tk::qt
