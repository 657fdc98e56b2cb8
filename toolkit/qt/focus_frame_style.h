#pragma once

#include <QProxyStyle>

namespace tk::qt {

// The platform's style with a focus frame that a class sees on a projector: a solid line two
// device pixels wide in the text's colour, where the style drew a faint one of one pixel, round the
// button or the choice that the keyboard moved to.
class FocusFrameStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

} // namespace tk::qt
