#pragma once

#include "toolkit/qt/digit_forms.h"

#include <QAbstractScrollArea>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QString>

#include <compare>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tk::qt {

// Lines of read-only text that the program may rewrite at every frame: drawn into a buffer, in
// glyphs laid out once for each form of a line (see DigitForms), where only the lines that changed
// are drawn again, from where they changed, and copied to the screen. The user selects with the
// mouse and the keyboard (the arrows, Home, End, Page Up and Down, with Shift to extend), and it
// scrolls where it is too small for the text. Positions are offsets into the whole text, in UTF-16
// units, the lines joined by '\n', as Qt's accessibility counts them.
class PlainTextView : public QAbstractScrollArea {
public:
    explicit PlainTextView(QWidget* parent);

    // Shows `text` in place of the text shown. The selection and the scrolled place stay as far as
    // the new text reaches.
    void SetText(std::string_view utf8);
    QString Text() const;
    int Length() const;

    // The selection runs from the anchor to the cursor; it is empty where the two meet.
    int Anchor() const { return OffsetOf(anchor_); }
    int Cursor() const { return OffsetOf(cursor_); }
    void Select(int anchor, int cursor);
    void SelectAll();
    QString SelectedText() const;
    // Copies the selection, or the whole text where nothing is selected.
    void Copy() const;

    // The rectangle of the character at `offset` in the viewport, and the offset nearest a point
    // in it.
    QRect CharacterRect(int offset) const;
    int OffsetAt(QPoint point) const;
    // Scrolls the line of `offset` into view.
    void ScrollTo(int offset);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;

private:
    struct Place {
        int line = 0;
        int column = 0; // UTF-16 units into the line
        friend bool operator==(const Place&, const Place&) = default;
        // Written out: clang-tidy 14 takes the 0 that a defaulted <=> compares with for a null pointer.
        friend std::strong_ordering operator<=>(const Place& a, const Place& b) {
            const std::strong_ordering byLine = a.line <=> b.line;
            return std::is_neq(byLine) ? byLine : a.column <=> b.column;
        }
    };

    bool ReplaceLines(std::string_view utf8);
    void Reflow();
    void Lay(int line);
    void UpdateScrollBars();
    void DrawAll();
    void DrawWholeLines(int first, int last);
    void DrawLines();
    void DrawLine(QPainter& painter, int line, const QRectF& band) const;
    QRectF Band(int line) const;
    qreal X(const Place& place) const;
    Place PlaceAt(QPoint point) const;
    Place PlaceOf(int offset) const;
    int OffsetOf(const Place& place) const;
    Place Clamped(Place place) const;
    void MoveCursor(Place to, bool extend);
    void ShowLine(int line);
    bool MoveByKey(const QKeyEvent& event);
    void EmitTextChange(int line, const QString& was);

    std::string shown_; // the text as it was given, to find the lines that changed
    std::vector<QString> lines_;
    std::vector<QList<QGlyphRun>> runs_;
    std::vector<qreal> widths_;
    // The lines to draw again, and where each changed from its start; kept for its storage.
    std::vector<std::pair<int, qreal>> toDraw_;
    DigitForms forms_;
    Place anchor_;
    Place cursor_;
    QImage buffer_; // the viewport's picture, one device pixel a pixel
    qreal lineHeight_ = 0;
};

} // namespace tk::qt
