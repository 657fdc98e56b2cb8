// A long run of the real program logic on the offscreen Qt platform: random speeds, selections,
// Start and Stop, Normalize, every kind of input, and the items of the Animation and States menus
// between the frames, checked after each step, with the Observables window following.
// PARVOK_SOAK_FRAMES sets the length of the run (make soak runs 100,000 frames).

#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"
#include "observables/observables_wndo.h"
#include "tests/support/resident_memory.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using fake::ResidentKilobytes;

// What a curious student may type, valid or not, into magnitudes and angles alike.
const std::string kLongNumber = "1" + std::string(5000, '0');
const std::string kLongFraction = "0." + std::string(5000, '0') + "1";
const std::vector<std::string> kInputs = {"0.5", "+7",   ".5",      "5.",    "  2.5e1xyz", "12 monkeys",
                                          "1e",  "1,5",  "1e200",   "1e999", kLongNumber,  "1e-300",
                                          "-3",  "-0.7", "-1e-300", "0",     "1e-999",     kLongFraction,
                                          "",    "   ",  "-0",      "0x10",  "inf",        "nan",
                                          "abc", "١٢",   "五",      "½",     "ψ²"};

// The items of the Animation and States menus, chosen whether or not they are on.
const char* const kTimeItems[] = {
    "AnimationPause",       "AnimationStepForward", "AnimationStepBack",
    "AnimationGoToQuarter", "AnimationGoToHalf",    "AnimationGoToPeriod",
    "AnimationRestart",     "StatesPacket",         "StatesCat",
};

// The program as random use drives it, one step at a time, checking what it shows after each.
class RandomUse {
public:
    RandomUse() {
        window_.Open();
        observables_.Open();
    }
    RandomUse(const RandomUse&) = delete;
    RandomUse& operator=(const RandomUse&) = delete;

    int frames = 0;

    void Step() {
        switch (Pick(12)) {
        case 0:
            window_.Find<tk::Slider>("SLSpeed")->NotifyValue(1 + Pick(100));
            break;
        case 1:
            (Pick(7) == 6 ? window_.Find<tk::RadioButton>("RBTotal")
                          : window_.Find<tk::RadioButton>("RBNth", Pick(6)))
                ->NotifyChosen();
            break;
        case 2:
            Press("PBStart");
            break;
        case 3:
            Press("PBNorm");
            break;
        case 4:
        case 5:
            if (auto* field = window_.Find<tk::EditField>(Pick(2) ? "EFMagn" : "EFAngle", Pick(6));
                field->Enabled())
                field->NotifyTextEdited(kInputs[Pick(int(kInputs.size()))]);
            break;
        case 6:
        case 7:
            if (const auto* handler =
                    window_.Commands().MenuHandler(kTimeItems[Pick(int(std::size(kTimeItems)))]))
                (*handler)();
            break;
        default:
            if (window_.Model().State() == run::RunState::Idle)
                Press("PBStart");
            if (window_.Model().State() == run::RunState::Paused)
                window_.PauseOrResume();
            window_.Find<tk::Timer>("TMFrame")->Fire();
            ++frames;
        }
        QApplication::processEvents();
        ExpectNumbers();
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void Press(const char* name) {
        if (auto* button = window_.Find<tk::PushButton>(name); button->Enabled())
            button->NotifyAction();
    }

    // No non-number in a phasor, on the status line or in the Observables window's values; the
    // samples all numbers, or all undrawn.
    void ExpectNumbers() {
        const std::string line = window_.StatusBar()->Line();
        const std::string& values = observables_.Find<tk::TextArea>("TAValues")->Text();
        for (const char* nonNumber : {"nan", "NaN", "inf", "INF"})
            ASSERT_TRUE(line.find(nonNumber) == std::string::npos &&
                        values.find(nonNumber) == std::string::npos)
                << line << "\n"
                << values;
        for (int k = 0; k < MainWndo::kComponents; ++k) {
            const auto& phasor = *window_.Find<PhasorDiagram>("Phasor", k);
            ASSERT_TRUE(std::isfinite(phasor.magn) && std::isfinite(phasor.angle)) << k;
        }
        const bool undrawn = std::isnan(window_.PsiSqrd[0]);
        for (int j = 0; j < MainWndo::kSamples; ++j)
            ASSERT_EQ(std::isnan(window_.PsiReal[j]) || std::isnan(window_.PsiSqrd[j]), undrawn) << j;
    }

    // Gone last: each window's menus ask the menu bar's items what is enabled until they go.
    struct MenuBarRelease {
        ~MenuBarRelease() { MenuBar1::Release(); }
    } menuBar_;
    MainWndo window_;
    ObservablesWndo observables_{window_};
    std::mt19937 random_{20261206};
};

TEST(Soak, RandomUseKeepsEveryValueANumberAndTheMemoryFlat) {
    const char* configured = std::getenv("PARVOK_SOAK_FRAMES");
    const int target = configured ? std::atoi(configured) : 2000;
    RandomUse use;
    long warm = 0;
    while (use.frames < target && !testing::Test::HasFatalFailure()) {
        use.Step();
        if (warm == 0 && use.frames >= target / 10)
            warm = ResidentKilobytes();
    }
    const long end = ResidentKilobytes();
    std::cout << "soak: " << use.frames << " frames; resident after warm-up " << warm << " KiB, at the end "
              << end << " KiB (" << (end >= warm ? "+" : "") << end - warm << " KiB)\n";
    if (fake::kResidentSizeTellsLeaks) {
        EXPECT_LE(end - warm, 512) << "memory grows with the frames";
    } else {
        std::cout << "soak: memory not compared: AddressSanitizer keeps freed memory in quarantine\n";
    }
}

} // namespace
