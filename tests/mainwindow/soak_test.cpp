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

namespace {

long ResidentKilobytes() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

const std::string kInputs[] = {"1",
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
                               "12 monkeys"};

// A magnitude the window wrote: six decimals, at most 1 in size.
bool IsNormalized(const std::string& text) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::abs(v) <= 1 && text.size() - text.find('.') == 7;
}

TEST(Soak, RandomUseKeepsEveryValueANumberAndTheMemoryFlat) {
    const int target =
        std::getenv("PARVOK_SOAK_FRAMES") ? std::atoi(std::getenv("PARVOK_SOAK_FRAMES")) : 2000;
    MainWndo window;
    window.Open();
    std::mt19937 random(20261206);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto press = [&](const char* name) {
        auto* button = window.Find<tk::PushButton>(name);
        if (button->Enabled())
            button->NotifyAction();
        return button->Enabled();
    };
    int frames = 0;
    long warm = 0;
    while (frames < target) {
        switch (pick(10)) {
        case 0:
            window.Find<tk::Slider>("SLSpeed")->NotifyValue(1 + pick(100));
            break;
        case 1:
            (pick(7) == 6 ? window.Find<tk::RadioButton>("RBTotal")
                          : window.Find<tk::RadioButton>("RBNth", pick(6)))
                ->NotifyChosen();
            break;
        case 2:
            press("PBStart");
            break;
        case 3:
            if (press("PBNorm")) {
                for (int k = 0; k < MainWndo::kComponents; ++k)
                    ASSERT_TRUE(IsNormalized(window.Find<tk::EditField>("EFMagn", k)->Text()));
            }
            break;
        case 4:
        case 5:
            if (auto* field = window.Find<tk::EditField>(pick(2) ? "EFMagn" : "EFAngle", pick(6));
                field->Enabled())
                field->NotifyTextEdited(kInputs[pick(int(std::size(kInputs)))]);
            break;
        default:
            if (window.Find<tk::PushButton>("PBStart")->Caption() == "Start")
                press("PBStart");
            window.Find<tk::Timer>("TMFrame")->Fire();
            ++frames;
        }
        QApplication::processEvents();
        for (int k = 0; k < MainWndo::kComponents; ++k) {
            const auto& phasor = *window.Find<PhasorDiagram>("Phasor", k);
            ASSERT_TRUE(std::isfinite(phasor.magn) && std::isfinite(phasor.angle)) << k;
        }
        const bool undrawn = std::isnan(window.PsiSqrd[0]); // the samples all numbers, or all undrawn
        for (int j = 0; j < MainWndo::kSamples; ++j)
            ASSERT_EQ(std::isnan(window.PsiReal[j]) || std::isnan(window.PsiSqrd[j]), undrawn) << j;
        if (warm == 0 && frames >= target / 10)
            warm = ResidentKilobytes();
    }
    const long end = ResidentKilobytes();
    std::printf("soak: %d frames; resident after warm-up %ld KiB, at the end %ld KiB (%+ld KiB)\n", frames,
                warm, end, end - warm);
    EXPECT_LE(end - warm, 512) << "memory grows with the frames";
    MenuBar1::Release();
}

} // namespace
