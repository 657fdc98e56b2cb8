// Whatever is typed into the fields: what each field reads after Normalize, what its phasor shows,
// and whether a frame after Start draws curves.

#include "tests/mainwindow/opened_main_wndo.h"

#include <cmath>
#include <string>

namespace {

using namespace testing_main;
using BadInputTest = OpenedMainWndo;

const std::string kLongNumber = "1" + std::string(5000, '0');
const std::string kLongFraction = "0." + std::string(5000, '0') + "1";

TEST_F(BadInputTest, EveryMagnitudeGivesANumberAPhasorAndCurvesOrNone) {
    const struct {
        Strings typed;
        std::string reads;
        std::string phasorLine; // the line phasor 1 draws at angle 0
        bool curves;
    } cases[] = {
        {{"0.5", "+7", ".5", "5.", "  2.5e1xyz", "1e", "1,5", "1e999", kLongNumber, "1e-300"},
         "1.000000",
         "DrawLine 35 35 70 35",
         true},
        {{"-3", "-1e-300"}, "-1.000000", "DrawLine 35 35 0 35", true},
        {{"1e-999", kLongFraction, "", "   ", "-0", "0x10", "inf", "nan", "abc", "١٢", "五", "½"},
         "0.000000",
         "DrawLine 35 35 35 35",
         false},
    };
    for (const auto& c : cases)
        for (const std::string& typed : c.typed) {
            SCOPED_TRACE("typed '" + typed.substr(0, 20) + "'");
            if (Running())
                Toggle();
            Type({typed});
            window.PBNorm_Action();
            EXPECT_EQ(Magnitude(0).Text(), c.reads);
            EXPECT_EQ(Picture(0).Ops().back(), c.phasorLine);
            for (int k = 0; k < MainWndo::kComponents; ++k)
                EXPECT_TRUE(std::isfinite(Phasor(k).magn) && std::isfinite(Phasor(k).angle)) << k;
            Toggle();
            EXPECT_EQ(DensityCurveSegments() == 100, c.curves);
            for (double v : window.PsiSqrd)
                ASSERT_TRUE(c.curves ? std::isfinite(v) : std::isnan(v)) << "finite, or all undrawn";
        }
}

TEST_F(BadInputTest, EveryAngleIsLoadedAsANumberAndLeftAsTyped) {
    const struct {
        std::string typed;
        std::string phasorLine; // magnitude 1
    } cases[] = {
        {"90", "DrawLine 35 35 35 0"},   {"-90", "DrawLine 35 35 35 70"},   {"450", "DrawLine 35 35 35 0"},
        {"", "DrawLine 35 35 70 35"},    {"nan", "DrawLine 35 35 70 35"},   {"inf", "DrawLine 35 35 70 35"},
        {"abc", "DrawLine 35 35 70 35"}, {"1,5e2", "DrawLine 35 35 69 34"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("typed '" + c.typed + "'");
        Type({"1"}, {c.typed});
        window.PBNorm_Action();
        EXPECT_EQ(Angle(0).Text(), c.typed);
        EXPECT_EQ(Picture(0).Ops().back(), c.phasorLine);
    }
    for (const std::string& huge : {std::string("1e999"), kLongNumber}) {
        Type({"1"}, {huge});
        Toggle();
        EXPECT_EQ(DensityCurveSegments(), 100) << "a huge phase still turns and draws";
        EXPECT_TRUE(std::isfinite(Phasor(0).angle));
        Toggle();
    }
}

} // namespace
