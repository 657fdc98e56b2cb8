// Time in the teacher's hands: pause and resume, steps of one frame, jumps to the quarters of the
// period of state 1, a restart, and the ready-made states; and the menu items that reach them.

#include "mainwindow/main_wndo.h"

#include "physics/clock.h"
#include "toolkit/numbers.h"

#include <utility>

void MainWndo::PauseOrResume() {
    switch (RunState()) {
    case Run::Running:
        HoldStill();
        break;
    case Run::Paused:
        timer_->SetMode(tk::Timer::kMultiple);
        StateChanged.Emit(Change::Resumed);
        break;
    case Run::Idle:
        break;
    }
}

void MainWndo::HoldStill() {
    switch (RunState()) {
    case Run::Idle:
        BeginRun();
        break;
    case Run::Running:
        timer_->SetMode(tk::Timer::kOff);
        break;
    case Run::Paused:
        return;
    }
    StateChanged.Emit(Change::Paused);
}

void MainWndo::StepFrames(int frames) {
    HoldStill();
    ShowFrame(frames);
}

void MainWndo::GoTo(double fraction) {
    HoldStill();
    const physics::Components phases = physics::PhasesAt(loadedPhases_, fraction);
    for (int k = 0; k < kComponents; ++k)
        phasors_[k]->angle = phases[k];
    ShowFrame(0);
}

// From Idle, beginning the run normalizes already; a second normalization would round the typed
// values to the six decimals the fields now show.
void MainWndo::Restart() {
    const bool idle = RunState() == Run::Idle;
    HoldStill();
    if (!idle)
        DoNormalize();
    ShowFrame(0);
}

// The fields are written as the user would type them (blanking the phasors), then normalized.
void MainWndo::LoadPreset(physics::Preset preset) {
    if (RunState() != Run::Idle)
        return;
    const physics::Typed typed = physics::TypedPreset(preset);
    for (int k = 0; k < kComponents; ++k) {
        magnitudes_[k]->SetText(tk::Format(typed.magnitudes[k], "0.000000"));
        angles_[k]->SetText(tk::Str(typed.degrees[k]));
    }
    DoNormalize();
}

// Steps need a still picture, so they are off while running; the ready-made states write the
// fields, so they are on only in Idle. The menus follow every change of the run.
void MainWndo::AddTimeHandlers() {
    const auto act = [](auto command) {
        return [command] {
            command();
            return true;
        };
    };
    const auto notIdle = [this] { return RunState() != Run::Idle; };
    const auto notRunning = [this] { return RunState() != Run::Running; };
    const auto idle = [this] { return RunState() == Run::Idle; };
    AddMenuHandler("AnimationStartStop", act([this] { PBStart_Action(); }));
    AddMenuHandler("AnimationPause", act([this] { PauseOrResume(); }), notIdle);
    AddMenuHandler("AnimationStepForward", act([this] { StepFrames(1); }), notRunning);
    AddMenuHandler("AnimationStepBack", act([this] { StepFrames(-1); }), notRunning);
    const std::pair<const char*, double> instants[] = {
        {"AnimationGoToQuarter", 0.25},
        {"AnimationGoToHalf", 0.5},
        {"AnimationGoToThreeQuarters", 0.75},
        {"AnimationGoToPeriod", 1},
    };
    for (const auto& [item, fraction] : instants)
        AddMenuHandler(item, act([this, fraction = fraction] { GoTo(fraction); }));
    AddMenuHandler("AnimationRestart", act([this] { Restart(); }));
    const std::pair<const char*, physics::Preset> presets[] = {
        {"StatesGround", physics::Preset::Ground},
        {"StatesFirstTwo", physics::Preset::FirstTwo},
        {"StatesFirstThree", physics::Preset::FirstThree},
        {"StatesPacket", physics::Preset::Packet},
        {"StatesCat", physics::Preset::Cat},
    };
    for (const auto& [item, preset] : presets)
        AddMenuHandler(item, act([this, preset = preset] { LoadPreset(preset); }), idle);
    menusFollowRun_ = StateChanged.Connect([this](Change) { UpdateMenus(); });
}
