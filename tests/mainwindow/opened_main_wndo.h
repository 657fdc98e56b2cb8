#pragma once

// A MainWndo opened on the fake platform, so that its plots and phasors draw into recording
// pictures, with helpers to type into it and read what it shows.

#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testing_main {

using Strings = std::vector<std::string>;

class OpenedMainWndo : public testing::Test {
public:
    OpenedMainWndo() { window.Open(); }
    ~OpenedMainWndo() override { MenuBar1::Release(); }

protected:
    tk::EditField& Magnitude(int k) { return *window.Find<tk::EditField>("EFMagn", k); }
    tk::EditField& Angle(int k) { return *window.Find<tk::EditField>("EFAngle", k); }
    PhasorDiagram& Phasor(int k) { return *window.Find<PhasorDiagram>("Phasor", k); }
    fake::RecordingGraphics& Picture(int k) {
        return *static_cast<fake::FakePicture&>(*Phasor(k).GX).Recorder();
    }
    fake::RecordingGraphics& Frame(const char* graph) {
        return *static_cast<fake::FakePicture&>(*window.Find<Graph>(graph)->GXP).Recorder();
    }
    // Chooses a menu item as the menus would: not at all while its handler says it is off.
    void Choose(const std::string& item) {
        if (const auto* handler = window.Commands().MenuHandler(item))
            (*handler)();
    }

    // Types the magnitudes and angles as the user would; the fields not given read "0".
    void Type(const Strings& magnitudes, const Strings& angles = {}) {
        for (int k = 0; k < MainWndo::kComponents; ++k) {
            Magnitude(k).NotifyTextEdited(k < int(magnitudes.size()) ? magnitudes[k] : "0");
            Angle(k).NotifyTextEdited(k < int(angles.size()) ? angles[k] : "0");
        }
    }

    fake::ScopedFakePlatform fake_;
    MainWndo window;
};

} // namespace testing_main
