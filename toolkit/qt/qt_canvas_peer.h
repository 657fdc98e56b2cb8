#pragma once

#include "toolkit/canvas.h"
#include "toolkit/qt/qt_widget_peer.h"

#include <QImage>
#include <QWidget>

#include <span>

namespace tk::qt {

// The widget of a canvas. Its content is either what Event_Paint paints, asked for by Refresh, or
// what was drawn at once on the content buffer; each paint copies one of them to the screen, once.
class CanvasWidget : public QWidget {
public:
    CanvasWidget(tk::Canvas& canvas, QWidget* parent);

    // The buffer that drawing at once goes to, holding the current content.
    QImage& Content();
    // What is drawn on the buffer is the content from now on; the screen shows it at the next paint.
    void ContentDrawn();
    // The content is Event_Paint's from now on.
    void Invalidate(bool eraseBackground);
    // Likewise, where it changed in these places alone.
    void InvalidatePlaces(std::span<const tk::Rect> places);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void PaintCanvas(QPainter& painter, bool erase);
    bool BufferFits() const;

    tk::Canvas& canvas_;
    QImage buffer_;
    bool bufferIsContent_ = false;
    bool eraseRequested_ = false;
};

class QtCanvasPeer : public QtWidgetPeer {
public:
    QtCanvasPeer(tk::Canvas& canvas, QWidget* parent);
    void Refresh(bool eraseBackground) override;
    void RefreshPlaces(std::span<const tk::Rect> places) override;
    std::unique_ptr<tk::Graphics> ScreenGraphics() override;

protected:
    void ApplyContent(tk::Aspect aspect) override;

private:
    CanvasWidget* canvasWidget() const { return static_cast<CanvasWidget*>(widget()); }
};

} // namespace tk::qt
