// What leaves the window: its plots with the figures beside them as a picture, and the tally as CSV.

#include "export/save_flow.h"
#include "export/window_exports.h"
#include "measurements/measurements_wndo.h"
#include "toolkit/numbers.h"

#include <sstream>

namespace {

using exporting::PictureParts;

constexpr const char* kStem = "parvok-measurements";

void WriteFit(std::ostringstream& csv, const char* name, const physics::ChiSquare& fit) {
    csv << "# " << name << " chi-square," << tk::Str(fit.value) << ",degrees of freedom,"
        << fit.degreesOfFreedom << ",p," << tk::Str(fit.p) << "\n";
}

} // namespace

PictureParts MeasurementsWndo::Picture() const {
    PictureParts parts;
    parts.plots = {positions_, energies_};
    for (const tk::StaticText* text : {positionText_, energyText_, note_})
        parts.texts.push_back({text->Text(), text->Bounds(), text->Font()});
    parts.stem = kStem;
    return parts;
}

// Comment lines with the instant, the seed and the tests, then one row a bin and one a state.
std::string MeasurementsWndo::TallyCsv() const {
    std::ostringstream csv;
    csv << "# Parvok measurements on copies of one state\n";
    csv << "# t/T1," << tk::Str(preparedAt_) << "\n# seed," << lab_.Seed() << "\n";
    if (!tally_)
        return csv.str() + "# no particle: every magnitude is 0\n";
    const measurement::Tally& tally = *tally_;
    csv << "# N," << tally.Count() << "\n";
    WriteFit(csv, "position", tally.PositionFit());
    WriteFit(csv, "energy", tally.EnergyFit());
    csv << "quantity,from,to,count,predicted probability,predicted count\n";
    const auto count = static_cast<double>(tally.Count());
    for (int bin = 0; bin < measurement::Tally::kBins; ++bin) {
        const double p = tally.BinProbability(bin);
        csv << "x/L," << tk::Str(double(bin) / measurement::Tally::kBins) << ","
            << tk::Str(double(bin + 1) / measurement::Tally::kBins) << "," << tally.Positions()[bin] << ","
            << tk::Str(p) << "," << tk::Str(p * count) << "\n";
    }
    for (int n = 1; n <= physics::kComponents; ++n) {
        const double p = tally.Energy().Probability(n);
        csv << "n," << n << "," << n << "," << tally.Energies()[n - 1] << "," << tk::Str(p) << ","
            << tk::Str(p * count) << "\n";
    }
    return csv.str();
}

void MeasurementsWndo::AddExportHandlers() {
    exporting::AddExportHandlers(*this,
                                 {.picture = [this] { return Picture(); },
                                  .periods = [this] { return preparedAt_; },
                                  .csv = [this] { return TallyCsv(); },
                                  .csvName = [this] { return exporting::NameAt(kStem, preparedAt_, "csv"); },
                                  .saved = [this](const std::string& written) { main_.TellSaved(written); }});
}
