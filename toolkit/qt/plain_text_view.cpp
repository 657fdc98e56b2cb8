#include "toolkit/qt/plain_text_view.h"

#include "toolkit/qt/plain_text_view_accessible.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tk::qt {

namespace {

// The text stands this far from the edges, as in Qt's text widgets.
constexpr qreal kMargin = 4;

std::size_t LineCount(std::string_view text) {
    return std::size_t(std::count(text.begin(), text.end(), '\n')) + 1;
}

// The line at the start of `rest`, which then starts at the next line.
std::string_view TakeLine(std::string_view& rest) {
    const std::string_view line = rest.substr(0, rest.find('\n'));
    rest.remove_prefix(std::min(rest.size(), line.size() + 1));
    return line;
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Where, from the start of a line, its glyphs first differ from those it had: 0 unless they are the
// same glyphs at the same places but for some indexes, as the texts of one form with other digits.
qreal FirstChange(const QList<QGlyphRun>& was, const QList<QGlyphRun>& now) {
    if (was.size() != now.size())
        return 0;
    std::optional<qreal> first;
    for (qsizetype r = 0; r < now.size(); ++r) {
        const QList<quint32> before = was[r].glyphIndexes();
        const QList<quint32> after = now[r].glyphIndexes();
        const QList<QPointF> places = now[r].positions();
        if (was[r].rawFont() != now[r].rawFont() || was[r].positions() != places ||
            before.size() != after.size())
            return 0;
        for (qsizetype g = 0; g < after.size(); ++g)
            if (before[g] != after[g])
                first = std::min(first.value_or(places[g].x()), places[g].x());
    }
    return first.value_or(0);
}

} // namespace

PlainTextView::PlainTextView(QWidget* parent) : QAbstractScrollArea(parent) {
    PlainTextViewAccessible::Install();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(false); // the buffer covers it
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    lines_.emplace_back();
    Reflow();
}

// ---- The text ----

void PlainTextView::SetText(std::string_view utf8) {
    if (utf8 == shown_)
        return;
    if (!ReplaceLines(utf8)) {
        const QString was = QAccessible::isActive() ? Text() : QString();
        lines_.clear();
        for (std::string_view rest = utf8; lines_.size() < LineCount(utf8);)
            lines_.push_back(FromUtf8(TakeLine(rest)));
        runs_.clear();
        shown_.assign(utf8);
        anchor_ = Clamped(anchor_);
        cursor_ = Clamped(cursor_);
        Reflow();
        if (QAccessible::isActive()) {
            QAccessibleTextUpdateEvent event(this, 0, was, Text());
            QAccessible::updateAccessibility(&event);
        }
        return;
    }
    shown_.assign(utf8);
    UpdateScrollBars();
}

// Where the text keeps its number of lines, each line that differs is replaced and drawn again;
// false, and nothing replaced, where the number differs.
bool PlainTextView::ReplaceLines(std::string_view utf8) {
    if (LineCount(utf8) != lines_.size())
        return false;
    std::string_view rest = utf8;
    std::string_view before = shown_;
    toDraw_.clear();
    for (int line = 0; line < int(lines_.size()); ++line) {
        const std::string_view now = TakeLine(rest);
        if (now == TakeLine(before))
            continue;
        const QString was = std::exchange(lines_[line], FromUtf8(now));
        const QList<QGlyphRun> glyphs = runs_[line];
        Lay(line);
        for (Place* place : {&anchor_, &cursor_})
            if (place->line == line)
                *place = Clamped(*place);
        toDraw_.emplace_back(line, FirstChange(glyphs, runs_[line]));
        EmitTextChange(line, was);
    }
    DrawLines();
    return true;
}

void PlainTextView::EmitTextChange(int line, const QString& was) {
    if (!QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent event(this, OffsetOf({line, 0}), was, lines_[line]);
    QAccessible::updateAccessibility(&event);
}

QString PlainTextView::Text() const {
    QString text;
    for (const QString& line : lines_)
        (text += line) += u'\n';
    text.chop(1);
    return text;
}

int PlainTextView::Length() const {
    return OffsetOf({int(lines_.size()) - 1, int(lines_.back().size())});
}

// ---- Positions ----

int PlainTextView::OffsetOf(const Place& place) const {
    int offset = place.column;
    for (int line = 0; line < place.line; ++line)
        offset += int(lines_[line].size()) + 1;
    return offset;
}

PlainTextView::Place PlainTextView::PlaceOf(int offset) const {
    offset = std::max(offset, 0);
    for (int line = 0; line < int(lines_.size()); ++line) {
        if (offset <= lines_[line].size())
            return {line, offset};
        offset -= int(lines_[line].size()) + 1;
    }
    return Clamped({int(lines_.size()) - 1, offset});
}

PlainTextView::Place PlainTextView::Clamped(Place place) const {
    place.line = std::clamp(place.line, 0, int(lines_.size()) - 1);
    place.column = std::clamp(place.column, 0, int(lines_[place.line].size()));
    return place;
}

// The left edge of the character at `place`, in the viewport.
qreal PlainTextView::X(const Place& place) const {
    const qreal advance =
        place.column == 0 ? 0 : QFontMetricsF(font()).horizontalAdvance(lines_[place.line], place.column);
    return kMargin + advance - horizontalScrollBar()->value();
}

QRectF PlainTextView::Band(int line) const {
    return {0, kMargin + line * lineHeight_ - verticalScrollBar()->value(), qreal(viewport()->width()),
            lineHeight_};
}

// The place between characters nearest the point; never inside a character beyond 16 bits.
PlainTextView::Place PlainTextView::PlaceAt(QPoint point) const {
    const int line =
        std::clamp(int(std::floor((point.y() + verticalScrollBar()->value() - kMargin) / lineHeight_)), 0,
                   int(lines_.size()) - 1);
    const QString& text = lines_[line];
    Place nearest{line, 0};
    qreal distance = std::abs(X(nearest) - point.x());
    for (int column = 1; column <= text.size(); ++column) {
        if (column < text.size() && text[column].isLowSurrogate())
            continue;
        const qreal d = std::abs(X({line, column}) - point.x());
        if (d < distance)
            std::tie(nearest.column, distance) = std::pair(column, d);
    }
    return nearest;
}

int PlainTextView::OffsetAt(QPoint point) const {
    return OffsetOf(PlaceAt(point));
}

QRect PlainTextView::CharacterRect(int offset) const {
    const Place place = PlaceOf(offset);
    const qreal left = X(place);
    const qreal right = place.column < lines_[place.line].size() ? X({place.line, place.column + 1}) : left;
    const QRectF band = Band(place.line);
    return QRectF(left, band.top(), right - left, band.height()).toAlignedRect();
}

// ---- The selection ----

void PlainTextView::Select(int anchor, int cursor) {
    anchor_ = PlaceOf(anchor);
    MoveCursor(PlaceOf(cursor), true);
}

void PlainTextView::SelectAll() {
    Select(0, Length());
}

QString PlainTextView::SelectedText() const {
    const int from = std::min(Anchor(), Cursor());
    return Text().mid(from, std::max(Anchor(), Cursor()) - from);
}

void PlainTextView::Copy() const {
    QApplication::clipboard()->setText(Anchor() == Cursor() ? Text() : SelectedText());
}

// The lines between the old selection and the new are drawn again, and the cursor kept in view.
void PlainTextView::MoveCursor(Place to, bool extend) {
    const Place was[] = {anchor_, cursor_};
    cursor_ = Clamped(to);
    if (!extend)
        anchor_ = cursor_;
    const auto [first, last] = std::minmax({was[0].line, was[1].line, anchor_.line, cursor_.line});
    DrawWholeLines(first, last);
    ShowLine(cursor_.line);
    if (QAccessible::isActive()) {
        QAccessibleTextSelectionEvent selection(this, std::min(Anchor(), Cursor()),
                                                std::max(Anchor(), Cursor()));
        selection.setCursorPosition(Cursor());
        QAccessible::updateAccessibility(&selection);
    }
}

void PlainTextView::ScrollTo(int offset) {
    ShowLine(PlaceOf(offset).line);
}

void PlainTextView::ShowLine(int line) {
    QScrollBar* bar = verticalScrollBar();
    const QRectF band = Band(line);
    if (band.top() < 0)
        bar->setValue(bar->value() + int(std::floor(band.top())));
    else if (band.bottom() > viewport()->height())
        bar->setValue(bar->value() + int(std::ceil(band.bottom())) - viewport()->height());
}

// ---- Drawing ----

// The layout for the font and the screen's density: the height of a line and the glyphs of each,
// and the scroll bars' ranges.
void PlainTextView::Reflow() {
    // Whole pixels a line, as Qt's text widgets lay lines out.
    lineHeight_ = std::ceil(QFontMetricsF(font()).lineSpacing());
    runs_.resize(lines_.size());
    widths_.resize(lines_.size());
    for (int line = 0; line < int(lines_.size()); ++line)
        Lay(line);
    UpdateScrollBars();
    DrawAll();
}

// The glyphs of a line, from its form where only its digits change (see DigitForms), else laid out
// on their own; drawn as they are until the line changes.
void PlainTextView::Lay(int line) {
    const DigitForms::Form& form = forms_.Glyphs(lines_[line], font(), this, runs_[line]);
    if (form.interchangeable)
        widths_[line] = form.width;
    else if (!DigitForms::LaidOut(lines_[line], font(), this, runs_[line], widths_[line]))
        runs_[line].clear(); // a line separator of its own: no line of the view
}

void PlainTextView::UpdateScrollBars() {
    const qreal widest = *std::max_element(widths_.begin(), widths_.end());
    const QSize content(int(std::ceil(2 * kMargin + widest)),
                        int(std::ceil(2 * kMargin + lineHeight_ * qreal(lines_.size()))));
    const QSize shown = viewport()->size();
    for (const auto& [bar, extent, page] :
         {std::tuple(verticalScrollBar(), content.height(), shown.height()),
          std::tuple(horizontalScrollBar(), content.width(), shown.width())}) {
        bar->setRange(0, std::max(0, extent - page));
        bar->setPageStep(page);
        bar->setSingleStep(int(std::ceil(lineHeight_)));
    }
}

void PlainTextView::DrawAll() {
    const qreal ratio = devicePixelRatioF();
    const QSize size = viewport()->size() * ratio;
    if (buffer_.size() != size || buffer_.devicePixelRatioF() != ratio) {
        buffer_ = QImage(size.expandedTo({1, 1}), QImage::Format_ARGB32_Premultiplied);
        buffer_.setDevicePixelRatio(ratio);
    }
    buffer_.fill(palette().color(QPalette::Base));
    const int first = std::max(0, int((verticalScrollBar()->value() - kMargin) / lineHeight_));
    const int last = int((verticalScrollBar()->value() + viewport()->height()) / lineHeight_);
    DrawWholeLines(first, std::min(last, int(lines_.size()) - 1));
    viewport()->update();
}

void PlainTextView::DrawWholeLines(int first, int last) {
    toDraw_.clear();
    for (int line = first; line <= last; ++line)
        toDraw_.emplace_back(line, 0);
    DrawLines();
}

// Each line from where it changed (a pixel before, for a glyph reaching past its place), with one
// painter: beginning to paint costs as much as drawing a line.
void PlainTextView::DrawLines() {
    QPainter painter(&buffer_);
    for (const auto& [line, from] : toDraw_) {
        QRectF band = Band(line);
        if (band.bottom() < 0 || band.top() > viewport()->height())
            continue;
        if (from > 0)
            band.setLeft(std::max(0.0, X({line, 0}) + from - 1));
        painter.save();
        painter.setClipRect(band);
        painter.fillRect(band, palette().color(QPalette::Base));
        DrawLine(painter, line, band);
        painter.restore();
        viewport()->update(band.toAlignedRect());
    }
}

// The text, then the part of it selected in the selection's colours, and the cursor while the view
// has the focus. A selection that goes on to the next line takes half a space past the end,
// as in Qt's text widgets.
void PlainTextView::DrawLine(QPainter& painter, int line, const QRectF& band) const {
    const QPalette& colours = palette();
    const QFontMetricsF metrics(font());
    const QPointF topLeft(X({line, 0}), band.top());
    painter.setPen(colours.color(QPalette::Text));
    for (const QGlyphRun& run : runs_[line])
        painter.drawGlyphRun(topLeft, run);
    const auto [from, to] = std::minmax(anchor_, cursor_);
    if (from != to && from.line <= line && line <= to.line) {
        const qreal left = from.line == line ? X(from) : X({line, 0});
        const qreal right = to.line == line
                                ? X(to)
                                : X({line, int(lines_[line].size())}) + metrics.horizontalAdvance(u' ') / 2;
        const QRectF selected(left, band.top(), right - left, band.height());
        painter.fillRect(selected, colours.color(QPalette::Highlight));
        painter.save();
        painter.setClipRect(selected, Qt::IntersectClip);
        painter.setPen(colours.color(QPalette::HighlightedText));
        for (const QGlyphRun& run : runs_[line])
            painter.drawGlyphRun(topLeft, run);
        painter.restore();
    }
    if (hasFocus() && cursor_.line == line)
        painter.fillRect(QRectF(X(cursor_), band.top(), 1, band.height()), colours.color(QPalette::Text));
}

void PlainTextView::paintEvent(QPaintEvent* event) {
    if (buffer_.devicePixelRatioF() != devicePixelRatioF()) // moved to another screen
        Reflow();
    QPainter painter(viewport());
    const qreal ratio = buffer_.devicePixelRatioF();
    for (const QRect& rect : event->region())
        painter.drawImage(rect, buffer_,
                          QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio));
    if (!hasFocus())
        return;
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = viewport()->rect();
    frame.backgroundColor = palette().color(QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

void PlainTextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    DrawAll();
}

void PlainTextView::scrollContentsBy(int /*dx*/, int /*dy*/) {
    DrawAll();
}

void PlainTextView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Reflow();
    else if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange ||
             event->type() == QEvent::ActivationChange)
        DrawAll();
}

void PlainTextView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    DrawAll();
}

void PlainTextView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    DrawAll();
}

// Where the view is the only stop of the Tab key in its window, Tab leaves the focus where it is, and
// Qt marks no change of the focus by the keyboard: the key asks for the focus frame all the same.
bool PlainTextView::focusNextPrevChild(bool next) {
    const bool moved = QAbstractScrollArea::focusNextPrevChild(next);
    if (hasFocus()) {
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
        viewport()->update();
    }
    return moved;
}

// ---- The user's selecting ----

void PlainTextView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    MoveCursor(PlaceAt(event->position().toPoint()), event->modifiers().testFlag(Qt::ShiftModifier));
}

void PlainTextView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        MoveCursor(PlaceAt(event->position().toPoint()), true);
}

void PlainTextView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll))
        SelectAll();
    else if (event->matches(QKeySequence::Copy))
        Copy();
    else if (!MoveByKey(*event))
        QAbstractScrollArea::keyPressEvent(event);
}

// The keys that move the cursor, and with Shift extend the selection.
bool PlainTextView::MoveByKey(const QKeyEvent& event) {
    using Key = QKeySequence::StandardKey;
    const int page = std::max(1, int(viewport()->height() / lineHeight_));
    const int last = int(lines_.size()) - 1;
    const Place at = cursor_;
    const auto characterAfter = [this](Place p, int step) {
        const QString& text = lines_[p.line];
        int offset = OffsetOf(p) + step;
        const Place next = PlaceOf(offset);
        if (next.column > 0 && next.column < text.size() && next.line == p.line &&
            text[next.column].isLowSurrogate())
            offset += step;
        return PlaceOf(offset);
    };
    const struct {
        Key move = Key::UnknownKey;
        Key select = Key::UnknownKey;
        Place to;
    } moves[] = {
        {Key::MoveToNextChar, Key::SelectNextChar, characterAfter(at, 1)},
        {Key::MoveToPreviousChar, Key::SelectPreviousChar, characterAfter(at, -1)},
        {Key::MoveToNextLine, Key::SelectNextLine, {at.line + 1, at.column}},
        {Key::MoveToPreviousLine, Key::SelectPreviousLine, {at.line - 1, at.column}},
        {Key::MoveToNextPage, Key::SelectNextPage, {at.line + page, at.column}},
        {Key::MoveToPreviousPage, Key::SelectPreviousPage, {at.line - page, at.column}},
        {Key::MoveToStartOfLine, Key::SelectStartOfLine, {at.line, 0}},
        {Key::MoveToEndOfLine, Key::SelectEndOfLine, {at.line, int(lines_[at.line].size())}},
        {Key::MoveToStartOfDocument, Key::SelectStartOfDocument, {0, 0}},
        {Key::MoveToEndOfDocument, Key::SelectEndOfDocument, {last, int(lines_[last].size())}},
    };
    const auto* found = std::find_if(std::begin(moves), std::end(moves), [&event](const auto& m) {
        return event.matches(m.move) || event.matches(m.select);
    });
    if (found == std::end(moves))
        return false;
    MoveCursor(found->to, event.matches(found->select));
    return true;
}

} // namespace tk::qt
