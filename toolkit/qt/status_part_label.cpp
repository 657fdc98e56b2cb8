#include "toolkit/qt/status_part_label.h"

#include <QPainter>

namespace tk::qt {

StatusPartLabel::StatusPartLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void StatusPartLabel::Show(const QString& text) {
    setText(text);
    form_ = &forms_.Glyphs(text, font(), this, shown_);
}

QSize StatusPartLabel::Wanted() const {
    if (!Known())
        return sizeHint();
    const QMargins margins = contentsMargins();
    return form_->size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

// Whether the text shown has a form of interchangeable digits, laid out in the font the label has now.
bool StatusPartLabel::Known() const {
    return form_ && form_->interchangeable && forms_.LaidOutFor(font(), logicalDpiY());
}

// Whether the label draws as a plain QLabel, which Fusion and the common style draw with
// QPainter::drawText: enabled, unframed, its text on the left and centred from top to bottom, within
// its contents.
bool StatusPartLabel::Drawable() const {
    return Known() && isEnabled() && frameShape() == QFrame::NoFrame && margin() == 0 && indent() <= 0 &&
           alignment() == (Qt::AlignLeft | Qt::AlignVCenter) && layoutDirection() == Qt::LeftToRight &&
           form_->size.width() <= contentsRect().width() && form_->size.height() <= contentsRect().height();
}

// As QStyle::drawItemText and QPainter::drawText draw a QLabel's text: in the colour of its
// foreground, the line centred in the contents, from their left.
void StatusPartLabel::paintEvent(QPaintEvent* event) {
    if (!Drawable()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(QPen(palette().brush(foregroundRole()), painter.pen().widthF()));
    const QRectF box = contentsRect();
    const QPointF origin(box.x(), box.y() + (box.height() - form_->height) / 2);
    for (const QGlyphRun& run : shown_)
        painter.drawGlyphRun(origin, run);
}

} // namespace tk::qt
