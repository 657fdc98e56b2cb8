#include "toolkit/qt/form_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <QtMath>

#include <algorithm>

namespace tk::qt {

FormLabel::FormLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

// Each line has a form of its own, so that a line whose digits alone changed keeps it whatever the
// other lines show. A single line, as a status bar's part or a clock shows, reuses its glyph runs: a
// new text of its form allocates nothing.
void FormLabel::Show(const QString& text) {
    if (text == this->text() && Known())
        return;
    setText(text);
    interchangeable_ = true;
    if (text.contains(u'\n')) {
        const QStringList lines = text.split(u'\n');
        lines_.resize(static_cast<std::size_t>(lines.size()));
        for (std::size_t i = 0; i < lines_.size(); ++i)
            Take(lines_[i], lines[static_cast<qsizetype>(i)]);
    } else {
        lines_.resize(1);
        Take(lines_[0], text);
    }
    PlaceLines();
}

void FormLabel::Take(Line& shown, const QString& line) {
    const DigitForms::Form& form = forms_.Glyphs(line, font(), this, shown.runs);
    interchangeable_ = interchangeable_ && form.interchangeable;
    shown.size = form.size;
    shown.width = form.width;
    shown.height = form.height;
}

// The lines the font's leading apart, each starting on a whole pixel, as QPainter::drawText sets them.
void FormLabel::PlaceLines() {
    const qreal leading = QFontMetricsF(font(), this).leading();
    qreal height = -leading;
    for (Line& line : lines_) {
        height = qCeil(height + leading);
        line.top = height;
        height += line.height;
    }
    textHeight_ = height;
}

QSize FormLabel::Wanted() const {
    if (!Known() || lines_.size() != 1)
        return sizeHint();
    const QMargins margins = contentsMargins();
    return lines_[0].size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

// Whether every line of the text shown has a form of interchangeable digits, laid out in the font the
// label has now.
bool FormLabel::Known() const {
    return interchangeable_ && forms_.LaidOutFor(font(), logicalDpiY());
}

// Whether the label draws as a plain QLabel, which Fusion and the common style draw with
// QPainter::drawText: enabled, unframed, unwrapped, without a mnemonic, its lines centred from top
// to bottom within its contents, and each within their width.
bool FormLabel::Drawable() const {
    const Qt::Alignment across = alignment() & Qt::AlignHorizontal_Mask;
    const bool fits = std::all_of(lines_.begin(), lines_.end(), [this](const Line& line) {
        return line.size.width() <= contentsRect().width();
    });
    return Known() && isEnabled() && frameShape() == QFrame::NoFrame && margin() == 0 && indent() <= 0 &&
           !wordWrap() && !buddy() && (alignment() & Qt::AlignVertical_Mask) == Qt::AlignVCenter &&
           (across == Qt::AlignLeft || across == Qt::AlignHCenter || across == Qt::AlignRight) &&
           layoutDirection() == Qt::LeftToRight && fits;
}

qreal FormLabel::LeftOf(const Line& line) const {
    const qreal room = contentsRect().width() - line.width;
    switch (alignment() & Qt::AlignHorizontal_Mask) {
    case Qt::AlignHCenter:
        return room / 2;
    case Qt::AlignRight:
        return room;
    default:
        return 0;
    }
}

// As QStyle::drawItemText and QPainter::drawText draw a QLabel's text: in the colour of its
// foreground, the lines the font's leading apart, each starting on a whole pixel, the whole centred
// in the contents from top to bottom, each line aligned in their width.
void FormLabel::paintEvent(QPaintEvent* event) {
    if (!Drawable() || textHeight_ > contentsRect().height()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(QPen(palette().brush(foregroundRole()), painter.pen().widthF()));
    const QRectF box = contentsRect();
    const qreal top = box.y() + (box.height() - textHeight_) / 2;
    for (const Line& line : lines_)
        for (const QGlyphRun& run : line.runs)
            painter.drawGlyphRun(QPointF(box.x() + LeftOf(line), top + line.top), run);
}

} // namespace tk::qt
