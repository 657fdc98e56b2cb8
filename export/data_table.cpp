#include "export/data_table.h"

#include "physics/superposition.h"
#include "toolkit/numbers.h"

#include <string_view>

namespace exporting {

namespace {

std::string Field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

// "Total" when every state is shown, otherwise the states shown alone ("n=3").
std::string Selection(const std::array<int, physics::kComponents>& shown) {
    std::string selection;
    int count = 0;
    for (int k = 0; k < physics::kComponents; ++k)
        if (shown[k] != 0) {
            selection += (count++ > 0 ? " n=" : "n=") + tk::Str(k + 1);
        }
    return count == physics::kComponents ? "Total" : selection;
}

} // namespace

std::string DataTable(const StateRecord& r) {
    std::string csv = "# Parvok: a particle in a box, the state at one instant\n";
    csv += "# t/T₁," + tk::Str(r.periods) + "\n";
    csv += "# speed," + tk::Str(r.speed) + "\n";
    csv += "# shown," + Selection(r.shown) + "\n";
    csv += "# n,magnitude typed,angle typed,magnitude normalized,phase now (degrees)\n";
    for (int k = 0; k < physics::kComponents; ++k)
        csv += "# " + tk::Str(k + 1) + "," + Field(r.typedMagnitudes[k]) + "," + Field(r.typedAngles[k]) +
               "," + tk::Str(r.magnitudes[k]) + "," + tk::Str(r.phases[k]) + "\n";
    csv += "x/L,Re ψ,Im ψ,|ψ|²\n";
    for (int j = 0; j < physics::kSamples; ++j)
        csv += tk::Str(physics::SampleX(j)) + "," + tk::Str(r.real[j]) + "," + tk::Str(r.imaginary[j]) + "," +
               tk::Str(r.density[j]) + "\n";
    return csv;
}

} // namespace exporting
