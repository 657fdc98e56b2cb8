#pragma once

#include "toolkit/qt/digit_forms.h"

#include <QGlyphRun>
#include <QLabel>
#include <QList>

#include <vector>

namespace tk::qt {

// A label whose text changes often in its digits only (a status bar's clock or count, a caption
// under a turning phasor): it draws the glyphs of each line's form, laid out once (see DigitForms),
// where the font's digits are interchangeable in it. Elsewhere it shows its text as a QLabel does,
// laying it out each time. It looks the same either way: a QLabel with the same text, the same size
// and the same pixels.
class FormLabel : public QLabel {
public:
    explicit FormLabel(QWidget* parent);

    void Show(const QString& text);
    // What QLabel::sizeHint asks for the text shown, before the label's minimum size is applied.
    QSize Wanted() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A line of the text shown, with what its form says of it.
    struct Line {
        QList<QGlyphRun> runs;
        QSize size;
        qreal width = 0;
        qreal height = 0;
        qreal top = 0; // below the text's top
    };

    bool Known() const;
    bool Drawable() const;
    qreal LeftOf(const Line& line) const;
    void Take(Line& shown, const QString& line);
    void PlaceLines();

    DigitForms forms_;
    bool interchangeable_ = false;
    std::vector<Line> lines_;
    qreal textHeight_ = 0;
};

} // namespace tk::qt
