#include "spacetime/grid_csv.h"

#include <charconv>

namespace spacetime {

namespace {

void Append(std::string& out, double value) {
    char buffer[32];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    out.append(buffer, ec == std::errc() ? end : buffer);
}

} // namespace

std::string GridCsv(const physics::Carpet& carpet) {
    std::string out = "# L|psi(x,t)|^2 of the particle in the box; columns x/L, rows t/T1\nt/T1";
    out.reserve(static_cast<std::size_t>(carpet.Columns() + 1) * (carpet.Rows() + 1) * 9);
    for (int j = 0; j < carpet.Columns(); ++j) {
        out += ',';
        Append(out, carpet.X(j));
    }
    out += '\n';
    for (int i = 0; i < carpet.Rows(); ++i) {
        Append(out, carpet.T(i));
        for (double density : carpet.Row(i)) {
            out += ',';
            Append(out, density);
        }
        out += '\n';
    }
    return out;
}

} // namespace spacetime
