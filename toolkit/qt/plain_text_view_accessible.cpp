#include "toolkit/qt/plain_text_view_accessible.h"

#include "toolkit/qt/plain_text_view.h"

#include <algorithm>

namespace tk::qt {

namespace {

QAccessibleInterface* Factory(const QString& /*className*/, QObject* object) {
    auto* view = dynamic_cast<PlainTextView*>(object);
    return view ? new PlainTextViewAccessible(view) : nullptr;
}

} // namespace

PlainTextViewAccessible::PlainTextViewAccessible(PlainTextView* view)
    : QAccessibleWidget(view, QAccessible::EditableText) {}

void PlainTextViewAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

PlainTextView& PlainTextViewAccessible::view() const {
    return *static_cast<PlainTextView*>(widget());
}

void* PlainTextViewAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString PlainTextViewAccessible::text(QAccessible::Text kind) const {
    return kind == QAccessible::Value ? view().Text() : QAccessibleWidget::text(kind);
}

QAccessible::State PlainTextViewAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

// One selection at most: from the anchor to the cursor.
void PlainTextViewAccessible::selection(int index, int* start, int* end) const {
    const bool any = index == 0 && selectionCount() == 1;
    *start = any ? std::min(view().Anchor(), view().Cursor()) : 0;
    *end = any ? std::max(view().Anchor(), view().Cursor()) : 0;
}

int PlainTextViewAccessible::selectionCount() const {
    return view().Anchor() == view().Cursor() ? 0 : 1;
}

void PlainTextViewAccessible::addSelection(int start, int end) {
    view().Select(start, end);
}

void PlainTextViewAccessible::removeSelection(int /*index*/) {
    view().Select(view().Cursor(), view().Cursor());
}

void PlainTextViewAccessible::setSelection(int /*index*/, int start, int end) {
    view().Select(start, end);
}

int PlainTextViewAccessible::cursorPosition() const {
    return view().Cursor();
}

void PlainTextViewAccessible::setCursorPosition(int position) {
    view().Select(position, position);
}

QString PlainTextViewAccessible::text(int start, int end) const {
    return view().Text().mid(start, end - start);
}

int PlainTextViewAccessible::characterCount() const {
    return view().Length();
}

QRect PlainTextViewAccessible::characterRect(int offset) const {
    const QRect rect = view().CharacterRect(offset);
    return rect.translated(view().viewport()->mapToGlobal(QPoint(0, 0)));
}

int PlainTextViewAccessible::offsetAtPoint(const QPoint& point) const {
    return view().OffsetAt(view().viewport()->mapFromGlobal(point));
}

void PlainTextViewAccessible::scrollToSubstring(int start, int /*end*/) {
    view().ScrollTo(start);
}

// The text has one style throughout.
QString PlainTextViewAccessible::attributes(int /*offset*/, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return {};
}

} // namespace tk::qt
