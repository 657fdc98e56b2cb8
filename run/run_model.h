#pragma once

#include "physics/box.h"
#include "physics/clock.h"
#include "physics/presets.h"
#include "run/selection.h"
#include "toolkit/signal.h"

namespace run {

// Where a run stands. Idle: the typed values may change and time stands still. Running: a timer
// ticks the phases on. Paused: a run held at one instant, which steps and jumps move; only Stop
// leads back to Idle.
enum class RunState { Idle, Running, Paused };

// What changed, as Changed announces it.
enum class Change {
    Loaded,    // new coefficients, normalized from typed values; time is back at 0
    Started,   // Idle to Running
    Stopped,   // back to Idle; the last instant stays
    Paused,    // Running or Idle to Paused
    Resumed,   // Paused to Running
    Selection, // another choice of the states shown
    Edited,    // the typed values changed since the last Load: the coefficients no longer match them
    Speed,     // another speed
    Turning,   // the phases turn the other way round; time stays where it was
    Scale,     // the plots switched between the scaled and the physical wavefunction
};

// The wavefunction at the 101 samples and its density.
struct Wave {
    physics::Samples real{};
    physics::Samples imaginary{};
    physics::Samples density{};
};

// A run of the animation, from the coefficients loaded to the instant shown: one object that every
// window reads and none keeps a copy of. It turns the phases and samples the wavefunction; it draws
// nothing and knows no window. Every command announces what it changed, through Changed, or, when
// time moved, through FrameAdvanced (after the phases and samples are those of the new instant).
class RunModel {
public:
    static constexpr int kInitialSpeed = 10;
    static constexpr int kMinimumSpeed = 1;
    static constexpr int kMaximumSpeed = 100;

    // ---- What the run is ----
    // The normalized magnitudes of the last Load: their squares sum to 1, signs kept; all 0 before
    // the first Load and for the zero state.
    const physics::Components& Magnitudes() const { return magnitudes_; }
    // The phases in degrees now, never reduced modulo 360, and those the last Load set (t = 0).
    const physics::Components& Phases() const { return phases_; }
    const physics::Components& PhasesAtStart() const { return phasesAtStart_; }
    // The frames time has moved since the last Load: +1 a tick or step forward, -1 a step back; GoTo
    // counts the frames of the current speed that reach its instant, and Restart goes back to 0.
    long long FramesAdvanced() const { return framesAdvanced_; }
    // The time since the last Load in periods T1 of state 1, read from the phase state 1 has turned.
    double ElapsedPeriods() const;
    // 1 to 100: each frame turns state n by n^2 x physics::kPhaseStep x speed degrees (FrameTurn).
    int Speed() const { return speed_; }
    const Selection& Shown() const { return shown_; }
    // The shown states as weights, 1 shown and 0 left out, in step with Shown().
    const Selection::Weights& ShowWeights() const { return showWeights_; }
    RunState State() const { return state_; }
    // Whether coefficients were ever loaded, and whether the typed values changed since the last
    // Load; the phasors show the coefficients while they are loaded and not edited. Edited() is a
    // reference that stays valid, for the windows that name it as a field of theirs.
    bool Loaded() const { return loaded_; }
    const bool& Edited() const { return edited_; }
    bool CoefficientsShown() const { return loaded_ && !edited_; }
    // Whether the wavefunction has been sampled (by a Load or a frame); before that the samples are 0.
    bool Drawn() const { return drawn_; }
    // The wavefunction shown at the 101 samples: the shown states, weighted by their magnitudes and
    // divided by the sum of the weights' sizes, so |psi| <= 1; the density is Re^2 + Im^2.
    const physics::Samples& Real() const { return scaled_.real; }
    const physics::Samples& Imaginary() const { return scaled_.imaginary; }
    const physics::Samples& Density() const { return scaled_.density; }
    // The same states as the physical wavefunction sqrt(L) psi and its density L |psi|^2, whose
    // integral over x/L is the shown states' share of the particle (1 for the total).
    const Wave& Scaled() const { return scaled_; }
    const Wave& Physical() const { return physical_; }
    // What the plots show: the physical wavefunction when PhysicalScale() is on, else the scaled one.
    const Wave& Plotted() const { return physicalScale_ ? physical_ : scaled_; }
    // Off by default. On, the plots show the physical wavefunction within +-PhysicalBound(), which
    // no instant of the loaded state and selection leaves, so its range never changes as time runs.
    bool PhysicalScale() const { return physicalScale_; }
    double PhysicalBound() const;
    // Off by default: the phases turn counter-clockwise, by +n^2 x kPhaseStep x speed a frame, and
    // time runs against nature's. On, they turn clockwise by the same steps, so that packets move
    // with their momentum; the clock counts up either way.
    bool TimeForward() const { return turning_ == physics::Turning::Clockwise; }
    // How many degrees state n (1 to 6) turns a frame at the current speed, with its sign.
    double FrameTurn(int n) const;
    // Whether state n (1 to 6) is loaded with a magnitude and turns half a turn or more a frame: the
    // eye then sees it stand still, turn backwards or flip, not turn as it does.
    bool TooFastToFollow(int n) const;

    // ---- Commands ----
    // Normalizes typed magnitudes and loads them with the typed angles as the phases at t = 0, then
    // samples that state. An angle whose smallest frame step is lost to rounding is loaded modulo 360.
    void Load(const physics::Typed& typed);
    // Idle to Running; nothing in another state.
    void Start();
    // Back to Idle from Running or Paused.
    void Stop();
    // Running to Paused, or Paused to Running; nothing in Idle.
    void PauseOrResume();
    // Holds the run at the instant it shows: from Running or Idle to Paused.
    void Pause();
    // Holds the run, then turns every phase by `frames` frames of the current speed (+1, -1).
    void Step(int frames);
    // Holds the run, then shows the instant `fraction` x T1 after t = 0.
    void GoTo(double fraction);
    // Holds the run, then shows t = 0 again.
    void Restart();
    // One frame of a running animation.
    void Tick();
    // Clamped to 1 to 100.
    void SetSpeed(int speed);
    // A run that is not running samples the new choice at once.
    void Select(Selection shown);
    // The typed values changed: the loaded coefficients no longer match them.
    void MarkEdited();
    void SetPhysicalScale(bool on);
    // Turns the phases the other way from now on. The run stays at the time it shows: its phases
    // become those of that time, reached the new way round.
    void SetTimeForward(bool on);

    tk::Signal<Change> Changed;
    tk::Signal<> FrameAdvanced;

private:
    void SetState(RunState state, Change change);
    // Turns every phase by `frames` frame steps at the current speed and samples the wavefunction.
    void Advance(int frames);
    // The shown states' magnitudes, 0 for those left out.
    physics::Components ShownWeights() const;

    physics::Components magnitudes_{};
    physics::Components phases_{};
    physics::Components phasesAtStart_{};
    long long framesAdvanced_ = 0;
    int speed_ = kInitialSpeed;
    Selection shown_ = Selection::Total();
    Selection::Weights showWeights_ = Selection::Total().ShowWeights();
    RunState state_ = RunState::Idle;
    bool loaded_ = false;
    bool edited_ = false;
    bool drawn_ = false;
    bool physicalScale_ = false;
    physics::Turning turning_ = physics::Turning::CounterClockwise;
    Wave scaled_;
    Wave physical_;
};

} // namespace run
