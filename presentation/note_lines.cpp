#include "presentation/note_lines.h"

#include "toolkit/utf8.h"

#include <string_view>

namespace {

constexpr std::string_view kEllipsis = "…";

// The bytes of the character at `i`: its code point and the combining marks that follow it, which
// stay with their letter.
std::size_t CharacterBytes(std::string_view text, std::size_t i) {
    std::size_t end = i + tk::CodePointAt(text, i).second;
    while (end < text.size() && tk::IsCombiningMark(tk::CodePointAt(text, end).first))
        end += tk::CodePointAt(text, end).second;
    return end - i;
}

// The longest start of `text` that fits in `width`, cut between characters; at least one.
std::size_t FittingBytes(tk::Graphics& measure, std::string_view text, double width) {
    std::size_t fits = CharacterBytes(text, 0);
    for (std::size_t next = fits; next < text.size(); next += CharacterBytes(text, next)) {
        if (measure.StringWidth(text.substr(0, next + CharacterBytes(text, next))) > width)
            break;
        fits = next + CharacterBytes(text, next);
    }
    return fits;
}

// Appends the lines of one paragraph: each as many whole words as fit, a word too wide for a line
// alone broken between characters.
void Wrap(tk::Graphics& measure, std::string_view paragraph, double width, std::vector<std::string>& lines) {
    std::string line;
    while (!paragraph.empty()) {
        const std::size_t space = paragraph.find(' ');
        const std::string_view word = paragraph.substr(0, space);
        const std::string joined = line.empty() ? std::string(word) : line + " " + std::string(word);
        if (measure.StringWidth(joined) <= width) {
            line = joined;
            paragraph.remove_prefix(space == std::string_view::npos ? paragraph.size() : space + 1);
        } else if (!line.empty()) {
            lines.push_back(std::move(line));
            line.clear();
        } else {
            const std::size_t bytes = FittingBytes(measure, word, width);
            lines.emplace_back(word.substr(0, bytes));
            paragraph.remove_prefix(bytes);
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
}

// The line cut short so that "…" fits after it.
std::string Elided(tk::Graphics& measure, const std::string& line, double width) {
    const double room = width - measure.StringWidth(kEllipsis);
    const std::size_t bytes =
        measure.StringWidth(line) <= room ? line.size() : FittingBytes(measure, line, room);
    return line.substr(0, bytes) + std::string(kEllipsis);
}

} // namespace

std::vector<std::string> NoteLines(tk::Graphics& measure, const std::string& name, const std::string& note,
                                   int width, std::size_t most) {
    std::vector<std::string> lines;
    for (const std::string& text : {name, note}) {
        for (std::string_view rest = text; !rest.empty();) {
            const std::size_t end = rest.find('\n');
            Wrap(measure, rest.substr(0, end), width, lines);
            rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        }
    }
    if (lines.size() > most) {
        lines.resize(most);
        lines.back() = Elided(measure, lines.back(), width);
    }
    return lines;
}
