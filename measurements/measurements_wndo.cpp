#include "measurements/measurements_wndo.h"

#include "app/commands.h"
#include "export/export_commands.h"
#include "export/save_flow.h"
#include "mainwindow/status_line.h"
#include "toolkit/binding.h"
#include "toolkit/numbers.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>

namespace {

// The layout: a row of buttons and the seed at the top, the two plots below it on the left, each
// with its figures to its right, and a line that says what the copies are of at the bottom.
constexpr int kMargin = 10;
constexpr int kGap = 8;
constexpr int kRowHeight = 24;
constexpr int kButtonWidth = 72;
constexpr int kPlotsTop = kMargin + kRowHeight + kGap;
constexpr int kPlotWidth = 560;
constexpr int kPositionHeight = 300;
constexpr int kEnergyHeight = 240;
constexpr int kSummaryWidth = 250;
constexpr int kWidth = kMargin + kPlotWidth + kGap + kSummaryWidth + kMargin;
constexpr int kNoteTop = kPlotsTop + kPositionHeight + kGap + kEnergyHeight + kGap;
constexpr int kHeight = kNoteTop + kRowHeight + kMargin;

// How long one slice of drawing outcomes may take: well within a frame of the animation, 33 ms.
constexpr auto kSliceBudget = std::chrono::milliseconds(8);
// Outcomes drawn between two looks at the clock: some 0.5 ms of work.
constexpr std::uint64_t kBatch = 1000;
constexpr int kSlicePeriod = 33;
// A timer this short fires once the frame's paints, already posted, are done.
constexpr int kAfterAFrame = 1;

// "10 000": the digits in groups of three, set apart by a narrow no-break space, as in every
// language the program speaks.
std::string Grouped(std::uint64_t count) {
    std::string digits = std::to_string(count);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), "\u202F");
    return digits;
}

// The count, and the chi-square test where it has something to test.
std::string Summary(const std::string& heading, std::uint64_t count, const physics::ChiSquare& fit) {
    std::string text =
        heading + "\n" + tk::Substitute(tk::Translate("MeasurementsWndo", "N = %1"), {Grouped(count)});
    if (count == 0)
        return text;
    if (fit.degreesOfFreedom < 1)
        return text + "\n" +
               tk::Translate("MeasurementsWndo", "No χ² test: too few classes\nwith 5 outcomes expected");
    return text + "\n" +
           tk::Substitute(tk::Translate("MeasurementsWndo", "χ² = %1 with %2 degrees of freedom"),
                          {tk::Format(fit.value, "0.0"), std::to_string(fit.degreesOfFreedom)}) +
           "\n" + tk::Substitute(tk::Translate("MeasurementsWndo", "p = %1"), {tk::Significant(fit.p, 2)});
}

// A seed is a whole number that 64 bits hold, typed without sign or blanks around it.
std::optional<std::uint64_t> SeedOf(const std::string& text) {
    std::uint64_t seed = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seed);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return seed;
}

// Up to the next half, so that the density's ticks have short labels.
double UpToAHalf(double value) {
    return std::ceil(value * 2) / 2;
}

} // namespace

MeasurementsWndo::MeasurementsWndo(MainWndo& main)
    : main_(main), run_(main.Model()), lab_(main.MeasurementLab()) {}

void MeasurementsWndo::Layout() {
    settings.title = tk::Translate("MeasurementsWndo", "Measurements");
    settings.width = kWidth;
    settings.height = kHeight;
    settings.resizable = false;
    settings.closeButton = true;
    settings.minimizeButton = true;
    settings.maximizeButton = false;
    settings.closeKeys = true;
    settings.placement = tk::kPlaceBeside;
}

tk::PushButton& MeasurementsWndo::CreateButton(const std::string& name, const std::string& caption, int left,
                                               int width) {
    auto& button = AddControl(name, std::make_unique<tk::PushButton>());
    button.SetCaption(caption);
    button.SetBounds(left, kMargin, width, kRowHeight);
    return button;
}

void MeasurementsWndo::CreateControls() {
    const std::pair<std::uint64_t, std::string> adds[] = {
        {1, tk::Translate("MeasurementsWndo", "+1")},
        {10, tk::Translate("MeasurementsWndo", "+10")},
        {100, tk::Translate("MeasurementsWndo", "+100")},
        {1000, tk::Translate("MeasurementsWndo", "+1,000")},
        {10000, tk::Translate("MeasurementsWndo", "+10,000")},
    };
    int left = kMargin;
    for (const auto& [count, caption] : adds) {
        tk::PushButton& button = CreateButton("PBAdd" + std::to_string(count), caption, left, kButtonWidth);
        button.SetAccessibleName(tk::Substitute(
            tk::Translate("MeasurementsWndo", "Measure %1 more copies in position and %1 in energy"),
            {Grouped(count)}));
        button.Action = [this, count = count] { Add(count); };
        adders_.push_back(&button);
        left += kButtonWidth + 4;
    }
    CreateButton("PBClear", tk::Translate("MeasurementsWndo", "Clear"), left + kGap, kButtonWidth).Action =
        [this] { Clear(); };

    auto& seedLabel = AddControl("STSeed", std::make_unique<tk::StaticText>());
    seedLabel.SetText(tk::Translate("MeasurementsWndo", "Seed:"));
    seedLabel.SetAlignment(tk::AlignedTextControl::kRight);
    seedLabel.SetBounds(kWidth - kMargin - 240, kMargin, 60, kRowHeight);
    seed_ = &AddControl("EFSeed", std::make_unique<tk::EditField>());
    seed_->SetBounds(kWidth - kMargin - 176, kMargin, 176, kRowHeight);
    seed_->SetText(std::to_string(lab_.Seed()));
    seed_->SetAccessibleName(tk::Translate(
        "MeasurementsWndo", "Seed of the random numbers: the same seed repeats the same outcomes"));
    tk::Bind(*seed_, &tk::EditField::TextChange, *this, &MeasurementsWndo::EFSeed_TextChange);

    positions_ = &AddControl("GFPositions", std::make_unique<Graph>());
    positions_->SetBounds(kMargin, kPlotsTop, kPlotWidth, kPositionHeight);
    positions_->SetAccessibleName(
        tk::Translate("MeasurementsWndo", "Histogram of the positions found, over the density predicted"));
    tk::Bind(*positions_, &Graph::Open, *this, &MeasurementsWndo::GFPositions_Open);
    tk::Bind(*positions_, &Graph::DrawContent, *this, &MeasurementsWndo::GFPositions_DrawContent);
    energies_ = &AddControl("GFEnergies", std::make_unique<Graph>());
    energies_->SetBounds(kMargin, kPlotsTop + kPositionHeight + kGap, kPlotWidth, kEnergyHeight);
    energies_->SetAccessibleName(
        tk::Translate("MeasurementsWndo", "Share of each energy found, beside the weights predicted"));
    tk::Bind(*energies_, &Graph::Open, *this, &MeasurementsWndo::GFEnergies_Open);
    tk::Bind(*energies_, &Graph::DrawContent, *this, &MeasurementsWndo::GFEnergies_DrawContent);

    const int summaryLeft = kMargin + kPlotWidth + kGap;
    positionText_ = &AddControl("STPositionFit", std::make_unique<tk::StaticText>());
    positionText_->SetBounds(summaryLeft, kPlotsTop, kSummaryWidth, kPositionHeight / 2);
    energyText_ = &AddControl("STEnergyFit", std::make_unique<tk::StaticText>());
    energyText_->SetBounds(summaryLeft, kPlotsTop + kPositionHeight + kGap, kSummaryWidth, kEnergyHeight / 2);
    note_ = &AddControl("STNote", std::make_unique<tk::StaticText>());
    note_->SetBounds(kMargin, kNoteTop, kWidth - 2 * kMargin, kRowHeight);

    slices_ = &AddControl("TMSlices", std::make_unique<tk::Timer>());
    tk::Bind(*slices_, &tk::Timer::Action, *this, &MeasurementsWndo::TMSlices_Action);
    AddExportHandlers();
}

void MeasurementsWndo::Event_Open() {
    frames_ = run_.FrameAdvanced.Connect([this] {
        Follow();
        SliceAfterTheFrame();
    });
    changes_ = run_.Changed.Connect([this](run::Change) { Follow(); });
    Follow();
}

void MeasurementsWndo::Event_Close() {
    frames_.Disconnect();
    changes_.Disconnect();
    slices_->SetMode(tk::Timer::kOff);
    pending_ = 0;
}

bool MeasurementsWndo::Running() const {
    return run_.State() == run::RunState::Running;
}

void MeasurementsWndo::Follow() {
    if (Running() && tally_)
        return;
    const physics::State present = main_.PresentState();
    if (!tally_ || tally_->Prepared().c != present.c)
        Prepare(present);
}

void MeasurementsWndo::Clear() {
    Prepare(main_.PresentState());
}

void MeasurementsWndo::Prepare(const physics::State& state) {
    pending_ = 0;
    slices_->SetMode(tk::Timer::kOff);
    preparedAt_ = std::isfinite(run_.ElapsedPeriods()) ? run_.ElapsedPeriods() : 0;
    if (state.Exists())
        tally_.emplace(state);
    else
        tally_.reset();
    for (tk::PushButton* adder : adders_)
        adder->SetEnabled(tally_.has_value());
    if (!positions_->IsDefined())
        return;
    GFPositions_Open();
    ShowOutcomes();
}

void MeasurementsWndo::Add(std::uint64_t count) {
    if (!tally_)
        return;
    pending_ = std::min(pending_ + count, kMostOutcomes - tally_->Count());
    if (Running())
        return;
    DrawSlice();
    KeepSlicing();
}

void MeasurementsWndo::TMSlices_Action() {
    DrawSlice();
    KeepSlicing();
}

// While the animation holds, slices follow each other at the timer's pace.
void MeasurementsWndo::KeepSlicing() {
    if (pending_ > 0 && !Running()) {
        slices_->SetPeriod(kSlicePeriod);
        slices_->SetMode(tk::Timer::kMultiple);
    } else {
        slices_->SetMode(tk::Timer::kOff);
    }
}

// While it runs, one slice goes just after each frame has been painted, as far from the next frame as
// it can be, so that none delays a frame.
void MeasurementsWndo::SliceAfterTheFrame() {
    if (!Running() || pending_ == 0)
        return;
    slices_->SetPeriod(kAfterAFrame);
    slices_->SetMode(tk::Timer::kSingle);
}

void MeasurementsWndo::DrawSlice() {
    if (!tally_ || pending_ == 0)
        return;
    const auto until = std::chrono::steady_clock::now() + kSliceBudget;
    do {
        const std::uint64_t batch = std::min(pending_, kBatch);
        tally_->Add(batch, lab_);
        pending_ -= batch;
    } while (pending_ > 0 && std::chrono::steady_clock::now() < until);
    ShowOutcomes();
}

void MeasurementsWndo::EFSeed_TextChange() {
    if (const auto seed = SeedOf(seed_->Text())) {
        lab_.SetSeed(*seed);
        ShowNote();
        return;
    }
    note_->SetText(tk::Translate("MeasurementsWndo",
                                 "The seed is a whole number from 0 to 18446744073709551615: the seed in use "
                                 "stays as it was."));
}

// One redraw of each plot, and the figures beside them.
void MeasurementsWndo::ShowOutcomes() {
    positions_->ReDrawAll();
    energies_->ReDrawAll();
    const std::uint64_t count = tally_ ? tally_->Count() : 0;
    positionText_->SetText(Summary(tk::Translate("MeasurementsWndo", "Positions"), count,
                                   tally_ ? tally_->PositionFit() : physics::ChiSquare{}));
    energyText_->SetText(Summary(tk::Translate("MeasurementsWndo", "Energies"), count,
                                 tally_ ? tally_->EnergyFit() : physics::ChiSquare{}));
    ShowNote();
}

void MeasurementsWndo::ShowNote() {
    if (!tally_) {
        note_->SetText(tk::Translate("MeasurementsWndo", "No particle: every magnitude is 0, so there is "
                                                         "nothing to measure."));
        return;
    }
    note_->SetText(tk::Substitute(
        tk::Translate("MeasurementsWndo", "Copies of the state at %1, each measured once; the state itself "
                                          "does not change."),
        {StatusLine::ClockText(preparedAt_)}));
}

// The density's range: a little above its highest value, so that the histogram has room to scatter.
double MeasurementsWndo::DensityTop() const {
    constexpr int kLooks = 200;
    constexpr double kHeadroom = 1.2;
    double top = 1;
    if (tally_)
        for (int i = 0; i <= kLooks; ++i)
            top = std::max(top, tally_->Position().Density(double(i) / kLooks));
    return UpToAHalf(kHeadroom * top);
}
