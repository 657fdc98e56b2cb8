// A long run of the real program logic on the offscreen Qt platform: random speeds, selections,
// Start and Stop, Normalize and every kind of input between the frames, checked after each step.
// PARVOK_SOAK_FRAMES sets the length of the run (make soak runs 100,000 frames).

#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

long ResidentKilobytes() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

int SoakFrames() {
    const char* frames = std::getenv("PARVOK_SOAK_FRAMES");
    return frames ? std::atoi(frames) : 2000;
}

const std::vector<std::string>& Inputs() {
    static const std::vector<std::string> inputs = {
        "1",
        "0.5",
        "-0.7",
        "3",
        "0",
        "",
        "  ",
        "-0",
        "1e200",
        "1e-200",
        "1e999",
        "1e-999",
        "abc",
        "nan",
        "inf",
        "0x10",
        "1,5",
        "١٢",
        "五",
        "ψ²",
        std::string(3000, '9'),
        "0." + std::string(3000, '0') + "1",
        "12 monkeys",
    };
    return inputs;
}

// A number the window wrote: six decimals, at most 1 in size.
bool IsNormalizedText(const std::string& text) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    const auto point = text.find('.');
    return *end == '\0' && std::isfinite(v) && std::abs(v) <= 1 && point != std::string::npos &&
           text.size() - point == 7;
}

class Soak {
public:
    Soak() : random_(20261206) { window_.Open(); }
    ~Soak() { MenuBar1::Release(); }

    // One user action, chosen at random, or a frame.
    void Step() {
        switch (Pick(10)) {
        case 0:
            window_.Find<tk::Slider>("SLSpeed")->NotifyValue(1 + Pick(100));
            break;
        case 1: {
            const int choice = Pick(7);
            auto* radio = choice == 6 ? window_.Find<tk::RadioButton>("RBTotal")
                                      : window_.Find<tk::RadioButton>("RBNth", choice);
            radio->NotifyChosen();
            break;
        }
        case 2:
            Press("PBStart");
            break;
        case 3:
            if (Press("PBNorm"))
                ExpectNormalized();
            break;
        case 4:
        case 5: {
            auto* field = window_.Find<tk::EditField>(Pick(2) ? "EFMagn" : "EFAngle", Pick(6));
            if (field->Enabled())
                field->NotifyTextEdited(Inputs()[Pick(int(Inputs().size()))]);
            break;
        }
        default:
            Frame();
        }
        QApplication::processEvents();
        ExpectSound();
    }

    bool Running() { return window_.Find<tk::PushButton>("PBStart")->Caption() == "Stop"; }
    int frames = 0;

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    bool Press(const char* name) {
        auto* button = window_.Find<tk::PushButton>(name);
        if (!button->Enabled())
            return false;
        button->NotifyAction();
        return true;
    }

    void Frame() {
        if (!Running())
            Press("PBStart");
        window_.Find<tk::Timer>("TMFrame")->Fire();
        ++frames;
    }

    void ExpectNormalized() {
        for (int k = 0; k < MainWndo::kComponents; ++k)
            ASSERT_TRUE(IsNormalizedText(window_.Find<tk::EditField>("EFMagn", k)->Text()))
                << window_.Find<tk::EditField>("EFMagn", k)->Text();
    }

    // No non-number in a phasor; the samples all numbers or all undrawn.
    void ExpectSound() {
        for (int k = 0; k < MainWndo::kComponents; ++k) {
            const auto& phasor = *window_.Find<PhasorDiagram>("Phasor", k);
            ASSERT_TRUE(std::isfinite(phasor.magn) && std::isfinite(phasor.angle)) << k;
        }
        const bool undrawn = std::isnan(window_.PsiSqrd[0]);
        for (int j = 0; j < MainWndo::kSamples; ++j)
            ASSERT_EQ(std::isnan(window_.PsiReal[j]) || std::isnan(window_.PsiSqrd[j]), undrawn) << j;
    }

    MainWndo window_;
    std::mt19937 random_;
};

TEST(Soak, RandomUseKeepsEveryValueANumberAndTheMemoryFlat) {
    const int target = SoakFrames();
    Soak soak;
    long warm = 0;
    while (soak.frames < target) {
        soak.Step();
        if (testing::Test::HasFatalFailure())
            return;
        if (warm == 0 && soak.frames >= target / 10)
            warm = ResidentKilobytes();
    }
    const long end = ResidentKilobytes();
    std::printf("soak: %d frames; resident after warm-up %ld KiB, at the end %ld KiB (%+ld KiB)\n",
                soak.frames, warm, end, end - warm);
    EXPECT_LE(end - warm, 512) << "memory grows with the frames";
}

} // namespace
