#include "toolkit/qt/focus_frame_style.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace tk::qt {

namespace {

// Two pixels inside the rectangle, crisp, not smoothed: at two device pixels a pixel, four, as every
// line of the program doubles there.
void DrawFrame(QPainter& painter, const QRect& rect, const QPalette& palette) {
    constexpr qreal kWidth = 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(
        QPen(palette.color(QPalette::WindowText), kWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(kWidth / 2, kWidth / 2, -kWidth / 2, -kWidth / 2));
    painter.restore();
}

// The focus as the keyboard moved it, as the styles show it only then.
bool KeyboardFocus(const QStyleOption& option) {
    return (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
}

} // namespace

void FocusFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const {
    if (element != PE_FrameFocusRect) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (option->state & State_KeyboardFocusChange)
        DrawFrame(*painter, option->rect, option->palette);
}

// A button is drawn without the style's own focus mark, then framed just inside its edge.
void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButton || !button || !KeyboardFocus(*option)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionButton plain(*button);
    plain.state &= ~State_HasFocus;
    QProxyStyle::drawControl(element, &plain, painter, widget);
    constexpr int kInset = 1;
    DrawFrame(*painter, option->rect.adjusted(kInset, kInset, -kInset, -kInset), option->palette);
}

} // namespace tk::qt
