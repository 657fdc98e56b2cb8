#pragma once

#include "run/run_model.h"
#include "toolkit/signal.h"
#include "toolkit/status_bar.h"
#include "toolkit/translation.h"

#include <string>
#include <string_view>

// The line below the main window's content. Its message says what the run is doing, or why the
// window shows nothing when it shows nothing, or which states turn too fast for the eye; its permanent parts,
// which no passing message covers, are the time since Start in periods of state 1, the frames advanced and
// the speed. A view of the run: it follows its signals and writes the line once for each, so once a frame
// while the animation runs. Its words are looked up in the user's language once, when it is made, so that a
// frame looks up nothing.
class StatusLine {
public:
    StatusLine(const run::RunModel& run, tk::StatusBar& bar);

    // The clock's words, with %1 for the time; what shows the clock every frame looks them up once
    // with tk::Translate("StatusLine", kClock).
    static constexpr const char* kClock = tk::Translatable("StatusLine", "t = %1 T₁");
    // "t = 0.250 T₁": the time with three decimals, in the clock's words.
    static std::string ClockText(double periods, std::string_view words = kClock);

    // What a measurement found, said in place of what the run is doing until the run is loaded,
    // started or stopped again.
    void ShowOutcome(const std::string& outcome);

private:
    void Show();
    std::string Message() const;
    // Which loaded states turn too fast for the eye, said in place of the run's state; empty when none.
    std::string TooFastNotice() const;

    // The line's texts in the user's language; those with %1 are filled in as the line is written.
    struct Words {
        std::string clock, frame, speed;
        std::string edited, allZero, stateZero, running, paused, ready, tooFastOne, tooFastMany;
    };
    static Words LookedUp();

    const run::RunModel& run_;
    const Words words_;
    tk::StatusBar& bar_;
    tk::StatusBar::Texts texts_{.message = {}, .parts = {"", "", ""}}; // written again each frame
    tk::Connection frames_;
    tk::Connection changes_;
    std::string outcome_;
};
