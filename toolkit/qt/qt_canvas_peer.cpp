#include "toolkit/qt/qt_canvas_peer.h"

#include "toolkit/qt/event_guard.h"
#include "toolkit/qt/qt_graphics.h"

#include <QPainter>
#include <QPointer>
#include <QScreen>

#include <cmath>

namespace tk::qt {

namespace {

// Draws on the canvas's screen buffer; when it goes, the control is repainted at once.
class ImmediateGraphics : public QtGraphics {
public:
    explicit ImmediateGraphics(CanvasWidget* widget) : QtGraphics(&widget->Screen()), widget_(widget) {}
    ~ImmediateGraphics() override {
        Painter().end();
        if (widget_)
            widget_->repaint();
    }

private:
    QPointer<CanvasWidget> widget_;
};

} // namespace

CanvasWidget::CanvasWidget(tk::Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& CanvasWidget::Screen() {
    const qreal ratio = devicePixelRatioF();
    const QSize device(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    if (screen_.size() != device || screen_.devicePixelRatio() != ratio) {
        screen_ = QImage(device, QImage::Format_RGB32);
        screen_.setDevicePixelRatio(ratio);
        screen_.fill(Qt::white);
    }
    return screen_;
}

void CanvasWidget::Erase() {
    Screen().fill(Qt::white);
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, Screen());
    QtGraphics graphics(&painter);
    Guarded([&] { canvas_.Event_Paint(graphics); });
}

QtCanvasPeer::QtCanvasPeer(tk::Canvas& canvas, QWidget* parent)
    : QtWidgetPeer(canvas, new CanvasWidget(canvas, parent)) {}

void QtCanvasPeer::SyncContent() {
    const auto& canvas = static_cast<const tk::Canvas&>(control());
    widget()->setFocusPolicy(canvas.AcceptFocus ? Qt::StrongFocus : Qt::NoFocus);
}

void QtCanvasPeer::Refresh(bool eraseBackground) {
    if (!widget())
        return;
    if (eraseBackground)
        canvasWidget()->Erase();
    widget()->update();
}

std::unique_ptr<tk::Graphics> QtCanvasPeer::ScreenGraphics() {
    if (!widget())
        return nullptr;
    return std::make_unique<ImmediateGraphics>(canvasWidget());
}

} // namespace tk::qt
