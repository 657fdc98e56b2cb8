#include "mainwindow/status_line.h"

#include "toolkit/numbers.h"

#include <algorithm>
#include <cmath>

namespace {

// The clock is first read to a millionth of a period. The phases are sums of many steps, and
// their rounding errors stay far below that, while the times that whole frames reach (multiples of
// 1/3600 of a period) lie never closer than 1/18 of a millionth to the middle between two
// millionths: so a time reached twice, by steps forward and back, always reads the same.
constexpr double kClockResolution = 1e6;

} // namespace

StatusLine::StatusLine(MainWndo& window) : window_(window), bar_(window.AddStatusBar()) {
    bar_.SetAccessibleName("Status");
    frames_ = window.FrameShown.Connect([this] { Show(); });
    changes_ = window.StateChanged.Connect([this](MainWndo::Change change) {
        loaded_ = loaded_ || change == MainWndo::Change::Normalized;
        Show();
    });
    Show();
}

std::string StatusLine::ClockText(double periods) {
    const double read = std::round(periods * kClockResolution) / kClockResolution;
    return "t = " + tk::Format(read, "0.000") + " T₁";
}

void StatusLine::Show() {
    texts_.message = Message();
    texts_.parts[0] = ClockText(window_.ElapsedPeriods());
    texts_.parts[1] = "frame " + std::to_string(window_.FramesAdvanced());
    texts_.parts[2] = "speed " + std::to_string(window_.Speed());
    bar_.SetTexts(texts_);
}

// The silent states first: the plots and phasors show nothing there, and this says why.
std::string StatusLine::Message() const {
    if (window_.Blanked)
        return "Press Normalize to load the new values";
    const physics::Components magnitudes = window_.Magnitudes();
    if (loaded_ && std::all_of(magnitudes.begin(), magnitudes.end(), [](double m) { return m == 0; }))
        return "All magnitudes are 0: nothing to show";
    const auto& show = window_.Show;
    if (loaded_ && std::count(show.begin(), show.end(), 1) == 1) {
        const auto k = std::find(show.begin(), show.end(), 1) - show.begin();
        if (magnitudes[k] == 0)
            return "State " + std::to_string(k + 1) + " has magnitude 0";
    }
    switch (window_.RunState()) {
    case MainWndo::Run::Running:
        return "Running";
    case MainWndo::Run::Paused:
        return "Paused";
    case MainWndo::Run::Idle:
        break;
    }
    return "Ready";
}
