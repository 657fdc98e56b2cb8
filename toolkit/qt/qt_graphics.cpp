#include "toolkit/qt/qt_graphics.h"

#include "toolkit/qt/qt_color.h"
#include "toolkit/qt/qt_picture.h"

#include <QPaintEngine>
#include <QPolygon>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace tk::qt {

namespace {

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

QtGraphics::QtGraphics(QPaintDevice* device) : ownPainter_(std::in_place, device), painter_(&*ownPainter_) {
    StartPainting();
}

QtGraphics::QtGraphics(QPainter* painter) : painter_(painter) {
    StartPainting();
}

QtGraphics::~QtGraphics() = default;

// Shapes are aliased, so that they cover whole pixels; outlines are not filled.
void QtGraphics::StartPainting() {
    const QPaintEngine* engine = painter_->paintEngine();
    rasterDevice_ = engine && engine->type() == QPaintEngine::Raster;
    denseDevice_ = painter_->device() && painter_->device()->devicePixelRatio() > 1;
    painter_->setBrush(Qt::NoBrush);
    painter_->setRenderHint(QPainter::Antialiasing, false);
}

// A pen of odd width has its middle in the middle of a pixel, one of even width on the corner
// between the two middle pixels.
QPointF QtGraphics::ToPenMiddle() const {
    const qreal offset = PenSize() % 2 == 1 ? 0.5 : 1.0;
    return {offset, offset};
}

QRectF QtGraphics::PenPath(int x, int y, int width, int height) const {
    const qreal half = PenSize() / 2.0;
    return {x + half, y + half, qreal(width - PenSize()), qreal(height - PenSize())};
}

// Text is drawn with the pen too: its width does not matter there.
void QtGraphics::UsePen() {
    const QColor color = ToQColor(ForeColor());
    if (color == penColor_ && PenWidth() == penWidth_)
        return;
    painter_->setPen(PenFor(color));
    penColor_ = color;
    penWidth_ = PenWidth();
}

const QPen& QtGraphics::PenFor(const QColor& color) {
    for (const MadePen& made : pens_)
        if (made.color == color && made.width == PenWidth())
            return made.pen;
    MadePen& made = pens_[nextPen_];
    nextPen_ = (nextPen_ + 1) % kMadePens;
    // A cosmetic pen (width 0) is one device pixel wide whatever the scale.
    made = {color, PenWidth(), QPen(color, PenWidth())};
    made.pen.setCapStyle(Qt::SquareCap);
    made.pen.setJoinStyle(Qt::MiterJoin); // an outline's corners are whole, as a cosmetic pen's are
    return made.pen;
}

void QtGraphics::UseBrush(const QColor& color) {
    if (color == brushColor_)
        return;
    painter_->setBrush(color.isValid() ? QBrush(color) : QBrush(Qt::NoBrush));
    brushColor_ = color;
}

MappedFonts& QtGraphics::SelectFont() {
    fonts_.Select(TextFont(), TextSize(), Bold(), Italic());
    return fonts_;
}

void QtGraphics::UseFont() {
    const MappedFonts& fonts = SelectFont();
    if (fonts.FontSerial() == fontSerial_)
        return;
    painter_->setFont(fonts.Font());
    fontSerial_ = fonts.FontSerial();
}

void QtGraphics::DrawLine(int x1, int y1, int x2, int y2) {
    UsePen();
    UseBrush(QColor());
    const bool point = x1 == x2 && y1 == y2;
    if (OnPixels() && point)
        painter_->drawPoint(QPointF(x1, y1) + ToPenMiddle());
    else if (OnPixels())
        painter_->drawLine(QLineF(x1, y1, x2, y2).translated(ToPenMiddle()));
    else if (point)
        painter_->drawPoint(x1, y1);
    else
        painter_->drawLine(x1, y1, x2, y2);
}

void QtGraphics::ClearRect(int x, int y, int width, int height) {
    painter_->fillRect(Normalized(x, y, width, height), Qt::white);
}

// An outline whose two sides meet or overlap covers the whole rectangle.
void QtGraphics::DrawRect(int x, int y, int width, int height) {
    const QRect area = Normalized(x, y, width, height);
    if (area.isEmpty())
        return;
    if (OnPixels() && (area.width() <= 2 * PenSize() || area.height() <= 2 * PenSize())) {
        painter_->fillRect(area, ToQColor(ForeColor()));
        return;
    }
    UsePen();
    UseBrush(QColor());
    if (OnPixels())
        painter_->drawRect(PenPath(area.x(), area.y(), area.width(), area.height()));
    else
        painter_->drawRect(area.adjusted(0, 0, -1, -1));
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
        UseBrush(filled ? ToQColor(ForeColor()) : QColor());
        if (OnPixels())
            painter_->drawEllipse(PenPath(r->x(), r->y(), r->width() + 1, r->height() + 1));
        else
            painter_->drawEllipse(*r);
    }
}

void QtGraphics::DrawPolygon(const std::vector<tk::Point>& vertices) {
    Polygon(vertices, false);
}

void QtGraphics::FillPolygon(const std::vector<tk::Point>& vertices) {
    Polygon(vertices, true);
}

void QtGraphics::Polygon(const std::vector<tk::Point>& vertices, bool filled) {
    UsePen();
    UseBrush(filled ? ToQColor(ForeColor()) : QColor());
    if (OnPixels())
        painter_->drawPolygon(QPolygonF(ToPolygon(vertices)).translated(ToPenMiddle()));
    else
        painter_->drawPolygon(ToPolygon(vertices));
}

// On pixels a polyline is its lines, so that it covers the very pixels they do; on a vector device
// it is one path, which the reader of an SVG or PDF file can select and restyle as one curve.
void QtGraphics::DrawPolyline(const std::vector<tk::Point>& vertices) {
    if (rasterDevice_ || vertices.size() < 2) {
        tk::Graphics::DrawPolyline(vertices);
        return;
    }
    UsePen();
    UseBrush(QColor());
    painter_->drawPolyline(ToPolygon(vertices));
}

// Antialiased for this curve alone: the painter's other shapes cover whole pixels. A curve up to a
// few device pixels wide is drawn as hairlines half a device pixel apart along its normals, which cover
// the band a wide pen would, softly: Qt draws an antialiased hairline many times faster than it strokes
// a wide pen. A wider one is that band, filled: the hairlines would grow with its width, the fill
// costs about as much as three. The pen is made here, so the one kept for the other shapes is made
// again at their next use.
void QtGraphics::DrawSmoothPolyline(const std::vector<tk::PointF>& vertices) {
    if (vertices.size() < 2) {
        tk::Graphics::DrawSmoothPolyline(vertices);
        return;
    }
    if (DrawFunctionBand(vertices))
        return;
    const qreal ratio = painter_->device() ? painter_->device()->devicePixelRatioF() : 1;
    const int width = std::max(1, static_cast<int>(std::lround(PenSize() * ratio)));
    const auto count = static_cast<qsizetype>(vertices.size());
    smoothNormals_.resize(count);
    for (qsizetype i = 0; i < count; ++i) {
        const tk::PointF& before = vertices[std::size_t(std::max<qsizetype>(i - 1, 0))];
        const tk::PointF& after = vertices[std::size_t(std::min(i + 1, count - 1))];
        const qreal length = std::hypot(after.x - before.x, after.y - before.y);
        smoothNormals_[i] = length > 0 ? QPointF(before.y - after.y, after.x - before.x) / length : QPointF();
    }
    penColor_ = QColor();
    painter_->setRenderHint(QPainter::Antialiasing, true);
    if (width >= kFilledCurveWidth)
        FillCurveBand(vertices, width / ratio);
    else
        DrawCurveStrands(vertices, width, ratio);
    painter_->setRenderHint(QPainter::Antialiasing, false);
}

QImage* QtGraphics::BlendableImage() const {
    QPaintDevice* device = painter_->device();
    if (!rasterDevice_ || !device || device->devType() != QInternal::Image || painter_->hasClipping() ||
        painter_->opacity() != 1 || painter_->compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter_->deviceTransform().type() > QTransform::TxScale)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    const bool plainPixels =
        image->format() == QImage::Format_RGB32 || image->format() == QImage::Format_ARGB32_Premultiplied;
    // A picture that shares its pixels would copy them on the first write, away from the painter.
    return plainPixels && image->isDetached() ? image : nullptr;
}

namespace {

// The pixel `coverage` / 255 of the way from `below` to the opaque `ink`, channel by channel, the
// division by 255 rounded to the nearest.
QRgb Blended(QRgb below, QRgb ink, int coverage) {
    const auto channel = [&](int shift) {
        const int mixed =
            int((below >> shift) & 0xff) * (255 - coverage) + int((ink >> shift) & 0xff) * coverage;
        return QRgb((mixed + 128 + ((mixed + 128) >> 8)) >> 8) << shift;
    };
    return channel(24) | channel(16) | channel(8) | channel(0);
}

} // namespace

// A curve through x that only grows, as a function's graph: blended into the picture's pixels column by
// column, a fraction of what Qt's general drawing of the same band costs.
bool QtGraphics::DrawFunctionBand(const std::vector<tk::PointF>& vertices) {
    QImage* image = BlendableImage();
    if (!image)
        return false;
    const QTransform toDevice = painter_->deviceTransform();
    deviceVertices_.resize(vertices.size());
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        const QPointF p = toDevice.map(QPointF(vertices[i].x + 0.5, vertices[i].y + 0.5));
        deviceVertices_[i] = {p.x(), p.y()};
    }
    if (!tk::FunctionBand::Fits(deviceVertices_))
        return false;
    const qreal ratio = image->devicePixelRatio();
    const int width = std::max(1, static_cast<int>(std::lround(PenSize() * ratio)));
    band_.Cover(deviceVertices_, width, {0, 0, image->width(), image->height()});
    const QRgb ink = qPremultiply(ToQColor(ForeColor()).rgba()) | 0xff000000u;
    uchar* bits = image->bits();
    const qsizetype stride = image->bytesPerLine();
    for (std::size_t i = 0; i < band_.ColumnCount(); ++i) {
        const tk::FunctionBand::Column column = band_.ColumnAt(i);
        for (std::size_t k = 0; k < column.coverage.size(); ++k) {
            // 256 equal steps of coverage, the last two both whole.
            const int coverage = std::min(255, static_cast<int>(column.coverage[k] * 256));
            if (coverage == 0)
                continue;
            uchar* place = bits + (column.top + qsizetype(k)) * stride + column.x * qsizetype(sizeof(QRgb));
            QRgb pixel = 0;
            std::memcpy(&pixel, place, sizeof pixel);
            pixel = coverage == 255 ? ink : Blended(pixel, ink, coverage);
            std::memcpy(place, &pixel, sizeof pixel);
        }
    }
    return true;
}

// The strands more than half a device pixel inside the edges cover whole pixels between the blended
// outer ones, so they are drawn sharp, which costs Qt a fraction of a blended one.
void QtGraphics::DrawCurveStrands(const std::vector<tk::PointF>& vertices, int width, qreal ratio) {
    QPen pen(ToQColor(ForeColor()), 0);
    pen.setCosmetic(true);
    painter_->setPen(pen);
    UseBrush(QColor());
    const auto count = static_cast<qsizetype>(vertices.size());
    smoothVertices_.resize(count);
    const qreal edge = (width - 1) / 2.0;
    for (int strand = 0; strand < 2 * width - 1; ++strand) {
        const qreal across = strand / 2.0 - edge;
        const qreal offset = across / ratio;
        for (qsizetype i = 0; i < count; ++i) {
            const tk::PointF& v = vertices[std::size_t(i)];
            smoothVertices_[i] = QPointF(v.x + 0.5, v.y + 0.5) + smoothNormals_[i] * offset;
        }
        painter_->setRenderHint(QPainter::Antialiasing, std::abs(across) > edge - 0.5);
        painter_->drawPolyline(smoothVertices_);
    }
}

// One side of the band along the curve, and back along the other; where a tight bend folds the inner
// side over itself, the winding rule fills the fold.
void QtGraphics::FillCurveBand(const std::vector<tk::PointF>& vertices, qreal width) {
    painter_->setPen(Qt::NoPen);
    UseBrush(ToQColor(ForeColor()));
    const auto count = static_cast<qsizetype>(vertices.size());
    smoothVertices_.resize(2 * count);
    for (qsizetype i = 0; i < count; ++i) {
        const tk::PointF& v = vertices[std::size_t(i)];
        const QPointF middle(v.x + 0.5, v.y + 0.5);
        smoothVertices_[i] = middle + smoothNormals_[i] * (width / 2);
        smoothVertices_[2 * count - 1 - i] = middle - smoothNormals_[i] * (width / 2);
    }
    painter_->drawPolygon(smoothVertices_, Qt::WindingFill);
}

void QtGraphics::DrawString(std::string_view text, int x, int baseline) {
    UsePen();
    if (!rasterDevice_) {
        UseFont();
        painter_->drawText(QPointF(x, baseline), fonts_.Shown(text).display);
        return;
    }
    const MappedFonts::Text& shown = SelectFont().Shown(text);
    for (const QGlyphRun& run : shown.glyphs)
        painter_->drawGlyphRun(QPointF(x, baseline - shown.ascent), run);
}

double QtGraphics::StringWidth(std::string_view text) {
    return SelectFont().Shown(text).width;
}

int QtGraphics::TextHeight() {
    return SelectFont().LineHeight();
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
