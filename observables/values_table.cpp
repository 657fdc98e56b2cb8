#include "observables/values_table.h"

#include "toolkit/numbers.h"

#include <cmath>
#include <string_view>

namespace values_table {

namespace {

constexpr int kDigits = 4;
constexpr std::string_view kNoValue = "—";
// Below this a value is the rounding of a sum that is 0, such as <p> of a real state.
constexpr double kRoundingNoise = 1e-12;

void AppendValue(std::string& text, const std::optional<physics::Observables>& values, double value) {
    if (!values || !std::isfinite(value)) {
        text += kNoValue;
        return;
    }
    text += tk::Significant(std::abs(value) < kRoundingNoise ? 0.0 : value, kDigits);
}

void AppendStatus(std::string& text, bool state, const RunStatus& status) {
    if (status.running) {
        text += "Running, t = ";
        text += tk::Significant(status.periods, kDigits);
        text += " T₁\n";
    } else {
        text += "Stopped: the state at Start, t = 0\n";
    }
    if (status.edited)
        text += "Fields edited: press Normalize\n";
    else if (!state)
        text += "No state: press Normalize, with at\nleast one magnitude that is not 0\n";
}

// The label of each row, padded to one width in a fixed-pitch font.
constexpr std::string_view kLevelRows[physics::kComponents] = {
    " 1      1  ", " 2      4  ", " 3      9  ", " 4     16  ", " 5     25  ", " 6     36  ",
};

} // namespace

// What changes as the state runs comes first, in consecutive lines; the energy and the levels,
// which a run leaves as they are, follow.
void Write(const std::optional<physics::Observables>& values, const RunStatus& status, std::string& text) {
    text.clear();
    AppendStatus(text, values.has_value(), status);
    const physics::Observables o = values.value_or(physics::Observables{});
    const struct {
        std::string_view label;
        double value;
        std::string_view note;
    } rows[] = {
        {"⟨x⟩/L         ", o.position.mean, {}},
        {"Δx/L          ", o.position.spread, {}},
        {"⟨p⟩/(πħ/L)    ", o.momentum.mean,
         "  Time runs backwards here, so the\n  packet moves against ⟨p⟩.\n"},
        {"Δp/(πħ/L)     ", o.momentum.spread, {}},
        {"Δx·Δp/(ħ/2)   ", o.uncertainty, "\n"},
        {"⟨E⟩/E₁        ", o.energy.mean, {}},
        {"ΔE/E₁         ", o.energy.spread, {}},
    };
    for (const auto& row : rows) {
        text += row.label;
        AppendValue(text, values, row.value);
        text += '\n';
        text += row.note;
    }
    text += "\n n  Eₙ/E₁  |cₙ|²\n";
    for (int k = 0; k < physics::kComponents; ++k) {
        text += kLevelRows[k];
        AppendValue(text, values, o.weights[k]);
        text += '\n';
    }
}

} // namespace values_table
