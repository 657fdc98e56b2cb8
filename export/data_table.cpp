#include "export/data_table.h"

#include "physics/superposition.h"
#include "toolkit/numbers.h"
#include "toolkit/utf8.h"

#include <algorithm>
#include <string_view>

namespace exporting {

namespace {

// Whether a character is written as an escape: a control character (C0, DEL or C1), or U+2028 or
// U+2029, which some readers take for the end of a line.
bool Escaped(std::string_view character) {
    const auto first = static_cast<unsigned char>(character[0]);
    const bool c1 = first == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
    return first < 0x20 || first == 0x7F || c1 || character == "\u2028" || character == "\u2029";
}

std::string HexEscaped(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string escaped;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        escaped += {'\\', 'x', kDigits[b >> 4], kDigits[b & 0xF]};
    }
    return escaped;
}

// The value as a CSV field: quoted, with its quotes doubled, when it holds a comma or a quote.
std::string Quoted(const std::string& value) {
    if (value.find_first_of(",\"") == std::string::npos)
        return value;
    std::string quoted = "\"";
    for (const char c : value) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

// A typed text as a value of a comment line, escaped and quoted as DataTable says.
std::string CommentValue(std::string_view text) {
    std::string value;
    for (std::string_view rest = text; !rest.empty();) {
        const std::size_t length = tk::WellFormedLength(rest);
        const std::string_view character = rest.substr(0, std::max<std::size_t>(length, 1));
        if (character == "\\")
            value += "\\\\";
        else if (length > 0 && !Escaped(character))
            value += character;
        else
            value += HexEscaped(character);
        rest.remove_prefix(character.size());
    }
    return Quoted(value);
}

} // namespace

std::string DataTable(const StateRecord& r) {
    std::string csv = "# Parvok: a particle in a box, the state at one instant\n";
    csv += "# t/T₁," + tk::Str(r.periods) + "\n";
    csv += "# speed," + tk::Str(r.speed) + "\n";
    csv += "# shown," + r.shown + "\n";
    csv += "# n,magnitude typed,angle typed,magnitude normalized,phase now (degrees)\n";
    for (int k = 0; k < physics::kComponents; ++k)
        csv += "# " + tk::Str(k + 1) + "," + CommentValue(r.typedMagnitudes[k]) + "," +
               CommentValue(r.typedAngles[k]) + "," + tk::Str(r.magnitudes[k]) + "," + tk::Str(r.phases[k]) +
               "\n";
    csv += std::string("# plotted,") + (r.physicalScale ? "physical" : "scaled") + "\n";
    csv += "# scaled,√L·ψ/(√2·Σ|cₙ|) with the sum over the states shown; |ψ|² scaled is its square\n";
    csv += "x/L,√L·Re ψ,√L·Im ψ,L·|ψ|²,Re ψ scaled,Im ψ scaled,|ψ|² scaled\n";
    for (int j = 0; j < physics::kSamples; ++j)
        csv += tk::Str(physics::SampleX(j)) + "," + tk::Str(r.real[j]) + "," + tk::Str(r.imaginary[j]) + "," +
               tk::Str(r.density[j]) + "," + tk::Str(r.scaledReal[j]) + "," + tk::Str(r.scaledImaginary[j]) +
               "," + tk::Str(r.scaledDensity[j]) + "\n";
    return csv;
}

} // namespace exporting
