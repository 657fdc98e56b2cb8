#pragma once

#include "toolkit/qt/digit_forms.h"

#include <QGlyphRun>
#include <QLabel>
#include <QList>

namespace tk::qt {

// A permanent part of a status bar, whose text changes every frame (a clock, a count) in its
// digits only: it draws the glyphs of its text's form, laid out once (see DigitForms), where the
// font's digits are interchangeable in it. Elsewhere the part shows its text as a QLabel does,
// laying it out each time. It looks the same either way: a QLabel with the same text, the same size
// and the same pixels.
class StatusPartLabel : public QLabel {
public:
    explicit StatusPartLabel(QWidget* parent);

    void Show(const QString& text);
    // What QLabel::sizeHint asks for the text shown, before the label's minimum size is applied.
    QSize Wanted() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool Known() const;
    bool Drawable() const;

    DigitForms forms_;
    const DigitForms::Form* form_ = nullptr;
    QList<QGlyphRun> shown_;
};

} // namespace tk::qt
