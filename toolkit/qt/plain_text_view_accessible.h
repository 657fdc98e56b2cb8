#pragma once

#include <QAccessibleWidget>

namespace tk::qt {

class PlainTextView;

// What a screen reader learns of a PlainTextView: read-only text of many lines, the whole of it,
// its selection and cursor, and where each character is; the view tells it of each line changed.
class PlainTextViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PlainTextViewAccessible(PlainTextView* view);

    // Makes Qt's accessibility ask this class about every PlainTextView; once is enough.
    static void Install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;

    void selection(int index, int* start, int* end) const override;
    int selectionCount() const override;
    void addSelection(int start, int end) override;
    void removeSelection(int index) override;
    void setSelection(int index, int start, int end) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int start, int end) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int start, int end) override;
    QString attributes(int offset, int* start, int* end) const override;

private:
    PlainTextView& view() const;
};

} // namespace tk::qt
