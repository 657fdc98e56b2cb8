// Time in the teacher's hands: pause and resume, steps of one frame, jumps to the quarters of the
// period of state 1, a restart, and the ready-made states; and the menu items that reach them.

#include "mainwindow/main_wndo.h"

#include "app/commands.h"
#include "toolkit/numbers.h"

#include <utility>

void MainWndo::LoadIfIdle() {
    if (run_.State() == run::RunState::Idle)
        DoNormalize();
}

void MainWndo::PauseOrResume() {
    run_.PauseOrResume();
}

void MainWndo::StepFrames(int frames) {
    LoadIfIdle();
    run_.Step(frames);
}

void MainWndo::GoTo(double fraction) {
    LoadIfIdle();
    run_.GoTo(fraction);
}

void MainWndo::Restart() {
    LoadIfIdle();
    run_.Restart();
}

// A run stops first, so that the fields take the state; they are written as the user would type
// them (blanking the phasors), then normalized, and the state shows at t = 0.
void MainWndo::LoadPreset(physics::Preset preset) {
    run_.Stop();
    WriteTyped(physics::TypedPreset(preset));
    DoNormalize();
}

void MainWndo::WriteFields(const std::array<std::string, kComponents>& magnitudes,
                           const std::array<std::string, kComponents>& angles) {
    for (int k = 0; k < kComponents; ++k) {
        magnitudes_[k]->SetText(magnitudes[k]);
        angles_[k]->SetText(angles[k]);
    }
}

// Steps need a still picture, so they are off while running. They go with the commands that act
// from every window.
void MainWndo::AddTimeHandlers() {
    const auto act = [](auto command) {
        return [command] {
            command();
            return true;
        };
    };
    const auto state = [this] { return run_.State(); };
    const auto notIdle = [state] { return state() != run::RunState::Idle; };
    const auto notRunning = [state] { return state() != run::RunState::Running; };
    commands_.AddMenuHandler(command::kAnimationStartStop, act([this] { PBStart_Action(); }));
    commands_.AddMenuHandler(command::kAnimationPause, act([this] { PauseOrResume(); }), notIdle);
    commands_.AddMenuHandler(command::kAnimationStepForward, act([this] { StepFrames(1); }), notRunning);
    commands_.AddMenuHandler(command::kAnimationStepBack, act([this] { StepFrames(-1); }), notRunning);
    const std::pair<const char*, double> instants[] = {
        {command::kAnimationGoToQuarter, 0.25},
        {command::kAnimationGoToHalf, 0.5},
        {command::kAnimationGoToThreeQuarters, 0.75},
        {command::kAnimationGoToPeriod, 1},
    };
    for (const auto& [item, fraction] : instants)
        commands_.AddMenuHandler(item, act([this, fraction = fraction] { GoTo(fraction); }));
    commands_.AddMenuHandler(command::kAnimationRestart, act([this] { Restart(); }));
    const std::pair<const char*, physics::Preset> presets[] = {
        {command::kStatesGround, physics::Preset::Ground},
        {command::kStatesFirstTwo, physics::Preset::FirstTwo},
        {command::kStatesFirstThree, physics::Preset::FirstThree},
        {command::kStatesPacket, physics::Preset::Packet},
        {command::kStatesCat, physics::Preset::Cat},
    };
    for (const auto& [item, preset] : presets)
        commands_.AddMenuHandler(item, act([this, preset = preset] { LoadPreset(preset); }));
}
