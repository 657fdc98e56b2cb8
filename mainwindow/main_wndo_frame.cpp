// The animation: Start and Stop, and one frame of the time evolution.

#include "mainwindow/main_wndo.h"

#include <cmath>

namespace {

constexpr double kDegreesToRadians = 0.01745329251994;
constexpr double kPi = 3.14159265358979;
constexpr double kSampleSpacing = 0.01; // in units of the box width

} // namespace

void MainWndo::PBStart_Action() {
    if (start_->Caption() == "Start") {
        start_->SetCaption("Stop");
        DoNormalize();
        normalize_->SetEnabled(false);
        for (int k = 0; k < kComponents; ++k) {
            angles_[k]->SetEnabled(false);
            magnitudes_[k]->SetEnabled(false);
        }
        timer_->SetMode(tk::Timer::kMultiple);
        return;
    }
    timer_->SetMode(tk::Timer::kOff);
    normalize_->SetEnabled(true);
    for (int k = 0; k < kComponents; ++k) {
        angles_[k]->SetEnabled(true);
        magnitudes_[k]->SetEnabled(true);
    }
    magnitudes_[0]->SetFocus();
    start_->SetCaption("Start");
}

// Every phase advances by n^2 x dAngle x speed degrees, and the shown components are summed at the
// samples. The sum is divided by the total of the weights' sizes, so that |psi| stays at most 1
// whatever their signs; for magnitudes that are not negative that is their plain sum. With no shown
// weight at all the samples are 0/0: not numbers, which the plots leave undrawn.
void MainWndo::TMFrame_Action() {
    const double dx = kSampleSpacing;
    PsiReal.fill(0);
    PsiIm.fill(0);
    PsiSqrd.fill(0);
    double totalWeight = 0;
    for (int k = 0; k < kComponents; ++k) {
        const int n = k + 1;
        PhasorDiagram& phasor = *phasors_[k];
        const double step = static_cast<double>(n * n) * dAngle * static_cast<double>(speed_->Value());
        const double theta = phasor.angle + step;
        phasor.angle = theta;
        phasor.Update();
        const double w = static_cast<double>(Show[k]) * phasor.magn;
        if (w == 0)
            continue;
        const double c = std::cos(theta * kDegreesToRadians);
        const double s = std::sin(theta * kDegreesToRadians);
        const double kappa = (static_cast<double>(n) * kPi) * dx;
        totalWeight = totalWeight + std::abs(w);
        for (int j = 0; j < kSamples; ++j) {
            const double a = w * std::sin(kappa * j);
            PsiReal[j] = PsiReal[j] + a * c;
            PsiIm[j] = PsiIm[j] + a * s;
        }
    }
    for (int j = 0; j < kSamples; ++j) {
        PsiReal[j] = PsiReal[j] / totalWeight;
        PsiIm[j] = PsiIm[j] / totalWeight;
        PsiSqrd[j] = PsiReal[j] * PsiReal[j] + PsiIm[j] * PsiIm[j];
    }
    wavefunction_->ReDrawAll();
    probability_->ReDrawAll();
}
