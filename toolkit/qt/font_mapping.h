#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QList>
#include <QString>

#include <compare>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

namespace tk::qt {

// The one place where the application's font names meet installed fonts: "System" and "Symbol"
// are DejaVu Sans, "Helvetica" is Liberation Sans; other names are asked of the system as they are.
// Sizes are in pixels, as the layouts are; 0 is the default size.
QFont MapFont(const std::string& name, int size, bool bold = false, bool italic = false);

// The text as it shows in that font: in "Symbol" the Latin letters stand for Greek ones
// (a for alpha, p for pi, D for Delta...), as in the classic symbol encoding.
QString DisplayText(std::string_view utf8, const std::string& fontName);

constexpr int kDefaultTextSize = 12;

// What MapFont and DisplayText give for the text styles and texts a drawing context meets, each
// made and measured once: a plot draws the same few styles and tick labels frame after frame.
// Bounded, so that a stream of ever new texts or styles only makes it start afresh.
class MappedFonts {
public:
    struct Text {
        QString display;
        qreal width = 0;
        // The shaped glyphs, placed with the top of the line at the origin, ascent above the baseline.
        QList<QGlyphRun> glyphs;
        qreal ascent = 0;
    };

    // The style the following calls are about.
    void Select(const std::string& name, int size, bool bold, bool italic);

    const QFont& Font() const { return selected_->font; }
    // Changes whenever Font() may be another font than before.
    std::uint64_t FontSerial() const { return selected_->serial; }
    int LineHeight() const { return selected_->lineHeight; }
    // The text in the selected style; valid until the next call.
    const Text& Shown(std::string_view utf8);

private:
    static constexpr std::size_t kMaxStyles = 16;
    static constexpr std::size_t kMaxTexts = 512;

    struct Style {
        std::string name;
        int size = 0;
        bool bold = false;
        bool italic = false;
        friend bool operator<(const Style& a, const Style& b) {
            return std::tie(a.name, a.size, a.bold, a.italic) < std::tie(b.name, b.size, b.bold, b.italic);
        }
    };
    struct Entry {
        Entry(const Style& style, std::uint64_t serial);
        QFont font;
        QFontMetricsF metrics;
        int lineHeight;
        std::uint64_t serial;
        std::map<std::string, Text, std::less<>> texts;
    };

    bool IsSelected(const std::string& name, int size, bool bold, bool italic) const;

    std::map<Style, Entry> entries_;
    const Style* selectedStyle_ = nullptr;
    Entry* selected_ = nullptr;
    std::uint64_t serials_ = 0;
};

} // namespace tk::qt
