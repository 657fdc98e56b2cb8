// The options of what the window shows, which the menus switch from every window and the next
// session starts with: the plots to physical scale, and time running forward.

#include "mainwindow/main_wndo.h"

#include "app/commands.h"
#include "toolkit/platform.h"

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
    commands_.AddMenuHandler(command::kViewPhysicalScale,
                             Switch(kPhysicalScaleKey, scale, [this](bool on) { run_.SetPhysicalScale(on); }));
    commands_.SetMenuCheck(command::kViewPhysicalScale, scale);
    commands_.AddMenuHandler(command::kAnimationTimeForward,
                             Switch(kTimeForwardKey, forward, [this](bool on) { run_.SetTimeForward(on); }));
    commands_.SetMenuCheck(command::kAnimationTimeForward, forward);
}
