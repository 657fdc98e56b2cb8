#pragma once

#include "toolkit/canvas.h"
#include "toolkit/qt/qt_widget_peer.h"

#include <QImage>
#include <QWidget>

namespace tk::qt {

// The widget of a canvas. What the logic draws on the control at once goes to a screen buffer of
// the control's size, which each paint shows before the canvas paints itself.
class CanvasWidget : public QWidget {
public:
    CanvasWidget(tk::Canvas& canvas, QWidget* parent);
    QImage& Screen();
    void Erase();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    tk::Canvas& canvas_;
    QImage screen_;
};

class QtCanvasPeer : public QtWidgetPeer {
public:
    QtCanvasPeer(tk::Canvas& canvas, QWidget* parent);
    void Refresh(bool eraseBackground) override;
    std::unique_ptr<tk::Graphics> ScreenGraphics() override;

protected:
    void SyncContent() override;

private:
    CanvasWidget* canvasWidget() const { return static_cast<CanvasWidget*>(widget()); }
};

} // namespace tk::qt
