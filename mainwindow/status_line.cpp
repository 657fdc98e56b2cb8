#include "mainwindow/status_line.h"

#include "toolkit/numbers.h"
#include "toolkit/translation.h"

#include <algorithm>
#include <cmath>

namespace {

// The clock is first read to a millionth of a period. The phases are sums of many steps, and
// their rounding errors stay far below that, while the times that whole frames reach (multiples of
// 1/3600 of a period) lie never closer than 1/18 of a millionth to the middle between two
// millionths: so a time reached twice, by steps forward and back, always reads the same.
constexpr double kClockResolution = 1e6;

} // namespace

StatusLine::StatusLine(const run::RunModel& run, tk::StatusBar& bar)
    : run_(run), words_(LookedUp()), bar_(bar) {
    bar_.SetAccessibleName(tk::Translate("StatusLine", "Status"));
    frames_ = run.FrameAdvanced.Connect([this] { Show(); });
    changes_ = run.Changed.Connect([this](run::Change change) {
        if (change == run::Change::Loaded || change == run::Change::Started || change == run::Change::Stopped)
            outcome_.clear();
        Show();
    });
    Show();
}

void StatusLine::ShowOutcome(const std::string& outcome) {
    outcome_ = outcome;
    Show();
}

StatusLine::Words StatusLine::LookedUp() {
    return {
        .clock = tk::Translate("StatusLine", kClock),
        .frame = tk::Translate("StatusLine", "frame %1"),
        .speed = tk::Translate("StatusLine", "speed %1"),
        .edited = tk::Translate("StatusLine", "Press Normalize to load the new values"),
        .allZero = tk::Translate("StatusLine", "All magnitudes are 0: nothing to show or measure"),
        .stateZero = tk::Translate("StatusLine", "State %1 has magnitude 0"),
        .running = tk::Translate("StatusLine", "Running"),
        .paused = tk::Translate("StatusLine", "Paused"),
        .ready = tk::Translate("StatusLine", "Ready"),
        .tooFastOne = tk::Translate("StatusLine", "Too fast to follow: state %1 turns 180° or more a frame"),
        .tooFastMany = tk::Translate("StatusLine", "Too fast to follow: states %1 turn 180° or more a frame"),
    };
}

std::string StatusLine::ClockText(double periods, std::string_view words) {
    const double read = std::round(periods * kClockResolution) / kClockResolution;
    return tk::Substitute(words, {tk::Format(read, "0.000")});
}

void StatusLine::Show() {
    texts_.message = Message();
    texts_.parts[0] = ClockText(run_.ElapsedPeriods(), words_.clock);
    texts_.parts[1] = tk::Substitute(words_.frame, {std::to_string(run_.FramesAdvanced())});
    texts_.parts[2] = tk::Substitute(words_.speed, {std::to_string(run_.Speed())});
    bar_.SetTexts(texts_);
}

std::string StatusLine::TooFastNotice() const {
    std::string states;
    int count = 0;
    for (int n = 1; n <= physics::kComponents; ++n)
        if (run_.TooFastToFollow(n))
            states += (count++ == 0 ? "" : ", ") + std::to_string(n);
    if (count == 0)
        return {};
    return tk::Substitute(count == 1 ? words_.tooFastOne : words_.tooFastMany, {states});
}

// The silent states first: the plots and phasors show nothing there, and this says why.
std::string StatusLine::Message() const {
    if (run_.Edited())
        return words_.edited;
    const physics::Components& magnitudes = run_.Magnitudes();
    if (run_.Loaded() && std::all_of(magnitudes.begin(), magnitudes.end(), [](double m) { return m == 0; }))
        return words_.allZero;
    const int shownAlone = run_.Shown().StateNumber();
    if (run_.Loaded() && shownAlone != 0 && magnitudes[shownAlone - 1] == 0)
        return tk::Substitute(words_.stateZero, {std::to_string(shownAlone)});
    if (!outcome_.empty())
        return outcome_;
    if (std::string notice = TooFastNotice(); !notice.empty())
        return notice;
    switch (run_.State()) {
    case run::RunState::Running:
        return words_.running;
    case run::RunState::Paused:
        return words_.paused;
    case run::RunState::Idle:
        break;
    }
    return words_.ready;
}
