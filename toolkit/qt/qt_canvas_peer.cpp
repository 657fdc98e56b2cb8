#include "toolkit/qt/qt_canvas_peer.h"

#include "toolkit/qt/event_guard.h"
#include "toolkit/qt/qt_graphics.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>

#include <cmath>

namespace tk::qt {

namespace {

// Draws on a canvas's content buffer; when it goes, the content is shown at the next repaint.
class ContentGraphics : public QtGraphics {
public:
    explicit ContentGraphics(CanvasWidget* widget) : QtGraphics(&widget->Content()), widget_(widget) {}
    ~ContentGraphics() override {
        Painter().end();
        if (widget_)
            widget_->ContentDrawn();
    }
    ContentGraphics(const ContentGraphics&) = delete;
    ContentGraphics& operator=(const ContentGraphics&) = delete;

private:
    QPointer<CanvasWidget> widget_;
};

} // namespace

CanvasWidget::CanvasWidget(tk::Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    // Every paint covers the whole widget, so Qt need not fill it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves with no button held reach the canvas too, for what it shows under the pointer.
    setMouseTracking(true);
}

bool CanvasWidget::BufferFits() const {
    const qreal ratio = devicePixelRatioF();
    const QSize device(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    return buffer_.size() == device && buffer_.devicePixelRatio() == ratio;
}

// A buffer that does not hold the content yet is given it first, so that drawing at once adds to
// what the control shows.
QImage& CanvasWidget::Content() {
    if (!BufferFits()) {
        const qreal ratio = devicePixelRatioF();
        buffer_ =
            QImage(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)), QImage::Format_RGB32);
        buffer_.setDevicePixelRatio(ratio);
        bufferIsContent_ = false;
    }
    if (!bufferIsContent_) {
        QPainter painter(&buffer_);
        PaintCanvas(painter, true);
    }
    return buffer_;
}

void CanvasWidget::ContentDrawn() {
    bufferIsContent_ = true;
    update();
}

void CanvasWidget::Invalidate(bool eraseBackground) {
    bufferIsContent_ = false;
    eraseRequested_ = eraseRequested_ || eraseBackground;
    update();
}

// Qt paints the region of the places, and keeps the rest of the screen as it was.
void CanvasWidget::InvalidatePlaces(std::span<const tk::Rect> places) {
    bufferIsContent_ = false;
    QRegion region;
    for (const tk::Rect& r : places)
        region += QRect(r.x, r.y, r.width, r.height);
    update(region);
}

void CanvasWidget::PaintCanvas(QPainter& painter, bool erase) {
    if (erase || eraseRequested_ || canvas_.EraseBackground())
        painter.fillRect(QRect(0, 0, width(), height()), Qt::white);
    eraseRequested_ = false;
    QtGraphics graphics(&painter);
    Guarded([&] { canvas_.Event_Paint(graphics); });
}

void CanvasWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (bufferIsContent_ && BufferFits())
        painter.drawImage(0, 0, buffer_);
    else
        PaintCanvas(painter, false);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    Guarded([&] { canvas_.Event_MouseDown(at.x(), at.y()); });
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->buttons() & Qt::LeftButton)
        Guarded([&] { canvas_.Event_MouseDrag(at.x(), at.y()); });
    else
        Guarded([&] { canvas_.Event_MouseMove(at.x(), at.y()); });
}

void CanvasWidget::leaveEvent(QEvent* event) {
    Guarded([&] { canvas_.Event_MouseExit(); });
    QWidget::leaveEvent(event);
}

QtCanvasPeer::QtCanvasPeer(tk::Canvas& canvas, QWidget* parent)
    : QtWidgetPeer(canvas, new CanvasWidget(canvas, parent)) {}

// A canvas has no key events of its own in this toolkit, so accepting the tab key changes nothing.
void QtCanvasPeer::ApplyContent(tk::Aspect aspect) {
    if (aspect != tk::Aspect::Options)
        return;
    const auto& canvas = static_cast<const tk::Canvas&>(control());
    widget()->setFocusPolicy(canvas.AcceptFocus() ? Qt::StrongFocus : Qt::NoFocus);
}

void QtCanvasPeer::Refresh(bool eraseBackground) {
    if (widget())
        canvasWidget()->Invalidate(eraseBackground);
}

void QtCanvasPeer::RefreshPlaces(std::span<const tk::Rect> places) {
    if (widget())
        canvasWidget()->InvalidatePlaces(places);
}

std::unique_ptr<tk::Graphics> QtCanvasPeer::ScreenGraphics() {
    if (!widget() || widget()->size().isEmpty())
        return nullptr;
    return std::make_unique<ContentGraphics>(canvasWidget());
}

} // namespace tk::qt
