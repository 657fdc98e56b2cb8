#include "graph/markup_reader.h"

#include "graph/drawing_state.h"
#include "graph/pixels.h"
#include "toolkit/font.h"
#include "toolkit/numbers.h"
#include "toolkit/utf8.h"

#include <cmath>
#include <optional>
#include <string>

namespace markup {

namespace {

constexpr std::string_view kCommands = "^_ $~!\\|@#&";
// The commands that neither put text down nor break the line nor read on past themselves.
constexpr std::string_view kStyleCommands = "^_$~!\\";

// Script text is 0.72 of the base size, shifted by 0.3 of it; in italic text the pen also moves
// by 0.2 of it, so a superscript leans clear of the slanted letter before it.
constexpr double kScriptScale = 0.72;
constexpr double kScriptShift = 0.3;
constexpr double kItalicOffset = 0.2;

// The combining marks at the start of s.
std::string_view LeadingMarks(std::string_view s) {
    std::size_t end = 0;
    while (end < s.size()) {
        const auto [c, length] = tk::CodePointAt(s, end);
        if (!tk::IsCombiningMark(c))
            break;
        end += length;
    }
    return s.substr(0, end);
}

class Reader {
public:
    Reader(tk::Graphics& g, std::string_view text, Sink& sink, std::int32_t penX)
        : g_(g), text_(text), sink_(sink), penX_(penX), font_(g.TextFont()), baseSize_(g.TextSize()) {}

    std::int32_t Run() {
        while (pos_ < text_.size() && !stopped_)
            Step();
        if (!stopped_)
            EndSegment();
        return penX_;
    }

private:
    bool IsCommand(char c) const {
        if (c == ' ')
            return scriptOn_ || symbolOn_;
        return kCommands.find(c) != std::string_view::npos;
    }

    void Step() {
        const char c = text_[pos_];
        if (!IsCommand(c)) {
            TextCharacter();
            return;
        }
        const std::size_t command = pos_;
        const std::string_view marks = MarksKeptBefore(c);
        EndSegment(marks);
        segmentStart_ = pos_ = command + 1 + marks.size();
        Command(c);
    }

    // A combining mark right after a style command belongs to the letter before the command: on
    // its own it would have no letter to sit on, and would not show at all or show out of place.
    // With no text before the command there is no such letter, and the mark stays where it is.
    std::string_view MarksKeptBefore(char command) const {
        if (pos_ == segmentStart_ || kStyleCommands.find(command) == std::string_view::npos)
            return {};
        return LeadingMarks(text_.substr(pos_ + 1));
    }

    void Command(char c) {
        switch (c) {
        case '^':
            Script(+1);
            break;
        case '_':
            Script(-1);
            break;
        case ' ':
            CloseScriptAndSymbol();
            break;
        case '$':
            ToggleSymbol();
            break;
        case '~':
            penX_ = pixels::Truncated(double(penX_) + 1);
            break;
        case '!':
            g_.SetBold(!g_.Bold());
            break;
        case '\\':
            g_.SetItalic(!g_.Italic());
            break;
        case '|':
            penX_ = sink_.LineBreak(penX_);
            break;
        case '@':
            if (auto name = Delimited('@'))
                SetFont(*name);
            break;
        case '#':
            if (auto size = Delimited('#'))
                SetSize(*size);
            break;
        case '&':
            // The escaped character begins the next segment without being looked at.
            SkipCharacter();
            break;
        }
    }

    // Moves past the character at the reading position: every byte of its UTF-8 sequence, so
    // that no part of an escaped character counts as a text character of its own.
    void SkipCharacter() {
        if (pos_ < text_.size())
            ++pos_;
        while (pos_ < text_.size() && (static_cast<unsigned char>(text_[pos_]) & 0xC0) == 0x80)
            ++pos_;
    }

    void TextCharacter() {
        if (fontChanged_) {
            sink_.FontMet();
            fontChanged_ = false;
        }
        ++pos_;
    }

    // Ends the segment at the reading position, drawn with the given marks after it.
    void EndSegment(std::string_view marks = {}) {
        if (pos_ == segmentStart_)
            return;
        std::string_view segment = text_.substr(segmentStart_, pos_ - segmentStart_);
        if (!marks.empty()) {
            marked_.assign(segment).append(marks);
            segment = marked_;
        }
        sink_.Segment(segment, penX_, rise_);
        penX_ = pixels::Truncated(double(penX_) + g_.StringWidth(segment));
    }

    // Opens a superscript (+1) or subscript (-1), or closes whichever script is open.
    void Script(int direction) {
        if (scriptOn_) {
            EndScript();
            return;
        }
        scriptOn_ = true;
        g_.SetTextSize(pixels::Rounded(kScriptScale * baseSize_));
        rise_ = direction * pixels::Rounded(kScriptShift * baseSize_);
        if (g_.Italic())
            penX_ = pixels::Truncated(double(penX_) + direction * pixels::Rounded(kItalicOffset * baseSize_));
    }

    void EndScript() {
        scriptOn_ = false;
        rise_ = 0;
        g_.SetTextSize(baseSize_);
    }

    // The closing space itself begins the next segment.
    void CloseScriptAndSymbol() {
        EndScript();
        symbolOn_ = false;
        g_.SetTextFont(font_);
        segmentStart_ = pos_ - 1;
    }

    void ToggleSymbol() {
        symbolOn_ = !symbolOn_;
        g_.SetTextFont(symbolOn_ ? tk::kSymbolFont : font_);
        if (symbolOn_)
            fontChanged_ = true;
    }

    // The characters up to the closing partner of the command, which the reading then skips; with
    // no partner there, the rest of the text is consumed and the reading stops.
    std::optional<std::string_view> Delimited(char closer) {
        const std::size_t end = text_.find(closer, pos_);
        if (end == std::string_view::npos) {
            stopped_ = true;
            return std::nullopt;
        }
        const std::string_view value = text_.substr(pos_, end - pos_);
        segmentStart_ = pos_ = end + 1;
        return value;
    }

    void SetFont(std::string_view name) {
        font_ = std::string(name);
        g_.SetTextFont(font_);
        fontChanged_ = true;
    }

    void SetSize(std::string_view number) {
        baseSize_ = pixels::Rounded(tk::Val(number));
        g_.SetTextSize(baseSize_);
        fontChanged_ = true;
    }

    tk::Graphics& g_;
    std::string_view text_;
    Sink& sink_;
    std::size_t pos_ = 0;
    std::size_t segmentStart_ = 0;
    bool stopped_ = false;
    std::string marked_; // a segment joined to the marks that follow it past a command

    std::int32_t penX_;
    std::string font_; // the font that "$" and the closing space return to
    std::int32_t baseSize_;
    bool scriptOn_ = false;
    std::int32_t rise_ = 0;
    bool symbolOn_ = false;
    bool fontChanged_ = true;
};

} // namespace

std::int32_t Read(tk::Graphics& g, std::string_view markup, Sink& sink, std::int32_t penX) {
    const KeepDrawingState keep(g);
    return Reader(g, markup, sink, penX).Run();
}

} // namespace markup
