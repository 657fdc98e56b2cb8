#include "observables/observables_csv.h"

#include "toolkit/numbers.h"

#include <cmath>
#include <string_view>

namespace observables_csv {

namespace {

std::string Field(const std::optional<physics::Observables>& values, double value) {
    return values && std::isfinite(value) ? tk::Str(value) : std::string();
}

void AppendValues(std::string& csv, const std::optional<physics::Observables>& values) {
    const physics::Observables o = values.value_or(physics::Observables{});
    const struct {
        std::string_view name;
        double value;
    } rows[] = {
        {"⟨x⟩/L", o.position.mean},       {"Δx/L", o.position.spread},    {"⟨p⟩/(πħ/L)", o.momentum.mean},
        {"Δp/(πħ/L)", o.momentum.spread}, {"Δx·Δp/(ħ/2)", o.uncertainty}, {"⟨E⟩/E₁", o.energy.mean},
        {"ΔE/E₁", o.energy.spread},
    };
    csv += "# the observables\nquantity,value\n";
    for (const auto& row : rows)
        ((csv += row.name) += ',') += Field(values, row.value) + '\n';
    csv += "\n# the energy levels, Eₙ = n² E₁, and the probability of each\nn,Eₙ/E₁,|cₙ|²\n";
    for (int k = 0; k < physics::kComponents; ++k)
        csv += tk::Str(k + 1) + ',' + tk::Str(physics::EnergyFactor(k + 1)) + ',' +
               Field(values, o.weights[k]) + '\n';
}

} // namespace

std::string Csv(const Shown& shown) {
    std::string csv = "# Parvok: the observables of the whole state at one instant\n";
    csv += "# t/T₁," + tk::Str(shown.periods) + "\n\n";
    AppendValues(csv, shown.values);
    csv += "\n# the path of the position over the span of the plot: ⟨x⟩ and its spread Δx\n";
    csv += "t/T₁,⟨x⟩/L,Δx/L\n";
    for (const PositionTrace::Sample& s : shown.path)
        csv += tk::Str(s.time) + ',' + tk::Str(s.mean) + ',' + tk::Str(s.spread) + '\n';
    csv += "\n# the momentum distribution, per unit of πħ/L\np/(πħ/L),|ψ̃(p)|²\n";
    if (shown.values && shown.densities)
        for (int i = 0; i < physics::MomentumProfile::kPoints; ++i)
            csv += tk::Str(physics::MomentumProfile::MomentumAt(i)) + ',' +
                   tk::Str((*shown.densities)[static_cast<std::size_t>(i)]) + '\n';
    return csv;
}

} // namespace observables_csv
