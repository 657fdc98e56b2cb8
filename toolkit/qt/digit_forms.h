#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QSize>
#include <QString>

#include <array>
#include <utility>
#include <vector>

class QPaintDevice;

namespace tk::qt {

// Lines of text that change from one frame to the next in their digits only (a clock, a count, a
// value). Laying a text out, which shapes it with HarfBuzz, is most of what showing it costs, and
// more so once a frame, with the font's tables out of the processor's caches: so each form of the
// text, its digits aside, is laid out once, and a new text of a known form takes the form's glyphs,
// its own digits put in. That holds where the font's digits are interchangeable: all ten laid out
// in the form take the same places and the same size. The glyphs are those QPainter::drawText
// would draw: from left to right, unwrapped, trailing spaces counted.
class DigitForms {
public:
    // A text with each digit 0 laid out, and the interchangeable digits' glyphs.
    struct Form {
        bool interchangeable = false;
        QSize size;       // of the text's box
        qreal width = 0;  // of the text
        qreal height = 0; // of the line
        QList<QGlyphRun> runs;
        std::vector<std::pair<int, int>> digitGlyphs; // run and glyph of each digit, in the text's order
        std::array<quint32, 10> digitIndexes{};
    };

    // The form of `text` in `font` on `device`, with the text's glyphs put in `runs` where its
    // digits are interchangeable; `runs` is left as it was where they are not.
    const Form& Glyphs(const QString& text, const QFont& font, const QPaintDevice* device,
                       QList<QGlyphRun>& runs);
    // Whether the forms kept are laid out in this font at this resolution.
    bool LaidOutFor(const QFont& font, int dpi) const { return font == font_ && dpi == dpi_; }
    // The glyphs of a text laid out on its own, each time, for a text whose form has no
    // interchangeable digits; false where it takes more than one line.
    static bool LaidOut(const QString& text, const QFont& font, const QPaintDevice* device,
                        QList<QGlyphRun>& runs, qreal& width);

private:
    static constexpr int kMostForms = 128;

    const Form& FormOf(const QString& form, const QFont& font, const QPaintDevice* device);
    static Form LaidOutForm(const QString& form, const QFont& font, const QPaintDevice* device);
    void ForgetFormsIfTheFontChanged(const QFont& font, int dpi);

    QHash<QString, Form> forms_;
    QFont font_;
    int dpi_ = 0;
    QString formText_;
    std::vector<int> digits_;
};

} // namespace tk::qt
