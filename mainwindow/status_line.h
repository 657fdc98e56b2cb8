#pragma once

#include "mainwindow/main_wndo.h"
#include "toolkit/signal.h"
#include "toolkit/status_bar.h"

#include <string>
#include <vector>

// The line below the main window's content. Its message says what the run is doing, or why the
// window shows nothing when it shows nothing; its permanent parts, which no passing message
// covers, are the time since Start in periods of state 1, the frames advanced and the speed. A
// view: it follows the window's signals, changes nothing in it, and writes the line once for each
// signal, so once a frame while the animation runs.
class StatusLine {
public:
    explicit StatusLine(MainWndo& window);

    // "t = 0.250 T₁": the time with three decimals.
    static std::string ClockText(double periods);

private:
    void Show();
    std::string Message() const;

    MainWndo& window_;
    tk::StatusBar& bar_;
    // The texts of the line, written in place at each frame so that their storage is reused.
    tk::StatusBar::Texts texts_{.message = {}, .parts = std::vector<std::string>(3)};
    bool loaded_ = false; // a normalization has loaded the phasors
    tk::Connection frames_;
    tk::Connection changes_;
};
