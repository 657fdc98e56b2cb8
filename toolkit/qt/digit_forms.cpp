#include "toolkit/qt/digit_forms.h"

#include <QPaintDevice>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>

namespace tk::qt {

namespace {

using Glyph = std::pair<int, int>; // a run and a glyph in it

// A text on one line, laid out as QPainter::drawText lays out what a QLabel draws: from left to
// right, unwrapped, its trailing spaces counted; with the glyphs of the characters at some places.
struct Line {
    bool single = false;
    QList<QGlyphRun> runs;
    qreal width = 0;
    qreal height = 0;
    std::vector<Glyph> glyphs;
};

// Where, among a line's runs, the one glyph of a character is; {-1, -1} if it is not one glyph.
Glyph GlyphOf(const QList<QGlyphRun>& runs, const QList<QGlyphRun>& character) {
    if (character.size() != 1 || character[0].glyphIndexes().size() != 1)
        return {-1, -1};
    const QPointF place = character[0].positions()[0];
    for (int r = 0; r < runs.size(); ++r) {
        if (runs[r].rawFont() != character[0].rawFont())
            continue;
        const QList<QPointF> positions = runs[r].positions();
        const auto found = std::find(positions.begin(), positions.end(), place);
        if (found != positions.end())
            return {r, int(found - positions.begin())};
    }
    return {-1, -1};
}

Line LaidOutLine(const QString& text, const std::vector<qsizetype>& places, const QFont& font,
                 const QPaintDevice* device) {
    constexpr qreal kUnwrapped = 0x01000000;
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(kUnwrapped);
    const bool single = line.isValid() && !layout.createLine().isValid();
    layout.endLayout();
    if (!single)
        return {};
    Line laidOut{true, layout.glyphRuns(), line.naturalTextWidth(), line.ascent() + line.descent(), {}};
    for (const qsizetype place : places)
        laidOut.glyphs.push_back(GlyphOf(laidOut.runs, layout.glyphRuns(int(place), 1)));
    return laidOut;
}

// Whether two lines put the same glyphs at the same places, the glyphs at `apart` aside.
bool SameBut(const Line& a, const Line& b, const std::vector<Glyph>& apart) {
    if (!a.single || !b.single || a.width != b.width || a.height != b.height || a.glyphs != b.glyphs ||
        a.runs.size() != b.runs.size())
        return false;
    for (int r = 0; r < a.runs.size(); ++r) {
        const QList<quint32> ai = a.runs[r].glyphIndexes();
        const QList<quint32> bi = b.runs[r].glyphIndexes();
        if (a.runs[r].rawFont() != b.runs[r].rawFont() || a.runs[r].positions() != b.runs[r].positions() ||
            ai.size() != bi.size())
            return false;
        for (int g = 0; g < ai.size(); ++g)
            if (ai[g] != bi[g] && std::find(apart.begin(), apart.end(), Glyph{r, g}) == apart.end())
                return false;
    }
    return true;
}

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

const DigitForms::Form& DigitForms::Glyphs(const QString& text, const QFont& font, const QPaintDevice* device,
                                           QList<QGlyphRun>& runs) {
    ForgetFormsIfTheFontChanged(font, device->logicalDpiY());
    formText_ = text;
    digits_.clear();
    for (QChar& c : formText_)
        if (IsDigit(c)) {
            digits_.push_back(c.unicode() - u'0');
            c = u'0';
        }
    const Form& form = FormOf(formText_, font, device);
    if (!form.interchangeable)
        return form;
    // Each run's indexes are copied once, whatever number of digits it holds.
    runs = form.runs;
    for (qsizetype run = 0; run < runs.size(); ++run) {
        QList<quint32> indexes = runs[run].glyphIndexes();
        for (std::size_t k = 0; k < digits_.size(); ++k)
            if (form.digitGlyphs[k].first == run)
                indexes[form.digitGlyphs[k].second] = form.digitIndexes[std::size_t(digits_[k])];
        runs[run].setGlyphIndexes(indexes);
    }
    return form;
}

bool DigitForms::LaidOut(const QString& text, const QFont& font, const QPaintDevice* device,
                         QList<QGlyphRun>& runs, qreal& width) {
    const Line line = LaidOutLine(text, {}, font, device);
    if (!line.single)
        return false;
    runs = line.runs;
    width = line.width;
    return true;
}

// The forms are laid out in the font the text is drawn in, at the resolution of its screen.
void DigitForms::ForgetFormsIfTheFontChanged(const QFont& font, int dpi) {
    if (LaidOutFor(font, dpi))
        return;
    forms_.clear();
    font_ = font;
    dpi_ = dpi;
}

const DigitForms::Form& DigitForms::FormOf(const QString& form, const QFont& font,
                                           const QPaintDevice* device) {
    const auto known = forms_.constFind(form);
    if (known != forms_.constEnd())
        return *known;
    if (forms_.size() >= kMostForms)
        forms_.clear();
    return *forms_.insert(form, LaidOutForm(form, font, device));
}

// The form, every digit 0, laid out, and each digit's glyph found; then the other nine digits in
// the digits' places, which must give the glyphs there one index each and change nothing else.
DigitForms::Form DigitForms::LaidOutForm(const QString& form, const QFont& font, const QPaintDevice* device) {
    std::vector<qsizetype> places;
    for (qsizetype i = 0; i < form.size(); ++i)
        if (form[i] == u'0')
            places.push_back(i);
    const Line zeros = LaidOutLine(form, places, font, device);
    Form laidOut;
    if (!zeros.single || std::count(zeros.glyphs.begin(), zeros.glyphs.end(), Glyph{-1, -1}) > 0)
        return laidOut;
    // A form without digits is its text, which the other nine digits would lay out again unchanged.
    const char16_t digits = places.empty() ? 1 : 10;
    for (char16_t digit = 0; digit < digits; ++digit) {
        QString text = form;
        for (const qsizetype place : places)
            text[place] = QChar(u'0' + digit);
        const Line line = digit == 0 ? zeros : LaidOutLine(text, places, font, device);
        if (!SameBut(line, zeros, zeros.glyphs))
            return laidOut;
        for (const auto& [run, glyph] : line.glyphs) {
            const quint32 index = line.runs[run].glyphIndexes()[glyph];
            if (index != line.runs[line.glyphs[0].first].glyphIndexes()[line.glyphs[0].second])
                return laidOut;
            laidOut.digitIndexes[digit] = index;
        }
    }
    laidOut.interchangeable = true;
    laidOut.size = QSize(qCeil(zeros.width), qCeil(zeros.height));
    laidOut.width = zeros.width;
    laidOut.height = zeros.height;
    laidOut.runs = zeros.runs;
    laidOut.digitGlyphs = zeros.glyphs;
    return laidOut;
}

} // namespace tk::qt
