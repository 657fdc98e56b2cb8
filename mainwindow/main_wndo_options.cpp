// The options of what the window shows, which the menus switch from every window and the next
// session starts with: the plots to physical scale, and time running forward.

#include "mainwindow/main_wndo.h"

#include "app/commands.h"
#include "toolkit/buttons.h"
#include "toolkit/platform.h"

#include <utility>

namespace {

// Where the settings keep them.
constexpr const char* kPhysicalScaleKey = "view/physicalScale";
constexpr const char* kTimeForwardKey = "animation/timeForward";

// A handler that switches an option: the run's setter with the opposite of its getter, then the
// setting.
template <class Get, class Set> tk::MenuHandlers::Handler Switch(const char* key, Get get, Set set) {
    return [key, get, set] {
        const bool on = !get();
        set(on);
        tk::ThePlatform().Settings().SetFlag(key, on);
        return true;
    };
}

} // namespace

void MainWndo::AddOptionHandlers() {
    const tk::Settings& remembered = tk::ThePlatform().Settings();
    run_.SetPhysicalScale(remembered.Flag(kPhysicalScaleKey, false));
    run_.SetTimeForward(remembered.Flag(kTimeForwardKey, false));

    const auto scale = [this] { return run_.PhysicalScale(); };
    const auto forward = [this] { return run_.TimeForward(); };
    commands_.AddMenuHandler(command::kViewPhysicalScale, Switch(kPhysicalScaleKey, scale, [this](bool on) {
                                 run_.SetPhysicalScale(on);
                             }));
    commands_.SetMenuCheck(command::kViewPhysicalScale, scale);
    commands_.AddMenuHandler(command::kAnimationTimeForward,
                             Switch(kTimeForwardKey, forward, [this](bool on) { run_.SetTimeForward(on); }));
    commands_.SetMenuCheck(command::kAnimationTimeForward, forward);
}

// As if the user set each: the slider, the radio button of the states shown, and the two options,
// which the next session starts with too.
void MainWndo::ApplyOptions(const lesson::Options& options) {
    applyingOptions_ = true;
    speed_->SetValue(options.speed);
    run_.SetSpeed(options.speed);
    tk::RadioButton* shown =
        options.shown == 0 ? Find<tk::RadioButton>("RBTotal") : stateButtons_[options.shown - 1];
    shown->SetValue(true);
    run_.Select(run::Selection::State(options.shown));
    run_.SetPhysicalScale(options.physicalScale);
    run_.SetTimeForward(options.timeForward);
    // Written only where they differ: the settings are written to disk at once, and a session or
    // lesson most often has the options remembered already.
    tk::Settings& remembered = tk::ThePlatform().Settings();
    for (const auto& [key, on] : {std::pair{kPhysicalScaleKey, options.physicalScale},
                                  std::pair{kTimeForwardKey, options.timeForward}})
        if (remembered.Flag(key, !on) != on)
            remembered.SetFlag(key, on);
    applyingOptions_ = false;
}
