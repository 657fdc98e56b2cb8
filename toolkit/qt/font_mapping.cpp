#include "toolkit/qt/font_mapping.h"

#include "toolkit/font.h"

#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace tk::qt {

namespace {

constexpr const char* kSansFamily = "DejaVu Sans";
constexpr const char* kHelveticaFamily = "Liberation Sans";

// Greek letters of the symbol encoding, indexed by the Latin letter that stands for them.
constexpr char16_t kGreekUpper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι',
                                      u'ϑ', u'Κ', u'Λ', u'Μ', u'Ν', u'Ο', u'Π', u'Θ', u'Ρ',
                                      u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
constexpr char16_t kGreekLower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι',
                                      u'ϕ', u'κ', u'λ', u'μ', u'ν', u'ο', u'π', u'θ', u'ρ',
                                      u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};

QString FamilyFor(const std::string& name) {
    if (name == tk::kSystemFont || name == tk::kSymbolFont || name.empty())
        return kSansFamily;
    if (name == tk::kHelveticaFont)
        return kHelveticaFamily;
    return QString::fromStdString(name);
}

// Apart from a mark, above the top of its letter.
constexpr qreal kMarkGap = 0.08;

// A combining mark that the font places for a small letter (a tilde over a capital Psi, which the
// font has no place for) lands on the top of a taller letter, and at small sizes vanishes in it:
// such a mark is lifted to sit clear above its letter.
void LiftMarks(QList<QGlyphRun>& runs) {
    for (QGlyphRun& run : runs) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
        const qreal gap = std::max(1.0, std::round(kMarkGap * font.pixelSize()));
        QList<QPointF> positions = run.positions();
        qreal letterTop = 0;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QRectF box = font.boundingRect(glyphs[i]).translated(positions[i]);
            if (advances[i].x() != 0 || i == 0)
                letterTop = box.top();
            else if (box.bottom() > letterTop - gap)
                positions[i].ry() -= std::ceil(box.bottom() - (letterTop - gap));
        }
        run.setPositions(positions);
    }
}

} // namespace

QFont MapFont(const std::string& name, int size, bool bold, bool italic) {
    QFont font(FamilyFor(name));
    font.setPixelSize(size > 0 ? size : kDefaultTextSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

QString DisplayText(std::string_view utf8, const std::string& fontName) {
    QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    if (fontName != tk::kSymbolFont)
        return text;
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            c = QChar(kGreekUpper[u - u'A']);
        else if (u >= u'a' && u <= u'z')
            c = QChar(kGreekLower[u - u'a']);
    }
    return text;
}

MappedFonts::Entry::Entry(const Style& style, std::uint64_t serial)
    : font(MapFont(style.name, style.size, style.bold, style.italic)), metrics(font),
      lineHeight(QFontMetrics(font).height()), serial(serial) {}

bool MappedFonts::IsSelected(const std::string& name, int size, bool bold, bool italic) const {
    return selectedStyle_ && selectedStyle_->size == size && selectedStyle_->bold == bold &&
           selectedStyle_->italic == italic && selectedStyle_->name == name;
}

void MappedFonts::Select(const std::string& name, int size, bool bold, bool italic) {
    if (IsSelected(name, size, bold, italic))
        return;
    const Style style{name, size, bold, italic};
    auto found = entries_.find(style);
    if (found == entries_.end()) {
        if (entries_.size() >= kMaxStyles)
            entries_.clear();
        found = entries_.try_emplace(style, style, ++serials_).first;
    }
    selectedStyle_ = &found->first;
    selected_ = &found->second;
}

const MappedFonts::Text& MappedFonts::Shown(std::string_view utf8) {
    auto& texts = selected_->texts;
    if (auto found = texts.find(utf8); found != texts.end())
        return found->second;
    if (texts.size() >= kMaxTexts)
        texts.clear();
    Text text;
    text.display = DisplayText(utf8, selectedStyle_->name);
    text.width = selected_->metrics.horizontalAdvance(text.display);
    QTextLayout layout(text.display, selected_->font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    text.glyphs = line.glyphRuns();
    LiftMarks(text.glyphs);
    text.ascent = line.ascent();
    return texts.try_emplace(std::string(utf8), std::move(text)).first->second;
}

} // namespace tk::qt
