#pragma once

// A MainWndo opened on the fake platform, so that its plots and phasors draw into recording
// pictures, with helpers to type, read and inspect what it shows.

#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
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
    void Toggle() { window.PBStart_Action(); }

    // Types the magnitudes and angles as the user would; the fields not given read "0".
    void Type(const Strings& magnitudes, const Strings& angles = {}) {
        for (int k = 0; k < MainWndo::kComponents; ++k) {
            Magnitude(k).NotifyTextEdited(k < int(magnitudes.size()) ? magnitudes[k] : "0");
            Angle(k).NotifyTextEdited(k < int(angles.size()) ? angles[k] : "0");
        }
    }
    // Stops a run, if any, so that the fields take what is typed.
    void Retype(const Strings& magnitudes, const Strings& angles = {}) {
        if (window.Model().State() != run::RunState::Idle)
            Toggle();
        Type(magnitudes, angles);
    }
    std::string MagnitudeTexts() {
        std::string texts;
        for (int k = 0; k < MainWndo::kComponents; ++k)
            texts += Magnitude(k).Text() + " ";
        return texts;
    }
    // Every sample of the latest frame against psi computed here, with exact pi and radians.
    void ExpectFrameMatchesPsi() {
        for (int j = 0; j < MainWndo::kSamples; ++j) {
            std::complex<double> psi;
            double weight = 0;
            for (int k = 0; k < MainWndo::kComponents; ++k) {
                const double w = window.Show[k] * Phasor(k).magn;
                psi += w * std::sin((k + 1) * std::numbers::pi * 0.01 * j) *
                       std::polar(1.0, Phasor(k).angle * std::numbers::pi / 180);
                weight += std::abs(w);
            }
            ASSERT_NEAR(window.PsiReal[j], psi.real() / weight, 1e-9) << j;
            ASSERT_NEAR(window.PsiIm[j], psi.imag() / weight, 1e-9) << j;
            ASSERT_EQ(window.PsiSqrd[j],
                      window.PsiReal[j] * window.PsiReal[j] + window.PsiIm[j] * window.PsiIm[j]);
        }
    }
    // Runs a frame; returns how many segments of the density curve it drew, its only lines: the
    // axes come from their copy.
    int DensityCurveSegments() {
        Frame("GFProb").Clear();
        window.TMFrame_Action();
        return int(Frame("GFProb").Ops("DrawLine").size());
    }

    fake::ScopedFakePlatform fake_;
    MainWndo window;
};

} // namespace testing_main
