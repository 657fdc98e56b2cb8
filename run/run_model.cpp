#include "run/run_model.h"

#include "physics/clock.h"
#include "physics/normalization.h"
#include "physics/superposition.h"

#include <algorithm>
#include <cmath>

namespace run {

namespace {

// An angle so large that the smallest step of its state is lost to rounding would stand still
// while the clock says the run goes on: it turns into the same direction below 360 degrees. Every
// other angle stays as typed, never reduced.
double LoadedPhase(int n, double degrees) {
    const double smallestStep = physics::PhaseStep(n, physics::kPhaseStep, RunModel::kMinimumSpeed);
    return degrees + smallestStep == degrees ? std::fmod(degrees, 360.0) : degrees;
}

} // namespace

double RunModel::ElapsedPeriods() const {
    return physics::TurnSign(turning_) * physics::PeriodsElapsed(phasesAtStart_[0], phases_[0]);
}

double RunModel::FrameTurn(int n) const {
    return physics::TurnSign(turning_) *
           physics::PhaseStep(n, physics::kPhaseStep, static_cast<double>(speed_));
}

bool RunModel::TooFastToFollow(int n) const {
    constexpr double kHalfTurn = 180;
    return loaded_ && magnitudes_[n - 1] != 0 && std::abs(FrameTurn(n)) >= kHalfTurn;
}

double RunModel::PhysicalBound() const {
    return physics::PhysicalBound(ShownWeights());
}

// The loaded state is sampled at once, so that every view shows it before the first frame.
void RunModel::Load(const physics::Typed& typed) {
    magnitudes_ = physics::Normalized(typed.magnitudes);
    for (int k = 0; k < physics::kComponents; ++k)
        phases_[k] = LoadedPhase(k + 1, typed.degrees[k]);
    phasesAtStart_ = phases_;
    framesAdvanced_ = 0;
    loaded_ = true;
    edited_ = false;
    Changed.Emit(Change::Loaded);
    Advance(0);
}

void RunModel::Start() {
    if (state_ == RunState::Idle)
        SetState(RunState::Running, Change::Started);
}

void RunModel::Stop() {
    if (state_ != RunState::Idle)
        SetState(RunState::Idle, Change::Stopped);
}

void RunModel::PauseOrResume() {
    if (state_ == RunState::Running)
        SetState(RunState::Paused, Change::Paused);
    else if (state_ == RunState::Paused)
        SetState(RunState::Running, Change::Resumed);
}

void RunModel::Pause() {
    if (state_ != RunState::Paused)
        SetState(RunState::Paused, Change::Paused);
}

void RunModel::Step(int frames) {
    Pause();
    Advance(frames);
}

// The frame count says how many frames of the current speed reach that instant, so that it agrees
// with the clock.
void RunModel::GoTo(double fraction) {
    Pause();
    phases_ = physics::PhasesAt(phasesAtStart_, physics::TurnSign(turning_) * fraction);
    const double periodsPerFrame = physics::PhaseStep(1, physics::kPhaseStep, speed_) / 360;
    framesAdvanced_ = std::llround(fraction / periodsPerFrame);
    Advance(0);
}

void RunModel::Restart() {
    Pause();
    phases_ = phasesAtStart_;
    framesAdvanced_ = 0;
    Advance(0);
}

void RunModel::Tick() {
    Advance(1);
}

void RunModel::SetSpeed(int speed) {
    const int clamped = std::clamp(speed, kMinimumSpeed, kMaximumSpeed);
    if (clamped == speed_)
        return;
    speed_ = clamped;
    Changed.Emit(Change::Speed);
}

// A still run shows the new choice at once; a running one at its next frame.
void RunModel::Select(Selection shown) {
    shown_ = shown;
    showWeights_ = shown.ShowWeights();
    Changed.Emit(Change::Selection);
    if (loaded_ && state_ != RunState::Running)
        Advance(0);
}

void RunModel::MarkEdited() {
    if (edited_)
        return;
    edited_ = true;
    Changed.Emit(Change::Edited);
}

void RunModel::SetPhysicalScale(bool on) {
    if (on == physicalScale_)
        return;
    physicalScale_ = on;
    Changed.Emit(Change::Scale);
}

void RunModel::SetTimeForward(bool on) {
    if (on == TimeForward())
        return;
    const double now = ElapsedPeriods();
    turning_ = on ? physics::Turning::Clockwise : physics::Turning::CounterClockwise;
    Changed.Emit(Change::Turning);
    if (!loaded_)
        return;
    phases_ = physics::PhasesAt(phasesAtStart_, physics::TurnSign(turning_) * now);
    Advance(0);
}

void RunModel::SetState(RunState state, Change change) {
    state_ = state;
    Changed.Emit(change);
}

// The order of operations is that of every frame since the first: each phase advances by its own
// step, the speed converted for each state, one frame forward adding the step itself to the last
// bit (time forward, the step negated); then the shown states are summed at the samples.
void RunModel::Advance(int frames) {
    for (int k = 0; k < physics::kComponents; ++k)
        phases_[k] = phases_[k] + static_cast<double>(frames) * FrameTurn(k + 1);
    framesAdvanced_ += frames;
    const physics::Components weights = ShownWeights();
    physics::SuperposeBoth(weights, phases_, scaled_.real, scaled_.imaginary, scaled_.density, physical_.real,
                           physical_.imaginary, physical_.density);
    drawn_ = true;
    FrameAdvanced.Emit();
}

physics::Components RunModel::ShownWeights() const {
    physics::Components weights{};
    for (int k = 0; k < physics::kComponents; ++k)
        weights[k] = static_cast<double>(showWeights_[k]) * magnitudes_[k];
    return weights;
}

} // namespace run
