#include "observables/values_table.h"

#include "toolkit/numbers.h"
#include "toolkit/translation.h"
#include "toolkit/utf8.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <type_traits>

namespace values_table {

namespace {

constexpr int kDigits = 4;
// Below this a value is the rounding of a sum that is 0, such as <p> of a real state.
constexpr double kRoundingNoise = 1e-12;
// The labels take at least this many columns, and one more than the widest.
constexpr std::size_t kLabelColumns = 14;

// The characters of East Asian scripts that a fixed-pitch font draws two columns wide.
bool Wide(char32_t c) {
    return (c >= 0x1100 && c < 0x1160) || (c >= 0x2E80 && c < 0xA4D0) || (c >= 0xAC00 && c < 0xD7A4) ||
           (c >= 0xF900 && c < 0xFB00) || (c >= 0xFF00 && c < 0xFF61) || (c >= 0xFFE0 && c < 0xFFE7);
}

// The columns a text takes in a fixed-pitch font: one a character, two for a wide one, none for a
// combining mark.
std::size_t Columns(std::string_view text) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, length] = tk::CodePointAt(text, i);
        i += length;
        if (!tk::IsCombiningMark(c))
            columns += Wide(c) ? 2 : 1;
    }
    return columns;
}

void AppendValue(std::string& text, const std::optional<physics::Observables>& values, double value,
                 const Words& words) {
    if (!values || !std::isfinite(value)) {
        text += words.noValue;
        return;
    }
    text += tk::Significant(std::abs(value) < kRoundingNoise ? 0.0 : value, kDigits);
}

void AppendStatus(std::string& text, bool state, const RunStatus& status, const Words& words) {
    if (status.running || status.paused)
        tk::AppendSubstituted(text, status.running ? words.running : words.paused,
                              {tk::Significant(status.periods, kDigits)});
    else
        text += words.stopped;
    text += '\n';
    if (status.edited)
        (text += words.edited) += '\n';
    else if (!state)
        (text += words.noState) += '\n';
}

// Each line two columns in, and ended.
std::string Indented(std::string_view lines) {
    std::string indented;
    for (std::size_t start = 0; start <= lines.size();) {
        const std::size_t end = std::min(lines.find('\n', start), lines.size());
        indented.append("  ").append(lines.substr(start, end - start)).append("\n");
        start = end + 1;
    }
    return indented;
}

// The levels' table, in symbols that every language writes alike, its columns lined up under its heads.
constexpr std::string_view kLevelsHeader = "\n n  Eₙ/E₁  |cₙ|²\n";
constexpr std::string_view kLevelRows[physics::kComponents] = {
    " 1      1  ", " 2      4  ", " 3      9  ", " 4     16  ", " 5     25  ", " 6     36  ",
};

} // namespace

Words Words::LookedUp() {
    Words words{
        .running = tk::Translate("ObservablesWndo", "Running, t = %1 T₁"),
        .paused = tk::Translate("ObservablesWndo", "Paused, t = %1 T₁"),
        .stopped = tk::Translate("ObservablesWndo", "Stopped: the state at Start, t = 0"),
        //: The table is 34 characters wide: break longer lines with a new line.
        .edited = tk::Translate("ObservablesWndo", "Fields edited: press Normalize"),
        //: The table is 34 characters wide: break longer lines with a new line.
        .noState = tk::Translate("ObservablesWndo",
                                 "No state: press Normalize, with at\nleast one magnitude that is not 0"),
        //: Shown in place of a value where there is no state.
        .noValue = tk::Translate("ObservablesWndo", "—"),
        //: Below <p>. The table is 34 characters wide: break longer lines with a new line.
        .momentumNote = tk::Translate(
            "ObservablesWndo",
            "Time runs backwards here, so the\npacket moves against ⟨p⟩:\nsee Animation › Time Forward."),
        .labels = {tk::Translate("ObservablesWndo", "⟨x⟩/L"), tk::Translate("ObservablesWndo", "Δx/L"),
                   tk::Translate("ObservablesWndo", "⟨p⟩/(πħ/L)"),
                   tk::Translate("ObservablesWndo", "Δp/(πħ/L)"),
                   tk::Translate("ObservablesWndo", "Δx·Δp/(ħ/2)"),
                   tk::Translate("ObservablesWndo", "⟨E⟩/E₁"), tk::Translate("ObservablesWndo", "ΔE/E₁")},
        .momentumGap = {},
    };
    std::size_t width = kLabelColumns;
    for (const std::string& label : words.labels)
        width = std::max(width, Columns(label) + 1);
    for (std::string& label : words.labels)
        label.append(width - Columns(label), ' ');
    words.momentumNote = Indented(words.momentumNote);
    words.momentumGap.assign(
        static_cast<std::size_t>(std::count(words.momentumNote.begin(), words.momentumNote.end(), '\n')),
        '\n');
    return words;
}

namespace {

// Below <p>, while time runs against nature's and the state moves (two states or more), that a packet
// moves against <p>; else as many empty lines, so that the rows below stay where they are.
std::string_view MomentumNote(const std::optional<physics::Observables>& values, const RunStatus& status,
                              const Words& words) {
    const auto moving = [&values] {
        return values && std::count_if(values->weights.begin(), values->weights.end(),
                                       [](double w) { return w > 0; }) >= 2;
    };
    if (status.timeReversed && moving())
        return words.momentumNote;
    return words.momentumGap;
}

} // namespace

// What changes as the state runs comes first, in consecutive lines; the energy and the levels,
// which a run leaves as they are, follow.
void Write(const std::optional<physics::Observables>& values, const RunStatus& status, const Words& words,
           std::string& text) {
    text.clear();
    AppendStatus(text, values.has_value(), status, words);
    const physics::Observables o = values.value_or(physics::Observables{});
    const struct {
        double value;
        std::string_view note;
    } rows[] = {
        {o.position.mean, {}},
        {o.position.spread, {}},
        {o.momentum.mean, MomentumNote(values, status, words)},
        {o.momentum.spread, {}},
        {o.uncertainty, "\n"},
        {o.energy.mean, {}},
        {o.energy.spread, {}},
    };
    static_assert(std::extent_v<decltype(rows)> == Words::kObservables);
    for (std::size_t row = 0; row < words.labels.size(); ++row) {
        text += words.labels[row];
        AppendValue(text, values, rows[row].value, words);
        text += '\n';
        text += rows[row].note;
    }
    text += kLevelsHeader;
    for (int k = 0; k < physics::kComponents; ++k) {
        text += kLevelRows[k];
        AppendValue(text, values, o.weights[k], words);
        text += '\n';
    }
}

} // namespace values_table
