#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QLabel>
#include <QList>

#include <array>
#include <utility>
#include <vector>

namespace tk::qt {

// A permanent part of a status bar, whose text changes every frame (a clock, a count) in its
// digits only. Laying a text out, which shapes it with HarfBuzz, is most of what showing it costs,
// and more so once a frame, with the font's tables out of the processor's caches: so each form of
// the text, its digits aside, is laid out once, and a new text of a known form is drawn with the
// form's glyphs, its own digits put in. That holds where the font's digits are interchangeable: all
// ten laid out in the form take the same places and the same size. Elsewhere the part shows its
// text as a QLabel does, laying it out each time. It looks the same either way: a QLabel with the
// same text, the same size and the same pixels.
class StatusPartLabel : public QLabel {
public:
    explicit StatusPartLabel(QWidget* parent);

    void Show(const QString& text);
    // What QLabel::sizeHint asks for the text shown, before the label's minimum size is applied.
    QSize Wanted() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A text with each digit 0 laid out, and the interchangeable digits' glyphs.
    struct Form {
        bool interchangeable = false;
        QSize size;       // of the text's box, as QLabel measures it
        qreal height = 0; // of the line, which QLabel centres in the label
        QList<QGlyphRun> runs;
        std::vector<std::pair<int, int>> digitGlyphs; // run and glyph of each digit, in the text's order
        std::array<quint32, 10> digitIndexes{};
    };
    static constexpr int kMostForms = 32;

    const Form& FormOf(const QString& form);
    Form LaidOut(const QString& form) const;
    bool Known() const;
    bool Drawable() const;
    void ForgetFormsIfTheFontChanged();

    QHash<QString, Form> forms_;
    QFont formsFont_;
    int formsDpi_ = 0;
    const Form* form_ = nullptr;
    QString formText_;
    std::vector<int> digits_;
    QList<QGlyphRun> shown_;
};

} // namespace tk::qt
